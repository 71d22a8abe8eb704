// A click on 推荐号码 in the window, on stored pools.
#include "engine/analysis.h"
#include "engine_fixtures.h"
#include "main_window_fixture.h"
#include "store/historystore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <random>

using namespace zv;
using namespace zv::engine;

namespace {

QString cellName(const char* prefix, int n) {
    return QString::fromUtf8(prefix) + QString::number(n);
}
QString tierCell(int tier, int p) {
    return cellName("号", tier == 0 ? p : tier * 10 + p);
}

// Stores a consistent pool whose seven position texts are given.
void storePool(const std::array<Text, 7>& positions) {
    store::StoreTexts t;
    const int n = textLength(positions[0]);
    for (int i = 0; i < n; ++i)
        t[0] += "#" + QByteArray::number(10000 + i);
    for (int p = 1; p <= 7; ++p)
        t[size_t(p)] = positions[size_t(p - 1)];
    QCOMPARE(store::writeStoreTexts(t), 1);
}

// A 60-draw position whose 精选推荐 cell comes out empty (found by a seeded search).
Text emptySelectionText() {
    std::mt19937 random(2024);
    for (;;) {
        Text t;
        for (int i = 0; i < 60; ++i)
            t += char('0' + random() % 10);
        const PositionAnalysis a = analysePosition(t, 60);
        if (a.selection.selectedText.isEmpty() && a.selection.colour == CellColour::Green)
            return t;
    }
}

Text shifted(const Text& t, int by) {
    Text out = t;
    for (char& c : out)
        c = char('0' + (c - '0' + by) % 10);
    return out;
}

} // namespace

class EngineGuiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_window = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_window.reset(); }

    void wholeRun();
    void fewerThanThirty();
    void exactlyThirty();
    void secondClickIgnored();

private:
    QString text(const QString& name) { return fromGbk(controlText(name)); }
    void click() { QTest::mouseClick(m_window->get("按钮1"), Qt::LeftButton); }
    std::unique_ptr<MainWindowFixture> m_window;
};

void EngineGuiTest::wholeRun() {
    const Text balanced60 = Balanced30 + Balanced30; // no parity forecast: grey
    const std::array<Text, 7> positions{WorkedExample,
                                        balanced60,
                                        emptySelectionText(),
                                        shifted(WorkedExample, 3),
                                        shifted(WorkedExample, 7),
                                        shifted(WorkedExample, 5),
                                        WorkedExample.right(30) + WorkedExample.left(30)};
    storePool(positions);
    ScriptedInteraction script;
    click();
    QVERIFY(script.messages.isEmpty());

    // Row 1 is the worked example.
    const QStringList row1{"2", "5", "6", "8", "90", "4"};
    for (int tier = 0; tier < 6; ++tier)
        QCOMPARE(text(tierCell(tier, 1)), row1[tier]);
    QCOMPARE(text("推荐号1"), QString("2 64"));
    QCOMPARE(text("推荐号8"), QString("264"));
    // Row 2 falls back to grey: ① is empty there, so ④.
    QCOMPARE(text("推荐号2"), QString("1"));
    QCOMPARE(controlTextColour("推荐号2").name(), QString("#808080"));
    // Row 3's cell is empty.
    QCOMPARE(text("推荐号3"), QString());

    // Every cell of every row is what the analysis says.
    QString recommended;
    for (int p = 1; p <= 7; ++p) {
        const PositionAnalysis a = analysePosition(positions[size_t(p - 1)], 60);
        for (int tier = 0; tier < 6; ++tier)
            QCOMPARE(text(tierCell(tier, p)), fromGbk(a.tiers.tier[size_t(tier)]));
        QCOMPARE(text(cellName("推荐号", p)), fromGbk(a.selection.selectedText));
        QCOMPARE(text(cellName("推荐号", p + 7)), fromGbk(a.rarity.dimensionList));
        QCOMPARE(controlTextColour(cellName("推荐号", p)).name(),
                 QString(a.selection.colour == CellColour::Green ? "#008000" : "#808080"));
        recommended += text(cellName("推荐号", p)).left(1);
    }
    // The empty cell of row 3 shortens the recommended number.
    QCOMPARE(recommended.size(), 6);
    QCOMPARE(text("推荐号码框"), recommended);
    QCOMPARE(text("推荐号码框").mid(2, 1), text("推荐号4").left(1));
    QVERIFY(QRegularExpression("^[0-9]{7}$").match(text("随机号码框")).hasMatch());
}

void EngineGuiTest::fewerThanThirty() {
    // A first run fills the cells, including the hidden 三维推荐 column.
    storePool({WorkedExample, WorkedExample, WorkedExample, WorkedExample, WorkedExample,
               WorkedExample, WorkedExample});
    click();
    QCOMPARE(text("推荐号8"), QString("264"));
    for (int i = 0; i < 31; ++i)
        QCOMPARE(store::removeLastDraw(), 1);
    QCOMPARE(store::poolSize(), 29);

    ScriptedInteraction script;
    bool clearedFirst = false;
    script.whileShown([&](const ShownMessage&) {
        clearedFirst = text("号1").isEmpty() && text("随机号码框").isEmpty();
    });
    click();
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text,
             QStringLiteral("号库不足：请按先后顺序依次存入最近开出至少三十期的号码。"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("无法荐号："));
    QCOMPARE(script.messages[0].flags, 64);
    QVERIFY(clearedFirst);
    for (int p = 1; p <= 7; ++p) {
        for (int tier = 0; tier < 6; ++tier)
            QCOMPARE(text(tierCell(tier, p)), QString());
        QCOMPARE(text(cellName("推荐号", p)), QString());
        QCOMPARE(text(cellName("推荐号", p + 7)), QString("264")); // kept
    }
    QCOMPARE(text("推荐号码框"), QString());
    QVERIFY(QRegularExpression("^[0-9]{7}$").match(text("随机号码框")).hasMatch());
}

void EngineGuiTest::exactlyThirty() {
    storePool({Balanced30, Balanced30, Balanced30, Balanced30, Balanced30, Balanced30, Balanced30});
    ScriptedInteraction script;
    click();
    QVERIFY(script.messages.isEmpty());
    QCOMPARE(text("号31"), QString("1"));
    QCOMPARE(text("号41"), QString("234567890"));
    QCOMPARE(text("推荐号码框"), QString("1111111"));
}

void EngineGuiTest::secondClickIgnored() {
    storePool({Balanced30.left(20), Balanced30, Balanced30, Balanced30, Balanced30, Balanced30,
               Balanced30});
    ScriptedInteraction script;
    script.whileShown([&](const ShownMessage&) { click(); }); // a click while the run waits
    click();
    QCOMPARE(script.messages.size(), 1);
    // And a later click runs again.
    click();
    QCOMPARE(script.messages.size(), 2);
}

QTEST_MAIN(EngineGuiTest)
#include "test_engine_gui.moc"
