// The analysis of one position: counts, tiers, rarity rank, parity forecast
// and the selected recommendation.
#include "engine/analysis.h"
#include "engine_fixtures.h"

#include <QTest>

using namespace zv;
using namespace zv::engine;

namespace {

// Counts in the order of the digits 1, 2, ..., 9, 0.
DigitCounts inScanOrder(std::initializer_list<int> values) {
    DigitCounts c{};
    std::copy(values.begin(), values.end(), c.begin());
    return c;
}

QList<QByteArray> tierList(const Tiers& t) {
    return {t.tier[0], t.tier[1], t.tier[2], t.tier[3], t.tier[4], t.tier[5]};
}

// A text of n draws in which every digit appears as evenly as possible.
Text spread(int n) {
    Text t;
    for (int i = 0; i < n; ++i)
        t += char('0' + i % 10);
    return t;
}

} // namespace

Q_DECLARE_METATYPE(DigitCounts)

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void workedExampleVariants();
    void countsOfShortAndForeignTexts();
    void tiers_data();
    void tiers();
    void rarityWindows();
    void rarityEdges();
    void selection_data();
    void selection();
    void oddPoolIsNeverGrey();
};

void EngineTest::workedExample() {
    const PositionAnalysis a = analysePosition(WorkedExample, 60);
    QCOMPARE(a.counts.total, inScanOrder({7, 4, 6, 5, 2, 3, 10, 8, 8, 7}));
    QCOMPARE(a.counts.recent, inScanOrder({4, 0, 5, 4, 2, 2, 4, 3, 3, 3}));
    QCOMPARE(a.tiers.coldList, Text("5624"));
    QCOMPARE(tierList(a.tiers), (QList<QByteArray>{"2", "5", "6", "8", "90", "4"}));
    QCOMPARE(a.tiers.priorityList(), Text("2568904"));
    QCOMPARE(a.rarity.rareList, Text("34626"));
    QCOMPARE(a.rarity.rareRank, Text("6234"));
    QCOMPARE(a.rarity.dimensionList, Text("264"));
    QCOMPARE(a.selection.recentParityBalance, -2);
    QCOMPARE(a.selection.parityBias, 1);
    QCOMPARE(a.selection.halfBalance, 1);
    QCOMPARE(a.selection.halfBias, -1);
    QCOMPARE(a.selection.candidates, Text("264"));
    QCOMPARE(a.selection.selectedText, Text("2 64"));
    QCOMPARE(a.selection.colour, CellColour::Green);
}

void EngineTest::workedExampleVariants() {
    const PositionAnalysis a = analysePosition(WorkedExample, 60);
    // Had rareRank begun with 2: 2 is left out of dimensionList, and leads again.
    const Rarity headed = buildRarity(WorkedExample, 60, a.tiers.priorityList());
    Rarity twoFirst = headed;
    twoFirst.rareRank = "2634";
    twoFirst.dimensionList = "64";
    Selection s = selectRecommendation(WorkedExample, 60, a.tiers, twoFirst);
    QCOMPARE(s.selectedText, Text("2 64"));
    QCOMPARE(buildRarity(WorkedExample, 60, "2568904").dimensionList, Text("264"));
    // Had halfBias been +1 with the candidates 2 and 6 only: no lead, no space.
    Text oddHalves = WorkedExample;
    oddHalves.chop(4);
    oddHalves += "1373"; // more odd in the last four, odd half classes in the last three
    Rarity two = a.rarity;
    two.dimensionList = "26";
    s = selectRecommendation(oddHalves, 60, a.tiers, two);
    QCOMPARE(s.parityBias, 1);
    QCOMPARE(s.halfBias, 1);
    QCOMPARE(s.selectedText, Text("26"));
    QCOMPARE(s.colour, CellColour::Green);
}

void EngineTest::countsOfShortAndForeignTexts() {
    // Characters beyond the text and foreign characters match no digit.
    const Counts c = countDigits("11a2\xb2"
                                 "3",
                                 40);
    QCOMPARE(c.total, inScanOrder({2, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    // N bounds the totals; the recent window is the text's last 30 characters.
    const Text t = Text(40, '5') + Text(30, '7');
    const Counts d = countDigits(t, 40);
    QCOMPARE(d.total, inScanOrder({0, 0, 0, 0, 40, 0, 0, 0, 0, 0}));
    QCOMPARE(d.recent, inScanOrder({0, 0, 0, 0, 0, 0, 30, 0, 0, 0}));
}

void EngineTest::tiers_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<DigitCounts>("total");
    QTest::addColumn<DigitCounts>("recent");
    QTest::addColumn<QList<QByteArray>>("expected");
    QTest::addColumn<QByteArray>("coldList");
    //                                                      1  2  3  4  5  6  7  8  9  0
    QTest::newRow("all balanced: ④ 1, ⑤ the rest")
        << 30 << inScanOrder({3, 3, 3, 3, 3, 3, 3, 3, 3, 3})
        << inScanOrder({3, 3, 3, 3, 3, 3, 3, 3, 3, 3})
        << QList<QByteArray>{"", "", "", "1", "234567890", ""} << QByteArray();
    QTest::newRow("count exactly N/10 is not cold")
        << 50 << inScanOrder({5, 5, 5, 5, 4, 6, 5, 5, 5, 5})
        << inScanOrder({3, 3, 3, 3, 2, 4, 3, 3, 3, 3})
        << QList<QByteArray>{"5", "", "", "1", "2347890", ""} << QByteArray("5");
    QTest::newRow("recent 4 is not rare, 3 is")
        << 30 << inScanOrder({0, 1, 5, 4, 4, 4, 4, 4, 4, 0})
        << inScanOrder({0, 1, 5, 4, 4, 4, 4, 4, 3, 0})
        << QList<QByteArray>{"1", "0", "2", "9", "", ""} << QByteArray("102");
    QTest::newRow("ties in scan order, 0 last")
        << 40 << inScanOrder({4, 4, 1, 4, 4, 4, 4, 4, 10, 1})
        << inScanOrder({3, 3, 0, 3, 3, 3, 3, 3, 9, 0})
        << QList<QByteArray>{"3", "0", "", "1", "245678", ""} << QByteArray("30");
    QTest::newRow("one cold and rare digit")
        << 30 << inScanOrder({2, 4, 4, 4, 4, 3, 3, 3, 3, 3})
        << inScanOrder({2, 4, 4, 4, 4, 4, 4, 4, 4, 4}) << QList<QByteArray>{"1", "", "", "", "", ""}
        << QByteArray("1");
    QTest::newRow("cold but not rare goes to ⑥")
        << 100 << inScanOrder({9, 5, 8, 12, 12, 12, 12, 12, 9, 9})
        << inScanOrder({4, 4, 2, 3, 3, 3, 3, 3, 2, 3})
        << QList<QByteArray>{"3", "9", "0", "4", "5678", "21"} << QByteArray("23190");
    QTest::newRow("② is the coldest of ③, not the first")
        << 60 << inScanOrder({5, 1, 3, 5, 7, 7, 8, 8, 8, 8})
        << inScanOrder({1, 0, 3, 2, 4, 4, 4, 4, 4, 4})
        << QList<QByteArray>{"2", "3", "14", "", "", ""} << QByteArray("2314");
}

void EngineTest::tiers() {
    QFETCH(int, n);
    QFETCH(DigitCounts, total);
    QFETCH(DigitCounts, recent);
    QFETCH(QList<QByteArray>, expected);
    QFETCH(QByteArray, coldList);
    Counts counts;
    counts.total = total;
    counts.recent = recent;
    const Tiers t = buildTiers(counts, n);
    QCOMPARE(tierList(t), expected);
    QCOMPARE(t.coldList, coldList);
}

void EngineTest::rarityWindows() {
    // N = 90 gives three windows; a digit at text positions 1 and 3 is sampled
    // twice by the window of every third draw (1, 3, 6, ...), so is not rare there.
    // A digit only at the oldest of the last 30 is counted twice by that window.
    // The newest draw is never sampled.
    Text t(90, '0');
    t[0] = '1';
    t[2] = '1';
    t[60] = '2';
    t[89] = '3';
    const Rarity r = buildRarity(t, 90, "1234567890");
    QCOMPARE(r.rareList, Text("23456789"
                              "123456789"
                              "13456789"));
    QCOMPARE(r.rareRank, Text("345678912"));
    QCOMPARE(r.dimensionList, Text("123456789")); // 1 heads priorityList but not rareRank: kept
    // Changing the newest draw never moves the rank.
    for (int n : {30, 59, 60, 90, 150}) {
        Text a = spread(n);
        const Text rankBefore = buildRarity(a, n, "1234567890").rareRank;
        a[n - 1] = a[n - 1] == '4' ? '8' : '4';
        QCOMPARE(buildRarity(a, n, "1234567890").rareRank, rankBefore);
    }
}

void EngineTest::rarityEdges() {
    // No digit rare in any window.
    Rarity none = buildRarity(Balanced30, 30, "1234567890");
    QCOMPARE(none.rareRank, Text());
    QCOMPARE(none.dimensionList, Text());
    // An empty priority list.
    QCOMPARE(buildRarity(WorkedExample, 60, "").dimensionList, Text());
    // ① at the head of rareRank is left out of dimensionList.
    QCOMPARE(buildRarity(WorkedExample, 60, "6254").dimensionList, Text("24"));
    // A text shorter than its windows: missing samples match nothing.
    const Rarity shortText = buildRarity("5555555555", 60, "5");
    QCOMPARE(shortText.rareRank, Text("123467890"));
    QCOMPARE(shortText.dimensionList, Text());
}

void EngineTest::selection_data() {
    QTest::addColumn<QByteArray>("position");
    QTest::addColumn<QList<QByteArray>>("tiers");
    QTest::addColumn<QByteArray>("rareRank");
    QTest::addColumn<QByteArray>("dimensionList");
    QTest::addColumn<QByteArray>("selected");
    QTest::addColumn<bool>("grey");
    const QList<QByteArray> fourthOnly{"", "", "", "1", "234567890", ""};
    const QList<QByteArray> firstIsTwo{"2", "5", "6", "8", "90", "4"};
    // Balanced30: 15 even, 15 odd, last four 6789: no forecast.
    QTest::newRow("grey shows ④ when ① is empty")
        << Balanced30 << fourthOnly << QByteArray("") << QByteArray("") << QByteArray("1") << true;
    QTest::newRow("grey shows ①") << Balanced30 << firstIsTwo << QByteArray("6") << QByteArray("64")
                                  << QByteArray("2") << true;
    QTest::newRow("grey with all tiers empty") << Balanced30 << QList<QByteArray>(6) << QByteArray()
                                               << QByteArray() << QByteArray() << true;
    // WorkedExample: keep even digits, prefer odd half class.
    QTest::newRow("no candidate of that parity") << WorkedExample << firstIsTwo << QByteArray("135")
                                                 << QByteArray("135") << QByteArray() << false;
    QTest::newRow("one qualifying candidate") << WorkedExample << firstIsTwo << QByteArray("63")
                                              << QByteArray("36") << QByteArray("6 ") << false;
    QTest::newRow("one candidate that does not qualify")
        << WorkedExample << firstIsTwo << QByteArray("43") << QByteArray("43") << QByteArray("4")
        << false;
    QTest::newRow("① leads whatever halfBias says")
        << WorkedExample << firstIsTwo << QByteArray("24") << QByteArray("48") << QByteArray("2 48")
        << false;
    QTest::newRow("lead taken out of the middle")
        << WorkedExample << firstIsTwo << QByteArray("6") << QByteArray("4068")
        << QByteArray("6 408") << false;
}

void EngineTest::selection() {
    QFETCH(QByteArray, position);
    QFETCH(QList<QByteArray>, tiers);
    QFETCH(QByteArray, rareRank);
    QFETCH(QByteArray, dimensionList);
    QFETCH(QByteArray, selected);
    QFETCH(bool, grey);
    Tiers t;
    for (int i = 0; i < 6; ++i)
        t.tier[size_t(i)] = tiers[i];
    Rarity r;
    r.rareRank = rareRank;
    r.dimensionList = dimensionList;
    const Selection s = selectRecommendation(position, textLength(position), t, r);
    QCOMPARE(s.selectedText, selected);
    QCOMPARE(s.colour, grey ? CellColour::Grey : CellColour::Green);
}

void EngineTest::oddPoolIsNeverGrey() {
    // Non-digits count as 0 (even, even half class); with an odd N the
    // balance over the whole history can never be 0.
    for (int n = 31; n < 80; n += 2) {
        Text t = spread(n);
        t.chop(4);
        t += "12ab"; // last four balanced: 1 odd, 2 even, a and b even
        const Selection s = selectRecommendation(t, n, {}, {});
        QVERIFY(s.parityBias != 0);
        QCOMPARE(s.colour, CellColour::Green);
    }
    // The last three of "…ab" are all of even half class: halfBias is -1 (odd).
    const Selection s = selectRecommendation(Text(29, '1') + "aaa", 32, {}, {});
    QCOMPARE(s.halfBalance, 3);
    QCOMPARE(s.halfBias, -1);
}

QTEST_GUILESS_MAIN(EngineTest)
#include "test_engine.moc"
