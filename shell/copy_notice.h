#pragma once
// The notice after an Edit menu command has put something on the clipboard: what was copied and in
// which form, so that the user knows where it can be pasted.
#include <string>

class QWidget;

enum class CopiedForm { kText, kPicture };

// "Copied <what> into the clipboard as text. ..." (or "as a picture"), captioned "Successfully Copied!",
// over `owner`.
void TellCopied(QWidget* owner, const std::string& what, CopiedForm form);
