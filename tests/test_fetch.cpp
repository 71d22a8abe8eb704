// fetchUrl against a real HTTP server on loopback.
#include "base/net.h"
#include "loopback_server.h"

#include <QElapsedTimer>
#include <QTest>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace zv;

namespace {

// A port on loopback that accepts connections (the kernel completes them)
// but never answers.
struct SilentPort {
    int fd = -1;
    int port = 0;
    SilentPort() {
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(fd, 8);
        socklen_t len = sizeof addr;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
        port = ntohs(addr.sin_port);
    }
    ~SilentPort() { ::close(fd); }
};

// A loopback port with nothing listening on it.
int closedPort() {
    SilentPort p;
    return p.port; // closed again when p goes
}

} // namespace

class FetchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bodyWhateverTheStatus();
    void requestAsSent();
    void directConnection();
    void failuresGiveEmpty();
    void silentHostGivesUp();
    void oversizedBodyFails();

private:
    LoopbackServer m_server;
    std::mutex m_lock;
    httplib::Request m_lastRequest;
};

void FetchTest::initTestCase() {
    auto& r = m_server.routes();
    r.Get("/ok", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string("hello\0world", 11), "application/octet-stream");
    });
    r.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html>not here</html>", "text/html");
    });
    r.Get("/echo", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lastRequest = req;
        res.set_content("seen", "text/plain");
    });
    r.Get("/moved",
          [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/ok"); });
    r.Get(R"(/size/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(std::string(std::stoul(req.matches[1]), 'x'), "text/plain");
    });
    m_server.start();
}

void FetchTest::bodyWhateverTheStatus() {
    QCOMPARE(fetchUrl(m_server.url("/ok")), QByteArray("hello\0world", 11));
    QCOMPARE(fetchUrl(m_server.url("/missing")), QByteArray("<html>not here</html>"));
    QCOMPARE(fetchUrl(m_server.url("/moved")), QByteArray("hello\0world", 11));
}

void FetchTest::requestAsSent() {
    QCOMPARE(fetchUrl(m_server.url("/echo?d=2015-01-01")), QByteArray("seen"));
    std::lock_guard<std::mutex> guard(m_lock);
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.version), QByteArray("HTTP/1.0"));
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.method), QByteArray("GET"));
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.get_param_value("d")),
             QByteArray("2015-01-01"));
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.get_header_value("Accept")),
             QByteArray("*/*"));
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.get_header_value("User-Agent")),
             QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
    QCOMPARE(QByteArray::fromStdString(m_lastRequest.get_header_value("Pragma")),
             QByteArray("no-cache"));
}

void FetchTest::directConnection() {
    // A proxy named by the environment is not used.
    const int dead = closedPort();
    const QByteArray proxy = "http://127.0.0.1:" + QByteArray::number(dead);
    qputenv("http_proxy", proxy);
    qputenv("HTTP_PROXY", proxy);
    qputenv("all_proxy", proxy);
    QCOMPARE(fetchUrl(m_server.url("/ok")).left(5), QByteArray("hello"));
    qunsetenv("http_proxy");
    qunsetenv("HTTP_PROXY");
    qunsetenv("all_proxy");
}

void FetchTest::failuresGiveEmpty() {
    QCOMPARE(fetchUrl(QByteArray()), Bytes());
    QCOMPARE(fetchUrl("http://127.0.0.1:" + QByteArray::number(closedPort()) + "/x"), Bytes());
    QCOMPARE(fetchUrl("not an address"), Bytes());
    QCOMPARE(fetchUrl("file:///etc/hostname"), Bytes()); // only the web
    QCOMPARE(fetchUrl("http://unresolvable.invalid/"), Bytes());
}

void FetchTest::silentHostGivesUp() {
    SilentPort silent;
    FetchLimits limits;
    limits.totalTimeoutMs = 400;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(fetchUrl("http://127.0.0.1:" + QByteArray::number(silent.port) + "/", limits),
             Bytes());
    QVERIFY2(clock.elapsed() < 5000, "the total time limit ends the request");
    // The built-in limits are the promised ones.
    const FetchLimits defaults;
    QCOMPARE(defaults.connectTimeoutMs, 10'000L);
    QCOMPARE(defaults.totalTimeoutMs, 30'000L);
}

void FetchTest::oversizedBodyFails() {
    const long long limit = 16LL * 1024 * 1024;
    QCOMPARE(fetchUrl(m_server.url(("/size/" + std::to_string(limit)).c_str())).size(),
             qsizetype(limit));
    QCOMPARE(fetchUrl(m_server.url(("/size/" + std::to_string(limit + 1)).c_str())), Bytes());
    FetchLimits small;
    small.maxBodyBytes = 100;
    QCOMPARE(fetchUrl(m_server.url("/size/100"), small).size(), 100);
    QCOMPARE(fetchUrl(m_server.url("/size/101"), small), Bytes());
}

QTEST_GUILESS_MAIN(FetchTest)
#include "test_fetch.moc"
