#include "shell/bounded_http_get.h"

#include <QSslSocket>
#include <QTcpSocket>

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

namespace {

// What the socket reads ahead of the parser.
constexpr qint64 kReadAheadBytes = 16384;

// A length as HTTP writes it: digits only, decimal or hexadecimal; nothing when malformed or past qint64.
std::optional<qint64> LengthNumber(const QByteArray& text, int base) {
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [base](char c) {
        return base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                          : std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    bool ok = false;
    const qint64 number = text.toLongLong(&ok, base);
    if (!digitsOnly || !ok) return std::nullopt;
    return number;
}

// "HTTP/1.1 200 OK": the version, three digits, then the end or a space and the reason; 0 when malformed.
int StatusOf(const QByteArray& line) {
    const auto digit = [&line](int i) { return std::isdigit(static_cast<unsigned char>(line[i])) != 0; };
    if (line.size() < 12 || !line.startsWith("HTTP/1.") || !digit(7) || line[8] != ' ' || !digit(9) ||
        !digit(10) || !digit(11) || (line.size() > 12 && line[12] != ' '))
        return 0;
    return line.mid(9, 3).toInt();
}

QByteArray RequestFor(const QUrl& url, const QByteArray& userAgent) {
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty()) target = "/";
    if (url.hasQuery()) target += "?" + url.query(QUrl::FullyEncoded).toLatin1();
    // The file is read as it is stored, so a body's length is the file's and a short one shows.
    return "GET " + target + " HTTP/1.1\r\nHost: " +
           url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1() +
           "\r\nUser-Agent: " + userAgent +
           "\r\nAccept-Encoding: identity\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
}

} // namespace

CBoundedHttpGet::CBoundedHttpGet(int idleMs, int bodyMaxBytes)
    : m_idleMs(idleMs), m_bodyMaxBytes(bodyMaxBytes) {
    m_idle.setSingleShot(true);
    QObject::connect(&m_idle, &QTimer::timeout, &m_receiver, [this] { End(HttpGetResult::kTimedOut); });
}

CBoundedHttpGet::~CBoundedHttpGet() {
    Cancel();
}

void CBoundedHttpGet::Start(const QUrl& url, const QByteArray& userAgent,
                            std::function<void(const HttpGetResult&)> done) {
    Cancel();
    m_reply = {};
    m_done = std::move(done);
    const bool secure = url.scheme() == "https";
    m_socket = secure ? new QSslSocket : new QTcpSocket;
    m_socket->setReadBufferSize(kReadAheadBytes);
    QObject::connect(m_socket, &QTcpSocket::readyRead, &m_receiver, [this] { OnReadyRead(); });
    QObject::connect(m_socket, &QTcpSocket::disconnected, &m_receiver, [this] { OnClosed(); });
    QObject::connect(
        m_socket, &QTcpSocket::errorOccurred, &m_receiver, [this](QAbstractSocket::SocketError error) {
            switch (error) {
            case QAbstractSocket::RemoteHostClosedError:
                return OnClosed();
            case QAbstractSocket::HostNotFoundError:
            case QAbstractSocket::NetworkError:
                return End(HttpGetResult::kNoConnection);
            case QAbstractSocket::SocketTimeoutError:
                return End(HttpGetResult::kTimedOut);
            case QAbstractSocket::SslHandshakeFailedError:
                return End(m_reply.untrusted ? HttpGetResult::kUntrusted : HttpGetResult::kFailed);
            default:
                return End(HttpGetResult::kFailed);
            }
        });
    const auto send = [this, request = RequestFor(url, userAgent)] { m_socket->write(request); };
    if (secure) {
        auto* socket = static_cast<QSslSocket*>(m_socket);
        QObject::connect(socket, &QSslSocket::encrypted, &m_receiver, send);
        // The handshake then fails, and its error ends the transfer.
        QObject::connect(socket, &QSslSocket::sslErrors, &m_receiver, [this] { m_reply.untrusted = true; });
        socket->connectToHostEncrypted(url.host(), url.port(443));
    } else {
        QObject::connect(m_socket, &QTcpSocket::connected, &m_receiver, send);
        m_socket->connectToHost(url.host(), url.port(80));
    }
    m_idle.start(m_idleMs);
}

void CBoundedHttpGet::Cancel() {
    ++m_transfer;
    m_done = nullptr;
    m_reportDue = false;
    CloseSocket();
}

void CBoundedHttpGet::OnReadyRead() {
    while (Connected() && m_socket->bytesAvailable() > 0) {
        m_idle.start(m_idleMs);
        Feed(m_socket->read(kReadAheadBytes));
    }
}

void CBoundedHttpGet::OnClosed() {
    OnReadyRead(); // what came before the end
    if (!Connected()) return;
    // Only a body without a length ends with the connection; anything else was cut short.
    End(m_reply.phase == Phase::kBodyToClose ? HttpGetResult::kComplete : HttpGetResult::kFailed);
}

void CBoundedHttpGet::Feed(const QByteArray& data) {
    qsizetype at = 0;
    while (at < data.size() && Connected()) {
        if (m_reply.phase == Phase::kLengthBody || m_reply.phase == Phase::kChunkData ||
            m_reply.phase == Phase::kBodyToClose) {
            TakeBody(data, at);
            continue;
        }
        const qsizetype newline = data.indexOf('\n', at);
        const qsizetype end = newline < 0 ? data.size() : newline + 1;
        m_reply.headBytes += end - at;
        if (m_reply.line.size() + end - at > kHttpLineMaxBytes || m_reply.headBytes > kHttpHeadMaxBytes)
            return End(HttpGetResult::kFailed);
        m_reply.line.append(data.constData() + at, end - at);
        at = end;
        if (newline < 0) continue;
        QByteArray line = std::exchange(m_reply.line, {});
        line.chop(line.endsWith("\r\n") ? 2 : 1);
        OnLine(line);
    }
}

void CBoundedHttpGet::TakeBody(const QByteArray& data, qsizetype& at) {
    qint64 taken = data.size() - at;
    if (m_reply.phase != Phase::kBodyToClose) taken = std::min(taken, m_reply.remaining);
    if (m_reply.result.body.size() + taken > m_bodyMaxBytes) return End(HttpGetResult::kTooLong);
    m_reply.result.body.append(data.constData() + at, taken);
    at += taken;
    if (m_reply.phase == Phase::kBodyToClose || (m_reply.remaining -= taken) > 0) return;
    if (m_reply.phase == Phase::kLengthBody) return End(HttpGetResult::kComplete);
    m_reply.phase = Phase::kChunkEnd;
}

void CBoundedHttpGet::OnLine(const QByteArray& line) {
    switch (m_reply.phase) {
    case Phase::kStatusLine:
        return OnStatusLine(line);
    case Phase::kHeaders:
        return line.isEmpty() ? OnHeadEnd() : OnHeader(line);
    case Phase::kChunkSize:
        return OnChunkSize(line);
    case Phase::kChunkEnd:
        if (!line.isEmpty()) return End(HttpGetResult::kFailed);
        m_reply.phase = Phase::kChunkSize;
        return;
    case Phase::kTrailers:
        if (line.isEmpty()) End(HttpGetResult::kComplete);
        return;
    default:
        return;
    }
}

void CBoundedHttpGet::OnStatusLine(const QByteArray& line) {
    const int status = StatusOf(line);
    // "101 Switching Protocols" would leave HTTP; other "1xx" replies come before the final one.
    if (status < 100 || status == 101) return End(HttpGetResult::kFailed);
    m_reply.interim = status < 200;
    m_reply.result.status = status;
    m_reply.phase = Phase::kHeaders;
}

void CBoundedHttpGet::OnHeader(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    // A line folded onto the one before is no longer HTTP.
    if (colon <= 0 || line[0] == ' ' || line[0] == '\t') return End(HttpGetResult::kFailed);
    if (m_reply.interim) return;
    const QByteArray name = line.left(colon).trimmed().toLower();
    const QByteArray value = line.mid(colon + 1).trimmed();
    if (name == "content-length") {
        if (!m_reply.contentLength.isEmpty() && m_reply.contentLength != value)
            return End(HttpGetResult::kFailed);
        m_reply.contentLength = value;
    } else if (name == "transfer-encoding") {
        m_reply.transferEncoding += (m_reply.transferEncoding.isEmpty() ? "" : ",") + value.toLower();
    } else if (name == "location") {
        m_reply.result.location = value;
    }
}

void CBoundedHttpGet::OnHeadEnd() {
    if (m_reply.interim) {
        m_reply.phase = Phase::kStatusLine;
        return;
    }
    if (m_reply.result.status != 200) return End(HttpGetResult::kComplete);
    if (!m_reply.transferEncoding.isEmpty()) {
        // Nothing but the file as stored was asked for.
        if (m_reply.transferEncoding != "chunked") return End(HttpGetResult::kFailed);
        m_reply.phase = Phase::kChunkSize;
        return;
    }
    if (m_reply.contentLength.isEmpty()) {
        m_reply.phase = Phase::kBodyToClose;
        return;
    }
    const std::optional<qint64> length = LengthNumber(m_reply.contentLength, 10);
    if (!length) return End(HttpGetResult::kFailed);
    // An announced length past the limit is refused before a byte of it is waited for.
    if (*length > m_bodyMaxBytes) return End(HttpGetResult::kTooLong);
    if (*length == 0) return End(HttpGetResult::kComplete);
    m_reply.remaining = *length;
    m_reply.phase = Phase::kLengthBody;
}

void CBoundedHttpGet::OnChunkSize(const QByteArray& line) {
    const qsizetype extension = line.indexOf(';');
    const std::optional<qint64> size =
        LengthNumber(line.left(extension < 0 ? line.size() : extension).trimmed(), 16);
    if (!size) return End(HttpGetResult::kFailed);
    if (*size == 0) {
        m_reply.phase = Phase::kTrailers;
        return;
    }
    // Compared as what is left, so that a size near the largest number cannot overflow the sum.
    if (*size > m_bodyMaxBytes - m_reply.result.body.size()) return End(HttpGetResult::kTooLong);
    m_reply.remaining = *size;
    m_reply.phase = Phase::kChunkData;
}

void CBoundedHttpGet::End(HttpGetResult::End end) {
    HttpGetResult result = std::exchange(m_reply.result, {});
    result.end = end;
    CloseSocket();
    // Reported from the event loop, once this transfer is wholly over: a next one that `done` starts
    // is never fed the rest of this reply.
    m_reportDue = true;
    QMetaObject::invokeMethod(
        &m_receiver, [this, transfer = m_transfer, result] { Report(transfer, result); },
        Qt::QueuedConnection);
}

void CBoundedHttpGet::Report(quint64 transfer, const HttpGetResult& result) {
    if (transfer != m_transfer) return; // cancelled, or another transfer started meanwhile
    m_reportDue = false;
    if (auto done = std::exchange(m_done, nullptr)) done(result);
}

void CBoundedHttpGet::CloseSocket() {
    m_idle.stop();
    if (!m_socket) return;
    QTcpSocket* socket = std::exchange(m_socket, nullptr);
    socket->disconnect(&m_receiver);
    socket->abort();       // the connection is closed here, with whatever the system still holds of it
    socket->deleteLater(); // this may run inside one of the socket's signals
}
