#include "ui/aboutwindow.h"

#include "base/controls.h"
#include "base/globals.h"
#include "help/links.h"
#include "ui/framedwindow.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QPainterPath>
#include <QPushButton>

namespace zv::ui {

namespace {

struct AboutText {
    const char* name;
    int left, top, width, height;
    const char* text;
    const char* colour;
    const char* face; // nullptr: the default font
    int pixels;
    bool bold;
    bool underline;
    Qt::Alignment align;
    bool wrap;
};

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;

// The transparent labels with text, front to back (all drawn with a shadow).
// The first two lie in front of the picture, the others behind it.
// clang-format off
const AboutText InFront[] = {
    // name, left, top, width, height, text, colour, face, px, bold, underline, alignment, wrap
    {"透明标签25", 16, 180, 152, 16, "交流群：61234567", "#00e080", nullptr, 0, false, false, Left, false},
    {"透明标签22", 16, 232, 120, 16, "单击这里下载最新版本", "#ffffff", "宋体", 12, false, true, Left, false},
};
const AboutText Behind[] = {
    {"透明标签14", 208, 57, 176, 56, "", "#00ff00", "楷体_GB2312", 21, true, false, Qt::AlignCenter, true},
    {"透明标签20", 192, 120, 208, 145, "    ", "#d8d800", nullptr, 0, false, false, Left, true},
    {"透明标签16", 16, 144, 152, 16, "作者：Korvane科技", "#00e080", nullptr, 0, false, false, Left, false},
    {"透明标签17", 16, 162, 152, 16, "QQ：80008888", "#00e080", nullptr, 0, false, false, Left, false},
    {"透明标签18", 16, 196, 152, 16, "邮箱：zv@kv.example", "#00e080", nullptr, 0, false, false, Left, false},
    {"透明标签19", 16, 212, 134, 16, "kv@korvane.example", "#00e080", nullptr, 0, false, false, Left, false},
    {"透明标签15", 0, 256, 408, 24, "Copyright © 2015-2026 Korvane科技 版权所有", "#00ffff", nullptr, 0, false, false, Qt::AlignCenter, false},
};
// clang-format on

QFont pixelFont(const char* face, int pixels, bool bold) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void colour(QWidget* w, const char* name) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(QString::fromLatin1(name)));
    w->setPalette(p);
}

// Makes the labels of a table back to front, so that each lies behind the ones made after it.
template <size_t N> void makeTexts(QWidget* window, const AboutText (&rows)[N]) {
    for (auto it = std::rbegin(rows); it != std::rend(rows); ++it) {
        auto* label = new TransparentLabel(window);
        label->setObjectName(QString::fromUtf8(it->name));
        label->setGeometry(it->left, it->top, it->width, it->height);
        label->setText(QString::fromUtf8(it->text));
        QFont font = it->face ? pixelFont(it->face, it->pixels, it->bold) : window->font();
        font.setUnderline(it->underline);
        label->setFont(font);
        label->setAlignment(it->align);
        label->setWordWrap(it->wrap);
        colour(label, it->colour);
    }
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutWindow"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("关于..."));
    setFixedSize(LaidOutSize);

    // The rounded outline: nothing is drawn, and no click is taken, outside it.
    const int d = cornerSize(LaidOutSize);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(LaidOutSize)), d / 2.0, d / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));

    auto* dragger = new WindowDragger(this);
    dragger->watch(this);

    // Back to front, so that each lies behind the ones made after it. The
    // backdrop: black, its caption drawn with a shadow.
    auto* backdrop = new TransparentLabel(this);
    backdrop->setObjectName(QStringLiteral("标签2"));
    backdrop->setGeometry(0, -7, 408, 298);
    QPalette black = backdrop->palette();
    black.setColor(QPalette::Window, Qt::black);
    backdrop->setPalette(black);
    backdrop->setAutoFillBackground(true);
    backdrop->setText(QStringLiteral("\r\n 关于软件"));
    backdrop->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    backdrop->setWordWrap(true);
    backdrop->setFont(pixelFont("宋体", 16, true));
    colour(backdrop, "#8080ff");
    dragger->watch(backdrop);

    auto* pressed = new QLabel(this);
    pressed->setObjectName(QStringLiteral("图片框3"));
    pressed->setGeometry(16, 40, 176, 104);
    pressed->setAutoFillBackground(true);
    pressed->setPalette(black);
    dragger->watch(pressed);

    makeTexts(this, Behind);
    findChild<TransparentLabel*>(QStringLiteral("透明标签14"))
        ->setText(fromGbk(ProductName + "\r\n" + "v" + versionText()));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("图片框1"));
    picture->setGeometry(8, 32, 176, 104);
    picture->setScaledContents(true); // stretched, the aspect ratio not kept
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/about.jpg")));
    picture->setAutoFillBackground(true);
    picture->setPalette(black);
    dragger->watch(picture);

    makeTexts(this, InFront);
    auto* link = findChild<TransparentLabel*>(QStringLiteral("透明标签22"));
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &TransparentLabel::pressed, this, [](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton)
            help::openMakerSite();
    });

    auto* close = new QPushButton(QStringLiteral("×"), this);
    close->setObjectName(QStringLiteral("关闭按钮"));
    close->setGeometry(360, 8, 24, 24);
    close->setToolTip(QStringLiteral("关闭"));
    close->setFont(pixelFont("黑体", 35, true));
    close->setFlat(true);
    close->setStyleSheet(QStringLiteral("QPushButton { border: none; outline: none; background: "
                                        "#3c3c3c; color: #800000; padding: 0; }"
                                        "QPushButton:focus { color: #800000; }"
                                        "QPushButton:hover { color: #ff0000; }"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The press effect: the picture sinks onto its black shadow while the
    // button is down on it.
    auto* cover = new TransparentLabel(this);
    cover->setObjectName(QStringLiteral("透明标签30"));
    cover->setGeometry(8, 32, 176, 104);
    connect(cover, &TransparentLabel::pressed, this, [picture](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton)
            picture->move(16, 40);
    });
    connect(cover, &TransparentLabel::released, this, [picture](Qt::MouseButton button, QPoint) {
        if (button == Qt::LeftButton)
            picture->move(8, 32);
    });

    centreOnScreen(this, LaidOutSize, QMargins()); // no frame
    registerWindow(objectName(), this);
}

} // namespace zv::ui
