#include "shell/desktop_opener.h"

#include <QDesktopServices>

DesktopOpener g_desktopOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

bool OpenOnDesktop(const QUrl& url) {
    return g_desktopOpener && g_desktopOpener(url);
}
