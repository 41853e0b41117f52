#pragma once
// Plain text onto the system clipboard, with an answer whether it arrived: the text is read back, since
// a clipboard owned by another program (or none at all) can refuse it without a word.
#include <functional>
#include <string>

class QImage;

// True when the clipboard holds exactly `text` afterwards.
bool PutTextOnClipboard(const std::string& text);

// Tests put a writer in place of the clipboard's (one that refuses, to see the refusal reported);
// returns the writer it replaces. An empty writer restores the system clipboard.
using ClipboardWriter = std::function<bool(const std::string& text)>;
ClipboardWriter SetClipboardWriter(ClipboardWriter writer);

// True when the clipboard holds a picture of `image`'s size afterwards.
bool PutImageOnClipboard(const QImage& image);
// As SetClipboardWriter, for pictures.
using ClipboardImageWriter = std::function<bool(const QImage& image)>;
ClipboardImageWriter SetClipboardImageWriter(ClipboardImageWriter writer);
