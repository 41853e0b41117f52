// Writes every value a set of real births gives under a set of option settings, as text, so that two
// builds can be compared byte for byte (diff) after a change that must not change a result: the 105
// body longitudes, the varga signs of every body in every column, the ashtakavarga tables, the shadbala
// rows, the day facts (murti, lunar month, the birth day's frames) and every dasa listed to six levels;
// then the day facts of charts cast a little over a month apart after each birth, where the month's
// searches meet other lunations and sign entries. Counts the values it wrote on stderr.
// Usage: chart-dump > out.txt
#include <cstdio>
#include <functional>

#include "chart/chart.h"
#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "core/julian_day.h"
#include "core/name_selection.h"
#include "core/option_appliers.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_tree.h"
#include "document/document_option_snapshot.h"
#include "shell/display_options.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"

namespace {

long g_valueCount = 0;

void Value(double v) {
    std::printf(" %.17g", v);
    ++g_valueCount;
}

// A birth: UT civil moment and place (longitude EAST, latitude north, degrees).
struct Birth {
    const char* name;
    int year, month, day;
    double hourUt;
    double longitudeEast, latitude;
};

// Public birth data, turned into UT; places from the atlas of any gazetteer.
constexpr Birth kBirths[] = {
    {"Porbandar 1869", 1869, 10, 2, 2.60, 69.60, 21.64},
    {"Ulm 1879", 1879, 3, 14, 10.83, 9.99, 48.40},
    {"Allahabad 1917", 1917, 11, 19, 17.68, 81.85, 25.45},
    {"Honolulu 1961", 1961, 8, 5, 5.40, -157.86, 21.31},
    {"Mvezo 1918", 1918, 7, 18, 12.90, 28.50, -31.90},
    {"Tromso 1990 (polar day)", 1990, 6, 21, 12.00, 18.96, 69.65},
};

// An option setting: a name and what it changes (every option comes back after it).
struct Setting {
    const char* name;
    std::function<void()> apply;
};

void DumpChart(const CChart& chart) {
    std::printf("bodies");
    for (int b = 0; b < kBodyCount; ++b) {
        Value(chart.m_bodies[b].m_dLongitude);
        Value(chart.m_bodies[b].m_bRetrograde);
    }
    std::printf("\nvargas");
    for (int b = 0; b < kBodyCount; ++b)
        for (int c = 0; c < kVargaColumnCount; ++c) Value(chart.m_vargaSign.Sign(b, c));
    std::printf("\nashtakavarga");
    const CAshtakavarga& av = chart.m_ashtakavarga;
    for (int c = 0; c < kVargaColumnCount; ++c) {
        for (const auto& row : av.m_bhinna[c])
            for (int x : row) Value(x);
        for (const auto& row : av.m_reducedBhinna[c])
            for (int x : row) Value(x);
        for (int x : av.m_sarva[c]) Value(x);
        for (int x : av.m_reducedSarva[c]) Value(x);
        for (int x : av.m_grahaPinda[c]) Value(x);
        for (int x : av.m_rasiPinda[c]) Value(x);
        for (int x : av.m_sodhyaPinda[c]) Value(x);
    }
    std::printf("\nshadbala");
    for (const CShadbala::PlanetRow& row : chart.m_shadbala.m_planet) {
        for (double x : row.m_value) Value(x);
        Value(row.m_nPanchaVargeeyaGrade);
        Value(row.m_nDwadasaVargeeyaBala);
    }
    for (const CShadbala::HouseRow& row : chart.m_shadbala.m_house) {
        Value(row.m_dLordBala);
        Value(row.m_dDigBala);
        Value(row.m_dDrishtiBala);
        Value(row.m_dBhavaBala);
        Value(row.m_dBhavaBalaRupas);
    }
    std::printf("\n");
}

// What the chart keeps of its searches: the murti, the lunar month and the birth day's frames.
void DumpDayFacts(const CChart& chart) {
    std::printf("day");
    for (int murti : chart.m_nMurti) Value(murti);
    Value(chart.m_panchanga.m_nLunarMonth);
    Value(chart.m_panchanga.m_nIntercalaryState);
    Value(chart.m_panchanga.m_nCycleYear);
    for (const CDayFrameTimes* frame : {&chart.m_sunriseFrame, &chart.m_meanTimeFrame, &chart.m_zoneTimeFrame}) {
        Value(frame->m_dStartJd);
        Value(frame->m_dNightStartJd);
        Value(frame->m_dNextStartJd);
    }
    for (const auto& snapshot : chart.m_sunSnapshot) Value(snapshot.GetJulianDay());
    std::printf("\n");
}

// Every dasa code, its periods listed level by level down the chain of middle periods, six levels.
void DumpDasas(CChart& chart) {
    for (int code = 0; code < kDasaCodeCount; ++code) {
        g_nSelectedDasa = code;
        CDasaTree tree;
        const CalcStatus status = CalculateDasa({chart, chart, kModeNatal, 0}, tree);
        std::printf("dasa %d %s", code, status.ok() ? "ok" : status.error.c_str());
        for (int level = 0; level < kDasaLevels && status.ok(); ++level) {
            tree.nLevel = level;
            const CalcStatus listed = tree.ExpandPeriod();
            if (!listed.ok() || tree.nListedLevel < level) break;
            std::printf("\n level %d:", level);
            for (int j = 0; j < tree.nCount; ++j) {
                std::printf(" %s", tree.period[j].Name().c_str());
                Value(tree.period[j].nLord);
                Value(tree.period[j].dStartJd);
                Value(tree.period[j].dEndJd);
            }
            tree.nSelected[level] = tree.nCount / 2;
        }
        std::printf("\n");
    }
}

} // namespace

int main() {
    InitialiseEphemeris();
    ApplyPreferenceDefaults(PreferenceKeys());
    // The start-up of the preferences without the user's file: the built-in defaults and their side
    // effects, so that every run starts alike.
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    ApplyRahuKetuExaltationOption(g_bNodalExaltationParasara);
    ApplyTableOption(g_bPushkaraBhagaJP);
    SelectNameTables(g_bSanskritPlanetNames, g_bSanskritRasiNames);
    g_bPreferencesInitialised = true;

    const Setting settings[] = {
        {"defaults", [] {}},
        {"vargas",
         [] {
             g_nD9Preference = 2;
             g_nHoraPreference = 1;
             g_bDivLongFromEndToo = false;
             g_nHouseTypeWanted = 3;
         }},
        {"full-moon months", [] { g_nLunarYrDef = 1; }},
        {"ayanamsa",
         [] {
             CDmsAngle none;
             ChooseAyanamsa(kAyanamsaChandraHari, none);
         }},
        {"dasa options",
         [] {
             g_bTribhagiVariation = true;
             g_nNakshatraDasaVarga = 9;
             g_nRasiDasaVarga = 9;
             g_bPakaNarayana = true;
             g_nShoolaDasaStartHouse = 2;
             g_nCharaDasaSeed = 2;
             g_bCharaDasaVirgoRule = true;
             g_nLagnaKendradiVarga = 3;
             g_nTithiAshtottariHarmonic = 2;
             g_nTithiYoginiHarmonic = 1;
             g_nRasiBhuktaStartPoint = 1;
             g_bDasaCompression = true;
             g_dCompressionDays = 30.0;
         }},
    };

    for (const Birth& birth : kBirths) {
        for (const Setting& setting : settings) {
            const CDocumentOptionSnapshot saved;
            setting.apply();

            std::printf("== %s / %s\n", birth.name, setting.name);
            CChart chart;
            chart.m_longitude.m_dValue = -birth.longitudeEast;
            chart.m_longitude.SplitDegrees();
            chart.m_latitude.m_dValue = birth.latitude;
            chart.m_latitude.SplitDegrees();
            const double jd = JulianDay(birth.year, birth.month, birth.day, birth.hourUt);
            chart.JulianDayToDate(jd, chart);
            const CalcStatus status = chart.ComputeAll(false);
            if (!status.ok()) {
                std::printf("failed: %s\n", status.error.c_str());
            } else {
                DumpChart(chart);
                DumpDayFacts(chart);
                DumpDasas(chart);
            }
            constexpr int kLaterCharts = 24;
            constexpr double kLaterStep = 37.3; // days
            for (int i = 1; i <= kLaterCharts; ++i) {
                chart.JulianDayToDate(jd + i * kLaterStep, chart);
                if (chart.ComputeAll(false).ok()) DumpDayFacts(chart);
            }

            saved.Restore();
        }
    }
    std::fprintf(stderr, "%ld values\n", g_valueCount);
    return 0;
}
