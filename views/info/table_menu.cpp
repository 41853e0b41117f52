#include "views/info/table_menu.h"

void FillTableMenu(QMenu& menu, std::span<const TableMenuItem> items, int checked,
                   const std::function<void(int item)>& chosen) {
    for (const TableMenuItem& entry : items) {
        if (entry.item == kMenuSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(entry.text)); // Qt reads "&" as the resource did
        const int item = entry.item;
        if (item >= 0) {
            action->setCheckable(true);
            action->setChecked(item == checked);
        }
        QObject::connect(action, &QAction::triggered, &menu, [chosen, item] { chosen(item); });
    }
}
