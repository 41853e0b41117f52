#pragma once
// The context menus of the table panes: a list of items, each a table of the pane (checkable, the shown
// one checked), a command of the pane (a negative number) or a separator.
#include <QMenu>
#include <functional>
#include <span>

inline constexpr int kMenuSeparator = -1;

struct TableMenuItem {
    const char* text; // as in a menu resource: "&" marks the mnemonic, "&&" shows an ampersand
    int item;         // a table 0 or more, a command below kMenuSeparator, or kMenuSeparator
};

// Adds the items to `menu`; choosing one calls `chosen` with its number. The table `checked` is checked.
void FillTableMenu(QMenu& menu, std::span<const TableMenuItem> items, int checked,
                   const std::function<void(int item)>& chosen);
