// The text services: byte positions from 1, searches at character boundaries.
#include "base/text.h"

#include <QTest>

using namespace zv;

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void slicing_data();
    void slicing();
    void search_data();
    void search();
    void replace_data();
    void replace();
    void gbkRoundTrip();
};

void TextTest::slicing_data() {
    QTest::addColumn<QByteArray>("op");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("mid from 0 is empty")
        << QByteArray("mid") << QByteArray("12345") << 0 << 3 << QByteArray();
    QTest::newRow("mid from 6 is empty")
        << QByteArray("mid") << QByteArray("12345") << 6 << 3 << QByteArray();
    QTest::newRow("mid from 4 for 9")
        << QByteArray("mid") << QByteArray("12345") << 4 << 9 << QByteArray("45");
    QTest::newRow("mid from 5 for 1")
        << QByteArray("mid") << QByteArray("12345") << 5 << 1 << QByteArray("5");
    QTest::newRow("mid length 0") << QByteArray("mid") << QByteArray("12345") << 2 << 0
                                  << QByteArray();
    QTest::newRow("mid negative length")
        << QByteArray("mid") << QByteArray("12345") << 2 << -3 << QByteArray();
    QTest::newRow("right 9 is whole")
        << QByteArray("right") << QByteArray("12345") << 0 << 9 << QByteArray("12345");
    QTest::newRow("right 0 is empty")
        << QByteArray("right") << QByteArray("12345") << 0 << 0 << QByteArray();
    QTest::newRow("right 2") << QByteArray("right") << QByteArray("12345") << 0 << 2
                             << QByteArray("45");
    QTest::newRow("left -1 is empty")
        << QByteArray("left") << QByteArray("12345") << 0 << -1 << QByteArray();
    QTest::newRow("left 9 is whole")
        << QByteArray("left") << QByteArray("12345") << 0 << 9 << QByteArray("12345");
    // A two-byte character is two bytes: slicing may split it.
    QTest::newRow("left splits a character")
        << QByteArray("left") << gbk("号1") << 0 << 1 << gbk("号").left(1);
}

void TextTest::slicing() {
    QFETCH(QByteArray, op);
    QFETCH(QByteArray, text);
    QFETCH(int, p);
    QFETCH(int, n);
    QFETCH(QByteArray, expected);
    Text got;
    if (op == "mid")
        got = textMid(text, p, n);
    else if (op == "left")
        got = textLeft(text, n);
    else
        got = textRight(text, n);
    QCOMPARE(got, expected);
}

void TextTest::search_data() {
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("p"); // 0: omitted
    QTest::addColumn<bool>("ignoreCase");
    QTest::addColumn<int>("expected");
    const QByteArray hashes("#1#2");
    QTest::newRow("reverse whole text") << true << hashes << QByteArray("#") << 0 << false << 3;
    QTest::newRow("reverse before 3") << true << hashes << QByteArray("#") << 3 << false << 1;
    QTest::newRow("reverse before 1") << true << hashes << QByteArray("#") << 1 << false << -1;
    QTest::newRow("reverse before 4 needs whole fit")
        << true << QByteArray("ab#cd") << QByteArray("#c") << 4 << false << -1;
    QTest::newRow("reverse p beyond end") << true << hashes << QByteArray("#") << 99 << false << 3;
    QTest::newRow("ignore case") << false << QByteArray("abcABC") << QByteArray("C") << 0 << true
                                 << 3;
    QTest::newRow("match case") << false << QByteArray("abcABC") << QByteArray("C") << 0 << false
                                << 6;
    QTest::newRow("from position")
        << false << QByteArray("abcabc") << QByteArray("a") << 2 << false << 4;
    QTest::newRow("from position 0 is whole")
        << false << QByteArray("abcabc") << QByteArray("a") << -5 << false << 1;
    QTest::newRow("p beyond end") << false << QByteArray("abc") << QByteArray("c") << 4 << false
                                  << -1;
    QTest::newRow("not found") << false << QByteArray("abc") << QByteArray("d") << 0 << false << -1;
    QTest::newRow("needle longer than text")
        << false << QByteArray("ab") << QByteArray("abc") << 0 << false << -1;
    QTest::newRow("empty needle") << false << QByteArray("abc") << QByteArray() << 0 << false << 1;
    QTest::newRow("empty needle, empty text")
        << false << QByteArray() << QByteArray() << 0 << false << -1;
    QTest::newRow("reverse empty needle")
        << true << QByteArray("abc") << QByteArray() << 0 << false << 1;
    // 0xB2 0x41 is one character whose trail byte is the letter A.
    const QByteArray trailA("\xb2"
                            "AA");
    QTest::newRow("never on a trail byte") << false << trailA << QByteArray("A") << 0 << false << 3;
    QTest::newRow("never on a trail byte, reverse") << true
                                                    << QByteArray("A\xb2"
                                                                  "A")
                                                    << QByteArray("A") << 0 << false << 1;
    QTest::newRow("trail byte compared exactly") << false
                                                 << QByteArray("\xb2"
                                                               "A")
                                                 << QByteArray("\xb2"
                                                               "a")
                                                 << 0 << true << -1;
    QTest::newRow("two-byte match") << false << gbk("第15066期") << gbk("期") << 0 << false << 8;
    QTest::newRow("boundaries from the region start") << false
                                                      << QByteArray("x\xb2"
                                                                    "AA")
                                                      << QByteArray("A") << 3 << false << 3;
}

void TextTest::search() {
    QFETCH(bool, reverse);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, needle);
    QFETCH(int, p);
    QFETCH(bool, ignoreCase);
    QFETCH(int, expected);
    int got;
    if (reverse)
        got = findTextReverse(text, needle, p == 0 ? WholeText : p, ignoreCase);
    else
        got = findText(text, needle, p == 0 ? 1 : p, ignoreCase);
    QCOMPARE(got, expected);
}

void TextTest::replace_data() {
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("r");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("remove middle") << 2 << 2 << QByteArray() << QByteArray("145");
    QTest::newRow("replace middle") << 2 << 2 << QByteArray("xy") << QByteArray("1xy45");
    QTest::newRow("past the end removes fewer") << 4 << 9 << QByteArray() << QByteArray("123");
    QTest::newRow("p below 1 is 1") << -3 << 1 << QByteArray("x") << QByteArray("x2345");
    QTest::newRow("p beyond end is the end") << 99 << 1 << QByteArray("x") << QByteArray("12345x");
    QTest::newRow("n <= 0 removes nothing") << 3 << -1 << QByteArray("x") << QByteArray("12x345");
}

void TextTest::replace() {
    QFETCH(int, p);
    QFETCH(int, n);
    QFETCH(QByteArray, r);
    QFETCH(QByteArray, expected);
    QCOMPARE(replaceTextAt("12345", p, n, r), expected);
}

void TextTest::gbkRoundTrip() {
    const Text t = gbk("号库数量：");
    QCOMPARE(textLength(t), 10); // five two-byte characters
    QCOMPARE(t.left(2), QByteArray("\xba\xc5"));
    QCOMPARE(fromGbk(t), QStringLiteral("号库数量："));
    QCOMPARE(gbk("第15066期  1234567"), QByteArray("\xb5\xda"
                                                   "15066"
                                                   "\xc6\xda"
                                                   "  1234567"));
}

QTEST_GUILESS_MAIN(TextTest)
#include "test_text.moc"
