// zanvelo-cli's command line.
#include "app/cli.h"

#include <QTest>

using namespace zv;

namespace {

struct CliRun {
    int status;
    QString out, err;
};

CliRun run(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    const int status = app::runCli(args, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void help();
    void badCommandLines_data();
    void badCommandLines();
};

void CliTest::help() {
    const CliRun r = run({"--help"});
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
    const CliRun r = run(args);
    QVERIFY(r.status != 0);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1); // one line
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
