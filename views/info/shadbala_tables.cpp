#include "views/info/shadbala_tables.h"

#include <span>
#include <vector>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "views/info/cell_format.h"
#include "views/info/custom_list_view.h"

namespace {

using Item = CShadbala::Item;

// A planet column: its header, the item it shows (divided by 60 when `rupas`), its base width.
struct PlanetColumn {
    const char* header;
    Item item;
    int width;
    bool rupas = false;
};

constexpr PlanetColumn kSummary[] = {
    {"Shadbala", CShadbala::kShadbala, 80},           {"In rupas", CShadbala::kShadbalaRupas, 80},
    {"% Strength", CShadbala::kPercentStrength, 100}, {"IshtaPhala", CShadbala::kIshtaPhala, 80},
    {"KashtaPhala", CShadbala::kKashtaPhala, 80},
};
constexpr PlanetColumn kBreakUp[] = {
    {"Shadbala Rupas", CShadbala::kShadbalaRupas, 150},
    {"Sthana Bala", CShadbala::kSthanaBala, 100},
    {"Kala Bala", CShadbala::kKaalaBala, 100},
    {"DigBala", CShadbala::kDigBala, 100},
    {"Cheshta Bala", CShadbala::kCheshtaBala, 100},
    {"DrigBala", CShadbala::kDrigBala, 100},
    {"Naisargika Bala", CShadbala::kNaisargikaBala, 100},
};
constexpr PlanetColumn kSthana[] = {
    {"Sthana Bala", CShadbala::kSthanaBala, 120}, {"In rupas", CShadbala::kSthanaBala, 120, true},
    {"Uchcha", CShadbala::kUchcha, 80},           {"Saptavargaja", CShadbala::kSaptavargaja, 80},
    {"Oja Yugma", CShadbala::kOjaYugma, 80},      {"Kendra", CShadbala::kKendra, 80},
    {"Drekkana", CShadbala::kDrekkana, 80},
};
constexpr PlanetColumn kKaala[] = {
    {"Kaala Bala", CShadbala::kKaalaBala, 120},
    {"In rupas", CShadbala::kKaalaBala, 80, true},
    {"Natonnata", CShadbala::kNatonnata, 80},
    {"Paksha", CShadbala::kPaksha, 80},
    {"Tribhaga", CShadbala::kTribhaga, 80},
    {"Abda", CShadbala::kAbda, 80},
    {"Maasa", CShadbala::kMaasa, 80},
    {"Vaara", CShadbala::kVaara, 80},
    {"Hora", CShadbala::kHora, 80},
    {"Ayana", CShadbala::kAyana, 80},
    {"Yuddha", CShadbala::kYuddha, 80},
};
constexpr PlanetColumn kDig[] = {{"DigBala", CShadbala::kDigBala, 120},
                                 {"In rupas", CShadbala::kDigBala, 80, true}};
constexpr PlanetColumn kCheshta[] = {{"Cheshta Bala", CShadbala::kCheshtaBala, 120},
                                     {"In rupas", CShadbala::kCheshtaBala, 80, true}};
constexpr PlanetColumn kDrig[] = {{"DrigBala", CShadbala::kDrigBala, 120},
                                  {"In rupas", CShadbala::kDrigBala, 80, true}};
constexpr PlanetColumn kNaisargika[] = {{"Naisargika Bala", CShadbala::kNaisargikaBala, 120},
                                        {"In rupas", CShadbala::kNaisargikaBala, 80, true}};
constexpr PlanetColumn kIshtaKashta[] = {{"Ishta Phala", CShadbala::kIshtaPhala, 120},
                                         {"Kashta Phala", CShadbala::kKashtaPhala, 120},
                                         {"Shadbala", CShadbala::kShadbalaRupas, 120}};
constexpr PlanetColumn kRashmis[] = {
    {"Uchcha Rashmi", CShadbala::kUchchaRashmi, 120},
    {"Cheshta Rashmi", CShadbala::kCheshtaRashmi, 120},
    {"Subha Rashmi", CShadbala::kSubhaRashmi, 120},
    {"Asubha Rashmi", CShadbala::kAsubhaRashmi, 120},
    {"Ishta (Parasara)", CShadbala::kIshtaParasara, 120},
    {"Kashta (Parasara)", CShadbala::kKashtaParasara, 120},
};

std::span<const PlanetColumn> PlanetColumns(int table) {
    switch (table) {
    case kShadbalaBreakUp:
        return kBreakUp;
    case kSthanaBalaTable:
        return kSthana;
    case kKaalaBalaTable:
        return kKaala;
    case kDigBalaTable:
        return kDig;
    case kCheshtaBalaTable:
        return kCheshta;
    case kDrigBalaTable:
        return kDrig;
    case kNaisargikaBalaTable:
        return kNaisargika;
    case kIshtaKashtaTable:
        return kIshtaKashta;
    case kRashmiTable:
        return kRashmis;
    default:
        return kSummary;
    }
}

std::string Value(double value) {
    return FormatCell("%.2f", value);
}

void FillPlanetTable(CCustomListView& list, std::span<const PlanetColumn> columns,
                     const CShadbala& shadbala) {
    list.InsertColumn("Planet", 80);
    for (const PlanetColumn& column : columns) list.InsertColumn(column.header, column.width);
    const char* const* names = ChosenPlanetNames();
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        std::vector<std::string> cells{names[i + 1]};
        for (const PlanetColumn& column : columns) {
            const double value = shadbala.m_planet[i].m_value[column.item];
            cells.push_back(Value(column.rupas ? value / 60.0 : value));
        }
        list.AddRow(std::move(cells));
    }
}

void FillBhavaTable(CCustomListView& list, const CShadbala& shadbala) {
    list.InsertColumn("House", 80);
    list.InsertColumn("Bhava Bala", 100);
    list.InsertColumn("In rupas", 100);
    list.InsertColumn("Lord's bala", 140);
    list.InsertColumn("DigBala", 80);
    list.InsertColumn("DrigBala", 80);
    for (int h = 0; h < 12; ++h) {
        const CShadbala::HouseRow& house = shadbala.m_house[h];
        list.AddRow({g_houseOrdinals[h], Value(house.m_dBhavaBala), Value(house.m_dBhavaBalaRupas),
                     Value(house.m_dLordBala), Value(house.m_dDigBala), Value(house.m_dDrishtiBala)});
    }
}

} // namespace

int ValidShadbalaTable(int table) {
    return table >= 0 && table < kShadbalaTableCount ? table : kShadbalaSummary;
}

void FillShadbalaTable(CCustomListView& list, int table, const CChart& chart) {
    list.DeleteAllColumnsAndRows();
    table = ValidShadbalaTable(table);
    if (table == kBhavaBalaTable)
        FillBhavaTable(list, chart.m_shadbala);
    else
        FillPlanetTable(list, PlanetColumns(table), chart.m_shadbala);
}
