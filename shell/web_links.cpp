#include "shell/web_links.h"

#include <QFileInfo>

#include "core/data_folder.h"
#include "platform/message_box.h"
#include "shell/desktop_opener.h"
#include "shell/main_frame.h"

#ifndef KH_WEB_SITE
#define KH_WEB_SITE ""
#endif

std::string g_strWebSite = KH_WEB_SITE;

namespace {

// The web site's own pages. The other links of the menu's tradition (textbooks, mantras, rituals,
// social pages, groups and data services of others) have no page on this site and are not offered.
constexpr WebLink kWebLinks[] = {
    {kCmdWebSite, "Kalomithra Hora web site", ""},
    {kCmdDiscussionGroup, "Kalomithra Hora discussion group (message archive)", "discussion/"},
};

void OpenOrSay(CMainFrame& frame, const QUrl& url) {
    if (OpenOnDesktop(url)) return;
    MessageBox(&frame,
               "The page could not be opened: no browser or file viewer took it.\n\n" +
                   url.toDisplayString().toStdString(),
               "Sorry", MessageIcon::kWarning);
}

} // namespace

std::span<const WebLink> WebLinks() {
    return kWebLinks;
}

QUrl WebLinkAddress(const WebLink& link) {
    if (g_strWebSite.empty()) return {};
    return QUrl(QString::fromStdString(g_strWebSite + link.path));
}

QUrl HelpPageAddress(const char* page) {
    return QUrl::fromLocalFile(QString::fromStdString(InstallationFolder() + "/help/" + page));
}

void BindWebLinkCommands(CMainFrame& frame) {
    for (const WebLink& link : WebLinks()) {
        const QUrl url = WebLinkAddress(link);
        if (url.isEmpty()) continue; // no site in this build: the item stays disabled
        frame.SetCommandHandler(link.command, [&frame, url] { OpenOrSay(frame, url); });
    }
    for (const auto& [command, page] :
         {std::pair{kCmdHelpContents, kHelpContentsPage}, std::pair{kCmdHelpGettingStarted, kHelpGettingStartedPage}})
        frame.SetCommandHandler(command, [&frame, page] {
            const QUrl url = HelpPageAddress(page);
            if (!QFileInfo::exists(url.toLocalFile())) {
                MessageBox(&frame, "The help page " + url.toLocalFile().toStdString() + " is missing.", "Sorry",
                           MessageIcon::kWarning);
                return;
            }
            OpenOrSay(frame, url);
        });
}
