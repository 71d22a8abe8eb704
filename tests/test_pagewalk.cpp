// Reading draws off the yearly pages, and the fetch of zanvelo-cli against a
// results service on loopback.
#include "base/files.h"
#include "base/globals.h"
#include "base/number.h"
#include "cli_run.h"
#include "draw_pages.h"
#include "loopback_server.h"
#include "pool/pagewalk.h"
#include "store/historystore.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

using namespace zv;
using namespace zv::pool;

Q_DECLARE_METATYPE(QList<PageDraw>)

namespace {

using Pages = QMap<int, QByteArray>; // year -> page

struct Walked {
    PageWalk walk;
    QList<int> years;
    QList<QByteArray> periodsAsRead;
};

Walked walk(int year, const Pages& pages) {
    Walked w;
    w.walk = walkPages(
        year,
        [&](int y) {
            w.years.append(y);
            return pages.value(y);
        },
        [&](const PageWalk& now) { w.periodsAsRead.append(now.texts[0].mid(1, 5)); });
    return w;
}

// The store texts of draws given newest first.
store::StoreTexts textsNewestFirst(const QList<PageDraw>& draws) {
    store::StoreTexts t;
    for (auto it = draws.crbegin(); it != draws.crend(); ++it) {
        t[0] += "#" + it->first;
        for (int k = 1; k <= 7; ++k)
            t[size_t(k)] += it->second.mid(k - 1, 1);
    }
    return t;
}

QList<int> yearsDownTo2004(int from) {
    QList<int> years;
    for (int y = from; y >= 2004; --y)
        years.append(y);
    return years;
}

} // namespace

class PageWalkTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void limitOnTheFirstPage();
    void limitAcrossPages();
    void fewerDrawsDownTo2004();
    void failingYearBetweenGoodOnes();
    void brokenEntries_data();
    void brokenEntries();
    void cliFetchFromLoopback();
    void cliFetchWithoutServerKeepsPool();
};

void PageWalkTest::workedExample() {
    const Pages pages{{2015, listingPage({{"15066", "1234567"}, {"15065", "1752033"}})}};
    const Walked w = walk(2015, pages);
    QCOMPARE(w.walk.count, 2);
    QCOMPARE(w.walk.texts[0], Text("#15065#15066"));
    const char* positions[] = {"11", "72", "53", "24", "05", "36", "37"};
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(w.walk.texts[size_t(k)], Text(positions[k - 1]));
    QCOMPARE(w.periodsAsRead, (QList<QByteArray>{"15066", "15065"}));
    QCOMPARE(w.years, yearsDownTo2004(2015));
}

void PageWalkTest::limitOnTheFirstPage() {
    const Pages pages{{2015, listingPage(yearDraws(2015, 300))},
                      {2014, listingPage(yearDraws(2014, 5))}};
    const Walked w = walk(2015, pages);
    QCOMPARE(w.walk.count, 280);
    QCOMPARE(w.years, QList<int>{2015}); // no earlier page
    QCOMPARE(w.walk.texts, textsNewestFirst(yearDraws(2015, 300).mid(0, 280)));
    QCOMPARE(w.walk.texts[0].size(), 6 * 280);
}

void PageWalkTest::limitAcrossPages() {
    const Pages pages{{2015, listingPage(yearDraws(2015, 200))},
                      {2014, listingPage(yearDraws(2014, 200))}};
    const Walked w = walk(2015, pages);
    QCOMPARE(w.walk.count, 280);
    QCOMPARE(w.years, (QList<int>{2015, 2014}));
    QCOMPARE(w.walk.texts,
             textsNewestFirst(yearDraws(2015, 200) + yearDraws(2014, 200).mid(0, 80)));
}

void PageWalkTest::fewerDrawsDownTo2004() {
    Pages pages;
    QList<PageDraw> all;
    for (int y = 2026; y >= 2004; --y) {
        pages[y] = listingPage(yearDraws(y, 3));
        all += yearDraws(y, 3);
    }
    const Walked w = walk(2026, pages);
    QCOMPARE(w.years, yearsDownTo2004(2026)); // each year exactly once
    QCOMPARE(w.walk.count, 69);
    QCOMPARE(w.walk.texts, textsNewestFirst(all));
    QCOMPARE(w.walk.texts[0].left(6), Text("#04001")); // oldest first
}

void PageWalkTest::failingYearBetweenGoodOnes() {
    const QList<PageDraw> newer{{"15066", "1234567"}, {"15065", "1752033"}};
    const QList<PageDraw> older{{"13150", "9081726"}, {"13149", "5544332"}};
    const Pages pages{{2015, listingPage(newer)},
                      {2014, "<html><body>500 Internal Server Error</body></html>"},
                      {2013, listingPage(older)}};
    const Walked w = walk(2015, pages);
    QCOMPARE(w.walk.count, 4);
    QCOMPARE(w.walk.texts, textsNewestFirst(newer + older));
    QCOMPARE(w.years, yearsDownTo2004(2015));
}

void PageWalkTest::brokenEntries_data() {
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QList<PageDraw>>("kept");
    const PageDraw a{"15066", "1234567"}, b{"15065", "1752033"};
    QByteArray cut = listingPage({a, b});
    cut.truncate(cut.lastIndexOf("<span class=\"ball_1\">")); // b loses its seventh digit
    QTest::newRow("seventh digit missing") << cut << QList<PageDraw>{a};
    QByteArray noLink = listingPage({a}) + "<tr bgcolor=\"x\">no link here";
    QTest::newRow("entry without </a>") << noLink << QList<PageDraw>{a};
    QByteArray end = listingPage({a});
    end += "<tr bgcolor=\"#fff\"><a>16001</a><span class=\"ball_1\">";
    QTest::newRow("marker at the very end") << end << QList<PageDraw>{a};
    QTest::newRow("no entries") << QByteArray("<html>nothing yet</html>") << QList<PageDraw>{};
    QTest::newRow("zero byte ends the page")
        << QByteArray(listingPage({a}) + QByteArray(1, '\0') + drawEntry(b)) << QList<PageDraw>{a};
}

void PageWalkTest::brokenEntries() {
    QFETCH(QByteArray, page);
    QFETCH(QList<PageDraw>, kept);
    // The year before always holds one good draw: it must come out whole.
    const PageDraw previous{"14150", "0246813"};
    const Walked w = walk(2015, {{2015, page}, {2014, listingPage({previous})}});
    QCOMPARE(w.walk.texts, textsNewestFirst(kept + QList<PageDraw>{previous}));
    QCOMPARE(w.years, yearsDownTo2004(2015));
}

void PageWalkTest::cliFetchFromLoopback() {
    setCurrentTimeOverride(QDateTime(QDate(2015, 3, 1), QTime(9, 0)));
    LoopbackServer server;
    QMap<int, int> requests;
    std::mutex lock;
    server.routes().Get("/lottery/draw/list/2", [&](const httplib::Request& req,
                                                    httplib::Response& res) {
        const QByteArray d = QByteArray::fromStdString(req.get_param_value("d"));
        const int year = d.left(4).toInt();
        {
            std::lock_guard<std::mutex> g(lock);
            ++requests[year];
        }
        if (!d.endsWith("-01-01"))
            res.status = 400;
        else if (year == 2015)
            res.set_content(listingPage({{"15066", "1234567"}, {"15065", "1752033"}}).toStdString(),
                            "text/html");
        else {
            res.status = 404;
            res.set_content("<html>no such page</html>", "text/html");
        }
    });
    server.start();
    QTemporaryDir dir;
    const CliRun r =
        runCli({"--dir", dir.path(), "fetch", "--service", QString::fromLatin1(server.url(""))});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out,
             QStringLiteral(
                 "第15066期  1234567\n第15065期  1752033\n往期号码输入完成！共输入2期号码。\n"));
    QCOMPARE(requests.size(), 12); // 2015 down to 2004
    for (int n : requests)
        QCOMPARE(n, 1);
    const CliRun listed = runCli({"--dir", dir.path(), "list"});
    QCOMPARE(listed.out, QStringLiteral("第15066期  1234567\n第15065期  1752033\n"));
    setCurrentTimeOverride({});
}

void PageWalkTest::cliFetchWithoutServerKeepsPool() {
    QTemporaryDir dir;
    QCOMPARE(runCli({"--dir", dir.path(), "add", "15066", "1234567"}).status, 0);
    const Bytes before = readFile(dir.filePath("0.dll"));
    LoopbackServer gone; // bound, then closed: nothing listens there
    gone.start();
    const QByteArray address = gone.url("");
    gone.stop();
    const CliRun r =
        runCli({"--dir", dir.path(), "fetch", "--service", QString::fromLatin1(address)});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, QStringLiteral("zanvelo-cli: 往期号码获取失败：请检查网络连接后重试！\n"));
    QCOMPARE(readFile(dir.filePath("0.dll")), before);
    QCOMPARE(runCli({"--dir", dir.path(), "list"}).out, QStringLiteral("第15066期  1234567\n"));
}

QTEST_GUILESS_MAIN(PageWalkTest)
#include "test_pagewalk.moc"
