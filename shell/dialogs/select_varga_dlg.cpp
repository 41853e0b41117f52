#include "shell/dialogs/select_varga_dlg.h"

#include "core/zodiac_names.h"

namespace {
// The full names of the vargas that VargaItems lists by their titles.
ItemList VargaNameItems() {
    ItemList items;
    for (int code = 0; code < kUserVargaColumn; ++code) items.push_back(g_vargaNames[code].c_str());
    return items;
}
} // namespace

CChooseVargaDlg::CChooseVargaDlg(QWidget* parent)
    : CChooserDlg(parent, "Choose a divisional chart",
                  {IntOption("Divisional chart", VargaNameItems(), m_nVarga)}) {}
