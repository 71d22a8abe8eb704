// Conversions between texts and numbers, comparisons, the generator, sorting.
#include "base/globals.h"
#include "base/number.h"

#include <QTest>
#include <openssl/sha.h>

using namespace zv;

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void textToInt_data();
    void textToInt();
    void textToFloat_data();
    void textToFloat();
    void numberToText();
    void truncationAndDivision();
    void tolerance();
    void generatorSequence();
    void randomIntRules();
    void reseedAccumulator();
    void sorting();
    void installationId();
    void clock();
};

void NumbersTest::clock() {
    QCOMPARE(yearOf(currentTime()), QDate::currentDate().year());
    setCurrentTimeOverride(QDateTime(QDate(2015, 6, 1), QTime(12, 0)));
    QCOMPARE(yearOf(currentTime()), 2015);
    setCurrentTimeOverride({});
    const std::uint32_t before = tickCount();
    QTest::qSleep(20);
    QVERIFY(tickCount() - before >= 15);
}

void NumbersTest::textToInt_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("leading blank, trailing letter") << QByteArray(" 42x") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("plus sign") << QByteArray("+8") << 8;
    QTest::newRow("digits then letters") << QByteArray("12ab") << 12;
    QTest::newRow("letters first") << QByteArray("ab12") << 0;
    QTest::newRow("tab and newline skipped") << QByteArray("\t\n 5") << 5;
    QTest::newRow("full-width digits") << QByteArray("\xa3\xb1\xa3\xb2") << 12;
    QTest::newRow("full-width minus") << QByteArray("\xa3\xad\xa3\xb5") << -5;
    QTest::newRow("ideographic space") << QByteArray("\xa1\xa1"
                                                     "7")
                                       << 7;
    QTest::newRow("other two-byte character stops") << QByteArray("3\xba\xc5"
                                                                  "4")
                                                    << 3;
    QTest::newRow("a point ends an integer") << QByteArray("3.9") << 3;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("overflow clamps") << QByteArray("99999999999") << 2147483647;
    QTest::newRow("underflow clamps") << QByteArray("-99999999999") << int(-2147483648LL);
}

void NumbersTest::textToInt() {
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(toInt(text), expected);
}

void NumbersTest::textToFloat_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<float>("expected");
    QTest::newRow("3.3") << QByteArray("3.3") << 3.3f;
    QTest::newRow("3.1 of 3.10 read as three bytes") << QByteArray("3.1") << 3.1f;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5f;
    QTest::newRow("trailing point") << QByteArray("4.") << 4.0f;
    QTest::newRow("exponent") << QByteArray("1e3x") << 1000.0f;
    QTest::newRow("incomplete exponent") << QByteArray("2e") << 2.0f;
    QTest::newRow("negative") << QByteArray(" -2.5") << -2.5f;
    QTest::newRow("point alone") << QByteArray(".") << 0.0f;
    QTest::newRow("letters") << QByteArray("v3.2") << 0.0f;
    QTest::newRow("full-width") << QByteArray("\xa3\xb3\xa3\xae\xa3\xb3") << 3.3f;
    QTest::newRow("no hexadecimal") << QByteArray("0x10") << 0.0f;
    QTest::newRow("no infinity word") << QByteArray("inf") << 0.0f;
}

void NumbersTest::textToFloat() {
    QFETCH(QByteArray, text);
    QFETCH(float, expected);
    QCOMPARE(toFloat(text), expected);
}

void NumbersTest::numberToText() {
    QCOMPARE(toText(30), Text("30"));
    QCOMPARE(toText(-7), Text("-7"));
    QCOMPARE(toText(3.2f), Text("3.2"));
    QCOMPARE(toText(30.0), Text("30"));
    QCOMPARE(toText(5.0), Text("5"));
    QCOMPARE(toText(0.5), Text("0.5"));
    QCOMPARE(toText(0.1 + 0.2), Text("0.3"));
    QCOMPARE(toText(1.0 / 3), Text("0.3333333333333"));
    QCOMPARE(toText(-2.25), Text("-2.25"));
    QCOMPARE(toText(1234567.0f), Text("1234570"));
    QCOMPARE(toText(0.000125f), Text("0.000125"));
    QCOMPARE(toText(3.10f), Text("3.1"));
    QCOMPARE(toText(0.0f), Text("0"));
    QCOMPARE(bytesToText(QByteArray("ab\0cd", 5)), Text("ab"));
    QCOMPARE(bytesToText(QByteArray("abc")), Text("abc"));
}

void NumbersTest::truncationAndDivision() {
    QCOMPARE(toInt(2.9), 2);
    QCOMPARE(toInt(-2.9), -2);
    QCOMPARE(integerDivide(59, 30), 1.0);
    QCOMPARE(integerDivide(60, 30), 2.0);
    QCOMPARE(integerDivide(-59, 30), -1.0);
}

void NumbersTest::tolerance() {
    QVERIFY(numbersEqual(0.1 + 0.2, 0.3));
    QVERIFY(numbersEqual(1.0, 1.0 + 1e-8));
    QVERIFY(!numberGreater(1.0 + 1e-8, 1.0));
    QVERIFY(numberGreater(1.0 + 1e-6, 1.0));
    QVERIFY(numberLess(1.0, 1.0 + 1e-6));
    QVERIFY(!numberLess(1.0, 1.0 + 1e-8));
}

void NumbersTest::generatorSequence() {
    // The generator starts at state 1 and steps state * 214013 + 2531011.
    setRandomState(1);
    QList<int> draws;
    for (int i = 0; i < 3; ++i)
        draws.append(randomInt(0, 32767));
    QCOMPARE(draws, (QList<int>{41, 18467, 6334}));
}

void NumbersTest::randomIntRules() {
    setRandomState(12345);
    for (int i = 0; i < 20000; ++i) {
        const int v = randomInt(0, 9);
        QVERIFY2(v >= 0 && v <= 9, qPrintable(QString::number(v)));
    }
    setRandomState(777);
    QCOMPARE(randomInt(5, 5), 5);
    QCOMPARE(randomState(), 777u); // equal bounds take no draw
    QCOMPARE(randomInt(-4, 0), 0); // a negative bound counts as 0
    QCOMPARE(randomState(), 777u);
    QList<int> forward, backward;
    setRandomState(99);
    for (int i = 0; i < 10; ++i)
        forward.append(randomInt(0, 9));
    setRandomState(99);
    for (int i = 0; i < 10; ++i)
        backward.append(randomInt(9, 0));
    QCOMPARE(backward, forward);
    setRandomState(1);
    QCOMPARE(randomInt(3, 7), 3 + 41 % 5);
}

void NumbersTest::reseedAccumulator() {
    setRandomState(1, 0);
    seedRandomAt(1000);
    QCOMPARE(randomState(), 1000u);
    // Same millisecond, another state: the accumulator grew by (1000 & 0xFF) + 100.
    seedRandomAt(1000);
    QCOMPARE(randomState(), 1332u);
    seedRandomAt(1000);
    QCOMPARE(randomState(), 1332u + ((1332u & 0xFF) + 100));
}

void NumbersTest::sorting() {
    QList<int> list{5, -1, 3, 3, 0};
    sortNumbers(list);
    QCOMPARE(list, (QList<int>{-1, 0, 3, 3, 5}));
    sortNumbers(list, false);
    QCOMPARE(list, (QList<int>{5, 3, 3, 0, -1}));
}

void NumbersTest::installationId() {
    auto reference = [](const QByteArray& machine) {
        const QByteArray input = QByteArray("Zanvelo") + machine;
        unsigned char digest[SHA256_DIGEST_LENGTH];
        SHA256(reinterpret_cast<const unsigned char*>(input.constData()), size_t(input.size()),
               digest);
        return QByteArray(reinterpret_cast<const char*>(digest), 16).toHex().toUpper();
    };
    QCOMPARE(installationIdFor(QByteArray()), QByteArray("5415328663C382946A728F0DBEAD14E8"));
    QCOMPARE(installationIdFor("machine-a"), reference("machine-a"));
    QVERIFY(installationIdFor("machine-a") != installationIdFor("machine-b"));
    const Text id = deriveInstallationId();
    QCOMPARE(id.size(), 32);
    QVERIFY(QRegularExpression("^[0-9A-F]{32}$").match(QString::fromLatin1(id)).hasMatch());
    QCOMPARE(deriveInstallationId(), id);
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "test_numbers.moc"
