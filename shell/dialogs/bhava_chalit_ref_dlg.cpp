#include "shell/dialogs/bhava_chalit_ref_dlg.h"

#include <QComboBox>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/zodiac_names.h"

namespace {

constexpr int kBaseVargaCount = 23; // D-1 .. D-144, the columns with a sign per body

std::vector<const char*> ReferenceItems() {
    const char* const* names = ChosenPlanetNames();
    const int count =
        g_bExtendedBodies ? CBhavaChalitRefDlg::kExtendedBodiesListed : CBhavaChalitRefDlg::kBodiesListed;
    return {names, names + count};
}

std::vector<const char*> BaseVargaItems() {
    std::vector<const char*> items;
    for (int column = 0; column < kBaseVargaCount; ++column) items.push_back(g_vargaNames[column].c_str());
    return items;
}

} // namespace

CBhavaChalitRefDlg::CBhavaChalitRefDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Choose the Reference for Bhava/Chalit Chakra",
          {IntOption("Reference", ReferenceItems(), g_nBhavaChartRef),
           IntOption("Base divisional chart", BaseVargaItems(), g_nBhavaChartVarga),
           CheckOption("Reference (lagna) in the middle of the first house", g_bHouseCuspsInMiddle),
           CheckOption("Bhavas from Rahu and Ketu are reckoned anti-zodiacally.",
                       g_bHousesFromNodesReversed)}) {}

QComboBox* CBhavaChalitRefDlg::ReferenceCombo() const {
    return static_cast<QComboBox*>(Control(0));
}
