#include "shell/dialogs/dasa_option_dlgs.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <iterator>
#include <string>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "document/dasa_codes.h"
#include "document/dasa_kalachakra.h"
#include "document/document_options.h"

namespace {

// D-1 to D-144 by their names.
std::vector<const char*> VargaItems() {
    std::vector<const char*> items;
    for (int v = 0; v <= kD144Column; ++v) items.push_back(g_vargaNames[v].c_str());
    return items;
}

// The starting points of Kalachakra dasa by the body each one names: the Moon's star first, the
// chart's own points last.
std::vector<const char*> KalachakraSeedItems() {
    std::vector<const char*> items{"Janma tara (Moon)"};
    for (int choice = 1; choice < kKalachakraSeedChoices; ++choice)
        items.push_back(FullBodyName(KalachakraSeedBody(choice)));
    return items;
}

const char* const kKalachakraMethods[] = {
    "Full-cycle fraction; antardasas from the cycle's nine signs",
    "First-dasa fraction; antardasas from the cycle's nine signs",
    "Full-cycle fraction; antardasas may jump like mahadasas",
    "First-dasa fraction; antardasas may jump like mahadasas",
    "First-dasa fraction; antardasas by iteration",
    "Progression of the Moon's navamsa; antardasas by iteration",
    "Full-cycle fraction; back to the cycle's start at its end",
};
const char* const kKalachakraExplanations[] = {
    "The balance is the fraction of the whole cycle still to run. Mahadasas continue into the next cycle; "
    "antardasas are taken strictly from the nine signs of the cycle.",
    "The balance is the fraction of the first dasa still to run. The nine signs of the cycle are the "
    "antardasa signs.",
    "The balance is the fraction of the whole cycle still to run. Antardasas may jump into the next cycle "
    "as mahadasas do.",
    "The balance is the fraction of the first dasa still to run. Antardasas may jump into the next cycle.",
    "The balance is the fraction of the first dasa still to run. Each mahadasa is treated as a navamsa with "
    "its own cycle, and its antardasas found the same way.",
    "The nine Kalachakra navamsas from the seed's navamsa are the mahadasas, as the Moon's navamsa "
    "progresses; antardasas by iteration.",
    "The balance is the fraction of the whole cycle still to run. At the end of a cycle the dasas return "
    "to its beginning.",
};

} // namespace

CKalachakraDasaDlg::CKalachakraDasaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Kalachakra dasa options",
          {IntOption("Starting point", KalachakraSeedItems(), g_nNakshatraDasaStartPoint[kKalachakraCode]),
           IntOption("Divisional chart", VargaItems(), g_nNakshatraDasaVarga),
           IntOption("Calculation method", {std::begin(kKalachakraMethods), std::end(kKalachakraMethods)},
                     g_nKalachakraDasaCalculation),
           FlagOption("Rohini", {"Rohini 4th pada is Cancer navamsa", "Rohini 4th pada is Leo navamsa"},
                      g_bKCDRohini4NavamsaInLeo)}),
      m_explanation(new QLabel(this)) {
    m_explanation->setWordWrap(true);
    m_explanation->setMinimumHeight(m_explanation->fontMetrics().lineSpacing() * 3);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, m_explanation);
}

void CKalachakraDasaDlg::OnRowChanged() {
    constexpr int kMethodRow = 2;
    const int method = static_cast<QComboBox*>(Control(kMethodRow))->currentIndex();
    m_explanation->setText(method >= 0 && method < static_cast<int>(std::size(kKalachakraExplanations))
                               ? kKalachakraExplanations[method]
                               : "Invalid selection");
}

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

namespace {
std::vector<OptionRow> SudarsanaRows(int& varga) {
    return {
        IntOption("Divisional chart", VargaItems(), varga),
        IntOption("Antardasas", {"From dasa sign", "From the lord of dasa sign"}, g_nSudarsanaChakraDasaAD)};
}
} // namespace

CSudarsanaDasaDlg::CSudarsanaDasaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Sudarsana Chakra Dasa Options", SudarsanaRows(g_nSCDasaVarga)) {}

CSudarsanaDasaDlg::CSudarsanaDasaDlg(QWidget* parent, int& varga)
    : COptionFormDlg(parent, "Sudarsana Chakra Dasa Options", SudarsanaRows(varga)) {
    Control(1)->setEnabled(false);
}

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
