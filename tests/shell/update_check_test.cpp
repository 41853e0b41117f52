// The update check against a server on 127.0.0.1 that answers each case as a real one might: a newer
// release, the same release, malformed, empty, huge and binary files, errors, redirects, a refused
// connection, a server that never answers, one that drips, one that cuts its reply short and one that
// never ends it, and over https with certificates trusted or not. Nothing here reaches beyond the
// loopback address.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QSemaphore>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <optional>
#include <set>

#include "platform/message_box.h"
#include "shell/desktop_opener.h"
#include "shell/dialogs/update_pref_dlg.h"
#include "shell/update_check.h"
#include "tests/shell/dialogs/dialog_test_support.h"
#include "tests/shell/test_certificates.h"

namespace {

// Answers GET requests on 127.0.0.1 with the response kept for the path; a path without one stays
// silent (the connection is held open, nothing is sent).
class LocalServer {
public:
    LocalServer() {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
        });
    }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + "/"; }
    // The raw response to a request of `path` ("/tv/auto/update.txt").
    void Serve(const std::string& path, QByteArray response) {
        m_responses[path] = std::move(response);
        m_held.erase(path);
    }
    void ServeFile(const std::string& path, const QByteArray& body) {
        Serve(path, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }
    void ServeStatus(const std::string& path, int status, const QByteArray& extraHeaders = {}) {
        Serve(path, "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: 0\r\n" + extraHeaders +
                        "Connection: close\r\n\r\n");
    }
    // The response is sent and the connection then held open, silent.
    void ServeAndHold(const std::string& path, QByteArray response) {
        Serve(path, std::move(response));
        m_held.insert(path);
    }
    // The head is sent at once and then the body a byte every `everyMs`, the connection held open.
    void Drip(const std::string& path, const QByteArray& head, QByteArray body, int everyMs) {
        ServeAndHold(path, head);
        m_dripped[path] = {std::move(body), everyMs};
    }
    int Requests() const { return m_requests; }
    qint64 Dripped() const { return m_bytesDripped; }

private:
    void Answer(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        const QList<QByteArray> words = request.split(' ');
        if (words.size() < 2) return;
        ++m_requests;
        const std::string path = words[1].toStdString();
        const auto found = m_responses.find(path);
        if (found == m_responses.end()) return; // silent
        socket->write(found->second);
        if (const auto drip = m_dripped.find(path); drip != m_dripped.end()) DripTo(socket, drip->second);
        if (!m_held.contains(path)) socket->disconnectFromHost();
    }
    struct DrippedBody {
        QByteArray body;
        int everyMs = 0;
    };
    void DripTo(QTcpSocket* socket, const DrippedBody& dripped) {
        auto* timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [this, socket, body = dripped.body] {
            if (m_bytesDripped < body.size()) socket->write(body.mid(m_bytesDripped++, 1));
        });
        timer->start(dripped.everyMs);
    }

    QTcpServer m_server;
    std::map<std::string, QByteArray> m_responses;
    std::set<std::string> m_held;
    std::map<std::string, DrippedBody> m_dripped;
    int m_requests = 0;
    qint64 m_bytesDripped = 0;
};

// Answers every request on 127.0.0.1 over TLS with `response`, presenting `certificate`.
class LocalTlsServer : public QTcpServer {
public:
    LocalTlsServer(const TestCertificate& certificate, QByteArray response)
        : m_certificate(QByteArray(certificate.certificate)),
          m_key(QByteArray(certificate.privateKey), QSsl::Ec), m_response(std::move(response)) {
        EXPECT_TRUE(listen(QHostAddress::LocalHost, 0));
    }
    std::string Address() const { return "https://127.0.0.1:" + std::to_string(serverPort()) + "/"; }

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) return;
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket] {
            socket->readAll();
            socket->write(m_response);
            socket->disconnectFromHost();
        });
        socket->startServerEncryption();
    }

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArray m_response;
};

// The certificate authorities the process trusts, with `certificate` among them while this lives.
class TrustedWhileAlive {
public:
    explicit TrustedWhileAlive(const TestCertificate& certificate)
        : m_kept(QSslConfiguration::defaultConfiguration()) {
        QSslConfiguration trusting = m_kept;
        trusting.addCaCertificate(QSslCertificate(QByteArray(certificate.certificate)));
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    ~TrustedWhileAlive() { QSslConfiguration::setDefaultConfiguration(m_kept); }
    TrustedWhileAlive(const TrustedWhileAlive&) = delete;
    TrustedWhileAlive& operator=(const TrustedWhileAlive&) = delete;

private:
    QSslConfiguration m_kept;
};

// Answers every request on 127.0.0.1 with `head` and then `unit` over and over, for as long as the reader
// takes them, up to kEnough. It runs on a thread of its own, so it goes on while the test's thread is
// busy, counts the bytes the reader's side took off it and notes when the reader closed the connection.
class EndlessServer : public QThread {
public:
    static constexpr qint64 kEnough = qint64{256} << 20;

    EndlessServer(QByteArray head, QByteArray unit) : m_head(std::move(head)), m_unit(std::move(unit)) {
        start();
        m_ready.acquire();
    }
    ~EndlessServer() override {
        quit();
        wait();
    }
    std::string Address() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }
    bool Answering() const { return m_answering; }
    bool Closed() const { return m_closed; }
    qint64 Taken() const { return m_taken; }

protected:
    void run() override {
        QTcpServer server;
        if (server.listen(QHostAddress::LocalHost, 0)) m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, [&server, this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (m_answering.exchange(true)) return;
                    socket->write(m_head);
                    Pump(socket);
                });
                QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [this, socket](qint64 written) {
                    m_taken += written;
                    Pump(socket);
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this] { m_closed = true; });
                QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [this] { m_closed = true; });
            }
        });
        m_ready.release();
        exec();
    }

private:
    void Pump(QTcpSocket* socket) {
        while (!m_unit.isEmpty() && socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < (qint64{1} << 20) && m_queued < kEnough) {
            socket->write(m_unit);
            m_queued += m_unit.size();
        }
    }

    const QByteArray m_head, m_unit;
    QSemaphore m_ready;
    quint16 m_port = 0;
    std::atomic<bool> m_answering = false, m_closed = false;
    std::atomic<qint64> m_taken = 0;
    qint64 m_queued = 0;
};

// Turns the event loop until `done` holds, at most `ms` milliseconds; whether it held.
bool TurnUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

constexpr const char* kRelease = "/tv/auto/update.txt";
constexpr const char* kTest = "/tv/test/auto/update.txt";
// Short limits, so that a silent or dripping server ends its test soon.
constexpr UpdateTimeLimits kShortLimits = {1500, 10000};

// One channel checked by `agent`; the event loop turns until the check ends.
UpdateCheckResult CheckWith(CUpdateAgent& agent, const std::string& server, bool testChannel = false) {
    std::optional<UpdateCheckResult> result;
    QEventLoop loop;
    EXPECT_TRUE(agent.CheckForUpdate(UpdateChannelUrl(server, testChannel), "8.0.0.0",
                                     [&](const UpdateCheckResult& r) {
                                         result = r;
                                         loop.quit();
                                     }));
    EXPECT_FALSE(agent.CheckForUpdate(UpdateChannelUrl(server, testChannel), "8.0.0.0", {}))
        << "one at a time";
    if (!result) loop.exec();
    return result.value_or(UpdateCheckResult{-1, {}, {}});
}

UpdateCheckResult CheckChannel(const std::string& server, bool testChannel = false,
                               UpdateTimeLimits limits = kShortLimits) {
    CUpdateAgent agent(limits);
    return CheckWith(agent, server, testChannel);
}

TEST(UpdateCheck, EachAnswerOfTheServerGivesItsCode) {
    LocalServer server;
    struct Case {
        const char* name;
        std::function<void(LocalServer&)> serve;
        int code;
    };
    const Case cases[] = {
        {"newer fourth field", [](LocalServer& s) { s.ServeFile(kRelease, "R-2024\n8.0.0.1\n"); },
         kUpdateNewer},
        {"newer short version", [](LocalServer& s) { s.ServeFile(kRelease, "R-2024\n8.1\n"); }, kUpdateNewer},
        {"same version", [](LocalServer& s) { s.ServeFile(kRelease, "R-2023\n8.0.0.0\n"); }, kUpdateNotNewer},
        {"five fields", [](LocalServer& s) { s.ServeFile(kRelease, "R\n8.0.0.0.1\n"); },
         kUpdateNotUnderstood},
        {"letter in a field", [](LocalServer& s) { s.ServeFile(kRelease, "R\n8.0a\n"); },
         kUpdateNotUnderstood},
        {"only a label", [](LocalServer& s) { s.ServeFile(kRelease, "R-2024\n"); }, kUpdateNotUnderstood},
        {"binary", [](LocalServer& s) { s.ServeFile(kRelease, QByteArray("\x00\xff\x01\n\x02", 5)); },
         kUpdateNotUnderstood},
        {"ten megabytes",
         [](LocalServer& s) { s.ServeFile(kRelease, "R 9.0\n" + QByteArray(10 << 20, 'x')); },
         kUpdateNotUnderstood},
        {"a hundred megabytes announced",
         [](LocalServer& s) {
             s.ServeAndHold(kRelease, "HTTP/1.1 200 OK\r\nContent-Length: 104857600\r\n\r\nR 9.0\n");
         },
         kUpdateNotUnderstood},
        {"ten megabytes without a length",
         [](LocalServer& s) {
             s.Serve(kRelease, "HTTP/1.1 200 OK\r\n\r\nR 9.0\n" + QByteArray(10 << 20, 'x'));
         },
         kUpdateNotUnderstood},
        {"a chunk announced past the limit",
         [](LocalServer& s) {
             s.ServeAndHold(kRelease, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1001\r\nR 9\n");
         },
         kUpdateNotUnderstood},
        {"a chunk after the first announced at the largest length",
         [](LocalServer& s) {
             s.ServeAndHold(kRelease, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nR \r\n"
                                      "7fffffffffffffff\r\n9\n");
         },
         kUpdateNotUnderstood},
        {"in chunks, with an extension and a trailer",
         [](LocalServer& s) {
             s.ServeAndHold(kRelease, "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n2;x=y\r\nR \r\n"
                                      "2\r\n9\n\r\n0\r\nX-Sum: 1\r\n\r\n");
         },
         kUpdateNewer},
        {"no length, ended by the close",
         [](LocalServer& s) { s.Serve(kRelease, "HTTP/1.0 200 OK\nContent-Type: text/plain\n\nR 9\n"); },
         kUpdateNewer},
        {"after two interim replies and a long header",
         [](LocalServer& s) {
             s.Serve(kRelease, "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 102 Processing\r\nX: 1\r\n\r\n"
                               "HTTP/1.1 200 OK\r\nSet-Cookie: " +
                                   QByteArray(3000, 'c') + "\r\nContent-Length: 4\r\n\r\nR 9\n");
         },
         kUpdateNewer},
        {"a compressed body",
         [](LocalServer& s) { s.Serve(kRelease, "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nR 9\n"); },
         kUpdateOpenFailed},
        {"two lengths",
         [](LocalServer& s) {
             s.Serve(kRelease, "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nContent-Length: 5\r\n\r\nR 9\n");
         },
         kUpdateOpenFailed},
        {"no HTTP", [](LocalServer& s) { s.Serve(kRelease, "R 9\n"); }, kUpdateOpenFailed},
        {"switching protocols",
         [](LocalServer& s) { s.Serve(kRelease, "HTTP/1.1 101 Upgrade\r\n\r\nR 9\n"); }, kUpdateOpenFailed},
        {"empty", [](LocalServer& s) { s.ServeFile(kRelease, ""); }, kUpdateEmpty},
        {"404", [](LocalServer& s) { s.ServeStatus(kRelease, 404); }, kUpdateOpenFailed},
        {"500", [](LocalServer& s) { s.ServeStatus(kRelease, 500); }, kUpdateOpenFailed},
        {"redirect to a local page",
         [](LocalServer& s) {
             s.ServeStatus(kRelease, 302, "Location: /elsewhere.txt\r\n");
             s.ServeFile("/elsewhere.txt", "R\n9\n");
         },
         kUpdateNewer},
        {"redirect to plain http elsewhere",
         [](LocalServer& s) { s.ServeStatus(kRelease, 301, "Location: http://example.com/update.txt\r\n"); },
         kUpdateOpenFailed},
        {"redirect loop",
         [](LocalServer& s) { s.ServeStatus(kRelease, 302, "Location: /tv/auto/update.txt\r\n"); },
         kUpdateOpenFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.serve(server);
        const UpdateCheckResult result = CheckChannel(server.Address());
        EXPECT_EQ(result.code, c.code);
        if (c.code == kUpdateNewer) {
            EXPECT_FALSE(result.label.empty());
        }
    }
    // Nothing is downloaded or written.
    EXPECT_FALSE(QDir::temp().exists("tv_update_auto.exe"));
}

// Real servers send a short page with a redirect (nginx: a few lines of HTML). The check follows the
// redirect to its target all the same, whatever the page and however it comes.
TEST(UpdateCheck, ARedirectThatCarriesAPageReachesItsTarget) {
    LocalServer server;
    server.ServeFile("/moved/update.txt", "R-moved\n8.2\n");
    const QByteArray page =
        "<html>\r\n<head><title>301 Moved Permanently</title></head>\r\n<body>\r\n"
        "<center><h1>301 Moved Permanently</h1></center>\r\n<hr><center>nginx</center>\r\n"
        "</body>\r\n</html>\r\n";
    const struct {
        const char* name;
        QByteArray response;
    } cases[] = {
        {"a 301 with an HTML page",
         "HTTP/1.1 301 Moved Permanently\r\nServer: nginx\r\nContent-Type: text/html\r\nContent-Length: " +
             QByteArray::number(page.size()) +
             "\r\nLocation: /moved/update.txt\r\nConnection: close\r\n\r\n" + page},
        {"a 302 with a short page, to a full address",
         "HTTP/1.1 302 Found\r\nLocation: " + QByteArray::fromStdString(server.Address()) +
             "moved/update.txt\r\nContent-Length: 5\r\n\r\nmoved"},
        {"a chunked 307", "HTTP/1.1 307 Temporary Redirect\r\nLocation: "
                          "/moved/update.txt\r\nTransfer-Encoding: chunked\r\n\r\n"
                          "5\r\nmoved\r\n0\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(kRelease, c.response);
        const UpdateCheckResult result = CheckChannel(server.Address());
        EXPECT_EQ(result.code, kUpdateNewer);
        EXPECT_EQ(result.label, "R-moved");
        EXPECT_EQ(result.version, "8.2");
    }
}

// Each line of the head, chunk-size lines and trailers among them, has its bound, and so have all of
// them together, whatever the body holds: past either bound the check fails, below both it goes on.
TEST(UpdateCheck, EveryLineThatIsNotBodyCountsTowardsTheHeadsBounds) {
    const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    // "R 9\n" a byte a chunk, each chunk-size line padded with an extension to `lineBytes`.
    const auto paddedChunks = [](int lineBytes) {
        QByteArray chunks;
        for (const char byte : QByteArray("R 9\n")) {
            const QByteArray size = "1;x=";
            chunks += size + QByteArray(lineBytes - size.size() - 2, 'e') + "\r\n" + byte + "\r\n";
        }
        return chunks + "0\r\n\r\n";
    };
    // "R 9\n" in one chunk, then `count` trailer lines of `lineBytes`.
    const auto paddedTrailers = [](int count, int lineBytes) {
        QByteArray trailers = "4\r\nR 9\n\r\n0\r\n";
        for (int i = 0; i < count; ++i) trailers += "X-T: " + QByteArray(lineBytes - 7, 't') + "\r\n";
        return trailers + "\r\n";
    };
    const auto headerLine = [](int lineBytes) { return "X-Pad: " + QByteArray(lineBytes - 9, 'p') + "\r\n"; };
    constexpr int kLine = kHttpLineMaxBytes;
    const struct {
        const char* name;
        QByteArray response;
        int code;
    } cases[] = {
        {"a header line at the line bound",
         "HTTP/1.1 200 OK\r\n" + headerLine(kLine) + "Content-Length: 4\r\n\r\nR 9\n", kUpdateNewer},
        {"a header line past the line bound",
         "HTTP/1.1 200 OK\r\n" + headerLine(kLine + 1) + "Content-Length: 4\r\n\r\nR 9\n", kUpdateOpenFailed},
        {"chunk-size lines below the head bound", chunked + paddedChunks(3000), kUpdateNewer},
        {"chunk-size lines past the head bound", chunked + paddedChunks(kLine), kUpdateOpenFailed},
        {"trailers below the head bound", chunked + paddedTrailers(3, kLine), kUpdateNewer},
        {"trailers past the head bound", chunked + paddedTrailers(4, kLine), kUpdateOpenFailed},
    };
    LocalServer server;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(kRelease, c.response);
        EXPECT_EQ(CheckChannel(server.Address()).code, c.code);
    }
}

// https: the server's certificate must be one the system trusts, issued for the host asked. One that
// is not ends the check with its own code, not as a network fault.
TEST(UpdateCheck, AnHttpsServersCertificateIsVerifiedAgainstTheHostsName) {
    const struct {
        const char* name;
        const TestCertificate& presented;
        const TestCertificate* trusted;
        int code;
    } cases[] = {
        {"trusted, for 127.0.0.1", kCertificateFor127001, &kCertificateFor127001, kUpdateNewer},
        {"trusted, for another name", kCertificateForAnotherName, &kCertificateForAnotherName,
         kUpdateUntrusted},
        {"trusted by no one", kCertificateFor127001, nullptr, kUpdateUntrusted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalTlsServer server(c.presented, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nR-tls\n8.3\n");
        std::optional<TrustedWhileAlive> trust;
        if (c.trusted) trust.emplace(*c.trusted);
        EXPECT_EQ(CheckChannel(server.Address()).code, c.code);
    }
}

TEST(UpdateCheck, AReplyCutShortFailsTheCheck) {
    LocalServer server;
    struct Case {
        const char* name;
        QByteArray response;
        bool held; // the connection stays open after the response
        int code;
    };
    const QByteArray fewerThanAnnounced = "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nNew\n9.1\n";
    const QByteArray chunkBrokenOff = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n40\r\nNew\n9.1\n";
    const Case cases[] = {
        {"fewer bytes than announced, then closed", fewerThanAnnounced, false, kUpdateOpenFailed},
        {"fewer bytes than announced, then silent", fewerThanAnnounced, true, kUpdateTimedOut},
        {"a chunk broken off, then closed", chunkBrokenOff, false, kUpdateOpenFailed},
        {"a chunk broken off, then silent", chunkBrokenOff, true, kUpdateTimedOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.held)
            server.ServeAndHold(kRelease, c.response);
        else
            server.Serve(kRelease, c.response);
        EXPECT_EQ(CheckChannel(server.Address()).code, c.code);
    }
}

TEST(UpdateCheck, ADrippingServerFailsAtTheDeadline) {
    // A byte every 20 ms keeps the idle limit (0.4 s) from ever striking, and the whole reply would take
    // twenty seconds: the deadline (1.2 s) ends the check, in the body as in the head.
    struct Case {
        const char* name;
        QByteArray head, dripped;
    };
    const Case cases[] = {
        {"the body", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n", QByteArray(1000, 'x')},
        {"a header", "HTTP/1.1 200 OK\r\n", "X-Pad: " + QByteArray(993, 'p')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LocalServer server;
        server.Drip(kRelease, c.head, c.dripped, 20);
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(10);
        EXPECT_EQ(CheckChannel(server.Address(), false, {400, 1200}).code, kUpdateTimedOut);
        EXPECT_GT(ticks, 0) << "the event loop turned while the server dripped";
        EXPECT_GT(server.Dripped(), 400 / 20) << "the check outlived the idle limit";
        EXPECT_LT(server.Dripped(), 1000) << "the reply had not ended";
    }
}

TEST(UpdateCheck, AnEndlessReplyIsNotTakenInWhileTheWindowIsBusy) {
    EndlessServer server("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n\r\n",
                         "10000\r\n" + QByteArray(0x10000, 'x') + "\r\n");
    CUpdateAgent agent(kShortLimits);
    std::optional<UpdateCheckResult> result;
    ASSERT_TRUE(agent.CheckForUpdate(UpdateChannelUrl(server.Address(), false), "8.0.0.0",
                                     [&](const UpdateCheckResult& r) { result = r; }));
    // The window turns until the server answers, then is busy elsewhere while the reply streams in.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (server.Answering() || result) loop.quit();
    });
    poll.start(5);
    loop.exec();
    QThread::msleep(500);
    while (!result) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(result->code, kUpdateNotUnderstood);
    // Beyond the read buffer only what the system's socket buffers hold was taken.
    EXPECT_LT(server.Taken(), qint64{32} << 20) << "the reply was taken in without a bound";
}

TEST(UpdateCheck, AnEndlessReplyHeadEndsTheCheckAndItsConnection) {
    struct Case {
        const char* name;
        QByteArray head, unit;
    };
    const Case cases[] = {
        {"endless header lines", "HTTP/1.1 200 OK\r\n", "X-Pad: " + QByteArray(100, 'p') + "\r\n"},
        {"one endless header line", "HTTP/1.1 200 OK\r\nX-Pad: ", QByteArray(1024, 'p')},
        {"an endless status line", "HTTP/1.1 200 ", QByteArray(1024, 'O')},
        {"endless 100 Continue", "", "HTTP/1.1 100 Continue\r\n\r\n"},
        {"an endless chunk-size line", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n",
         QByteArray(1024, '0')},
        {"endless trailers", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nR 9\n\r\n0\r\n",
         "X-Trailer: " + QByteArray(100, 't') + "\r\n"},
    };
    LocalServer next;
    next.ServeFile(kRelease, "R\n8.0.0.0\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EndlessServer server(c.head, c.unit);
        CUpdateAgent agent(kShortLimits);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(CheckWith(agent, server.Address()).code, kUpdateOpenFailed);
        EXPECT_LT(clock.elapsed(), kShortLimits.idleMs) << "the head's bound ends it, not a time limit";
        EXPECT_TRUE(TurnUntil([&] { return server.Closed(); }, 1000)) << "the connection was left open";
        EXPECT_LT(server.Taken(), qint64{32} << 20) << "the head was taken in without a bound";
        EXPECT_EQ(CheckWith(agent, next.Address()).code, kUpdateNotNewer)
            << "a later check reaches its server";
    }
}

// As when the program quits during a check: the agent goes without waiting on its transfer, whether the
// reply streams in or has stopped halfway through its head.
TEST(UpdateCheck, AnAgentEndedMidTransferClosesItsConnectionAtOnce) {
    struct Case {
        const char* name;
        QByteArray head, unit;
    };
    const Case cases[] = {
        {"endless header lines", "HTTP/1.1 200 OK\r\n", "X-Pad: " + QByteArray(100, 'p') + "\r\n"},
        {"a head begun, then silence", "HTTP/1.1 200 OK\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EndlessServer server(c.head, c.unit);
        QElapsedTimer clock;
        {
            CUpdateAgent agent(kShortLimits);
            ASSERT_TRUE(agent.CheckForUpdate(UpdateChannelUrl(server.Address(), false), "8.0.0.0", {}));
            EXPECT_TRUE(TurnUntil([&] { return server.Answering(); }, 1000));
            TurnUntil([] { return false; }, 100);
            clock.start();
        }
        EXPECT_LT(clock.elapsed(), 1000) << "quitting waited on the transfer";
        EXPECT_TRUE(TurnUntil([&] { return server.Closed(); }, 1000)) << "the connection was left open";
    }
}

TEST(UpdateCheck, ARefusedConnectionAndASilentServerEndWithoutHoldingTheWindow) {
    // A port that was free a moment ago refuses.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    EXPECT_EQ(CheckChannel("http://127.0.0.1:" + std::to_string(closedPort) + "/").code, kUpdateOpenFailed);

    LocalServer silent; // holds the connection and answers nothing
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);
    EXPECT_EQ(CheckChannel(silent.Address()).code, kUpdateTimedOut); // ended by the idle limit
    EXPECT_GT(ticks, 0) << "the event loop turned while the server stayed silent";
    EXPECT_EQ(silent.Requests(), 1);
}

TEST(UpdateCheck, OnlyHttpsOrTheLoopbackAddressIsUsed) {
    struct Case {
        const char* address;
        bool usable;
    };
    const Case cases[] = {{"https://updates.example.org/", true},
                          {"http://127.0.0.1:8080/", true},
                          {"http://localhost/", true},
                          {"http://updates.example.org/", false},
                          {"ftp://127.0.0.1/", false},
                          {"", false},
                          {"not an address", false}};
    for (const Case& c : cases) EXPECT_EQ(IsUsableUpdateServer(c.address), c.usable) << c.address;
    EXPECT_EQ(UpdateChannelUrl("https://u.example.org", true).toString().toStdString(),
              "https://u.example.org/tv/test/auto/");
}

// The check as Preferences > Updates runs it: messages, the release page offered, the test channel.
class UpdateCheckRunTest : public testing::Test {
protected:
    UpdateCheckRunTest() {
        m_keptServer = g_strUpdateServer;
        g_strUpdateServer = m_server.Address();
        m_keptOpener = g_desktopOpener;
        g_desktopOpener = [this](const QUrl& url) {
            m_opened.push_back(url.toString().toStdString());
            return true;
        };
        m_keptHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            return m_answer;
        });
    }
    ~UpdateCheckRunTest() override {
        g_strUpdateServer = m_keptServer;
        g_desktopOpener = m_keptOpener;
        SetMessageBoxHandler(m_keptHandler);
    }
    // Runs a whole check; the codes of the channels checked, in order.
    std::vector<int> Run(bool interactive, bool alsoTest) {
        CUpdateCheck check(nullptr, kShortLimits);
        std::vector<int> codes;
        QEventLoop loop;
        // Looks until the check has ended: a box it shows turns the events meanwhile.
        QTimer ended;
        QObject::connect(&ended, &QTimer::timeout, &loop, [&] {
            if (!check.Running()) loop.quit();
        });
        check.onChannelChecked = [&](bool, int code) {
            codes.push_back(code);
            ended.start(5);
        };
        EXPECT_TRUE(check.Start(interactive, alsoTest));
        EXPECT_FALSE(check.Start(interactive, alsoTest)) << "one check at a time";
        loop.exec();
        return codes;
    }

    LocalServer m_server;
    std::string m_keptServer;
    DesktopOpener m_keptOpener;
    MessageBoxHandler m_keptHandler;
    std::vector<std::string> m_opened, m_messages;
    MessageResult m_answer = MessageResult::kYes;
};

TEST_F(UpdateCheckRunTest, ANewerReleaseOffersItsPageAndOpensItOnYes) {
    m_server.ServeFile(kRelease, "R-2024\n8.1\n");
    EXPECT_EQ(Run(false, false), std::vector<int>{kUpdateNewer});
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("Update available: Kalomithra Hora R-2024 (version 8.1) is available"),
              std::string::npos);
    EXPECT_EQ(m_opened, std::vector<std::string>{m_server.Address() + "tv/auto/"});

    m_answer = MessageResult::kNo;
    m_opened.clear();
    EXPECT_EQ(Run(false, false), std::vector<int>{kUpdateNewer});
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(UpdateCheckRunTest, InteractiveChecksTellEveryOutcomeSilentOnesOnlyANewerRelease) {
    struct Case {
        std::function<void(LocalServer&)> serve;
        std::string message;
    };
    const Case cases[] = {
        {[](LocalServer& s) { s.ServeFile(kRelease, "R\n8.0.0.0\n"); },
         "No Update: There is no update available. You have the latest software."},
        {[](LocalServer& s) { s.ServeStatus(kRelease, 404); },
         "Update Error: Unable to connect to the Kalomithra Hora website. Please try later."},
        {[](LocalServer& s) { s.ServeFile(kRelease, ""); },
         "Update Error: Unable to get update information from the Kalomithra Hora website. Please try "
         "later."},
        {[](LocalServer& s) { s.ServeAndHold(kRelease, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nR"); },
         "Update Error: The Kalomithra Hora website took too long to answer. Please try later."},
        {[](LocalServer& s) { s.ServeFile(kRelease, "<html><body>Not here</body></html>"); },
         "Update Error: The update information from the Kalomithra Hora website was not understood. Please "
         "try "
         "later."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        c.serve(m_server);
        m_messages.clear();
        Run(true, false);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].rfind(c.message, 0), 0u) << m_messages[0];
        m_messages.clear();
        Run(false, false);
        EXPECT_TRUE(m_messages.empty());
    }
}

TEST_F(UpdateCheckRunTest, TheServersLabelAndVersionAreBoundedAndShownAsPlainText) {
    m_server.ServeFile(kRelease, QByteArray(4000, 'L') + "\n8.1\n");
    EXPECT_EQ(Run(false, false), std::vector<int>{kUpdateNewer});
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("Kalomithra Hora " + std::string(kUpdateLabelMaxCharacters, 'L') +
                                 "... (version 8.1) is available"),
              std::string::npos)
        << m_messages[0];
    EXPECT_LT(m_messages[0].size(), 600u);
    // So is a version padded with empty fields: no such text is a version.
    m_messages.clear();
    m_server.ServeFile(kRelease, "R 9" + QByteArray(4000, '.'));
    EXPECT_EQ(Run(false, false), std::vector<int>{kUpdateNotUnderstood});
    EXPECT_TRUE(m_messages.empty());

    // The real box: markup in the label is shown as written, control characters and line and paragraph
    // separators (U+2028, U+2029) as "?".
    m_server.ServeFile(kRelease, "<b>R\x07\xe2\x80\xa8\xe2\x80\xa9</b>\n8.1\n");
    m_opened.clear();
    SetMessageBoxHandler({});
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer answer; // answers the box once it shows
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
            shown = label->text();
            format = label->textFormat();
        }
        SavePicture(*box, "update_offer_plain_label");
        box->button(QMessageBox::No)->click();
    });
    answer.start(10);
    EXPECT_EQ(Run(false, false), std::vector<int>{kUpdateNewer});
    EXPECT_TRUE(shown.startsWith("Kalomithra Hora <b>R???"
                                 "</b> (version 8.1) is available"))
        << shown.toStdString();
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(UpdateCheckRunTest, AnUntrustedCertificateIsToldAsSuch) {
    const LocalTlsServer tls(kCertificateFor127001, "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nR 8.3\n");
    g_strUpdateServer = tls.Address();
    Run(true, false);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].rfind("Update Error: The certificate of the Kalomithra Hora website could not be "
                                  "verified",
                                  0),
              0u)
        << m_messages[0];
}

TEST_F(UpdateCheckRunTest, TestReleasesAreCheckedAfterAnUpToDateReleaseChannel) {
    m_server.ServeFile(kRelease, "R\n8.0.0.0\n");
    m_server.ServeFile(kTest, "beta-3\n8.0.0.7\n");
    EXPECT_EQ(Run(false, true), (std::vector<int>{kUpdateNotNewer, kUpdateNewer}));
    EXPECT_EQ(m_opened, std::vector<std::string>{m_server.Address() + "tv/test/auto/"});
    // A failing release channel leaves the test channel alone.
    m_server.ServeStatus(kRelease, 500);
    EXPECT_EQ(Run(false, true), std::vector<int>{kUpdateOpenFailed});
}

TEST(UpdateCheck, NoServerNoCheckAndTheDialogSaysSo) {
    const std::string kept = g_strUpdateServer;
    g_strUpdateServer.clear();
    CUpdateCheck check(nullptr);
    EXPECT_FALSE(check.Start(true, true));
    EXPECT_FALSE(check.Running());
    g_strUpdateServer = kept;

    CUpdatePrefDlg unconfigured(nullptr, false), configured(nullptr, true);
    for (CUpdatePrefDlg* dialog : {&unconfigured, &configured}) {
        dialog->m_bAutoUpdate = 1;
        dialog->m_bTestReleases = 0;
        dialog->m_bCheckNow = 1;
        dialog->ShowModeless();
    }
    EXPECT_FALSE(unconfigured.CheckBox(2)->isEnabled());
    EXPECT_FALSE(unconfigured.CheckBox(2)->isChecked());
    EXPECT_TRUE(configured.CheckBox(2)->isChecked());
    EXPECT_TRUE(configured.CheckBox(0)->isChecked());
    EXPECT_FALSE(configured.CheckBox(1)->isChecked());
    SavePicture(unconfigured, "update_dialog_unconfigured");
    SavePicture(configured, "update_dialog");
}

} // namespace
