#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

ClipboardWriter& Writer() {
    static ClipboardWriter writer;
    return writer;
}

} // namespace

bool PutTextOnClipboard(const std::string& text) {
    if (Writer()) return Writer()(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    const QString wanted = QString::fromStdString(text);
    clipboard->setText(wanted);
    return clipboard->text() == wanted;
}

ClipboardWriter SetClipboardWriter(ClipboardWriter writer) {
    ClipboardWriter previous = std::move(Writer());
    Writer() = std::move(writer);
    return previous;
}
