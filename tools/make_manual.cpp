// Makes the program's manual: runs the real windows offscreen on a sample
// pool, grabs them, and writes one MIME HTML document (multipart/related)
// with the page as quoted-printable UTF-8 and each picture as a base64 part.
//   QT_QPA_PLATFORM=offscreen build/tools/make_manual resources/manual/zanvelo-help.mht
#include "app/startup.h"
#include "base/controls.h"
#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"
#include "base/program.h"
#include "engine/run.h"
#include "store/historystore.h"
#include "ui/aboutwindow.h"
#include "ui/mainwindow.h"
#include "ui/showcasewindow.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>
#include <random>

using namespace zv;

namespace {

struct Picture {
    QString name; // file name under index_files/
    QByteArray png;
    QSize size;
};

QList<Picture> pictures;

QString addPicture(const QString& name, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    pictures.append({name, png, image.size()});
    return QStringLiteral("<p class=\"shot\"><img src=\"index_files/%1\" width=\"%2\" "
                          "height=\"%3\" alt=\"\"></p>\n")
        .arg(name)
        .arg(image.width())
        .arg(image.height());
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

QImage grabWindow(QWidget* w) {
    settle();
    return w->grab().toImage();
}

// A message box as the program shows it.
QImage messageBoxImage(const QString& text, QMessageBox::Icon icon, const QString& caption) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.show();
    const QImage image = grabWindow(&box);
    box.hide();
    return image;
}

// Adds a red frame around a part of a picture, to point at it.
QImage mark(QImage image, const QRect& area) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xe0, 0x10, 0x10), 3));
    p.drawRoundedRect(QRectF(area).adjusted(-2, -2, 2, 2), 4, 4);
    return image;
}

QRect areaOf(ui::MainWindow* window, const char* name) {
    QWidget* w = control(QString::fromUtf8(name));
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

QByteArray quotedPrintable(const QByteArray& text) {
    QByteArray out;
    int column = 0;
    auto put = [&](const QByteArray& piece) {
        if (column + piece.size() > 75) {
            out += "=\r\n";
            column = 0;
        }
        out += piece;
        column += int(piece.size());
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            out += "\r\n";
            column = 0;
        } else if (c == '\r') {
            continue;
        } else if ((c >= 33 && c <= 126 && c != '=') ||
                   (c == ' ' && i + 1 < text.size() && text[i + 1] != '\n')) {
            put(QByteArray(1, char(c)));
        } else {
            put("=" + QByteArray::number(c, 16).toUpper().rightJustified(2, '0'));
        }
    }
    return out;
}

QByteArray base64Lines(const QByteArray& data) {
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

void storeSamplePool(int draws) {
    std::mt19937 random(3127);
    store::StoreTexts texts;
    for (int i = 0; i < draws; ++i) {
        texts[0] += "#" + QByteArray::number(26001 + i);
        for (int k = 1; k <= 7; ++k)
            texts[size_t(k)] += char('0' + random() % 10);
    }
    store::writeStoreTexts(texts);
}

} // namespace

int main(int argc, char** argv) {
    app::prepareToolkit();
    QApplication application(argc, argv);
    app::setUpApplication();
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("resources/manual/zanvelo-help.mht");
    QTemporaryDir storeDir;
    setRunDirectory(storeDir.path());
    setSkinStyle(1);
    setProductGlobals();
    InstallationId = installationIdFor("manual");
    setProgramEndAction([](int) {});
    ScriptedInteraction quiet; // no box of the program's own pops up while grabbing

    QString body;
    auto h2 = [&](const QString& t) { body += "<h2>" + t + "</h2>\n"; };
    auto para = [&](const QString& t) { body += "<p>" + t + "</p>\n"; };

    h2(QStringLiteral("一、打开软件"));
    para(QStringLiteral("双击 zanvelo 启动软件，首先出现的是软件的展示窗口："));
    {
        ui::ShowcaseWindow showcase;
        showcase.show();
        body += addPicture("image001.png", grabWindow(&showcase));
    }
    para(QStringLiteral("单击窗口右上方的“下一步”（或直接关闭这个窗口），软件的主窗口随即打开："));
    auto* window = new ui::MainWindow({app::setUpMainWindow, {}});
    window->show();
    app::setUpMainWindow();
    body += addPicture("image002.png", grabWindow(window));
    para(QStringLiteral("主窗口左边是选号结果表格，右边是推荐号码、往期号码的输入框和各个按钮，"
                        "窗口下方是本公司的网址和联系方式，单击即可打开。"));

    h2(QStringLiteral("二、输入往期号码"));
    para(QStringLiteral("软件根据号库中的往期号码推荐号码，号库中至少要有最近的三十期号码。"
                        "号码可以手工输入，也可以自动获取。"));
    para(QStringLiteral(
        "<b>手工输入：</b>请按先后顺序输入，先输入较早的一期，最后输入最近开出的一期。"
        "在右下方“第　期号码：”中间的框里输入五位期号，输满五位后光标自动跳到下面的号码框，"
        "再输入七位号码，按回车键或单击“确认输入”："));
    setControlText(QStringLiteral("编辑框2"), "26061");
    setControlText(QStringLiteral("编辑框1"), "3805172");
    {
        QImage shot = grabWindow(window);
        shot = mark(shot, areaOf(window, "编辑框2").united(areaOf(window, "按钮2")));
        body += addPicture("image003.png", shot);
    }
    para(QStringLiteral(
        "输入正确时会提示号码已成功添加，右下方随即显示刚输入的一期和号库中的期数："));
    body += addPicture("image004.png",
                       messageBoxImage(QStringLiteral("号码已成功添加！"), QMessageBox::Information,
                                       QStringLiteral("成功：")));
    storeSamplePool(60);
    setControlText(QStringLiteral("编辑框2"), {});
    setControlText(QStringLiteral("编辑框1"), {});
    app::setUpMainWindow();
    {
        QImage shot = grabWindow(window);
        body +=
            addPicture("image005.png",
                       mark(shot, areaOf(window, "上期号码").united(areaOf(window, "号库显示"))));
    }
    para(QStringLiteral("输错了最近的一期，可以单击“清除上期号”把它删除，再重新输入。"));
    para(QStringLiteral(
        "<b>自动获取：</"
        "b>单击“展开高级功能”，窗口右边出现往期号码列表和“自动获取并输入往期号码”按钮。"
        "单击这个按钮，软件会从开奖结果网站依次读取最近的往期号码（最多二百八十期），"
        "等待出现“往期号码输入完成”的提示即可。右边的列表显示号库中的全部号码，最近的一期在最上面，"
        "可以上下滚动查看："));
    window->findChild<QPushButton*>(QStringLiteral("按钮5"))->click();
    body += addPicture("image006.png", grabWindow(window));
    window->findChild<QPushButton*>(QStringLiteral("按钮5"))->click();

    h2(QStringLiteral("三、计算下期号码"));
    para(QStringLiteral(
        "号库中有了足够的往期号码后，单击右上方的“推荐号码”，软件逐位分析七个位置的往期号码，"
        "把结果填入左边的表格和右边的推荐号码框："));
    engine::runRecommendation();
    {
        QImage shot = grabWindow(window);
        shot = mark(shot, areaOf(window, "分组框1"));
        body += addPicture(
            "image007.png",
            mark(shot, areaOf(window, "推荐号码框").united(areaOf(window, "随机号码框"))));
    }
    para(QStringLiteral("号库不足三十期时，软件会提示先存入足够的往期号码。"));

    h2(QStringLiteral("四、如何选号"));
    para(QStringLiteral("第一次使用本软件时，可以直接选用右边红色的“推荐号码”。"));
    para(QStringLiteral(
        "表格中“精选推荐”一列是从各优先级中进一步挑选出的号码，每位的第一个数字组成推荐号码，"
        "其余的数字可作为备选。"));
    para(QStringLiteral("表格中 ① 到 ⑥ 是每一位的优先级，①的优先级最高，⑥的优先级最低，"
                        "可以按优先级从高到低挑选每一位的号码进行组合。"));
    para(QStringLiteral("“随机号码”是软件随机选出的一注号码，每次单击“推荐号码”都会重新选出。"));
    para(
        QStringLiteral("<b>请注意：</b>七星彩的每一期开奖都是随机的，以往的号码不会影响以后的开奖。"
                       "本软件的任何推荐都不能提高中奖的机会，只供参考和娱乐，请理性购彩。"));
    para(QStringLiteral(
        "更多帮助请访问 www.korvane.example，或通过主窗口下方的联系方式与我们联系。"));

    const QString title = fromGbk(ProductName) + QStringLiteral("使用帮助");
    const QString html =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta "
                       "charset=\"utf-8\">\n<title>%1</title>\n"
                       "<style>\nbody { font-family: \"Noto Sans CJK SC\", sans-serif; margin: "
                       "16px 24px; color: #222; line-height: 1.6; }\n"
                       "h1 { color: #c02010; font-size: 26px; }\nh2 { color: #0060c0; font-size: "
                       "20px; border-bottom: 1px solid #9cc; }\n"
                       "p.shot { text-align: center; }\nimg { border: 1px solid #bbb; max-width: "
                       "100%; height: auto; }\n</style>\n"
                       "</head>\n<body>\n<h1>%1</h1>\n%2</body>\n</html>\n")
            .arg(title, body);

    const QByteArray boundary = "----=_NextPart_Zanvelo_Manual";
    // Chromium takes the pictures of an archive only from web locations; this
    // one is never fetched (the archive holds every part).
    const QByteArray base = "http://manual.zanvelo.invalid/";
    QByteArray mime =
        "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"" + boundary +
        "\"; type=\"text/html\"\r\n\r\nThis is a multi-part message in MIME format.\r\n\r\n";
    mime += "--" + boundary +
            "\r\nContent-Type: text/html; charset=\"utf-8\"\r\n"
            "Content-Transfer-Encoding: quoted-printable\r\nContent-Location: " +
            base + "index.htm\r\n\r\n";
    mime += quotedPrintable(html.toUtf8()) + "\r\n";
    for (const Picture& p : pictures) {
        mime += "\r\n--" + boundary +
                "\r\nContent-Type: application/octet-stream\r\n"
                "Content-Transfer-Encoding: base64\r\nContent-Location: " +
                base + "index_files/" + p.name.toLatin1() + "\r\n\r\n" + base64Lines(p.png);
    }
    mime += "\r\n--" + boundary + "--\r\n";

    delete window;
    setRunDirectory({});
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(mime) != mime.size() || !out.commit())
        return 1;
    return 0;
}
