#pragma once
// Message boxes with the program's texts and captions. Tests (and anything that must not block) put a
// handler in place that answers instead of the user.
#include <functional>
#include <string>

class QWidget;

enum class MessageIcon { kInformation, kWarning, kError, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageResult { kOk, kCancel, kYes, kNo };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
};

// Shows the box modally over `parent` (null: no owner) and returns the button the user chose. The text
// is shown as plain text, as it is: "<b>" in it is no markup.
MessageResult MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                         MessageIcon icon = MessageIcon::kInformation,
                         MessageButtons buttons = MessageButtons::kOk);

using MessageBoxHandler = std::function<MessageResult(const MessageBoxRequest&)>;
// Answers every later box through `handler` (an empty one restores the real boxes); returns the
// handler it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Runs `before` ahead of every later box, shown or answered by the handler (an empty one runs nothing);
// returns the one it replaces. The splash window takes itself away through it, so that no box stands
// behind it.
std::function<void()> SetBeforeMessageBox(std::function<void()> before);
