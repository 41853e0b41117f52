#pragma once
// Helpers of the dialog tests: message boxes answered and recorded, a modal dialog driven from a
// timer, and pictures written for a look.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/message_box.h"

// Answers every message box with OK while alive, and keeps their texts.
class RecordedMessages {
public:
    RecordedMessages() {
        m_previous = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            texts.push_back(request.text);
            return MessageResult::kOk;
        });
    }
    ~RecordedMessages() { SetMessageBoxHandler(m_previous); }
    std::vector<std::string> texts;

private:
    MessageBoxHandler m_previous;
};

// Runs `drive` on the dialog of type T as soon as it is shown modally (the caller then starts it).
// A dialog that `drive` leaves open is cancelled, and the test fails, so that no test waits forever.
template <class T> void WhenModal(std::function<void(T&)> drive) {
    QTimer::singleShot(10, [drive] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = dynamic_cast<T*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            drive(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->reject();
            }
            return;
        }
        WhenModal<T>(drive);
    });
}

// The widget as a PNG in the build folder, named `name`.png.
inline void SavePicture(QWidget& widget, const char* name) {
    widget.adjustSize();
    widget.grab().save(QString(KH_TEST_OUTPUT_DIR) + "/" + name + ".png");
}
