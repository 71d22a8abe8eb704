// The about and showcase windows.
#include "base/controls.h"
#include "base/globals.h"
#include "base/gui.h"
#include "main_window_fixture.h"
#include "ui/aboutwindow.h"
#include "ui/secondary.h"
#include "ui/showcasewindow.h"
#include "ui/widgets.h"

#include <QBitmap>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTimer>

using namespace zv;

namespace {

// Presses the left button on a widget, drags by `by` and lets go.
void drag(QWidget* w, QPoint at, QPoint by) {
    const QPoint global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &press);
    QMouseEvent move(QEvent::MouseMove, at + by, global + by, Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, at + by, global + by, Qt::LeftButton, {}, {});
    QApplication::sendEvent(w, &release);
}

template <typename W = QWidget> W* in(QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromUtf8(name));
}

// Runs `act` on the modal window once it is up, then closes it if still open.
void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { app::setUpApplication(); }
    void init() { setProductGlobals(); } // a main window that goes releases them
    void aboutOutlineAndFlags();
    void aboutTexts();
    void aboutPressEffect();
    void aboutDragging();
    void aboutCloseButton();
    void aboutLinkAndModality();
    void showcaseLayout();
    void showcaseCloses_data();
    void showcaseCloses();
};

void WindowsTest::aboutOutlineAndFlags() {
    ui::AboutWindow about;
    QCOMPARE(about.size(), QSize(408, 282));
    QCOMPARE(ui::AboutWindow::cornerSize({408, 282}), 56);
    QCOMPARE(ui::AboutWindow::cornerSize({300, 100}), 20);
    const QRegion outline = about.mask();
    for (const QPoint outside :
         {QPoint(1, 1), QPoint(406, 1), QPoint(1, 280), QPoint(406, 280), QPoint(6, 6)})
        QVERIFY2(!outline.contains(outside),
                 qPrintable(QString("%1,%2").arg(outside.x()).arg(outside.y())));
    for (const QPoint inside :
         {QPoint(204, 141), QPoint(28, 2), QPoint(2, 141), QPoint(300, 279), QPoint(18, 18)})
        QVERIFY2(outline.contains(inside),
                 qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags & Qt::FramelessWindowHint);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // not in the taskbar
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
}

void WindowsTest::aboutTexts() {
    ui::AboutWindow about;
    auto* title = in<ui::TransparentLabel>(&about, "透明标签14");
    QCOMPARE(title->text(), QStringLiteral("Zanvelo\r\nv3.2"));
    QCOMPARE(title->geometry(), QRect(208, 57, 176, 56));
    QCOMPARE(QFontInfo(title->font()).family(), QString("AR PL UKai CN"));
    QCOMPARE(title->palette().color(QPalette::WindowText).name(), QString("#00ff00"));
    auto* link = in<ui::TransparentLabel>(&about, "透明标签22");
    QCOMPARE(link->text(), QStringLiteral("单击这里下载最新版本"));
    QVERIFY(link->font().underline());
    QCOMPARE(in<ui::TransparentLabel>(&about, "透明标签20")->text(), QString("    "));
    auto* backdrop = in<ui::TransparentLabel>(&about, "标签2");
    QCOMPARE(backdrop->geometry(), QRect(0, -7, 408, 298));
    QCOMPARE(backdrop->text(), QStringLiteral("\r\n 关于软件"));
    QCOMPARE(backdrop->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(in<QLabel>(&about, "图片框1")->pixmap().size(), QSize(387, 200));
    // Every text is drawn with its shadow: black two pixels right and down.
    auto* ownership = in<ui::TransparentLabel>(&about, "透明标签15");
    about.show();
    const QImage shot = about.grab(ownership->geometry()).toImage();
    int lit = 0, shadowed = 0;
    for (int y = 0; y + 2 < shot.height(); ++y)
        for (int x = 0; x + 2 < shot.width(); ++x)
            if (shot.pixelColor(x, y) == QColor("#00ffff")) {
                ++lit;
                shadowed += shot.pixelColor(x + 2, y + 2) != QColor("#00ffff");
            }
    QVERIFY(lit > 20);
    QVERIFY(shadowed > 0);
    // Front to back as laid out: the cover of the picture lies in front of it.
    QCOMPARE(about.childAt(50, 60)->objectName(), QString("透明标签30"));
    QCOMPARE(about.childAt(370, 20)->objectName(), QString("关闭按钮"));
}

void WindowsTest::aboutPressEffect() {
    ui::AboutWindow about;
    about.show();
    QWidget* cover = in(&about, "透明标签30");
    QWidget* picture = in(&about, "图片框1");
    QCOMPARE(in(&about, "图片框3")->geometry(), QRect(16, 40, 176, 104));
    QTest::mousePress(cover, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(picture->geometry(), QRect(16, 40, 176, 104));
    QCOMPARE(cover->geometry(), QRect(8, 32, 176, 104)); // the cover stays
    QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(picture->geometry(), QRect(8, 32, 176, 104));
    // A release away from the picture puts it back too.
    QTest::mousePress(cover, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseRelease(cover, Qt::LeftButton, {}, QPoint(300, 200));
    QCOMPARE(picture->pos(), QPoint(8, 32));
    const QPoint before = about.pos();
    drag(cover, QPoint(40, 40), QPoint(30, 30));
    QCOMPARE(about.pos(), before); // the cover does not move the window
}

void WindowsTest::aboutDragging() {
    ui::AboutWindow about;
    about.show();
    const QPoint start = about.pos();
    drag(in(&about, "标签2"), QPoint(300, 120), QPoint(40, 25));
    QCOMPARE(about.pos(), start + QPoint(40, 25));
    drag(in(&about, "图片框3"), QPoint(180, 100),
         QPoint(-10, 5)); // the strip of the black box that shows
    QCOMPARE(about.pos(), start + QPoint(30, 30));
    // Transparent labels and the close button do not drag.
    drag(in(&about, "透明标签16"), QPoint(10, 8), QPoint(50, 50));
    drag(in(&about, "关闭按钮"), QPoint(5, 5), QPoint(50, 50));
    QCOMPARE(about.pos(), start + QPoint(30, 30));
}

void WindowsTest::aboutCloseButton() {
    ui::AboutWindow about;
    auto* close = in<QPushButton>(&about, "关闭按钮");
    QCOMPARE(close->text(), QStringLiteral("×"));
    QCOMPARE(close->toolTip(), QStringLiteral("关闭"));
    QCOMPARE(close->geometry(), QRect(360, 8, 24, 24));
    QVERIFY(close->isFlat());
    QCOMPARE(QFontInfo(close->font()).pixelSize(), 35);
    about.show();
    // The reddest pure red of the button as drawn, with the pointer over it or not.
    auto reddest = [&](bool hovered) {
        QStyleOptionButton option;
        option.initFrom(close);
        option.text = close->text();
        option.features = QStyleOptionButton::Flat;
        option.state.setFlag(QStyle::State_MouseOver, hovered);
        QImage shot(close->size(), QImage::Format_RGB32);
        shot.fill(Qt::white);
        QPainter painter(&shot);
        close->style()->drawControl(QStyle::CE_PushButton, &option, &painter, close);
        painter.end();
        int best = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.green() < 40 && c.blue() < 40)
                    best = std::max(best, c.red());
            }
        return std::pair{best, shot.pixelColor(1, 1)};
    };
    // Dark red (#800000) normally, red (#ff0000) under the pointer; the glyph's
    // edges blend with the background.
    QVERIFY2(std::abs(reddest(false).first - 0x80) <= 12,
             qPrintable(QString::number(reddest(false).first)));
    QCOMPARE(reddest(false).second, QColor("#3c3c3c"));
    QVERIFY2(reddest(true).first >= 0xd0, qPrintable(QString::number(reddest(true).first)));
    QCOMPARE(reddest(true).second, QColor("#3c3c3c"));
    QVERIFY(close->testAttribute(Qt::WA_Hover)); // repainted as the pointer comes and goes
    QSignalSpy rejected(&about, &QDialog::rejected);
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(rejected.size(), 1);
    QVERIFY(!about.isVisible());
    // Esc closes as well.
    about.show();
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void WindowsTest::aboutLinkAndModality() {
    MainWindowFixture main;
    ScriptedInteraction script;
    bool checked = false;
    whenModalOpens([&](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("AboutWindow"));
        QVERIFY(!main.window->isActiveWindow() || QApplication::activeModalWidget() == modal);
        QTest::mousePress(in(modal, "透明标签22"), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(modal, Qt::Key_Escape);
        checked = true;
    });
    ui::openAboutWindow(); // returns once the window is closed
    QVERIFY(checked);
    QCOMPARE(script.openedUrls, QStringList{QString::fromLatin1(makerSite())});
}

void WindowsTest::showcaseLayout() {
    ui::ShowcaseWindow showcase;
    QCOMPARE(showcase.windowTitle(), QString("Zanvelov3.2"));
    QCOMPARE(showcase.size(), QSize(542, 435)); // 548 x 460 with the frame
    QCOMPARE(showcase.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!(showcase.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(showcase.windowFlags() & Qt::WindowMinimizeButtonHint));
    auto* next = in<QPushButton>(&showcase, "按钮1");
    QCOMPARE(next->text(), QStringLiteral("下一步"));
    QCOMPARE(next->geometry(), QRect(400, 8, 96, 32));
    QCOMPARE(QFontInfo(next->font()).family(), QString("AR PL UKai CN"));
    QCOMPARE(QFontInfo(next->font()).pixelSize(), 24);
    QVERIFY(next->font().bold());
    auto* picture = in<QLabel>(&showcase, "图片框1");
    QCOMPARE(picture->geometry(), QRect(-46, -1, 600, 432));
    QCOMPARE(picture->pixmap().size(), QSize(601, 431)); // drawn at its own size
    QVERIFY(!picture->hasScaledContents());
    QCOMPARE(showcase.childAt(420, 20), next); // the button lies in front
    showcase.show();
    const QPoint start = showcase.pos();
    drag(picture, QPoint(200, 300), QPoint(-20, 15));
    QCOMPARE(showcase.pos(), start + QPoint(-20, 15));
}

void WindowsTest::showcaseCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("下一步") << "button";
    QTest::newRow("close box") << "close";
    QTest::newRow("Esc") << "escape";
}

void WindowsTest::showcaseCloses() {
    QFETCH(QString, how);
    whenModalOpens([how](QWidget* modal) {
        QCOMPARE(modal->objectName(), QString("ShowcaseWindow"));
        if (how == "button")
            QTest::mouseClick(in(modal, "按钮1"), Qt::LeftButton);
        else if (how == "close")
            modal->close();
        else
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTimer::singleShot(10'000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close(); // never hang the suite
    });
    QElapsedTimer clock;
    clock.start();
    ui::showShowcaseWindow(); // start-up goes on from here, whichever way it closed
    QVERIFY(clock.elapsed() < 9'000);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
