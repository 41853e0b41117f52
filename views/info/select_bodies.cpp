#include "views/info/select_bodies.h"

#include <array>

#include "core/bodies_to_show.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/display_options.h"

namespace {
// The row of the dialog that shows or hides each body group: the dialog lists the groups in an order
// of its own, so the flags are matched by their check boxes.
constexpr std::array<int, kBodyTypeCount> kDialogRowOfGroup = {0,  1,  8,  9,  2,  3,  4,  5,  6, 7,
                                                               17, 10, 16, 11, 12, 13, 14, 15, 18};
} // namespace

bool RunSelectBodiesDialog(QWidget* parent) {
    CSelectBodiesDlg dialog(parent);
    for (int group = 0; group < kBodyTypeCount; ++group)
        dialog.m_bShow[kDialogRowOfGroup[group]] = g_bodyTypeShown[group];
    if (!dialog.RunAndStore()) return false;
    for (int group = 0; group < kBodyTypeCount; ++group)
        g_bodyTypeShown[group] = dialog.m_bShow[kDialogRowOfGroup[group]];
    return true;
}
