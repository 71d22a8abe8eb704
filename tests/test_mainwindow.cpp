// The main window: its controls against the layout, stacking, menus, focus
// flow, the input rule, right-clicks, the two widths and Esc.
#include "main_window_fixture.h"
#include "ui/widgets.h"

#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using namespace zv;

namespace {

struct LayoutRow {
    QString name, kind, in;
    QRect geometry;
    QString text, look, behaviour;
};

// The layout as written down beside the tests: one pipe-separated row per
// control, front to back within each container.
QList<LayoutRow> layoutRows() {
    QFile file(QStringLiteral(ZV_TEST_DATA "/main-window-controls.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("layout table missing");
    QList<LayoutRow> rows;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.startsWith('|'))
            continue;
        QStringList c = line.mid(1, line.size() - 2).split('|');
        for (QString& s : c)
            s = s.trimmed();
        rows.append({c[0], c[1], c[2],
                     QRect(c[3].toInt(), c[4].toInt(), c[5].toInt(), c[6].toInt()), c[7], c[8],
                     c[9]});
    }
    return rows;
}

QString resolvedFamily(const QString& face) {
    if (face == "黑体" || face == "微软雅黑")
        return "Noto Sans CJK SC";
    if (face == "宋体")
        return "Noto Serif CJK SC";
    if (face == "楷体" || face == "楷体_GB2312")
        return "AR PL UKai CN";
    return face;
}

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        // An item with a shortcut, greyed or with a check mark shows a "!" after it.
        const bool plain = a->shortcut().isEmpty() && a->isEnabled() && !a->isCheckable();
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text() + (plain ? "" : "!"));
    }
    return texts;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_fixture = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void controlsMatchLayout_data();
    void controlsMatchLayout();
    void stacking();
    void menus();
    void captionAndSize();
    void focusFlow();
    void inputRule_data();
    void inputRule();
    void pastedTextHeldToRule();
    void rightClicks_data();
    void rightClicks();
    void toggleWidths();
    void creditLineHotSpots();
    void escapeEndsProgram();
    void closingDuringPumping();

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
};

void MainWindowTest::controlsMatchLayout_data() {
    QTest::addColumn<int>("row");
    const auto rows = layoutRows();
    QCOMPARE(rows.size(), 97);
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows[i].name.toUtf8()) << i;
}

void MainWindowTest::controlsMatchLayout() {
    QFETCH(int, row);
    const LayoutRow r = layoutRows().at(row);
    QWidget* w = control(r.name);
    QVERIFY2(w, "no control of that name");
    QCOMPARE(w->objectName(), r.name);

    const QMap<QString, QString> classes{
        {"label", "QLabel"},        {"transparent label", "zv::ui::TransparentLabel"},
        {"edit box", "QLineEdit"},  {"button", "QPushButton"},
        {"group box", "QGroupBox"}, {"list box", "QListWidget"}};
    QCOMPARE(QString(w->metaObject()->className()), classes.value(r.kind));
    QCOMPARE(w->parentWidget(), r.in == "window" ? m_fixture->window->clientArea() : control(r.in));
    QCOMPARE(w->geometry(), r.geometry);

    // Initial text.
    QString text = w->property("text").toString();
    if (auto* box = qobject_cast<QGroupBox*>(w))
        text = box->title();
    if (r.name == "号库显示" || r.name == "上期号码")
        // Empty as laid out; the creation handler shows the (empty) pool.
        QCOMPARE(text, r.name == "号库显示" ? QString("号库数量：0") : QString("上期号码(期)："));
    else if (r.text.startsWith('"'))
        QCOMPARE(text, r.text.mid(1, r.text.size() - 2));
    else if (r.text.startsWith('('))
        QVERIFY(text.contains("Korvane") && text.contains("www."));
    else
        QCOMPARE(text, QString());

    // Colours: "#fg on #bg", a lone "#fg" for labels, "title #fg" for group boxes.
    const QRegularExpressionMatch pair =
        QRegularExpression("(#[0-9a-f]{6}) on (#[0-9a-f]{6})").match(r.look);
    if (pair.hasMatch()) {
        QCOMPARE(w->palette().color(QPalette::Text).name(), pair.captured(1));
        QCOMPARE(w->palette().color(QPalette::Base).name(), pair.captured(2));
    } else if (r.look.startsWith("black on white")) {
        QCOMPARE(w->palette().color(QPalette::Text).name(), QString("#000000"));
        QCOMPARE(w->palette().color(QPalette::Base).name(), QString("#ffffff"));
    } else if (const auto lone = QRegularExpression("^(?:title )?(#[0-9a-f]{6})").match(r.look);
               lone.hasMatch()) {
        QCOMPARE(w->palette().color(QPalette::WindowText).name(), lone.captured(1));
    }

    // Font: a named face, the default face at a size, or the default font.
    if (r.kind != "transparent label") {
        const QFontInfo info(w->font());
        const QFontInfo standard(QApplication::font());
        const auto named = QRegularExpression("\"([^\"]+)\" (\\d+) px").match(r.look);
        const auto sized = QRegularExpression("default face (\\d+) px").match(r.look);
        if (named.hasMatch()) {
            QCOMPARE(info.family(), resolvedFamily(named.captured(1)));
            QCOMPARE(info.pixelSize(), named.captured(2).toInt());
        } else {
            QCOMPARE(info.family(), standard.family());
            QCOMPARE(info.family(), QString("Noto Serif CJK SC")); // 宋体, the system's GUI face
            QCOMPARE(info.pixelSize(), sized.hasMatch() ? sized.captured(1).toInt() : 12);
        }
        QCOMPARE(w->font().bold(), r.look.contains("bold"));
    }

    // Alignment and behaviour.
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const Qt::Alignment h = edit->alignment() & Qt::AlignHorizontal_Mask;
        QCOMPARE(h, r.look.contains("centred") ? Qt::AlignHCenter : Qt::AlignLeft);
        QCOMPARE(edit->isReadOnly(), r.behaviour.contains("read-only"));
        QCOMPARE(edit->hasFrame(), true);
    }
    if (auto* label = qobject_cast<QLabel*>(w))
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), r.look.contains("centred"));
    QCOMPARE(w->isHidden(), r.behaviour.contains("hidden"));
    QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), r.behaviour.contains("tab stop"));
    if (r.kind == "edit box" && !r.behaviour.contains("tab stop"))
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void MainWindowTest::stacking() {
    // Within a container, a control listed earlier lies in front.
    const auto rows = layoutRows();
    for (int i = 0; i < rows.size(); ++i) {
        for (int j = i + 1; j < rows.size(); ++j) {
            if (rows[i].in != rows[j].in)
                continue;
            QWidget* front = control(rows[i].name);
            QWidget* back = control(rows[j].name);
            const QObjectList& order = front->parentWidget()->children();
            QVERIFY2(order.indexOf(front) > order.indexOf(back),
                     qPrintable(rows[i].name + " behind " + rows[j].name));
        }
    }
    // What the pointer meets where controls overlap.
    auto topAt = [&](const char* container, const char* covered) {
        QWidget* c = m_fixture->get(container);
        return c->childAt(m_fixture->get(covered)->geometry().center())->objectName();
    };
    QCOMPARE(topAt("分组框1", "号1"), QString("透明标签3"));
    QCOMPARE(topAt("分组框1", "推荐号7"), QString("透明标签3"));
    QCOMPARE(topAt("分组框2", "推荐号码框"), QString("透明标签4"));
    QCOMPARE(topAt("分组框2", "随机号码框"), QString("透明标签4"));
    QCOMPARE(topAt("分组框2", "按钮2"), QString("按钮2"));
    QCOMPARE(m_fixture->get("分组框2")->childAt(20, 157)->objectName(), QString("编辑框1"));
}

void MainWindowTest::menus() {
    QMenuBar* bar = m_fixture->window->menuBar();
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"升级更新", "软件帮助"}));
    QCOMPARE(actionTexts(bar->actions()[0]->menu()),
             (QStringList{"检查更新", "-", "Korvane科技官方网站"}));
    QCOMPARE(actionTexts(bar->actions()[1]->menu()), (QStringList{"使用说明", "-", "关于我们"}));
    QCOMPARE(actionTexts(m_fixture->window->shortcutMenu()),
             (QStringList{"软件升级", "Korvane科技官网", "-", "帮助", "关于"}));

    // The site items open the maker's site through the one seam.
    ScriptedInteraction script;
    bar->actions()[0]->menu()->actions()[2]->trigger();
    m_fixture->window->shortcutMenu()->actions()[1]->trigger();
    QCOMPARE(script.openedUrls, QStringList(2, QString::fromLatin1(makerSite())));
}

void MainWindowTest::captionAndSize() {
    ui::MainWindow* w = m_fixture->window;
    QCOMPARE(w->windowTitle(), QString("Zanvelo v3.2"));
    QCOMPARE(w->outerSize(), QSize(648, 328));
    QCOMPARE(w->clientArea()->size(), QSize(642, 283));
    QCOMPARE(w->height(), 283 + w->menuBar()->height());
    QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed border
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(m_fixture->get<QListWidget>("列表框1")->count(), 0);
}

void MainWindowTest::focusFlow() {
    auto* period = m_fixture->get<QLineEdit>("编辑框2");
    auto* number = m_fixture->get<QLineEdit>("编辑框1");
    QCOMPARE(QApplication::focusWidget(), period); // first activation
    QTest::keyClicks(period, "1506");
    QCOMPARE(QApplication::focusWidget(), period);
    QTest::keyClick(period, '6');
    QCOMPARE(QApplication::focusWidget(), number);
    period->setFocus();
    QTest::keyClick(period, Qt::Key_Backspace);
    QCOMPARE(QApplication::focusWidget(), period);
    QTest::keyClick(period, '7');
    QCOMPARE(period->text(), QString("15067"));
    QCOMPARE(QApplication::focusWidget(), number);
    period->setFocus();
    QTest::keyClick(period, '8'); // a sixth character is refused
    QCOMPARE(period->text(), QString("15067"));

    // Tab walks the tab stops in the order of the layout.
    QStringList walk;
    period->setFocus();
    for (int i = 0; i < 8; ++i) {
        walk << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walk, (QStringList{"编辑框2", "按钮5", "按钮4", "列表框1", "按钮3", "按钮2", "编辑框1",
                                "按钮1"}));
    QCOMPARE(QApplication::focusWidget(), period);
}

void MainWindowTest::inputRule_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters dropped") << "编辑框1"
                                     << "12a-3.b4"
                                     << "12-34";
    QTest::newRow("eighth character refused") << "编辑框1"
                                              << "123456789"
                                              << "1234567";
    QTest::newRow("period letters only") << "编辑框2"
                                         << "abc"
                                         << "";
    QTest::newRow("period with dashes") << "编辑框2"
                                        << "1-2-3-4"
                                        << "1-2-3";
    QTest::newRow("blank and plus dropped") << "编辑框2"
                                            << "1 +2"
                                            << "12";
}

void MainWindowTest::inputRule() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    auto* edit = qobject_cast<QLineEdit*>(control(box));
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), expected);
}

void MainWindowTest::pastedTextHeldToRule() {
    auto* number = m_fixture->get<QLineEdit>("编辑框1");
    number->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("１2x3456789"));
    QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(number->text(), QString("2345678"));
    number->setText("12");
    number->setCursorPosition(1);
    number->insert("abc999999"); // what a paste into the middle inserts
    QCOMPARE(number->text(), QString("1999992"));
    auto* period = m_fixture->get<QLineEdit>("编辑框2");
    period->setText(QStringLiteral("1５066期"));
    QCOMPARE(period->text(), QString("1066"));
}

void MainWindowTest::rightClicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("opens");
    QTest::newRow("window background") << "客户区" << QPoint(4, 100) << true;
    QTest::newRow("group box 1 frame") << "分组框1" << QPoint(20, 244) << true;
    QTest::newRow("group box 2") << "分组框2" << QPoint(4, 30) << true;
    QTest::newRow("cover of the grid") << "透明标签3" << QPoint(20, 40) << true;
    QTest::newRow("cover of the number boxes") << "透明标签4" << QPoint(60, 20) << true;
    QTest::newRow("row caption passes to the window") << "标签5" << QPoint(10, 10) << true;
    QTest::newRow("note label") << "标签15" << QPoint(5, 5) << true;
    QTest::newRow("credit line") << "标签3" << QPoint(5, 5) << true;
    QTest::newRow("period box") << "编辑框2" << QPoint(10, 10) << false;
    QTest::newRow("number box") << "编辑框1" << QPoint(10, 10) << false;
    QTest::newRow("button 1") << "按钮1" << QPoint(10, 10) << false;
    QTest::newRow("button 5") << "按钮5" << QPoint(10, 10) << false;
    QTest::newRow("maker link") << "透明标签1" << QPoint(10, 10) << false;
}

void MainWindowTest::rightClicks() {
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    QFETCH(bool, opens);
    QWidget* w = target == "客户区" ? m_fixture->window->clientArea() : control(target);
    QVERIFY(w);
    QMenu* menu = m_fixture->window->shortcutMenu();
    QTest::mousePress(w, Qt::RightButton, {}, at);
    QCOMPARE(menu->isVisible(), opens);
    if (opens)
        QCOMPARE(menu->pos(), w->mapToGlobal(at) + QPoint(3, 3));
    menu->hide();
    QTest::mouseRelease(w, Qt::RightButton, {}, at);
    // A left press on the covers does nothing.
    ScriptedInteraction script;
    QTest::mouseClick(m_fixture->get("透明标签3"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!menu->isVisible());
    QVERIFY(script.openedUrls.isEmpty());
}

void MainWindowTest::toggleWidths() {
    ui::MainWindow* w = m_fixture->window;
    auto* toggle = m_fixture->get<QPushButton>("按钮5");
    QWidget* list = m_fixture->get("列表框1");
    const QRect client = w->clientArea()->rect();
    // Collapsed: everything up to x = 641 shows, the list starts beyond the edge.
    QCOMPARE(client.right(), 641);
    QCOMPARE(list->geometry().left(), 642);
    QVERIFY(!client.intersects(list->geometry()));
    QVERIFY(client.contains(m_fixture->get("标签3")->geometry()));
    QVERIFY(client.contains(m_fixture->get("分组框2")->geometry()));

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(w->outerSize(), QSize(808, 328));
    QCOMPARE(toggle->text(), QString("收回高级功能"));
    QVERIFY(w->clientArea()->rect().contains(list->geometry()));
    QVERIFY(w->clientArea()->rect().contains(m_fixture->get("按钮4")->geometry()));
    QVERIFY(w->clientArea()->height() >= 280); // the bottom line is never cut
    QVERIFY(m_fixture->get("号28")->isHidden());

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(w->outerSize(), QSize(648, 328));
    QCOMPARE(w->clientArea()->width(), 642);
    QCOMPARE(toggle->text(), QString("展开高级功能"));
    for (int i = 8; i <= 14; ++i)
        QVERIFY(m_fixture->get(("推荐号" + std::to_string(i)).c_str())->isHidden());
}

void MainWindowTest::creditLineHotSpots() {
    // 透明标签1 lies over the maker and the web address, 透明标签2 over the contact number.
    auto* credit = m_fixture->get<QLabel>("标签3");
    const QString text = credit->text();
    const QFontMetrics fm(credit->font());
    const int start = (credit->width() - fm.horizontalAdvance(text)) / 2;
    auto span = [&](const QString& part) {
        const int at = int(text.indexOf(part));
        const int left = start + fm.horizontalAdvance(text.left(at));
        return std::pair{left, left + fm.horizontalAdvance(part)};
    };
    const QRect maker = m_fixture->get("透明标签1")->geometry();
    const QRect contact = m_fixture->get("透明标签2")->geometry();
    const auto [makerLeft, addressRight] =
        std::pair{span("Korvane").first, span("www.korvane.example").second};
    QVERIFY2(makerLeft >= maker.left() && addressRight <= maker.right(),
             qPrintable(QString("%1..%2").arg(makerLeft).arg(addressRight)));
    const auto [qqLeft, qqRight] = span("QQ：80008888");
    QVERIFY2(qqLeft >= contact.left() && qqRight <= contact.right() + 1,
             qPrintable(QString("%1..%2").arg(qqLeft).arg(qqRight)));
    // A press on each opens its address.
    ScriptedInteraction script;
    QTest::mousePress(m_fixture->get("透明标签1"), Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mousePress(m_fixture->get("透明标签2"), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(m_fixture->get("透明标签2"), Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(script.openedUrls.size(), 2);
    QCOMPARE(script.openedUrls[0], QString::fromLatin1(makerSite()));
    QVERIFY(script.openedUrls[1].contains("Uin=") && script.openedUrls[1].contains("Site=") &&
            script.openedUrls[1].contains("Menu=yes"));
}

void MainWindowTest::escapeEndsProgram() {
    QPointer<QWidget> w = m_fixture->window.data();
    QTest::keyClick(m_fixture->get("编辑框1"), Qt::Key_Escape);
    QVERIFY(!w || !w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QCOMPARE(m_fixture->endCodes, QList<int>{0});
    QVERIFY(ProductName.isEmpty()); // the globals are released
    QCOMPARE(control("号1"), nullptr);
}

void MainWindowTest::closingDuringPumping() {
    // A handler that pumps events while the window goes away carries on
    // harmlessly: the named controls are simply gone.
    QPointer<QWidget> w = m_fixture->window.data();
    QTimer::singleShot(20, w, [w] { QTest::keyClick(w.data(), Qt::Key_Escape); });
    for (int i = 0; i < 200; ++i) {
        setControlText("号1", "7");
        listAppend("列表框1", "row");
        processEvents();
        QTest::qWait(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(!w);
    QCOMPARE(controlText("号1"), Text());
    QCOMPARE(m_fixture->endCodes, QList<int>{0});
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
