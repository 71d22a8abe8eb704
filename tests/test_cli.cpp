// zanvelo-cli's command line.
#include "cli_run.h"

#include "base/files.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zv;

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void help();
    void badCommandLines_data();
    void badCommandLines();
    void addListRemove();
    void addRefusesMalformedDraws_data();
    void addRefusesMalformedDraws();
    void exportImportRoundTrip();
    void importChecksTheWholeFile_data();
    void importChecksTheWholeFile();
    void standardStreams();
    void recommend();
};

namespace {

QStringList inDir(const QTemporaryDir& dir, QStringList args) {
    return QStringList{"--dir", dir.path()} + args;
}

QMap<QString, QByteArray> storeFiles(const QTemporaryDir& dir) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        files[name] = zv::readFile(dir.filePath(name));
    return files;
}

} // namespace

void CliTest::addListRemove() {
    QTemporaryDir dir;
    const CliRun empty = runCli(inDir(dir, {"list"}));
    QCOMPARE(empty.status, 0);
    QCOMPARE(empty.out, QString());
    const CliRun added = runCli(inDir(dir, {"add", "15065", "1752033"}));
    QCOMPARE(added.status, 0);
    QCOMPARE(added.out, QStringLiteral("号码已成功添加！\n"));
    QCOMPARE(runCli(inDir(dir, {"add", "15066", "1234567"})).status, 0);
    QCOMPARE(runCli(inDir(dir, {"list"})).out,
             QStringLiteral("第15066期  1234567\n第15065期  1752033\n"));
    const CliRun removed = runCli(inDir(dir, {"remove-last"}));
    QCOMPARE(removed.status, 0);
    QCOMPARE(removed.out, QStringLiteral("号码已成功删除！\n"));
    QCOMPARE(runCli(inDir(dir, {"list"})).out, QStringLiteral("第15065期  1752033\n"));
    QCOMPARE(runCli(inDir(dir, {"remove-last"})).status, 0);
    QCOMPARE(runCli(inDir(dir, {"remove-last"})).status, 0); // an empty store: still fine
    const auto files = storeFiles(dir);
    QCOMPARE(files.size(), 8);
    for (const QByteArray& content : files)
        QCOMPARE(content.size(), 8);
}

void CliTest::addRefusesMalformedDraws_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("digits");
    QTest::newRow("short period") << "1506"
                                  << "1234567";
    QTest::newRow("long draw") << "15066"
                               << "12345678";
    QTest::newRow("dash in period") << "15-66"
                                    << "1234567";
    QTest::newRow("dash in draw") << "15066"
                                  << "123-567";
    QTest::newRow("full-width digit") << QStringLiteral("1506６") << "1234567";
    QTest::newRow("letters") << "15066"
                             << "12345ab";
}

void CliTest::addRefusesMalformedDraws() {
    QFETCH(QString, period);
    QFETCH(QString, digits);
    QTemporaryDir dir;
    const CliRun r = runCli(inDir(dir, {"add", period, digits}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QStringLiteral("zanvelo-cli: 期数或号码输入不正确：请检查后重试！\n"));
    QVERIFY(storeFiles(dir).isEmpty());
}

void CliTest::exportImportRoundTrip() {
    QTemporaryDir from, to;
    for (const auto& [p, d] :
         {std::pair{"15064", "0000000"}, {"15065", "1752033"}, {"15066", "1234567"}})
        QCOMPARE(runCli(inDir(from, {"add", p, d})).status, 0);
    const QString csv = from.filePath("pool.csv");
    QCOMPARE(runCli(inDir(from, {"export", csv})).status, 0);
    QCOMPARE(zv::readFile(csv),
             QByteArray("period,digits\n15064,0000000\n15065,1752033\n15066,1234567\n"));
    QCOMPARE(runCli(inDir(to, {"add", "99999", "9999999"})).status, 0);
    const CliRun imported = runCli(inDir(to, {"import", csv}));
    QCOMPARE(imported.status, 0);
    QFile::remove(csv);
    QCOMPARE(storeFiles(to), storeFiles(from)); // byte for byte, the same key
}

void CliTest::importChecksTheWholeFile_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("badLine");
    QTest::newRow("good, CRLF and BOM")
        << QByteArray("\xEF\xBB\xBFperiod,digits\r\n15001,1234567\r\n") << 0;
    QTest::newRow("header only") << QByteArray("period,digits\n") << 0;
    QTest::newRow("no header") << QByteArray("15001,1234567\n") << 1;
    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("short period on line 3")
        << QByteArray("period,digits\n15001,1234567\n1502,1234567\n") << 3;
    QTest::newRow("letters on line 2")
        << QByteArray("period,digits\n15001,12x4567\n15002,1234567\n") << 2;
    QTest::newRow("three fields") << QByteArray("period,digits\n15001,1234567,9\n") << 2;
    QTest::newRow("blank line") << QByteArray("period,digits\n15001,1234567\n\n15002,1234567\n")
                                << 3;
}

void CliTest::importChecksTheWholeFile() {
    QFETCH(QByteArray, csv);
    QFETCH(int, badLine);
    QTemporaryDir dir;
    QCOMPARE(runCli(inDir(dir, {"add", "88888", "8888888"})).status, 0);
    const auto before = storeFiles(dir);
    const QString path = dir.filePath("in.csv.txt");
    QCOMPARE(zv::writeFile(path, csv), 1);
    const CliRun r = runCli(inDir(dir, {"import", path}));
    QFile::remove(path);
    if (badLine) {
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("zanvelo-cli: line %1: ").arg(badLine)),
                 qPrintable(r.err));
        QCOMPARE(storeFiles(dir), before);
    } else {
        QCOMPARE(r.status, 0);
        QVERIFY(storeFiles(dir) != before);
        QVERIFY(!runCli(inDir(dir, {"list"})).out.contains("88888"));
    }
}

void CliTest::standardStreams() {
    // The real program: export to standard output, import from standard input, UTF-8 out.
    const QString program = QStringLiteral(ZV_BUILD_DIR "/zanvelo-cli");
    QTemporaryDir dir;
    QProcess p;
    p.start(program, inDir(dir, {"import", "-"}));
    p.write("period,digits\n15065,1752033\n15066,1234567\n");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    p.start(program, inDir(dir, {"export", "-"}));
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.readAllStandardOutput(),
             QByteArray("period,digits\n15065,1752033\n15066,1234567\n"));
    p.start(program, inDir(dir, {"list"}));
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
             QStringLiteral("第15066期  1234567\n第15065期  1752033\n"));
    p.start(program, inDir(dir, {"add", "1", "2"}));
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             QStringLiteral("zanvelo-cli: 期数或号码输入不正确：请检查后重试！\n"));
}

void CliTest::help() {
    const CliRun r = runCli({"--help"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith("Usage: zanvelo-cli [--dir DIR] COMMAND"));
    QVERIFY(r.err.isEmpty());
}

void CliTest::badCommandLines_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command frobnicate";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "unknown option --colour";
    QTest::newRow("dir without folder") << QStringList{"--dir"} << "--dir needs a folder";
}

void CliTest::badCommandLines() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun r = runCli(args);
    QVERIFY(r.status != 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1); // one line
}

void CliTest::recommend() {
    QTemporaryDir dir;
    const QByteArray worked = "886999428270809972371770718210350717314488479308463035971916";
    QByteArray csv = "period,digits\n";
    for (int i = 0; i < 29; ++i)
        csv += QByteArray::number(15000 + i) + "," + QByteArray(7, worked[i]) + "\n";
    QCOMPARE(zv::writeFile(dir.filePath("pool.csv"), csv), 1);
    QCOMPARE(runCli(inDir(dir, {"import", dir.filePath("pool.csv")})).status, 0);
    const CliRun tooFew = runCli(inDir(dir, {"recommend", "--json"}));
    QCOMPARE(tooFew.status, 3);
    QCOMPARE(tooFew.out, QString());
    QCOMPARE(tooFew.err,
             QStringLiteral("号库不足：请按先后顺序依次存入最近开出至少三十期的号码。\n"));

    for (int i = 29; i < 60; ++i)
        csv += QByteArray::number(15000 + i) + "," + QByteArray(7, worked[i]) + "\n";
    QCOMPARE(zv::writeFile(dir.filePath("pool.csv"), csv), 1);
    QCOMPARE(runCli(inDir(dir, {"import", dir.filePath("pool.csv")})).status, 0);
    const CliRun json = runCli(inDir(dir, {"recommend", "--json"}));
    QCOMPARE(json.status, 0);
    QString position = QStringLiteral(
        "{\"position\": %1, \"tiers\": [\"2\", \"5\", \"6\", \"8\", \"90\", \"4\"], "
        "\"priorityList\": \"2568904\", \"rareRank\": \"6234\", \"dimensionList\": \"264\", "
        "\"selected\": \"2 64\", \"colour\": \"#008000\"}");
    QStringList positions;
    for (int p = 1; p <= 7; ++p)
        positions << position.arg(p);
    const QString expected = "{\"poolSize\": 60, \"positions\": [" + positions.join(", ") +
                             "], \"recommended\": \"2222222\", \"random\": \"";
    QVERIFY2(json.out.startsWith(expected), qPrintable(json.out));
    QVERIFY(QRegularExpression("\"random\": \"[0-9]{7}\"}\n$").match(json.out).hasMatch());
    QVERIFY(QJsonDocument::fromJson(json.out.toUtf8()).isObject());

    const CliRun table = runCli(inDir(dir, {"recommend"}));
    QCOMPARE(table.status, 0);
    const QStringList lines = table.out.split('\n');
    QCOMPARE(lines[0], QStringLiteral("号库数量：60"));
    QCOMPARE(lines[1], QStringLiteral("优先级：\t①\t②\t③\t④\t⑤\t⑥\t精选推荐"));
    QCOMPARE(lines[2], QStringLiteral("第一位：\t2\t5\t6\t8\t90\t4\t2 64"));
    QCOMPARE(lines[8], QStringLiteral("第七位：\t2\t5\t6\t8\t90\t4\t2 64"));
    QCOMPARE(lines[9], QStringLiteral("推荐号码：\t2222222"));
    QVERIFY(lines[10].startsWith(QStringLiteral("随机号码：\t")));
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
