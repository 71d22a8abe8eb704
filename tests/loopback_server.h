// An HTTP server on loopback for the tests, run on a thread of its own.
#pragma once

#include <httplib.h>

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

class LoopbackServer {
public:
    LoopbackServer() = default;
    ~LoopbackServer() { stop(); }

    httplib::Server& routes() { return m_server; }

    // Starts listening on an unused port of 127.0.0.1.
    void start() {
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void stop() {
        if (m_thread.joinable()) {
            m_server.stop();
            m_thread.join();
        }
    }
    int port() const { return m_port; }
    QByteArray url(const char* path) const {
        return "http://127.0.0.1:" + QByteArray::number(m_port) + path;
    }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};
