#include "shell/dialogs/special_lagna_dlg.h"

#include <iterator>

#include "core/body_names.h"
#include "core/chart_core.h"

namespace {

const char* const kSignsPerUnit[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};

} // namespace

CSpecialLagnaDlg::CSpecialLagnaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Special Lagna Research",
                     {IntOption("Planet", {ChosenPlanetNames() + kSun, ChosenPlanetNames() + kKetu + 1}, m_nPlanet),
                      IntOption("Signs per sign of its motion", {std::begin(kSignsPerUnit), std::end(kSignsPerUnit)},
                                m_nSignsPerUnit),
                      CheckOption("Go in reverse for Rahu and Ketu!", m_bReverseNodes),
                      CheckOption("Remove this special lagna", m_bRemove)}) {}
