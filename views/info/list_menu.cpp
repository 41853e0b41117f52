#include "views/info/list_menu.h"

void AddListMenuItems(QMenu& menu, std::span<const ListMenuItem> items, const ListMenuCheck& checked,
                      const std::function<void(int command)>& run) {
    for (const ListMenuItem& item : items) {
        if (item.command == kListMenuSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        if (const std::optional<bool> on = checked(item.command)) {
            action->setCheckable(true);
            action->setChecked(*on);
        }
        const int command = item.command;
        QObject::connect(action, &QAction::triggered, &menu, [run, command] { run(command); });
    }
}

void AddTableMenuItems(QMenu& menu, std::span<const ListMenuItem> items, int shownTable,
                       const std::function<void(int command)>& run) {
    AddListMenuItems(
        menu, items,
        [shownTable](int command) -> std::optional<bool> {
            if (command < 0) return std::nullopt;
            return command == shownTable;
        },
        run);
}
