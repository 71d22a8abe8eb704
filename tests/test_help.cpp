// The manual: the document carried in the program, and HelpWindow showing it
// from a temporary file that is gone afterwards.
#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"
#include "help/document.h"
#include "main_window_fixture.h"
#include "ui/helpwindow.h"
#include "ui/secondary.h"
#include "ui/widgets.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>

using namespace zv;

namespace {

struct MimePart {
    QMap<QByteArray, QByteArray> headers; // lower-case names
    QByteArray body;
};

// Splits a multipart/related document into its parts.
QList<MimePart> mimeParts(const QByteArray& doc, QByteArray* topType) {
    const qsizetype headerEnd = doc.indexOf("\r\n\r\n");
    const QByteArray header = doc.left(headerEnd);
    *topType = header;
    const QRegularExpression b("boundary=\"([^\"]+)\"");
    const QByteArray boundary = "--" + b.match(QString::fromLatin1(header)).captured(1).toLatin1();
    QList<MimePart> parts;
    const QList<QByteArray> chunks = doc.mid(headerEnd).split('\n');
    QByteArray all = doc.mid(headerEnd);
    qsizetype at = all.indexOf(boundary + "\r\n");
    while (at >= 0) {
        const qsizetype start = at + boundary.size() + 2;
        const qsizetype next = all.indexOf("\r\n" + boundary, start);
        if (next < 0)
            break;
        const QByteArray chunk = all.mid(start, next - start);
        const qsizetype split = chunk.indexOf("\r\n\r\n");
        MimePart part;
        for (const QByteArray& line : chunk.left(split).split('\n')) {
            const qsizetype colon = line.indexOf(':');
            part.headers[line.left(colon).trimmed().toLower()] = line.mid(colon + 1).trimmed();
        }
        part.body = chunk.mid(split + 4);
        parts.append(part);
        at = all.indexOf(boundary + "\r\n", next + 2);
        if (all.mid(next + 2, boundary.size() + 2) == boundary + "--")
            break;
    }
    return parts;
}

QByteArray decodeQuotedPrintable(const QByteArray& in) {
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && in.mid(i + 1, 2) == "\r\n") {
            i += 2;
        } else if (in[i] == '=') {
            out += char(in.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else if (in[i] != '\r') {
            out += in[i];
        }
    }
    return out;
}

QStringList tempFiles(const QString& dir) {
    return QDir(dir).entryList({"*.tmp.mht"}, QDir::Files | QDir::System);
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void documentIsSelfContained();
    void windowShowsTheManualAndLeavesNoFile();
    void twoOpeningsTwoNames();
    void unwritableTempFolder();
    void plantedLinkIsPassedOver();
    void layoutRuleOnMaximiseAndRestore();
    void clicksReachOnlyTheRightStrip();
    void secondRequestBringsTheOpenWindowForward();
    void closingTheMainWindowEndsWithHelpOpen();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
};

void HelpTest::init() {
    setProductGlobals();
    m_temp = std::make_unique<QTemporaryDir>();
    setTempDirectory(m_temp->path());
}

void HelpTest::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow")
            delete w;
    setTempDirectory({});
    m_temp.reset();
}

void HelpTest::documentIsSelfContained() {
    const Bytes doc = help::helpDocument();
    QVERIFY(doc.size() > 100'000);
    QByteArray top;
    const QList<MimePart> parts = mimeParts(doc, &top);
    QVERIFY(top.contains("MIME-Version: 1.0"));
    QVERIFY(top.contains("multipart/related"));
    QVERIFY(top.contains("type=\"text/html\""));
    QVERIFY(parts.size() >= 6);
    const MimePart& page = parts[0];
    QVERIFY(page.headers["content-type"].startsWith("text/html"));
    QCOMPARE(page.headers["content-transfer-encoding"], QByteArray("quoted-printable"));
    const QString html = QString::fromUtf8(decodeQuotedPrintable(page.body));
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    QVERIFY(html.contains(QStringLiteral("<title>Zanvelo使用帮助</title>")));
    for (const char* section :
         {"一、打开软件", "二、输入往期号码", "三、计算下期号码", "四、如何选号"})
        QVERIFY2(html.contains(QString::fromUtf8(section)), section);
    QVERIFY(html.contains(QStringLiteral("本软件的任何推荐都不能提高中奖的机会")));
    // Every picture the page refers to is a base64 PNG part at that location.
    const QString base =
        QString::fromLatin1(page.headers["content-location"]).section('/', 0, -2) + "/";
    const auto refs = QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html);
    QStringList referenced;
    for (auto it = refs; it.hasNext();)
        referenced << base + it.next().captured(1);
    QCOMPARE(referenced.size(), parts.size() - 1);
    for (int i = 1; i < parts.size(); ++i) {
        QCOMPARE(parts[i].headers["content-transfer-encoding"], QByteArray("base64"));
        QCOMPARE(parts[i].headers["content-type"], QByteArray("application/octet-stream"));
        QVERIFY(referenced.contains(QString::fromLatin1(parts[i].headers["content-location"])));
        QVERIFY(QByteArray::fromBase64(parts[i].body).startsWith("\x89PNG\r\n\x1a\n"));
    }
}

void HelpTest::windowShowsTheManualAndLeavesNoFile() {
    ui::openHelpWindow();
    auto* window = qobject_cast<ui::HelpWindow*>(findWindow("HelpWindow"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Zanvelo 使用帮助"));
    QCOMPARE(tempFiles(m_temp->path()).size(), 1); // written, waiting for the view
    QSignalSpy loaded(window->view(), &QWebEngineView::loadFinished);
    QVERIFY(loaded.wait(30'000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QTRY_VERIFY(tempFiles(m_temp->path()).isEmpty());
    QCOMPARE(window->view()->title(), QStringLiteral("Zanvelo使用帮助"));
    // The pictures come out of the document itself (scripts do not run in a
    // MIME HTML page): printed, the page holds every one of them.
    QByteArray pdf;
    window->view()->page()->printToPdf([&](const QByteArray& data) { pdf = data; });
    QTRY_VERIFY_WITH_TIMEOUT(!pdf.isEmpty(), 20'000);
    QVERIFY2(pdf.count("/Subtype /Image") >= 7,
             qPrintable(QString::number(pdf.count("/Subtype /Image"))));
}

void HelpTest::twoOpeningsTwoNames() {
    QStringList names;
    for (int i = 0; i < 2; ++i) {
        ui::openHelpWindow();
        names += tempFiles(m_temp->path());
        QWidget* window = findWindow("HelpWindow");
        window->close(); // before loading has finished: the file goes with the window
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_VERIFY(tempFiles(m_temp->path()).isEmpty());
    }
    QCOMPARE(names.size(), 2);
    QVERIFY(names[0] != names[1]);
    QVERIFY(QRegularExpression("^[0-9a-f]+\\.tmp\\.mht$").match(names[0]).hasMatch());
    // The end of the program removes files still waiting as well.
    ui::openHelpWindow();
    QCOMPARE(tempFiles(m_temp->path()).size(), 1);
    help::removeHelpFiles();
    QVERIFY(tempFiles(m_temp->path()).isEmpty());
}

void HelpTest::unwritableTempFolder() {
    setTempDirectory(m_temp->path() + "/missing");
    ScriptedInteraction script;
    ui::openHelpWindow();
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("帮助文档打开失败：请重试！"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("错误"));
    QCOMPARE(script.messages[0].flags, 16);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(findWindow("HelpWindow"), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(w->objectName() != "HelpWindow" || !w->isVisible());
}

void HelpTest::plantedLinkIsPassedOver() {
    // Links planted at the names the next numbers would give point at a victim file.
    const QString victim = m_temp->filePath("victim.txt");
    QCOMPARE(writeFile(victim, "precious"), 1);
    const QString probe = tempFileName(m_temp->path());
    const uint base = QFileInfo(probe).completeBaseName().toUInt(nullptr, 16);
    for (uint n = base; n < base + 50; ++n)
        QFile::link(victim, m_temp->filePath(QString::number(n, 16) + ".tmp.mht"));
    const QString path = writeNewTempFile(m_temp->path(), ".mht", "manual");
    QVERIFY(!path.isEmpty());
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(readFile(path), Bytes("manual"));
    QCOMPARE(readFile(victim), Bytes("precious"));
}

void HelpTest::layoutRuleOnMaximiseAndRestore() {
    ui::openHelpWindow();
    auto* window = qobject_cast<ui::HelpWindow*>(findWindow("HelpWindow"));
    QWidget* cover = findControl("HelpWindow", "透明标签1");
    auto check = [&] {
        const QSize outer = window->outerSize();
        QCOMPARE(window->view()->geometry(), QRect(0, 0, outer.width() - 4, outer.height() - 36));
        QCOMPARE(cover->geometry(),
                 QRect(0, 0, window->view()->width() - 18, window->view()->height()));
    };
    QCOMPARE(window->outerSize(), QSize(732, 467));
    check();
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    QTRY_VERIFY(window->outerSize().width() > 732);
    check();
    window->showNormal();
    QTRY_COMPARE(window->outerSize(), QSize(732, 467));
    check();
    // The border is fixed: a resize by other means snaps back.
    window->resize(500, 300);
    QCOMPARE(window->outerSize(), QSize(732, 467));
}

void HelpTest::clicksReachOnlyTheRightStrip() {
    ui::openHelpWindow();
    auto* window = qobject_cast<ui::HelpWindow*>(findWindow("HelpWindow"));
    QWidget* view = window->view();
    // The view is as wide as the outer width less 4, the window's inside as
    // the outer width less 6: the strip shows up to the window's right edge.
    const QRect strip(QPoint(view->width() - 18, 0),
                      QPoint(window->width() - 1, view->height() - 1));
    for (const QPoint p : {QPoint(10, 10), QPoint(view->width() / 2, view->height() / 2),
                           QPoint(view->width() - 19, view->height() - 1)})
        QCOMPARE(window->childAt(p)->objectName(), QString("透明标签1"));
    for (const QPoint p : {strip.topLeft(), strip.center(), strip.bottomRight()}) {
        QWidget* hit = window->childAt(p);
        QVERIFY(hit == view || view->isAncestorOf(hit));
    }
}

void HelpTest::secondRequestBringsTheOpenWindowForward() {
    ui::openHelpWindow();
    QWidget* first = findWindow("HelpWindow");
    first->showMinimized();
    ui::openHelpWindow();
    QCOMPARE(findWindow("HelpWindow"), first);
    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += w->objectName() == "HelpWindow";
    QCOMPARE(helpWindows, 1);
    QVERIFY(!first->isMinimized());
    // Closed but not yet deleted (a handler still pumping events): a new one opens.
    first->close();
    ui::openHelpWindow();
    QVERIFY(findWindow("HelpWindow") != first);
    QVERIFY(findWindow("HelpWindow")->isVisible());
}

void HelpTest::closingTheMainWindowEndsWithHelpOpen() {
    MainWindowFixture main;
    ui::openHelpWindow();
    QVERIFY(findWindow("HelpWindow")->isVisible());
    QCOMPARE(tempFiles(m_temp->path()).size(), 1);
    QTest::keyClick(main.window.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(main.endCodes, QList<int>{0});       // the process ends with code 0
    QVERIFY(tempFiles(m_temp->path()).isEmpty()); // and leaves no help file behind
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
