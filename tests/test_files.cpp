// The file services and the names of temporary files.
#include "base/files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zv;

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void directories();
    void tempNames();
    void readWriteDelete();
};

void FilesTest::directories() {
    QVERIFY(!runDirectory().endsWith('/'));
    QCOMPARE(runDirectory(), QCoreApplication::applicationDirPath());
    setRunDirectory("/some/where/");
    QCOMPARE(runDirectory(), QString("/some/where"));
    setRunDirectory({});
    QVERIFY(tempDirectory().endsWith('/'));
    setTempDirectory("/elsewhere");
    QCOMPARE(tempDirectory(), QString("/elsewhere/"));
    setTempDirectory({});
}

void FilesTest::tempNames() {
    QTemporaryDir dir;
    const QString first = tempFileName(dir.path());
    const QRegularExpression form("^" + QRegularExpression::escape(dir.path()) +
                                  "/[0-9a-f]+\\.tmp$");
    QVERIFY2(form.match(first).hasMatch(), qPrintable(first));
    QVERIFY(!QFile::exists(first)); // the name only, no file
    QVERIFY(tempFileName(dir.path() + "/") != first);
    // Names already taken are passed over: occupy the next few candidates.
    const QString probe = tempFileName(dir.path());
    const uint base = QFileInfo(probe).completeBaseName().toUInt(nullptr, 16);
    for (uint n = base + 1; n < base + 200; ++n)
        QFile(dir.filePath(QString::number(n, 16) + ".tmp")).open(QIODevice::WriteOnly);
    const QString next = tempFileName(dir.path());
    QVERIFY(!QFile::exists(next));
    QVERIFY(form.match(next).hasMatch());
}

void FilesTest::readWriteDelete() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    QCOMPARE(readFile(path), Bytes());
    const Bytes bytes("a\0b\xff", 4);
    QCOMPARE(writeFile(path, bytes), 1);
    QCOMPARE(readFile(path), bytes);
    QCOMPARE(writeFile(path, "x"), 1); // truncates
    QCOMPARE(readFile(path), Bytes("x"));
    QCOMPARE(writeFile(QString(), "x"), 0);
    QCOMPARE(writeFile(dir.filePath("missing/f.bin"), "x"), 0);
    QCOMPARE(readFile(QString()), Bytes());
    QCOMPARE(deleteFile(path), 1);
    QCOMPARE(deleteFile(path), 0);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"
