#include "views/info/strength_graph_data.h"

#include <functional>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"

namespace {

constexpr GraphPageShape kShapes[kGraphPageCount] = {
    {8, 3, 3}, {2, 1, 2}, {9, 3, 3}, {4, 2, 2}, {4, 2, 2}, {4, 2, 2},
};

// Avastha groups by their index in CAvasthas, in the order the graphs show them: 10, 16, 6, 7 vargas.
constexpr int kGroupOf6 = 0;
constexpr int kGroupOf7 = 1;
constexpr int kGroupOf10 = 2;
constexpr int kGroupOf16 = 3;
constexpr int kLastPlanet = 9;         // Ketu
constexpr int kLastShadbalaPlanet = 7; // Saturn

CStrengthGraphRecord Graph(std::string title, double top, bool whole, bool isSigned = false) {
    CStrengthGraphRecord record;
    record.title = std::move(title);
    record.topOfScale = top;
    record.wholeNumbers = whole;
    record.isSigned = isSigned;
    return record;
}

// Bars for bodies `first`..`last` labelled with their abbreviations, valued by `value`.
CStrengthGraphRecord BodyBars(CStrengthGraphRecord record, int first, int last,
                              const std::function<double(int body)>& value) {
    const char* const* abbrevs = ChosenPlanetAbbrevs();
    for (int body = first; body <= last; ++body) {
        record.labels[record.count] = abbrevs[body];
        record.values[record.count] = value(body);
        ++record.count;
    }
    return record;
}

CStrengthGraphRecord ShadbalaBars(std::string title, double top, const CChart& chart, CShadbala::Item item,
                                  bool isSigned = false) {
    return BodyBars(Graph(std::move(title), top, false, isSigned), 1, kLastShadbalaPlanet,
                    [&](int p) { return chart.m_shadbala.m_planet[p - 1].m_value[item]; });
}

CStrengthGraphRecord VimsopakaBars(std::string title, const CChart& chart, int group) {
    return BodyBars(Graph(std::move(title), 20, false), 1, kLastPlanet,
                    [&](int p) { return chart.m_avasthas.m_vimsopaka.m_dBala[group][p]; });
}

CStrengthGraphRecord VaiseshikamsaBars(std::string title, double top, const CChart& chart, int group) {
    return BodyBars(Graph(std::move(title), top, true), 1, kLastPlanet,
                    [&](int p) { return chart.m_avasthas.m_vaiseshikamsa.m_nCount[group][p]; });
}

std::string WithVarga(const char* title, int varga) {
    return std::string(title) + " (" + g_strVargaLabels[varga] + ")";
}

std::vector<CStrengthGraphRecord> GrahaBalas(const CChart& chart, int varga) {
    const CShadbala& shadbala = chart.m_shadbala;
    return {
        VimsopakaBars("Vimsopaka Bala (Dasa)", chart, kGroupOf10),
        ShadbalaBars("Shadbala (% strength)", 200, chart, CShadbala::kPercentStrength),
        ShadbalaBars("Ishta Phala", 60, chart, CShadbala::kIshtaPhala),
        ShadbalaBars("Pancha Vargeeya Bala", 20, chart, CShadbala::kPanchaVargeeyaBala),
        BodyBars(Graph("Dwadasa Vargeeya Bala", 12, true), 1, kLastShadbalaPlanet,
                 [&](int p) { return shadbala.m_planet[p - 1].m_nDwadasaVargeeyaBala; }),
        BodyBars(Graph("Harsha Bala", 25, true), 1, kLastShadbalaPlanet,
                 [&](int p) { return chart.m_avasthas.m_harsha.m_nBala[p - 1]; }),
        VaiseshikamsaBars("Vaiseshikamsa (Dasa)", 10, chart, kGroupOf10),
        // Each body's bindus in its own bhinna ashtakavarga, in the sign it occupies.
        BodyBars(
            Graph(WithVarga("Ashtakavarga Bala", varga), 8, true), kLagna, kLastShadbalaPlanet,
            [&](int b) { return chart.m_ashtakavarga.m_bhinna[varga][b][chart.m_vargaSign.Sign(b, varga)]; }),
    };
}

std::vector<CStrengthGraphRecord> BhavaBalas(const CChart& chart, int varga) {
    CStrengthGraphRecord shadbala = Graph("Bhava Bala - Shadbala", 12, false);
    CStrengthGraphRecord sarva = Graph(WithVarga("Bhava Bala - SAV", varga), 50, true);
    const int lagnaSign = chart.m_vargaSign.Sign(kLagna, varga);
    for (int h = 0; h < 12; ++h) {
        shadbala.labels[h] = sarva.labels[h] = g_houseOrdinals[h];
        shadbala.values[h] = chart.m_shadbala.m_house[h].m_dBhavaBalaRupas;
        sarva.values[h] = chart.m_ashtakavarga.m_sarva[varga][(lagnaSign + h) % 12];
    }
    shadbala.count = sarva.count = 12;
    return {shadbala, sarva};
}

std::vector<CStrengthGraphRecord> ShadbalaBreakUp(const CChart& chart) {
    return {
        ShadbalaBars("Sthaana Bala", 300, chart, CShadbala::kSthanaBala),
        ShadbalaBars("Kaala Bala", 300, chart, CShadbala::kKaalaBala),
        ShadbalaBars("DigBala", 80, chart, CShadbala::kDigBala),
        ShadbalaBars("Cheshta Bala", 80, chart, CShadbala::kCheshtaBala),
        ShadbalaBars("DrigBala", 60, chart, CShadbala::kDrigBala, true),
        ShadbalaBars("Naisargika Bala", 60, chart, CShadbala::kNaisargikaBala),
        ShadbalaBars("Shadbala", 900, chart, CShadbala::kShadbala),
        ShadbalaBars("Shadbala (rupas)", 12, chart, CShadbala::kShadbalaRupas),
        ShadbalaBars("Shadbala (% strength)", 200, chart, CShadbala::kPercentStrength),
    };
}

} // namespace

int ValidGraphPage(int page) {
    return page >= 0 && page < kGraphPageCount ? page : kGrahaBalaPage;
}

GraphPageShape GraphPageShapeOf(int page) {
    return kShapes[ValidGraphPage(page)];
}

int ValidVargaColumn(int varga) {
    return varga >= 0 && varga < kVargaColumnCount ? varga : 0;
}

std::vector<CStrengthGraphRecord> CollectGraphData(int page, const CChart& chart, int ashtakavargaVarga) {
    const int varga = ValidVargaColumn(ashtakavargaVarga);
    switch (ValidGraphPage(page)) {
    case kBhavaBalaPage:
        return BhavaBalas(chart, varga);
    case kShadbalaBreakUpPage:
        return ShadbalaBreakUp(chart);
    case kVimsopakaPage:
        return {VimsopakaBars("Vimsopaka Bala (10)", chart, kGroupOf10),
                VimsopakaBars("Vimsopaka Bala (16)", chart, kGroupOf16),
                VimsopakaBars("Vimsopaka Bala (6)", chart, kGroupOf6),
                VimsopakaBars("Vimsopaka Bala (7)", chart, kGroupOf7)};
    case kVaiseshikamsaPage:
        return {VaiseshikamsaBars("Vaiseshikamsa (10)", 10, chart, kGroupOf10),
                VaiseshikamsaBars("Vaiseshikamsa (16)", 16, chart, kGroupOf16),
                VaiseshikamsaBars("Vaiseshikamsa (6)", 6, chart, kGroupOf6),
                VaiseshikamsaBars("Vaiseshikamsa (7)", 7, chart, kGroupOf7)};
    case kRashmiPage:
        return {ShadbalaBars("Uchcha Rashmi", 14, chart, CShadbala::kUchchaRashmi),
                ShadbalaBars("Cheshta Rashmi", 14, chart, CShadbala::kCheshtaRashmi),
                ShadbalaBars("Subha Rashmi", 8, chart, CShadbala::kSubhaRashmi),
                ShadbalaBars("Ishta Phala (of Parasara)", 60, chart, CShadbala::kIshtaParasara)};
    default:
        return GrahaBalas(chart, varga);
    }
}
