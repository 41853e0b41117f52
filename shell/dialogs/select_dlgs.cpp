#include "shell/dialogs/select_dlgs.h"

#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/vocabulary_names.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>

namespace {

// Twelve special tithis, each with its house: "Janma tithi (1st)".
constexpr int kNatalSpecialTithiCount = 12;

// "Janma tara (birth)": the tara's name in sentence case and its meaning in lower case.
ItemList TaraItems() {
    static const std::vector<std::string> texts = [] {
        const auto lower = [](std::string text) {
            for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return text;
        };
        std::vector<std::string> made;
        for (int i = 0; i < kTaraCount; ++i) {
            const std::string name = g_taraNames[i];
            made.push_back(name.substr(0, 1) + lower(name.substr(1)) + " tara (" + lower(g_taraMeanings[i]) +
                           ")");
        }
        return made;
    }();
    return TextItems(texts);
}

ItemList SpecialTithiItems() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> made;
        for (int i = 0; i < kNatalSpecialTithiCount; ++i)
            made.push_back(std::string(g_specialTithiNames[i]) + " (" + g_houseOrdinals[i] + ")");
        return made;
    }();
    return TextItems(texts);
}

// The lagnas of the house and planet lists, as those lists write them.
const char* const kLagnaNames[] = {"Lagna",       "Arudha lagna", "Upapada lagna", "Hora lagna",
                                   "Ghati lagna", "Bhava lagna",  "Varnada lagna"};
constexpr int kLagnaCount = static_cast<int>(std::size(kLagnaNames));

ItemList Joined(ItemList first, const ItemList& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

ItemList LagnaFirstItems() {
    return Joined(NameItems(kLagnaNames, 0, kLagnaCount), NameItems(g_planetNames, 1, 9));
}

ItemList PlanetFirstItems() {
    return Joined(NameItems(g_planetNames, 1, 9), NameItems(kLagnaNames, 0, kLagnaCount));
}

} // namespace

CSelectTaraDlg::CSelectTaraDlg(QWidget* parent)
    : CVargaChooserDlg(parent, "Select a tara under nava-tara scheme",
                       {IntOption("Tara", TaraItems(), m_nTara)}) {}

CSelectNakshatraDlg::CSelectNakshatraDlg(QWidget* parent)
    : CVargaChooserDlg(parent, "Select a special nakshatra",
                       {IntOption("Special nakshatra", NameItems(g_specialTaraNames, 0, kSpecialTaraCount),
                                  m_nNakshatra)}) {}

CSelectTithiDlg::CSelectTithiDlg(QWidget* parent)
    : CVargaChooserDlg(parent, "Select a special tithi",
                       {IntOption("Special tithi", SpecialTithiItems(), m_nTithi)}) {}

CSelectHouseDlg::CSelectHouseDlg(QWidget* parent)
    : CVargaChooserDlg(parent, "Select a house",
                       {IntOption("House", NameItems(g_houseOrdinals, 0, 12), m_nHouse),
                        IntOption("From", LagnaFirstItems(), m_nReference)}) {}

CSelectPlanetDlg::CSelectPlanetDlg(QWidget* parent)
    : CVargaChooserDlg(parent, "Select a planet", {IntOption("Planet", PlanetFirstItems(), m_nChoice)}) {}

namespace {
ItemList BodyItems(const std::vector<int>& bodies) {
    ItemList items;
    for (int body : bodies) items.push_back(ChosenPlanetNames()[body]);
    return items;
}
} // namespace

CBasePlanetDlg::CBasePlanetDlg(QWidget* parent, std::vector<int> bodies)
    : CVargaChooserDlg(parent, "Select a planet as base", {IntOption("Planet", BodyItems(bodies), m_nBody)}),
      m_bodies(std::move(bodies)) {}

std::vector<int> CBasePlanetDlg::DefaultBodies() {
    std::vector<int> bodies(kBodyCount);
    std::iota(bodies.begin(), bodies.end(), 0);
    return bodies;
}

int CBasePlanetDlg::ChosenBody() const {
    return m_nBody >= 0 && m_nBody < static_cast<int>(m_bodies.size()) ? m_bodies[m_nBody] : -1;
}

void CBasePlanetDlg::PresetBody(int body) {
    const auto found = std::find(m_bodies.begin(), m_bodies.end(), body);
    m_nBody = found == m_bodies.end() ? -1 : static_cast<int>(found - m_bodies.begin());
}
