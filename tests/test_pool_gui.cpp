// Entering, deleting, listing and fetching draws in the main window, with
// message boxes answered by a script.
#include "base/files.h"
#include "base/number.h"
#include "draw_pages.h"
#include "loopback_server.h"
#include "main_window_fixture.h"
#include "pool/entry.h"
#include "pool/fetch.h"
#include "store/cipher.h"
#include "store/historystore.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace zv;

namespace {

QStringList rows(QListWidget* list) {
    QStringList r;
    for (int i = 0; i < list->count(); ++i)
        r << list->item(i)->text();
    return r;
}

} // namespace

class PoolGuiTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptyStoreAtStart();
    void refusedEntries_data();
    void refusedEntries();
    void goodEntry();
    void enterAddsLikeTheButton();
    void failedSaveIsReported();
    void deleteCancelAndOk();
    void listWhenWidened();
    void shortPeriodText();
    void narrowingStopsTheFilling();
    void fetchFromLoopback();
    void failedFetchKeepsPool();
    void noOtherChangeDuringFetch();

private:
    void type(const char* period, const char* digits);
    QLabel* label(const char* name) { return m_window->get<QLabel>(name); }

    QTemporaryDir* m_dir = nullptr;
    std::unique_ptr<MainWindowFixture> m_window;
};

void PoolGuiTest::init() {
    m_window = std::make_unique<MainWindowFixture>();
    m_dir = &m_window->storeDir;
}

void PoolGuiTest::cleanup() {
    m_window.reset();
    overrideResultsService({});
    setCurrentTimeOverride({});
}

void PoolGuiTest::type(const char* period, const char* digits) {
    m_window->get<QLineEdit>("编辑框2")->setText(QString::fromUtf8(period));
    m_window->get<QLineEdit>("编辑框1")->setText(QString::fromUtf8(digits));
}

void PoolGuiTest::emptyStoreAtStart() {
    QCOMPARE(label("号库显示")->text(), QStringLiteral("号库数量：0"));
    QCOMPARE(label("上期号码")->text(), QStringLiteral("上期号码(期)："));
}

void PoolGuiTest::refusedEntries_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("digits");
    QTest::newRow("period of 4") << "1506"
                                 << "1234567";
    QTest::newRow("draw of 6") << "15066"
                               << "123456";
    QTest::newRow("both empty") << ""
                                << "";
    QTest::newRow("dash in the period") << "15-66"
                                        << "1234567";
    QTest::newRow("dash in the draw") << "15066"
                                      << "-234567";
}

void PoolGuiTest::refusedEntries() {
    QFETCH(QString, period);
    QFETCH(QString, digits);
    ScriptedInteraction script;
    type(period.toUtf8(), digits.toUtf8());
    QTest::mouseClick(m_window->get("按钮2"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("期数或号码输入不正确：请检查后重试！"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("错误："));
    QCOMPARE(script.messages[0].flags, 16);
    QCOMPARE(m_window->get<QLineEdit>("编辑框2")->text(), period);
    QCOMPARE(m_window->get<QLineEdit>("编辑框1")->text(), digits);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void PoolGuiTest::goodEntry() {
    ScriptedInteraction script;
    type("15066", "1234567");
    QTest::mouseClick(m_window->get("按钮2"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("号码已成功添加！"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("成功："));
    QCOMPARE(script.messages[0].flags, 64);
    QCOMPARE(m_window->get<QLineEdit>("编辑框2")->text(), QString());
    QCOMPARE(m_window->get<QLineEdit>("编辑框1")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_window->get("编辑框2"));
    QCOMPARE(label("号库显示")->text(), QStringLiteral("号库数量：1"));
    QCOMPARE(label("上期号码")->text(), QStringLiteral("上期号码(15066期)：1234567"));
    QCOMPARE(store::readStoreText(0), Text("#15066"));
    QCOMPARE(readFile(store::storeFilePath(3)), store::encryptData("3", store::storeKeyText()));
    QCOMPARE(m_window->get<QListWidget>("列表框1")->count(), 0); // the list waits for a widening
}

void PoolGuiTest::enterAddsLikeTheButton() {
    ScriptedInteraction script;
    auto* number = m_window->get<QLineEdit>("编辑框1");
    QTest::keyClicks(m_window->get("编辑框2"), "15066");
    QCOMPARE(QApplication::focusWidget(), number);
    QTest::keyClicks(number, "1234567");
    QTest::keyClick(number, Qt::Key_Return);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("号码已成功添加！"));
    QCOMPARE(store::poolSize(), 1);
    // Enter with a half-typed draw acts as the button does: the error.
    QTest::keyClicks(number, "12");
    QTest::keyClick(number, Qt::Key_Enter);
    QCOMPARE(script.messages.last().text, QStringLiteral("期数或号码输入不正确：请检查后重试！"));
}

void PoolGuiTest::failedSaveIsReported() {
    QVERIFY(QDir(m_dir->path()).mkdir("5.dll"));
    ScriptedInteraction script;
    type("15066", "1234567");
    QTest::mouseClick(m_window->get("按钮2"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("号码保存失败：请检查程序所在目录是否可写！"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("错误："));
    QCOMPARE(script.messages[0].flags, 16);
    QCOMPARE(store::poolSize(), 0);
    QCOMPARE(m_window->get<QLineEdit>("编辑框1")->text(),
             QString("1234567")); // kept for another try
    script.answerNext(AnswerOk);
    QTest::mouseClick(m_window->get("按钮3"), Qt::LeftButton);
    QCOMPARE(script.messages.last().text,
             QStringLiteral("号码保存失败：请检查程序所在目录是否可写！"));
}

void PoolGuiTest::deleteCancelAndOk() {
    ScriptedInteraction script;
    QCOMPARE(store::appendDraw({"15065", "1752033"}), 1);
    QCOMPARE(store::appendDraw({"15066", "1234567"}), 1);
    script.answerNext(AnswerCancel);
    QTest::mouseClick(m_window->get("按钮3"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("您确定要删除吗？"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("注意："));
    QCOMPARE(script.messages[0].flags, 33);
    QCOMPARE(store::poolSize(), 2);

    script.answerNext(AnswerOk);
    QTest::mouseClick(m_window->get("按钮3"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 3);
    QCOMPARE(script.messages[2].text, QStringLiteral("号码已成功删除！"));
    QCOMPARE(script.messages[2].flags, 64);
    QCOMPARE(label("上期号码")->text(), QStringLiteral("上期号码(15065期)：1752033"));
    QCOMPARE(label("号库显示")->text(), QStringLiteral("号库数量：1"));

    // Twice more: the second on an empty store still reports success.
    for (int i = 0; i < 2; ++i) {
        script.answerNext(AnswerOk);
        QTest::mouseClick(m_window->get("按钮3"), Qt::LeftButton);
        QCOMPARE(script.messages.last().text, QStringLiteral("号码已成功删除！"));
    }
    QCOMPARE(label("上期号码")->text(), QStringLiteral("上期号码(期)："));
    for (int k = 0; k < 8; ++k)
        QCOMPARE(QFileInfo(store::storeFilePath(k)).size(), 8);
}

void PoolGuiTest::listWhenWidened() {
    auto* toggle = m_window->get<QPushButton>("按钮5");
    auto* list = m_window->get<QListWidget>("列表框1");
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QTest::mouseClick(toggle, Qt::LeftButton);
    for (const auto& [p, d] :
         {std::pair{"15064", "0000000"}, {"15065", "1752033"}, {"15066", "1234567"}})
        QCOMPARE(store::appendDraw({p, d}), 1);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(rows(list),
             (QStringList{"第15066期  1234567", "第15065期  1752033", "第15064期  0000000"}));
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(list->count(), 3); // narrowing keeps the rows
}

void PoolGuiTest::shortPeriodText() {
    // Four draws of digits but only two period records.
    QCOMPARE(store::writeStoreText(0, "#15065#15066"), 1);
    const char* positions[] = {"1234", "2345", "3456", "4567", "5678", "6789", "7890"};
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(store::writeStoreText(k, positions[k - 1]), 1);
    QTest::mouseClick(m_window->get("按钮5"), Qt::LeftButton);
    QCOMPARE(rows(m_window->get<QListWidget>("列表框1")),
             (QStringList{"第15066期  4567890", "第15065期  3456789", "第期  2345678",
                          "第期  1234567"}));
}

void PoolGuiTest::narrowingStopsTheFilling() {
    QList<store::DrawRecord> draws;
    for (int i = 0; i < 60; ++i)
        QCOMPARE(store::appendDraw({QByteArray::number(15000 + i), "1234567"}), 1);
    auto* toggle = m_window->get<QPushButton>("按钮5");
    auto* list = m_window->get<QListWidget>("列表框1");
    int rowsAtNarrowing = -1;
    // Narrow as soon as a few rows are in.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [&] {
        if (list->count() >= 3 && rowsAtNarrowing < 0) {
            rowsAtNarrowing = list->count();
            toggle->click();
        }
    });
    watch->start(0);
    toggle->click();
    watch->stop();
    delete watch;
    QVERIFY(rowsAtNarrowing >= 3);
    QCOMPARE(list->count(), rowsAtNarrowing);
    QCOMPARE(m_window->window->outerSize().width(), 648);
    QCOMPARE(toggle->text(), QStringLiteral("展开高级功能"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("第15059期  1234567"));
}

namespace {

// A results service on loopback with pages for the years it is given.
struct ResultsService {
    LoopbackServer server;
    QMap<int, QByteArray> pages;
    QMap<int, int> requests;
    std::mutex lock;
    explicit ResultsService(QMap<int, QByteArray> yearPages) : pages(std::move(yearPages)) {
        server.routes().Get("/lottery/draw/list/2", [this](const httplib::Request& req,
                                                           httplib::Response& res) {
            const int year = QByteArray::fromStdString(req.get_param_value("d")).left(4).toInt();
            std::lock_guard<std::mutex> g(lock);
            ++requests[year];
            if (pages.contains(year))
                res.set_content(pages[year].toStdString(), "text/html");
            else
                res.status = 404;
        });
        server.start();
        overrideResultsService(server.url(""));
    }
};

} // namespace

void PoolGuiTest::fetchFromLoopback() {
    setCurrentTimeOverride(QDateTime(QDate(2015, 3, 1), QTime(9, 0)));
    ResultsService service({{2015, listingPage({{"15066", "1234567"}, {"15065", "1752033"}})}});
    QCOMPARE(store::appendDraw({"11111", "1111111"}), 1);
    QTest::mouseClick(m_window->get("按钮5"), Qt::LeftButton);
    ScriptedInteraction script;
    bool disabledMeanwhile = false;
    script.whileShown(
        [&](const ShownMessage&) { disabledMeanwhile = !m_window->get("按钮4")->isEnabled(); });
    QTest::mouseClick(m_window->get("按钮4"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("往期号码输入完成！共输入2期号码。"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("输入完成"));
    QCOMPARE(script.messages[0].flags, 64);
    QVERIFY(disabledMeanwhile);
    QVERIFY(m_window->get("按钮4")->isEnabled());
    QCOMPARE(rows(m_window->get<QListWidget>("列表框1")),
             (QStringList{"第15066期  1234567", "第15065期  1752033"}));
    QCOMPARE(label("上期号码")->text(), QStringLiteral("上期号码(15066期)：1234567"));
    QCOMPARE(label("号库显示")->text(), QStringLiteral("号库数量：2"));
    QCOMPARE(store::readStoreText(0), Text("#15065#15066"));
    QCOMPARE(store::readStoreText(1), Text("11"));
    QCOMPARE(store::readStoreText(7), Text("37"));
    QCOMPARE(QFileInfo(store::storeFilePath(0)).size(), 16);
    QCOMPARE(service.requests.size(), 12);
    QCOMPARE(m_window->window->outerSize().width(), 808); // the fetch leaves the width alone
}

void PoolGuiTest::failedFetchKeepsPool() {
    setCurrentTimeOverride(QDateTime(QDate(2006, 3, 1), QTime(9, 0)));
    ResultsService service({}); // every year answers 404
    QCOMPARE(store::appendDraw({"15066", "1234567"}), 1);
    QMap<int, Bytes> before;
    for (int k = 0; k < 8; ++k)
        before[k] = readFile(store::storeFilePath(k));
    QTest::mouseClick(m_window->get("按钮5"), Qt::LeftButton);
    ScriptedInteraction script;
    QTest::mouseClick(m_window->get("按钮4"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("往期号码获取失败：请检查网络连接后重试！"));
    QCOMPARE(script.messages[0].caption, QStringLiteral("错误："));
    QCOMPARE(script.messages[0].flags, 16);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(readFile(store::storeFilePath(k)), before[k]);
    QCOMPARE(rows(m_window->get<QListWidget>("列表框1")), QStringList{"第15066期  1234567"});
    QCOMPARE(service.requests.keys(), (QList<int>{2004, 2005, 2006}));

    // No server at all.
    service.server.stop();
    QTest::mouseClick(m_window->get("按钮4"), Qt::LeftButton);
    QCOMPARE(script.messages.last().text,
             QStringLiteral("往期号码获取失败：请检查网络连接后重试！"));
    QCOMPARE(store::poolSize(), 1);
}

void PoolGuiTest::noOtherChangeDuringFetch() {
    setCurrentTimeOverride(QDateTime(QDate(2015, 3, 1), QTime(9, 0)));
    ResultsService service(
        {{2015, listingPage({{"15066", "1234567"}})}, {2014, listingPage({{"14150", "7777777"}})}});
    ScriptedInteraction script;
    type("99999", "9999999");
    // Clicks on add and delete that arrive while the fetch pumps events.
    QTimer::singleShot(0, this, [this] {
        m_window->get<QPushButton>("按钮2")->click();
        m_window->get<QPushButton>("按钮3")->click();
        m_window->get<QPushButton>("按钮4")->click();
    });
    QTest::mouseClick(m_window->get("按钮4"), Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("往期号码输入完成！共输入2期号码。"));
    QCOMPARE(store::readStoreText(0), Text("#14150#15066"));
    QCOMPARE(service.requests.value(2015), 1);
}

QTEST_MAIN(PoolGuiTest)
#include "test_pool_gui.moc"
