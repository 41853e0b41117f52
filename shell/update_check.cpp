#include "shell/update_check.h"

#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

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

int CodeOfNetworkError(QNetworkReply::NetworkError error) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return kUpdateNoConnection;
    default:
        return kUpdateOpenFailed;
    }
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

CUpdateAgent::CUpdateAgent(int timeoutMs) : m_timeoutMs(timeoutMs) {
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy); // each hop is judged here
}

CUpdateAgent::~CUpdateAgent() {
    m_done = nullptr;
    if (m_reply) m_reply->abort();
}

bool CUpdateAgent::CheckForUpdate(const QUrl& channel, const std::string& currentVersion,
                                  std::function<void(const UpdateCheckResult&)> done) {
    if (Busy()) return false;
    m_currentVersion = currentVersion;
    m_done = std::move(done);
    m_redirectsLeft = kMaxRedirects;
    Fetch(channel.resolved(QUrl("update.txt")));
    return true;
}

void CUpdateAgent::Fetch(const QUrl& url) {
    m_body.clear();
    m_tooLong = false;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, kAgentName);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(m_timeoutMs);
    m_reply = m_network.get(request);
    QObject::connect(m_reply, &QNetworkReply::readyRead, m_reply, [this] { OnReadyRead(); });
    QObject::connect(m_reply, &QNetworkReply::finished, m_reply, [this] { OnFinished(); });
}

void CUpdateAgent::OnReadyRead() {
    m_body += m_reply->read(kUpdateInfoMaxBytes + 1 - m_body.size());
    if (m_body.size() > kUpdateInfoMaxBytes) {
        m_tooLong = true; // no information file is this long: stop reading it
        m_reply->abort();
    }
}

void CUpdateAgent::OnFinished() {
    QNetworkReply* reply = m_reply;
    reply->deleteLater();
    m_reply = nullptr;
    if (m_tooLong) return Finish({kUpdateNotNewer, {}, {}});
    if (reply->error() != QNetworkReply::NoError &&
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 0)
        return Finish({CodeOfNetworkError(reply->error()), {}, {}});
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400) {
        const QUrl target =
            reply->url().resolved(reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        // Never on to a less safe address (https to http) or round and round.
        const bool lessSafe = reply->url().scheme() == "https" && target.scheme() != "https";
        if (lessSafe || !IsSafeAddress(target) || m_redirectsLeft-- <= 0) return Finish({kUpdateOpenFailed, {}, {}});
        return Fetch(target);
    }
    if (status != 200) return Finish({kUpdateOpenFailed, {}, {}});
    m_body += reply->readAll().left(kUpdateInfoMaxBytes + 1 - m_body.size());
    if (m_body.size() > kUpdateInfoMaxBytes) return Finish({kUpdateNotNewer, {}, {}});
    if (m_body.isEmpty()) return Finish({kUpdateEmpty, {}, {}});
    const std::optional<UpdateInfo> info = ParseUpdateInfo(m_body.toStdString());
    if (!info || CompareVersions(info->version, m_currentVersion) != 1) return Finish({kUpdateNotNewer, {}, {}});
    Finish({kUpdateNewer, info->label, info->version});
}

void CUpdateAgent::Finish(UpdateCheckResult result) {
    auto done = std::move(m_done);
    m_done = nullptr;
    if (done) done(result);
}

CUpdateCheck::CUpdateCheck(QWidget* parent, int timeoutMs) : m_parent(parent), m_agent(timeoutMs) {}

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
        case kUpdateNotNewer:
            text = "There is no update available. You have the latest software. Please try later or just turn on "
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
        "Kalomithra Hora " + result.label + " (version " + result.version + ") is available; you have version " +
        kProgramVersion + ".\n\nOpen its release page in your browser?\n\nYou can turn off automatic updates by "
        "clicking \"Preferences\" and \"Updates\" in main menu. Please note that no private data is collected "
        "from your computer during an update check.";
    if (MessageBox(m_parent, text, "Update available", MessageIcon::kQuestion, MessageButtons::kYesNo) ==
        MessageResult::kYes)
        OpenOnDesktop(UpdateChannelUrl(g_strUpdateServer, testChannel));
}
