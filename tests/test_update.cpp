// The version check: what the version file announces, what the user is
// asked and which addresses are opened.
#include "base/globals.h"
#include "base/gui.h"
#include "help/links.h"

#include <QTest>
#include <QUrlQuery>

using namespace zv;

class UpdateTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setProductGlobals(); }
    void versionCheck_data();
    void versionCheck();
    void addresses();
    void httpAddresses_data();
    void httpAddresses();
};

void UpdateTest::versionCheck_data() {
    QTest::addColumn<QByteArray>("versionText");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("shown"); // "offer", "current" or "" for no box
    QTest::addColumn<QStringList>("opened");
    const QString site = QString::fromLatin1(makerSite());
    const QByteArray newer =
        gbk("Zanvelov3.3 发布了！\r\n下载地址：") + "http://dl.korvane.example/zanvelo33.exe";
    QTest::newRow("newer, Yes") << newer << false << int(AnswerYes) << "offer"
                                << QStringList{"http://dl.korvane.example/zanvelo33.exe", site};
    QTest::newRow("newer, No") << newer << false << int(AnswerNo) << "offer" << QStringList{};
    QTest::newRow("newer from the menu")
        << newer << true << int(AnswerNo) << "offer" << QStringList{};
    QTest::newRow("same at start")
        << QByteArray("Zanvelov3.2 http://x.example/") << false << 0 << "" << QStringList{};
    QTest::newRow("same from the menu")
        << QByteArray("Zanvelov3.2") << true << 0 << "current" << QStringList{};
    QTest::newRow("3.10 reads as 3.1")
        << QByteArray("Zanvelov3.10 http://x.example/") << true << 0 << "current" << QStringList{};
    QTest::newRow("upper case marker")
        << QByteArray("ZANVELOV4.0\nhttp://dl.korvane.example/4") << false << int(AnswerYes)
        << "offer" << QStringList{"http://dl.korvane.example/4", site};
    QTest::newRow("blank before v")
        << QByteArray("Zanvelo v3.3 http://x.example/") << false << 0 << "" << QStringList{};
    QTest::newRow("no marker, menu")
        << QByteArray("3.3 is out") << true << 0 << "current" << QStringList{};
    QTest::newRow("no network at start") << QByteArray() << false << 0 << "" << QStringList{};
    QTest::newRow("no network, menu") << QByteArray() << true << 0 << "current" << QStringList{};
    QTest::newRow("link and a line break")
        << QByteArray("Zanvelov3.3\r\nhttp://dl.korvane.example/z.exe\r\n") << false
        << int(AnswerYes) << "offer" << QStringList{"http://dl.korvane.example/z.exe", site};
    QTest::newRow("last link counts")
        << QByteArray("Zanvelov3.3 see http://a.example/ or HTTP://b.example/get") << false
        << int(AnswerYes) << "offer" << QStringList{"HTTP://b.example/get", site};
    QTest::newRow("no link: the home page only")
        << QByteArray("Zanvelov3.3") << false << int(AnswerYes) << "offer" << QStringList{site};
    QTest::newRow("broken link: the home page only")
        << QByteArray("Zanvelov3.3 http://bad host/x") << false << int(AnswerYes) << "offer"
        << QStringList{site};
    QTest::newRow("not a number") << QByteArray("Zanvelovx.y") << true << 0 << "current"
                                  << QStringList{};
    QTest::newRow("older") << QByteArray("Zanvelov2.9") << false << 0 << "" << QStringList{};
    QTest::newRow("markup is just text")
        << QByteArray("<b>Zanvelov3.3</b>") << false << int(AnswerNo) << "offer" << QStringList{};
}

void UpdateTest::versionCheck() {
    QFETCH(QByteArray, versionText);
    QFETCH(bool, fromMenu);
    QFETCH(int, answer);
    QFETCH(QString, shown);
    QFETCH(QStringList, opened);
    VersionText = versionText;
    ScriptedInteraction script;
    script.answerNext(answer);
    if (fromMenu)
        help::checkForUpdateFromMenu();
    else
        help::checkForUpdate();
    QCOMPARE(ManualCheckFlag, 0);
    if (shown.isEmpty()) {
        QVERIFY(script.messages.isEmpty());
    } else {
        QCOMPARE(script.messages.size(), 1);
        const ShownMessage& m = script.messages[0];
        if (shown == "offer") {
            QCOMPARE(m.text, fromGbk(versionText) + QStringLiteral("\r\n\r\n是否更新？"));
            QCOMPARE(m.flags, 68);
            QCOMPARE(m.caption, QStringLiteral("检测到新版本："));
        } else {
            QCOMPARE(m.text, QStringLiteral("\"Zanvelov3.2\" 已是最新版本，不需要升级。"));
            QCOMPARE(m.flags, 64);
            QCOMPARE(m.caption, QStringLiteral("软件更新："));
        }
    }
    QCOMPARE(script.openedUrls, opened);
    VersionText.clear();
}

void UpdateTest::addresses() {
    QCOMPARE(help::versionFileAddress(), makerSite() + "/soft/qbtrwmex/bbxx.txt");
    QCOMPARE(help::productPageAddress(), makerSite() + "/soft/qbtrwmex/qbtrwmex3.2.html");
    const QUrl contact = QUrl::fromEncoded(help::contactLink());
    const QUrlQuery query(contact);
    QVERIFY(!query.queryItemValue("Uin").isEmpty());
    QVERIFY(query.hasQueryItem("Site"));
    QCOMPARE(query.queryItemValue("Menu"), QString("yes"));
}

void UpdateTest::httpAddresses_data() {
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << QByteArray("http://dl.example/z.exe") << true;
    QTest::newRow("upper-case scheme") << QByteArray("HTTP://dl.example/") << true;
    QTest::newRow("with port and query") << QByteArray("http://dl.example:8080/a?b=c") << true;
    QTest::newRow("https is not http://") << QByteArray("https://dl.example/") << false;
    QTest::newRow("blank inside") << QByteArray("http://dl.example/a b") << false;
    QTest::newRow("line break inside") << QByteArray("http://dl.example/\r\nx") << false;
    QTest::newRow("no host") << QByteArray("http:///path") << false;
    QTest::newRow("another scheme") << QByteArray("file:///etc/passwd") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("raw bytes of a character")
        << QByteArray("http://\xe8\x99\x97.example/") << false;
    QTest::newRow("vertical tab") << QByteArray("http://a.example/\v") << false;
}

void UpdateTest::httpAddresses() {
    QFETCH(QByteArray, address);
    QFETCH(bool, usable);
    QCOMPARE(help::isHttpAddress(address), usable);
}

QTEST_GUILESS_MAIN(UpdateTest)
#include "test_update.moc"
