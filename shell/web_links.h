#pragma once
// The Websites menu and the help pages. The links lead to pages of this project's web site, whose
// address is a build setting (KH_WEB_SITE, https, empty by default: the links then stay disabled);
// the help pages are shipped with the program in the "help" folder beside the data folder.
#include <QUrl>
#include <span>
#include <string>

#include "shell/command_ids.h"

class CMainFrame;

// One command of the Websites menu: its menu text and the page's path under the web site.
struct WebLink {
    CommandId command;
    const char* menuText;
    const char* path;
};
std::span<const WebLink> WebLinks();

// The web site's address ending in "/", from the build; tests set it. Empty: no links.
extern std::string g_strWebSite;
// The link's address under g_strWebSite; empty when the site is not set.
QUrl WebLinkAddress(const WebLink& link);

// A help page shipped with the program: <installation folder>/help/<page>.
QUrl HelpPageAddress(const char* page);
inline constexpr const char* kHelpContentsPage = "index.html";
inline constexpr const char* kHelpGettingStartedPage = "getting-started.html";

// Binds the web links and Help > Contents and Getting started; a page that cannot be opened is told
// with its address.
void BindWebLinkCommands(CMainFrame& frame);
