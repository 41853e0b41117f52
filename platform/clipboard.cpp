#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace {

ClipboardWriter& Writer() {
    static ClipboardWriter writer;
    return writer;
}

ClipboardImageWriter& ImageWriter() {
    static ClipboardImageWriter writer;
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

bool PutImageOnClipboard(const QImage& image) {
    if (ImageWriter()) return ImageWriter()(image);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull()) return false;
    clipboard->setImage(image);
    const QImage held = clipboard->image();
    return !held.isNull() && held.size() == image.size();
}

ClipboardImageWriter SetClipboardImageWriter(ClipboardImageWriter writer) {
    ClipboardImageWriter previous = std::move(ImageWriter());
    ImageWriter() = std::move(writer);
    return previous;
}
