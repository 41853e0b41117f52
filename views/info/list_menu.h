#pragma once
// The context menus of the list panes: a table of items, each a command number or a separator. The pane
// says which commands carry a check mark and runs the one chosen.
#include <QMenu>
#include <functional>
#include <optional>
#include <span>

struct ListMenuItem {
    const char* text; // as the menu shows it; "&" marks the mnemonic letter, "&&" shows an ampersand
    int command;      // the pane's command number, or kListMenuSeparator
};
inline constexpr int kListMenuSeparator = -1;

// Whether command's item carries a check mark; nothing for an item that is no check item.
using ListMenuCheck = std::function<std::optional<bool>(int command)>;

// Appends the items to `menu`; choosing one calls `run` with its command.
void AddListMenuItems(QMenu& menu, std::span<const ListMenuItem> items, const ListMenuCheck& checked,
                      const std::function<void(int command)>& run);

// A menu whose items numbered 0 or more each show one of the pane's tables, `shownTable` checked;
// negative numbers are the pane's commands.
void AddTableMenuItems(QMenu& menu, std::span<const ListMenuItem> items, int shownTable,
                       const std::function<void(int command)>& run);
