#include "shell/dialogs/dasa_option_dlgs.h"

#include <QComboBox>
#include <string>

#include "core/calc_options.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "document/dasa_options.h"

namespace {

// D-1 to D-144 by their names.
std::vector<const char*> VargaItems() {
    std::vector<const char*> items;
    for (int v = 0; v <= kD144Column; ++v) items.push_back(g_vargaNames[v].c_str());
    return items;
}

} // namespace

CMoolaDasaDlg::CMoolaDasaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Moola dasa options",
          {IntCheckOption("Use lagna as a candidate for starting Moola dasa", g_nLagnaUsedInMoolaDasa),
           IntCheckOption("Use Moon as a candidate for starting Moola dasa", g_nMoonUsedInMoolaDasa),
           IntCheckOption("Use Sun as a candidate for starting Moola dasa", g_nSunUsedInMoolaDasa),
           IntOption("Moolatrikona correction", {"Twelve years", "Zero years"},
                     g_nMoolaDasaNoCorrectionInMoolaTrikona)}) {}

CNaisargikaDasaDlg::CNaisargikaDasaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Naisargika dasa options",
                     {CheckOption("Mahadasa lord has no antardasa", g_bNaisargikaDasaNoADForMDLord),
                      CheckOption("Planets in 3rd and 10th from dasa lord have no antardasas",
                                  g_bNaisargikaDasa3rd10thNoAD),
                      CheckOption("Planets in 2nd, 6th, 11th and 12th from dasa lord have no antardasas",
                                  g_bNaisargikaDasaOthersNoAD)}) {}

CSudarsanaDasaDlg::CSudarsanaDasaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Sudarsana Chakra Dasa Options",
                     {IntOption("Divisional chart", VargaItems(), g_nSCDasaVarga),
                      IntOption("Antardasas", {"From dasa sign", "From the lord of dasa sign"},
                                g_nSudarsanaChakraDasaAD)}) {}

CShoolaDasaDlg::CShoolaDasaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Shoola dasa options",
          {IntOption("Start from the house",
                     {"1st (self)", "2nd (wealth, family)", "3rd (siblings, courage)", "4th (mother, home)",
                      "5th (children, intelligence)", "6th (enemies, disease)", "7th (spouse, partners)",
                      "8th (longevity)", "9th (father, fortune)", "10th (career)", "11th (gains)",
                      "12th (losses, liberation)"},
                     g_nShoolaDasaStartHouse),
           IntOption("Antardasas",
                     {"From dasa sign itself", "From the stronger of dasa sign and 7th from it",
                      "From the lord of the stronger of dasa sign and 7th from it"},
                     g_nShoolaDasaAntardasaStart)}) {}

namespace {

constexpr int kTaraDefinitionRow = 0, kTaraSeshamRow = 1, kTaraDirectionRow = 2;

// The three sesham choices over the two sesham flags: none, from the Moon, reversed for apasavya.
OptionRow TaraSeshamRow() {
    return {"Dasa sesham",
            {"No dasa sesham", "Dasa sesham from Moon like in Vimsottari dasa",
             "Dasa sesham from Moon, but in reverse for apasavya nakshatras"},
            [] { return !g_bTaraDasaUseSesham          ? 0
                        : g_bTaraDasaSeshamRevApasavya ? 2
                                                       : 1; },
            [](int v) {
                g_bTaraDasaUseSesham = v != 0;
                g_bTaraDasaSeshamRevApasavya = v == 2;
            }};
}

} // namespace

CTaraDasaDlg::CTaraDasaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Tara dasa options",
          {FlagOption("Definition", {"Definition taught by a teacher", "Parasara's definition"},
                      g_bTaraDasaParasara),
           TaraSeshamRow(),
           CheckOption("Use nakshatra (savya/apasavya) to reckon direction, instead of sign (odd/even).",
                       g_bTaraDasaDirectionFromStar)}) {}

void CTaraDasaDlg::OnRowChanged() {
    const bool firstDefinition = static_cast<QComboBox*>(Control(kTaraDefinitionRow))->currentIndex() == 0;
    Control(kTaraSeshamRow)->setEnabled(firstDefinition);
    Control(kTaraDirectionRow)->setEnabled(firstDefinition);
}
