#pragma once
// Context-menu entries of the chart views: a command carries its id in the action's data.
#include <QAction>
#include <QMenu>
#include <string>

inline QAction* AddCommand(QMenu& menu, const std::string& text, int command, bool enabled = true) {
    QAction* action = menu.addAction(QString::fromStdString(text));
    action->setData(command);
    action->setEnabled(enabled);
    return action;
}

inline void Check(QAction* action, bool on) {
    action->setCheckable(true);
    action->setChecked(on);
}
