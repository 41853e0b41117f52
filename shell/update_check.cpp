#include "shell/update_check.h"

#include <QHostAddress>

#include "platform/message_box.h"
#include "shell/desktop_opener.h"
#include "shell/update_versions.h"

#ifndef KH_UPDATE_SERVER
#define KH_UPDATE_SERVER ""
#endif

std::string g_strUpdateServer = KH_UPDATE_SERVER;

namespace {

constexpr int kMaxRedirects = 5;
constexpr const char* kAgentName = "AutoUpdateAgent";

bool IsLoopback(const QUrl& url) {
    const QHostAddress host(url.host());
    return url.host() == "localhost" || (!host.isNull() && host.isLoopback());
}

// https everywhere; plain http only to this machine.
bool IsSafeAddress(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == "https" || (url.scheme() == "http" && IsLoopback(url)));
}

int CodeOfTransferEnd(HttpGetResult::End end) {
    switch (end) {
    case HttpGetResult::kNoConnection:
        return kUpdateNoConnection;
    case HttpGetResult::kTimedOut:
        return kUpdateTimedOut;
    case HttpGetResult::kTooLong:
        return kUpdateNotUnderstood; // no information file is this long
    case HttpGetResult::kUntrusted:
        return kUpdateUntrusted;
    default:
        return kUpdateOpenFailed;
    }
}

// The label as the user sees it, on its one line: control characters, line and paragraph separators
// (and bytes that are no UTF-8) become "?", and a label past kUpdateLabelMaxCharacters is cut, with
// "..." after it.
std::string ShownLabel(const std::string& label) {
    QList<uint> characters = QString::fromUtf8(label).toUcs4();
    const bool cut = characters.size() > kUpdateLabelMaxCharacters;
    if (cut) characters.resize(kUpdateLabelMaxCharacters);
    for (uint& c : characters)
        if (!QChar::isPrint(char32_t(c)) || c == QChar::ReplacementCharacter || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = '?';
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size())
               .toStdString() +
           (cut ? "..." : "");
}

} // namespace

bool IsUsableUpdateServer(const std::string& address) {
    return !address.empty() && IsSafeAddress(QUrl(QString::fromStdString(address)));
}

QUrl UpdateChannelUrl(const std::string& server, bool testChannel) {
    std::string base = server;
    if (!base.empty() && base.back() != '/') base += '/';
    return QUrl(QString::fromStdString(base + (testChannel ? "tv/test/auto/" : "tv/auto/")));
}

CUpdateAgent::CUpdateAgent(UpdateTimeLimits limits) : m_get(limits.idleMs, kUpdateInfoMaxBytes) {
    m_deadline.setInterval(limits.deadlineMs);
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, &m_deadline, [this] {
        m_get.Cancel();
        Finish({kUpdateTimedOut, {}, {}});
    });
}

bool CUpdateAgent::CheckForUpdate(const QUrl& channel, const std::string& currentVersion,
                                  std::function<void(const UpdateCheckResult&)> done) {
    if (Busy()) return false;
    m_currentVersion = currentVersion;
    m_done = std::move(done);
    m_redirectsLeft = kMaxRedirects;
    m_deadline.start();
    Fetch(channel.resolved(QUrl("update.txt")));
    return true;
}

void CUpdateAgent::Fetch(const QUrl& url) {
    m_get.Start(url, kAgentName, [this, url](const HttpGetResult& fetched) { OnFetched(url, fetched); });
}

void CUpdateAgent::OnFetched(const QUrl& url, const HttpGetResult& fetched) {
    if (fetched.end != HttpGetResult::kComplete) return Finish({CodeOfTransferEnd(fetched.end), {}, {}});
    if (fetched.status >= 300 && fetched.status < 400) {
        const QUrl target = url.resolved(QUrl::fromEncoded(fetched.location));
        // Never on to a less safe address (https to http) or round and round.
        const bool lessSafe = url.scheme() == "https" && target.scheme() != "https";
        if (fetched.location.isEmpty() || lessSafe || !IsSafeAddress(target) || m_redirectsLeft-- <= 0)
            return Finish({kUpdateOpenFailed, {}, {}});
        return Fetch(target);
    }
    if (fetched.status != 200) return Finish({kUpdateOpenFailed, {}, {}});
    Finish(Judge(fetched.body));
}

UpdateCheckResult CUpdateAgent::Judge(const QByteArray& body) const {
    if (body.isEmpty()) return {kUpdateEmpty, {}, {}};
    const std::optional<UpdateInfo> info = ParseUpdateInfo(body.toStdString());
    if (!info) return {kUpdateNotUnderstood, {}, {}};
    switch (CompareVersions(info->version, m_currentVersion)) {
    case 1:
        return {kUpdateNewer, ShownLabel(info->label), info->version};
    case -21:
        return {kUpdateNotUnderstood, {}, {}};
    default:
        return {kUpdateNotNewer, {}, {}};
    }
}

void CUpdateAgent::Finish(UpdateCheckResult result) {
    m_deadline.stop();
    auto done = std::move(m_done);
    m_done = nullptr;
    if (done) done(result);
}

CUpdateCheck::CUpdateCheck(QWidget* parent, UpdateTimeLimits limits) : m_parent(parent), m_agent(limits) {}

bool CUpdateCheck::Start(bool interactive, bool alsoTest) {
    if (Running() || !IsUsableUpdateServer(g_strUpdateServer)) return false;
    m_running = true;
    m_interactive = interactive;
    m_alsoTest = alsoTest;
    m_agent.CheckForUpdate(UpdateChannelUrl(g_strUpdateServer, false), kProgramVersion,
                           [this](const UpdateCheckResult& result) { OnReleaseChecked(result); });
    return true;
}

void CUpdateCheck::OnReleaseChecked(const UpdateCheckResult& result) {
    if (onChannelChecked) onChannelChecked(false, result.code);
    if (result.code == kUpdateNewer) OfferRelease(result, false);
    if (m_interactive) {
        const char* text = nullptr;
        switch (result.code) {
        case kUpdateNoConnection:
            text = "Unable to connect to internet. Make sure that internet is connected and try again.";
            break;
        case kUpdateOpenFailed:
            text = "Unable to connect to the Kalomithra Hora website. Please try later.";
            break;
        case kUpdateEmpty:
            text = "Unable to get update information from the Kalomithra Hora website. Please try later.";
            break;
        case kUpdateTimedOut:
            text = "The Kalomithra Hora website took too long to answer. Please try later.";
            break;
        case kUpdateNotUnderstood:
            text = "The update information from the Kalomithra Hora website was not understood. Please try "
                   "later.";
            break;
        case kUpdateUntrusted:
            text = "The certificate of the Kalomithra Hora website could not be verified, so its update "
                   "information was not read. Please check that the date and time of this computer are "
                   "right, and try later.";
            break;
        case kUpdateNotNewer:
            text = "There is no update available. You have the latest software. Please try later or just "
                   "turn on "
                   "automatic updates (click \"Preferences\" and \"Updates\" in main menu).";
            break;
        }
        if (text) MessageBox(m_parent, text, result.code == kUpdateNotNewer ? "No Update" : "Update Error");
    }
    if (m_alsoTest && (result.code == kUpdateNewer || result.code == kUpdateNotNewer)) {
        m_agent.CheckForUpdate(UpdateChannelUrl(g_strUpdateServer, true), kProgramVersion,
                               [this](const UpdateCheckResult& test) { OnTestChecked(test); });
        return;
    }
    m_running = false;
}

void CUpdateCheck::OnTestChecked(const UpdateCheckResult& result) {
    m_running = false;
    if (onChannelChecked) onChannelChecked(true, result.code);
    // The test channel tells nothing but a newer release.
    if (result.code == kUpdateNewer) OfferRelease(result, true);
}

void CUpdateCheck::OfferRelease(const UpdateCheckResult& result, bool testChannel) {
    const std::string text =
        "Kalomithra Hora " + result.label + " (version " + result.version +
        ") is available; you have version " + kProgramVersion +
        ".\n\nOpen its release page in your browser?\n\nYou can turn off automatic updates by "
        "clicking \"Preferences\" and \"Updates\" in main menu. Please note that no private data is "
        "collected "
        "from your computer during an update check.";
    if (MessageBox(m_parent, text, "Update available", MessageIcon::kQuestion, MessageButtons::kYesNo) ==
        MessageResult::kYes)
        OpenOnDesktop(UpdateChannelUrl(g_strUpdateServer, testChannel));
}
