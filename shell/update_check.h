#pragma once
// The check for a newer release. The release channel's server is a build setting (KH_UPDATE_SERVER,
// empty by default: no check at all); the information file "update.txt" is read from the channel's
// folder on it ("tv/auto/", the test channel "tv/test/auto/") without ever blocking the window: the
// transfer runs in the event loop with an idle time limit and an overall deadline, and its end is
// reported by a callback. Every part of the reply is bounded, its head as well as its body (the
// information file is a few dozen bytes; a reply past kUpdateInfoMaxBytes is not one), and a check
// that ends, for whatever reason, closes its connection at once. The check downloads no installer,
// writes no file and runs nothing: on a newer release the user is told its label (plain text, cut to
// kUpdateLabelMaxCharacters) and version and may open the release page (the channel's folder) in the
// browser.
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "shell/bounded_http_get.h"

// The result codes of one channel's check.
enum UpdateCode : int {
    kUpdateNewer = 0,         // a newer release is published; label and version say which
    kUpdateNoConnection = 1,  // the network or the server's name cannot be reached
    kUpdateOpenFailed = 2,    // the server refused, answered with an error, redirected to a less safe
                              // address, or the transfer failed or was cut short
    kUpdateEmpty = 3,         // the information file was empty
    kUpdateNotNewer = 6,      // the published version is not newer
    kUpdateTimedOut = 7,      // the server stayed silent past the idle limit, or the whole check
                              // passed its deadline
    kUpdateNotUnderstood = 8, // the reply is no information file: too long, fewer than two tokens or
                              // a malformed version
    kUpdateUntrusted = 9,     // the https server's certificate failed verification
};

// The longest release label shown, in characters; a longer one is cut.
inline constexpr int kUpdateLabelMaxCharacters = 64;

struct UpdateCheckResult {
    int code = kUpdateOpenFailed;
    std::string label;   // the release's label (code 0)
    std::string version; // its version (code 0)
};

// The server of the release channel, ending in "/"; from the build, tests set it. Empty: no checks.
extern std::string g_strUpdateServer;
// True when the address may be used: https, or http on the loopback address (a local test server).
bool IsUsableUpdateServer(const std::string& address);
// The folder of the release or the test channel on the server.
QUrl UpdateChannelUrl(const std::string& server, bool testChannel);

// The time limits of one channel's check, milliseconds: `idleMs` without a byte from the server,
// `deadlineMs` for the whole check, redirects included.
struct UpdateTimeLimits {
    int idleMs = 20000;
    int deadlineMs = 60000;
};

// One channel's check at a time, asynchronous.
class CUpdateAgent {
public:
    explicit CUpdateAgent(UpdateTimeLimits limits = {});

    // Reads channel + "update.txt" and compares its version with `currentVersion`; `done` runs once,
    // from the event loop, when the check ends. False (and nothing started) while a check runs.
    bool CheckForUpdate(const QUrl& channel, const std::string& currentVersion,
                        std::function<void(const UpdateCheckResult&)> done);
    bool Busy() const { return m_get.Running(); }

private:
    void Fetch(const QUrl& url);
    void OnFetched(const QUrl& url, const HttpGetResult& fetched);
    // What the information file says.
    UpdateCheckResult Judge(const QByteArray& body) const;
    void Finish(UpdateCheckResult result);

    QTimer m_deadline;
    CBoundedHttpGet m_get;
    int m_redirectsLeft = 0;
    std::string m_currentVersion;
    std::function<void(const UpdateCheckResult&)> m_done;
};

// Preferences > Updates and the start-up check: the release channel, then (when test releases are
// wanted and the release channel gave no error) the test channel; a newer release offers its page;
// an interactive check tells every other outcome of the release channel.
class CUpdateCheck {
public:
    explicit CUpdateCheck(QWidget* parent, UpdateTimeLimits limits = {});
    // False, with nothing started, when no usable server is set or a check runs already.
    bool Start(bool interactive, bool alsoTest);
    bool Running() const { return m_agent.Busy() || m_running; }
    // Called with the release channel's code, then (when checked) the test channel's; tests listen here.
    std::function<void(bool testChannel, int code)> onChannelChecked;

private:
    void OnReleaseChecked(const UpdateCheckResult& result);
    void OnTestChecked(const UpdateCheckResult& result);
    void OfferRelease(const UpdateCheckResult& result, bool testChannel);

    QPointer<QWidget> m_parent;
    CUpdateAgent m_agent;
    bool m_running = false;
    bool m_interactive = false;
    bool m_alsoTest = false;
};
