#pragma once
// The one road from the program to the desktop's browser and editor: web links, the help pages, the
// chart notes and the preference file all open through it, and tests put a recorder in its place so
// that no test starts a browser or an editor.
#include <QUrl>
#include <functional>

// Hands the address to the desktop (QDesktopServices::openUrl); false when nothing could open it.
using DesktopOpener = std::function<bool(const QUrl&)>;
extern DesktopOpener g_desktopOpener;

// Opens the address through g_desktopOpener.
bool OpenOnDesktop(const QUrl& url);
