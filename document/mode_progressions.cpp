// Progressions: by degrees, Bhrigu, Sudarsana, nakshatra dasa, Yogini and Kalachakra.
#include "document/mode_progressions.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/printed_angle.h"
#include "core/return_charts.h"
#include "document/dasa_dispatcher.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/mode_chart.h"
#include "document/tavro_doc.h"

namespace {

// Mean motion of the Sun, degrees per day (360 / 365.24219879, the mean tropical year).
constexpr double kSunMeanDailyMotion = 0.9856473590852141;
constexpr double kSudarsanaCycleDegrees = 4320.0; // 12 years of 360 degrees of arc
constexpr double kArcSlackDegrees = 30.0;
constexpr int kYearsBehind = 4; // the arc is counted up from a few whole circles too few
constexpr int kProgressionLevels = 5;
constexpr int kYoginiDasaCode = 3;
constexpr int kKalachakraDasaCode = 2;

// Bhrigu periods: years per full circle of Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn.
constexpr std::array<int, 8> kBhriguYears = {0, 19, 45, 14, 46, 83, 27, 30};
constexpr std::array<int, kProgressionSeedChoices> kSeedBodies = {0, 1,  2,  3,  4,  5,  6,  7,   8,
                                                                  9, 31, 32, 36, 20, 19, 17, 103, 104};
constexpr std::array<int, kProgressionSeedChoices> kSeedCodes = {4,  8, 0, 9, 10, 11, 12, 13, 14,
                                                                 15, 5, 6, 7, 16, 17, 18, 19, 20};
constexpr std::array<int, kProgressionSeedChoices> kKalachakraBodies = {2, 0,  1,  3,  4,  5,  6,  7,   8,
                                                                        9, 31, 32, 36, 20, 19, 17, 103, 104};
// Divisions of varga columns 0-15.
constexpr std::array<int, kProgressionColumnCount> kColumnDivisions = {1, 9,  2,  3,  4,  5,  6,  7,
                                                                       8, 10, 11, 12, 16, 20, 24, 27};

} // namespace

double SolarArc(int yearsApart, double elapsedDays, double natalSun, double targetSun) {
    const double mean = elapsedDays * kSunMeanDailyMotion;
    double arc = (yearsApart - kYearsBehind) * 360.0 + (targetSun - natalSun);
    // Counted up only: an arc that starts past the mean motion cannot come nearer by adding circles.
    while (arc < mean - kArcSlackDegrees) arc += 360.0;
    return arc;
}

double ProgressionRate(int column) {
    return 30.0 / kColumnDivisions[column];
}

std::string ProgressionByDegreesTitle(double rate) {
    const PrintedDms v = SplitPrintedAngle(rate, DmsField::kMinutes);
    char title[48];
    if (v.minutes == 0) {
        std::snprintf(title, sizeof title, "Progressed (%d deg)", v.degrees);
    } else {
        std::snprintf(title, sizeof title, "Progressed (%d:%02d deg)", v.degrees, v.minutes);
    }
    return title;
}

double SudarsanaAngle(double arc) {
    while (arc > kSudarsanaCycleDegrees) arc -= kSudarsanaCycleDegrees;
    return arc / 12.0;
}

int BhriguPeriodYears(int body) {
    return kBhriguYears[body];
}
int ProgressionSeedBody(int choice) {
    return kSeedBodies[choice];
}
int ProgressionSeedCode(int choice) {
    return kSeedCodes[choice];
}
int KalachakraProgressionBody(int k) {
    return kKalachakraBodies[k];
}

namespace {

double ArcTo(const CChart& natal, const CChartCore& target) {
    return SolarArc(target.m_dateTime.m_nYear - natal.m_dateTime.m_nYear,
                    target.GetJulianDay() - natal.GetJulianDay(), natal.m_bodies[kSun].m_dLongitude,
                    target.m_bodies[kSun].m_dLongitude);
}

// The body's natal longitude in a varga column (the chart's own for column 0).
double NatalLongitudeIn(const CChart& natal, int body, int column) {
    return column == 0 ? natal.m_bodies[body].m_dLongitude
                       : natal.DivisionalLongitude(body, column).m_dLongitude;
}

} // namespace

CalcStatus CTavroDoc::StartProgression(const CLocalDateTime& target, bool resetToNatal, CChartCore& moment) {
    if (resetToNatal && m_nMode != kModeNatal) {
        if (CalcStatus status = OnResetToNatalMode(); !status.ok()) return status;
    }
    return NatalPlaceAt(m_natalChart, target, moment);
}

CalcStatus CTavroDoc::ShowProgression(const CChartCore& moment, const std::string& title) {
    // The work chart keeps only the shift and fixed longitudes its method sets here.
    m_workChart.ResetFlags();
    if (CalcStatus status = PrepareModeChart(moment, title, kModeProgressions, g_dCompressionDays);
        !status.ok()) {
        return status;
    }
    g_bDasaCompression = false;
    return {};
}

CalcStatus CTavroDoc::CalcProgressedByDegrees(int column, const CLocalDateTime& target) {
    if (column < 0 || column >= kProgressionColumnCount) {
        return CalcStatus::Failure("Progression by degrees reads the varga columns D-1 to D-27 only.");
    }
    CChartCore moment;
    if (CalcStatus status = StartProgression(target, false, moment); !status.ok()) return status;
    const double rate = ProgressionRate(column);
    CChartCore progressed;
    const SearchResult found = m_natalChart.CastAnnualChart(
        ArcTo(m_natalChart, moment) * rate / (360.0 * 360.0), progressed, kYearTrueSiderealSolar);
    if (!found.found()) return SearchFailure(found, "The progressed moment lies outside the ephemeris.");
    if (CalcStatus status = ShowProgression(progressed, ProgressionByDegreesTitle(rate)); !status.ok())
        return status;
    return FinishModeChart();
}

CalcStatus CTavroDoc::CalcBhriguProgression(int column, const CLocalDateTime& target) {
    CChartCore moment;
    if (CalcStatus status = StartProgression(target, true, moment); !status.ok()) return status;
    const double arc = ArcTo(m_natalChart, moment);
    if (CalcStatus status = ShowProgression(moment, "Progressed (Bhrigu)"); !status.ok()) return status;
    for (int body = kSun; body <= kSaturn; ++body) {
        m_workChart.m_bFixLongitude[body] = 1;
        m_workChart.m_dFixedLongitude[body] =
            Reduce360(arc / BhriguPeriodYears(body) + NatalLongitudeIn(m_natalChart, body, column));
    }
    return FinishModeChart();
}

CalcStatus CTavroDoc::ShiftWholeChart(const CChartCore& moment, const std::string& title, double angle) {
    if (CalcStatus status = ShowProgression(moment, title); !status.ok()) return status;
    m_workChart.m_flags.fill(1);
    m_workChart.m_dShift = angle;
    return FinishModeChart();
}

CalcStatus CTavroDoc::CalcSudarsanaProgression(const CLocalDateTime& target) {
    CChartCore moment;
    if (CalcStatus status = StartProgression(target, true, moment); !status.ok()) return status;
    return ShiftWholeChart(moment, "Progressed (SCD)", SudarsanaAngle(ArcTo(m_natalChart, moment)));
}

CalcStatus CTavroDoc::RunningDasaPosition(const CChartCore& moment, double& position) {
    // The dasa runs on the natal data at the target moment, like the chart it progresses.
    CChart chart = m_natalChart;
    chart.m_dateTime = moment.m_dateTime;
    chart.m_extraName.fill(kNoExtraPoint);
    if (CalcStatus status = chart.Compute(); !status.ok()) return status;
    CDasaTree tree;
    const CScopedOption<bool> noCompression(g_bDasaCompression, false);
    if (CalcStatus status = ::CalculateDasa(DasaRequest{chart, m_natalChart, kModeProgressions, 0}, tree);
        !status.ok()) {
        return status;
    }
    if (CalcStatus status = tree.FindRunningPeriods(moment.m_dateTime, kProgressionLevels - 1);
        !status.ok()) {
        return status;
    }
    position = g_dDasaProgressPosition;
    return {};
}

CalcStatus CTavroDoc::CastDasaProgression(const CLocalDateTime& target, int code, int column, int seedChoice,
                                          const char* title) {
    if (code < 0 || code >= kNakshatraDasaCodeCount || seedChoice < 0 ||
        seedChoice >= kProgressionSeedChoices) {
        return CalcStatus::Failure("The dasa or its seed is not one the progression can start from.");
    }
    CChartCore moment;
    // A dasa progression in progression mode moves on from the chart in hand.
    if (CalcStatus status = StartProgression(target, m_nMode != kModeProgressions, moment); !status.ok())
        return status;
    double position = 0.0;
    {
        const CScopedOption<int> dasa(g_nSelectedDasa, code);
        const CScopedOption<int> nakshatraDasa(g_nNakshatraDasaToBeDisplayed, code);
        const CScopedOption<bool> tribhagi(g_bTribhagiVariation, false);
        const CScopedOption<int> varga(g_nNakshatraDasaVarga, column);
        const CScopedOption<int> seed(g_nNakshatraDasaStartPoint[code], ProgressionSeedCode(seedChoice));
        if (CalcStatus status = RunningDasaPosition(moment, position); !status.ok()) return status;
    }
    const double seedLongitude = NatalLongitudeIn(m_natalChart, ProgressionSeedBody(seedChoice), column);
    return ShiftWholeChart(moment, title, Reduce360(position - seedLongitude));
}

CalcStatus CTavroDoc::CalcNakshatraDasaProgression(const CLocalDateTime& target, int column, int seedChoice,
                                                   int dasaCode) {
    return CastDasaProgression(target, dasaCode, column, seedChoice, "Prog (NaksDasa)");
}

CalcStatus CTavroDoc::CalcYoginiProgression(const CLocalDateTime& target, int column, int seedChoice) {
    return CastDasaProgression(target, kYoginiDasaCode, column, seedChoice, "Progressed (Yogini)");
}

CalcStatus CTavroDoc::CalcKalachakraProgression(const CLocalDateTime& target) {
    CChartCore moment;
    if (CalcStatus status = StartProgression(target, true, moment); !status.ok()) return status;
    std::array<double, kProgressionSeedChoices> positions{};
    {
        const CScopedOption<int> dasa(g_nSelectedDasa, kKalachakraDasaCode);
        const CScopedOption<int> nakshatraDasa(g_nNakshatraDasaToBeDisplayed, kKalachakraDasaCode);
        const CScopedOption<bool> tribhagi(g_bTribhagiVariation, false);
        const CScopedOption<int> varga(g_nNakshatraDasaVarga, 0);
        for (int k = 0; k < kProgressionSeedChoices; ++k) {
            const CScopedOption<int> seed(g_nNakshatraDasaStartPoint[kKalachakraDasaCode], k);
            if (CalcStatus status = RunningDasaPosition(moment, positions[k]); !status.ok()) return status;
        }
    }
    if (CalcStatus status = ShowProgression(moment, "Progressed (KCD)"); !status.ok()) return status;
    for (int k = 0; k < kProgressionSeedChoices; ++k) {
        const int body = KalachakraProgressionBody(k);
        m_workChart.m_bFixLongitude[body] = 1;
        m_workChart.m_dFixedLongitude[body] = positions[k];
    }
    return FinishModeChart();
}
