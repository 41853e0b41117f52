#include "shell/dialogs/select_dlgs.h"

#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/vocabulary_names.h"

namespace {

// Twelve special tithis, each with its house: "Janma tithi (1st)".
constexpr int kNatalSpecialTithiCount = 12;

// "Janma tara (birth)": the tara's name in sentence case and its meaning in lower case.
QStringList TaraItems() {
    QStringList items;
    for (int i = 0; i < kTaraCount; ++i) {
        const QString name = g_taraNames[i];
        items << name.left(1) + name.mid(1).toLower() + " tara (" + QString(g_taraMeanings[i]).toLower() +
                     ")";
    }
    return items;
}

QStringList SpecialTithiItems() {
    QStringList items;
    for (int i = 0; i < kNatalSpecialTithiCount; ++i)
        items << QString("%1 (%2)").arg(g_specialTithiNames[i], g_houseOrdinals[i]);
    return items;
}

// The lagnas of the house and planet lists, as those lists write them.
const char* const kLagnaNames[] = {"Lagna",       "Arudha lagna", "Upapada lagna", "Hora lagna",
                                   "Ghati lagna", "Bhava lagna",  "Varnada lagna"};

QStringList LagnaFirstItems() {
    return NameItems(kLagnaNames, 0, std::size(kLagnaNames)) + NameItems(g_planetNames, 1, 9);
}

QStringList PlanetFirstItems() {
    return NameItems(g_planetNames, 1, 9) + NameItems(kLagnaNames, 0, std::size(kLagnaNames));
}

} // namespace

CSelectTaraDlg::CSelectTaraDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a tara under nava-tara scheme",
                  {{"Tara", TaraItems(), &m_nTara}, VargaRow(m_nVarga)}) {}

CSelectNakshatraDlg::CSelectNakshatraDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a special nakshatra",
                  {{"Special nakshatra", NameItems(g_specialTaraNames, 0, kSpecialTaraCount), &m_nNakshatra},
                   VargaRow(m_nVarga)}) {}

CSelectTithiDlg::CSelectTithiDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a special tithi",
                  {{"Special tithi", SpecialTithiItems(), &m_nTithi}, VargaRow(m_nVarga)}) {}

CSelectHouseDlg::CSelectHouseDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a house",
                  {{"House", NameItems(g_houseOrdinals, 0, 12), &m_nHouse},
                   {"From", LagnaFirstItems(), &m_nReference},
                   VargaRow(m_nVarga)}) {}

CSelectPlanetDlg::CSelectPlanetDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a planet",
                  {{"Planet", PlanetFirstItems(), &m_nChoice}, VargaRow(m_nVarga)}) {}

CBasePlanetDlg::CBasePlanetDlg(QWidget* parent)
    : CChooserDlg(parent, "Select a planet as base",
                  {{"Planet", BodyNameItems(0, kBodyCount), &m_nBody}, VargaRow(m_nVarga)}) {}
