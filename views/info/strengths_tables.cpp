#include "views/info/strengths_tables.h"

#include <algorithm>
#include <array>
#include <span>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "views/info/cell_format.h"
#include "views/info/custom_list_view.h"

namespace {

constexpr int kLastPlanet = 9;       // Ketu: the avastha and varga tables list the Sun to Ketu
constexpr int kLastTajakaPlanet = 7; // Saturn: the Tajaka tables list the Sun to Saturn

// The varga groups in the order of the columns: 10, 16, 7 and 6 vargas, by their index in CAvasthas.
struct GroupColumn {
    const char* header;
    int group;
    std::span<const char* const> names; // vaiseshikamsa names by count
};
const std::array<GroupColumn, 4> kGroupColumns = {{
    {"Dasa Varga (10)", 2, g_vaiseshikamsaNames10},
    {"Shodasa Varga (16)", 3, g_vaiseshikamsaNames16},
    {"Sapta Varga (7)", 1, g_vaiseshikamsaNames7},
    {"Shad Varga (6)", 0, g_vaiseshikamsaNames6},
}};

constexpr const char* kHarshaWords[] = {"Nil", "Little", "Average", "Full", "Excess"};
constexpr const char* kPanchaVargeeyaClasses[] = {"Weak", "Ordinary", "Powerful", "Very Strong",
                                                  "Extraordinary"};

const char* PlanetName(int planet) {
    return ChosenPlanetNames()[planet];
}

// Entry `index` of a name table, the nearest entry when it lies outside.
const char* NameAt(std::span<const char* const> names, int index) {
    return names[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(names.size()) - 1))];
}

void FillVaiseshikamsas(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Vaiseshikamsas", 120);
    for (const GroupColumn& column : kGroupColumns) list.InsertColumn(column.header, 150);
    for (int p = 1; p <= kLastPlanet; ++p) {
        std::vector<std::string> cells{PlanetName(p)};
        for (const GroupColumn& column : kGroupColumns)
            cells.push_back(NameAt(column.names, chart.m_avasthas.m_vaiseshikamsa.m_nCount[column.group][p]));
        list.AddRow(std::move(cells));
    }
}

void FillVimsopaka(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Vimsopaka", 90);
    for (const GroupColumn& column : kGroupColumns) list.InsertColumn(column.header, 140);
    for (int p = 1; p <= kLastPlanet; ++p) {
        std::vector<std::string> cells{PlanetName(p)};
        for (const GroupColumn& column : kGroupColumns) {
            const double bala = chart.m_avasthas.m_vimsopaka.m_dBala[column.group][p];
            cells.push_back(FormatCell("%.2f  (%.2f%%)", bala, bala * 5.0));
        }
        list.AddRow(std::move(cells));
    }
}

void FillBasicAvasthas(CCustomListView& list, const CChart& chart) {
    const CBaladiAvastha& avasthas = chart.m_avasthas.m_baladi;
    const std::string varga = g_strVargaLabels[std::clamp(avasthas.m_nVarga, 0, kVargaColumnCount - 1)];
    list.InsertColumn("Planet", 70);
    list.InsertColumn("Age", 130);
    list.InsertColumn(FormatCell("Alertness (%s)", varga.c_str()), 130);
    list.InsertColumn(FormatCell("Mood (%s)", varga.c_str()), 300);
    for (int p = 1; p <= kLastPlanet; ++p)
        list.AddRow({PlanetName(p), NameAt(g_ageAvasthaNames, avasthas.m_nBaladi[p]),
                     NameAt(g_alertnessAvasthaNames, avasthas.m_nJagradadi[p]), MoodList(chart, p)});
}

void FillSayanadiAvasthas(CCustomListView& list, const CChart& chart) {
    const CBaladiAvastha& avasthas = chart.m_avasthas.m_baladi;
    list.InsertColumn("Planet", 70);
    list.InsertColumn("Activity", 150);
    for (int j = 1; j <= 5; ++j) list.InsertColumn(FormatCell("Intensity %d", j), 100);
    for (int p = 1; p <= kLastPlanet; ++p) {
        std::vector<std::string> cells{PlanetName(p),
                                       NameAt(g_activityAvasthaNames, avasthas.m_nSayanadi[p])};
        for (const PlanetInts& intensity : avasthas.m_nCheshta)
            cells.push_back(NameAt(g_activityIntensityNames, intensity[p]));
        list.AddRow(std::move(cells));
    }
}

void FillHarshaBala(CCustomListView& list, const CChart& chart) {
    list.InsertCentredColumn("Planet", 80);
    list.InsertCentredColumn("Harsha Bala", 100);
    list.InsertCentredColumn("Strength", 120);
    for (int p = 1; p <= kLastTajakaPlanet; ++p) {
        const int bala = chart.m_avasthas.m_harsha.m_nBala[p - 1];
        list.AddRow({PlanetName(p), FormatCell("%d", bala), HarshaStrengthWord(bala)});
    }
}

void FillPanchaVargeeya(CCustomListView& list, const CChart& chart) {
    list.InsertCentredColumn("Planet", 80);
    list.InsertCentredColumn("Pancha-vargeeya", 160);
    list.InsertCentredColumn("Classification", 120);
    for (int p = 1; p <= kLastTajakaPlanet; ++p) {
        const CShadbala::PlanetRow& row = chart.m_shadbala.m_planet[p - 1];
        list.AddRow({PlanetName(p), FormatCell("%.2f", row.m_value[CShadbala::kPanchaVargeeyaBala]),
                     NameAt(kPanchaVargeeyaClasses, row.m_nPanchaVargeeyaGrade)});
    }
}

void FillDwadasaVargeeya(CCustomListView& list, const CChart& chart) {
    list.InsertCentredColumn("Planet", 80);
    list.InsertCentredColumn("Dwadasa-vargeeya", 160);
    for (int p = 1; p <= kLastTajakaPlanet; ++p)
        list.AddRow({PlanetName(p),
                     FormatCell("%d (out of 12)", chart.m_shadbala.m_planet[p - 1].m_nDwadasaVargeeyaBala)});
}

} // namespace

int ValidStrengthsTable(int table) {
    return table >= 0 && table < kStrengthsTableCount ? table : kVaiseshikamsaTable;
}

const char* HarshaStrengthWord(int bala) {
    return NameAt(kHarshaWords, bala / 5);
}

std::string MoodList(const CChart& chart, int planet) {
    std::string moods;
    const auto& flags = chart.m_avasthas.m_baladi.m_deeptadi[static_cast<size_t>(planet)];
    for (int mood = 0; mood < kDeeptadiFlags; ++mood) {
        if (!flags[mood]) continue;
        if (!moods.empty()) moods += ", ";
        moods += g_moodAvasthaNames[mood];
    }
    return moods;
}

void FillStrengthsTable(CCustomListView& list, int table, const CChart& chart) {
    list.DeleteAllColumnsAndRows();
    switch (ValidStrengthsTable(table)) {
    case kBasicAvasthaTable:
        FillBasicAvasthas(list, chart);
        break;
    case kSayanadiAvasthaTable:
        FillSayanadiAvasthas(list, chart);
        break;
    case kHarshaBalaTable:
        FillHarshaBala(list, chart);
        break;
    case kPanchaVargeeyaTable:
        FillPanchaVargeeya(list, chart);
        break;
    case kDwadasaVargeeyaTable:
        FillDwadasaVargeeya(list, chart);
        break;
    case kVimsopakaTable:
        FillVimsopaka(list, chart);
        break;
    default:
        FillVaiseshikamsas(list, chart);
        break;
    }
}
