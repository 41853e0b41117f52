#pragma once
// One HTTP/1.1 GET on a connection of its own (http, or https checked against the host's name), every
// part of the reply bounded: each line of the head (kHttpLineMaxBytes), all that is not body together
// (kHttpHeadMaxBytes: the status lines and headers of the final and any interim "1xx" replies, chunk
// lines and trailers) and the body (the caller's limit). A reply that passes a bound, breaks the
// protocol, stays silent past the idle limit or is cancelled ends at once: its connection is closed
// there and then, and nothing of the transfer runs on. The socket reads only a small buffer ahead of
// the parser, so a reply streaming in while the window is busy is held back by the system.
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>

class QTcpSocket;

inline constexpr int kHttpLineMaxBytes = 4096;
inline constexpr int kHttpHeadMaxBytes = 16384;

struct HttpGetResult {
    enum End {
        kComplete,     // the final head came whole, and for status 200 the body too
        kNoConnection, // the host's name or its network cannot be reached
        kFailed,       // refused, broken off, not HTTP, or a head past its bounds
        kTimedOut,     // nothing came for the idle limit
        kTooLong,      // the body is or was announced longer than the limit
        kUntrusted,    // https: the server's certificate failed verification (not signed by a trusted
                       // authority, issued for another name, expired)
    };
    End end = kFailed;
    int status = 0;      // the final status (kComplete)
    QByteArray location; // its Location header, as sent
    QByteArray body;     // the body of a 200 reply; the body of any other status is not read
};

class CBoundedHttpGet {
public:
    CBoundedHttpGet(int idleMs, int bodyMaxBytes);
    ~CBoundedHttpGet();
    CBoundedHttpGet(const CBoundedHttpGet&) = delete;
    CBoundedHttpGet& operator=(const CBoundedHttpGet&) = delete;

    // Starts a GET of `url` (a running one is cancelled); `done` runs once, from the event loop, when
    // the transfer ends, unless Cancel() comes first. It may start the next transfer.
    void Start(const QUrl& url, const QByteArray& userAgent, std::function<void(const HttpGetResult&)> done);
    // Ends the transfer and closes its connection, without a report.
    void Cancel();
    // From Start until `done` has run or Cancel() came.
    bool Running() const { return Connected() || m_reportDue; }

private:
    enum class Phase {
        kStatusLine,
        kHeaders,
        kLengthBody,
        kBodyToClose,
        kChunkSize,
        kChunkData,
        kChunkEnd,
        kTrailers
    };

    void OnReadyRead();
    void OnClosed();
    void Feed(const QByteArray& data);
    void TakeBody(const QByteArray& data, qsizetype& at);
    void OnLine(const QByteArray& line);
    void OnStatusLine(const QByteArray& line);
    void OnHeader(const QByteArray& line);
    void OnHeadEnd();
    void OnChunkSize(const QByteArray& line);
    void End(HttpGetResult::End end);
    void Report(quint64 transfer, const HttpGetResult& result);
    void CloseSocket();
    bool Connected() const { return m_socket != nullptr; }

    const int m_idleMs;
    const int m_bodyMaxBytes;
    QObject m_receiver; // receives the socket's signals; cut off from them when the transfer ends
    QTimer m_idle;
    QTcpSocket* m_socket = nullptr;
    std::function<void(const HttpGetResult&)> m_done;
    // Counts the transfers started and cancelled: the report of an earlier one is dropped.
    quint64 m_transfer = 0;
    bool m_reportDue = false; // the transfer has ended and its report waits in the event loop

    // What is known of the reply so far.
    struct Reply {
        Phase phase = Phase::kStatusLine;
        QByteArray line;         // the line read so far
        qsizetype headBytes = 0; // all read that is not body
        bool interim = false;    // the head read is that of a "1xx" reply
        bool untrusted = false;  // https: the server's certificate failed verification
        QByteArray contentLength, transferEncoding;
        qint64 remaining = 0; // bytes left of the body or of the chunk
        HttpGetResult result;
    };
    Reply m_reply;
};
