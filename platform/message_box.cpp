#include "platform/message_box.h"

#include <QMessageBox>

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

std::function<void()>& Before() {
    static std::function<void()> before;
    return before;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::kWarning:
        return QMessageBox::Warning;
    case MessageIcon::kError:
        return QMessageBox::Critical;
    case MessageIcon::kQuestion:
        return QMessageBox::Question;
    case MessageIcon::kInformation:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::kOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::kYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::kYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::kOk:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

MessageResult MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                         MessageIcon icon, MessageButtons buttons) {
    // A copy: what it runs may put another in its place.
    if (const std::function<void()> before = Before()) before();
    const MessageBoxRequest request{text, caption, icon, buttons};
    if (Handler()) return Handler()(request);
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ToQtButtons(buttons), parent);
    // The texts are the program's own and may carry file names or a server's words: never rich text.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MessageResult::kCancel;
    case QMessageBox::Yes:
        return MessageResult::kYes;
    case QMessageBox::No:
        return MessageResult::kNo;
    default:
        return MessageResult::kOk;
    }
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

std::function<void()> SetBeforeMessageBox(std::function<void()> before) {
    std::function<void()> previous = std::move(Before());
    Before() = std::move(before);
    return previous;
}
