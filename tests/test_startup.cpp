// Start-up end to end: the program built against a maker's site on loopback,
// run under a virtual X display. The site serves the version file and the
// product page and sees both requests; a newer version is offered, an equal
// one is not; Esc on the showcase and on the main window ends with code 0.
#include "loopback_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString xdotool(const QStringList& args, int timeoutMs = 5000) {
    QProcess p;
    p.start("xdotool", args);
    p.waitForFinished(timeoutMs);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Waits for a window of that exact title; its id, or empty.
QString waitForWindow(const QString& title, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        const QString id =
            xdotool({"search", "--name", "^" + QRegularExpression::escape(title) + "$"})
                .section('\n', 0, 0);
        if (!id.isEmpty())
            return id;
        QTest::qWait(100);
    }
    return {};
}

// Focuses the window and presses Esc there as a keyboard would (press and
// release; a key sent to a window that closes on the press would stay down).
void pressEscape(const QString& window) {
    xdotool({"windowfocus", "--sync", window});
    xdotool({"key", "Escape"});
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void startsAndEnds_data();
    void startsAndEnds();

private:
    QProcess m_display;
    QString m_displayName;
    LoopbackServer m_site;
    std::mutex m_lock;
    QStringList m_requests;
    QByteArray m_versionFile;
};

void StartupTest::initTestCase() {
    // A display of our own.
    for (int n = 150; n < 250; ++n) {
        if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QString("/tmp/.X%1-lock").arg(n))) {
            m_displayName = QString(":%1").arg(n);
            break;
        }
    }
    m_display.start("Xvfb", {m_displayName, "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
    QVERIFY(m_display.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("/tmp/.X11-unix/X" + m_displayName.mid(1)), 10'000);
    qputenv("DISPLAY", m_displayName.toLatin1());

    auto& r = m_site.routes();
    r.Get(R"(/soft/qbtrwmex/.*)", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> g(m_lock);
        m_requests << QString::fromStdString(req.path);
        if (req.path == "/soft/qbtrwmex/bbxx.txt")
            res.set_content(m_versionFile.toStdString(), "text/plain");
        else
            res.set_content("<html><body>Zanvelo 3.2</body></html>", "text/html");
    });
    // The port is fixed in the program; connections of an earlier run may linger on it.
    m_site.routes().set_socket_options([](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    QVERIFY2(m_site.routes().bind_to_port("127.0.0.1", ZV_LOOPBACK_PORT),
             "the loopback port is taken");
    std::thread([this] { m_site.routes().listen_after_bind(); }).detach();
}

void StartupTest::cleanupTestCase() {
    m_site.routes().stop();
    m_display.terminate();
    m_display.waitForFinished();
}

void StartupTest::init() {
    std::lock_guard<std::mutex> g(m_lock);
    m_requests.clear();
}

void StartupTest::startsAndEnds_data() {
    QTest::addColumn<QByteArray>("versionFile");
    QTest::addColumn<bool>("offered");
    QTest::newRow("the same version: silent") << QByteArray("Zanvelov3.2\r\n") << false;
    QTest::newRow("a newer version: offered")
        << QByteArray("Zanvelov3.3\r\nhttp://127.0.0.1/new.exe\r\n") << true;
}

void StartupTest::startsAndEnds() {
    QFETCH(QByteArray, versionFile);
    QFETCH(bool, offered);
    {
        std::lock_guard<std::mutex> g(m_lock);
        m_versionFile = versionFile;
    }
    QTemporaryDir dir;
    QVERIFY(QFile::copy(ZV_LOOPBACK_PROGRAM, dir.filePath("zanvelo")));
    QFile::setPermissions(dir.filePath("zanvelo"),
                          QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    QProcess program;
    program.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", m_displayName);
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(dir.filePath("zanvelo"), {});
    QVERIFY(program.waitForStarted());

    const QString showcase = waitForWindow("Zanvelov3.2", 60'000);
    QVERIFY2(!showcase.isEmpty(), program.readAll().constData());
    QVERIFY(waitForWindow("Zanvelo v3.2", 300).isEmpty()); // not before the showcase is closed
    {
        std::lock_guard<std::mutex> g(m_lock);
        QVERIFY(m_requests.isEmpty()); // nothing is fetched while the showcase is up
    }
    pressEscape(showcase);
    const QString main = waitForWindow("Zanvelo v3.2", 60'000);
    QVERIFY(!main.isEmpty());

    if (offered) {
        const QString offer = waitForWindow("检测到新版本：", 30'000);
        QVERIFY(!offer.isEmpty());
        pressEscape(offer); // No
        QTRY_VERIFY_WITH_TIMEOUT(waitForWindow("检测到新版本：", 200).isEmpty(), 10'000);
    } else {
        QTest::qWait(500);
        QVERIFY(waitForWindow("检测到新版本：", 100).isEmpty());
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            std::lock_guard<std::mutex> g(m_lock);
            return m_requests.contains("/soft/qbtrwmex/bbxx.txt") &&
                   m_requests.contains("/soft/qbtrwmex/qbtrwmex3.2.html");
        }(),
        20'000);
    {
        std::lock_guard<std::mutex> g(m_lock);
        QCOMPARE(m_requests.count("/soft/qbtrwmex/bbxx.txt"), 1); // fetched once
    }
    QVERIFY(program.state() == QProcess::Running);
    QElapsedTimer clock;
    clock.start();
    while (program.state() == QProcess::Running && clock.elapsed() < 30'000) {
        pressEscape(main);
        program.waitForFinished(300);
    }
    QCOMPARE(program.state(), QProcess::NotRunning);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
