// Prasna charts: the three numberings of the Prasna Lagna and the chart cast with it.
#include "document/mode_prasna.h"

#include <string>

#include "core/planet_tables.h"
#include "core/varga_options.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"

namespace {

constexpr double kNavamsaDegrees = 30.0 / 9.0;
constexpr int kUnitsPerDegree249 = 9;
constexpr int kUnitsPerSign249 = 30 * kUnitsPerDegree249;
constexpr int kUnitsPerNakshatra249 = 120; // 13 deg 20' in ninths of a degree = the 120 Vimsottari years
constexpr int kNakshatraCount = 27;

// Vimsottari years in lord order from Ketu: Ketu 7, Venus 20, Sun 6, Moon 10, Mars 7, Rahu 18,
// Jupiter 16, Saturn 19, Mercury 17 (traditional, sum 120).
constexpr std::array<int, 9> kVimsottariYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// Boundaries of the 150 Chandra Kala nadis of a sign, in 1/504 degree (15120 = 30 degrees).
constexpr std::array<int, 151> kNadiBoundaries = {
    0,     252,   336,   378,   504,   560,   630,   672,   756,   945,   1008,  1120,  1134,  1260,
    1344,  1512,  1680,  1764,  1890,  2016,  2160,  2240,  2268,  2352,  2520,  2646,  2688,  2772,
    2800,  2835,  3024,  3150,  3276,  3360,  3402,  3528,  3696,  3780,  3920,  4032,  4158,  4284,
    4320,  4368,  4410,  4480,  4536,  4704,  4725,  4788,  4914,  5040,  5292,  5376,  5544,  5600,
    5670,  5712,  5796,  6048,  6160,  6300,  6384,  6426,  6480,  6552,  6615,  6720,  6804,  6930,
    7056,  7182,  7280,  7308,  7392,  7560,  7728,  7812,  7840,  7938,  8064,  8190,  8316,  8400,
    8505,  8568,  8640,  8694,  8736,  8820,  8960,  9072,  9324,  9408,  9450,  9520,  9576,  9744,
    9828,  10080, 10206, 10332, 10395, 10416, 10584, 10640, 10710, 10752, 10800, 10836, 10962, 11088,
    11200, 11340, 11424, 11592, 11718, 11760, 11844, 11970, 12096, 12285, 12320, 12348, 12432, 12474,
    12600, 12768, 12852, 12880, 12960, 13104, 13230, 13356, 13440, 13608, 13776, 13860, 13986, 14000,
    14112, 14175, 14364, 14448, 14490, 14560, 14616, 14742, 14784, 14868, 15120};
constexpr double kNadiUnitsPerDegree = 504.0;
constexpr int kNadisPerSign = 150;
constexpr double kEqualNadiDegrees = 0.2;

std::array<int, kPrasna249Count + 1> BuildPrasna249Boundaries() {
    std::array<int, kPrasna249Count + 1> boundaries{};
    int count = 1; // boundaries[0] = 0
    int position = 0;
    for (int nakshatra = 0; nakshatra < kNakshatraCount; ++nakshatra) {
        for (int k = 0; k < 9; ++k) {
            const int end = position + kVimsottariYears[(nakshatra + k) % 9];
            const int signBoundary = (position / kUnitsPerSign249 + 1) * kUnitsPerSign249;
            if (signBoundary < end) boundaries[count++] = signBoundary;
            boundaries[count++] = end;
            position = end;
        }
    }
    return boundaries;
}

} // namespace

double Prasna108Longitude(int n) {
    const int sign = n / 9;
    const int part = n % 9;
    return (part + 0.5) * kNavamsaDegrees + sign * 30.0;
}

const std::array<int, kPrasna249Count + 1>& Prasna249Boundaries() {
    static const std::array<int, kPrasna249Count + 1> boundaries = BuildPrasna249Boundaries();
    return boundaries;
}

double Prasna249Longitude(int n) {
    return static_cast<double>(Prasna249Boundaries()[n]) / kUnitsPerDegree249;
}

double NadiPrasnaLongitude(int n) {
    const int sign = n / kNadisPerSign;
    const int k = n % kNadisPerSign;
    const double degrees = g_nD150Preference != 0
                               ? (kNadiBoundaries[k] + kNadiBoundaries[k + 1]) / (2.0 * kNadiUnitsPerDegree)
                               : kEqualNadiDegrees * k + kEqualNadiDegrees / 2.0;
    return sign * 30.0 + degrees;
}

namespace {

// The form's number out of range is refused before anything changes.
CalcStatus NumberOutOfRange(const char* numbering, int n, int count) {
    // Shown 1-based as typed; counted wide, so that the largest int does not overflow.
    return CalcStatus::Failure(std::string(numbering) + " number " +
                               std::to_string(static_cast<long long>(n) + 1) + " is not between 1 and " +
                               std::to_string(count) + ".");
}

} // namespace

CalcStatus CTavroDoc::CastPrasnaChart(const std::string& title, double lagna, int subMode, bool compressDasa,
                                      double periodDays) {
    if (CalcStatus status = m_natalChart.CalcInto(m_workChart); !status.ok()) return status;
    m_workChart.m_strTitle = title;
    m_pCurrentChart = &m_workChart;
    m_nMode = kModePrasna;
    g_bDasaCompression = compressDasa;
    if (compressDasa) g_dCompressionDays = periodDays;
    m_workChart.m_extraName[0] = "Prasna Lagna";
    m_workChart.m_extraShortName[0] = "PLag";
    m_workChart.m_extraPoint[0].m_dLongitude = lagna;
    m_workChart.m_extraPoint[0].SplitLongitude();
    CalcStatus status = Calculate(subMode);
    UpdateAllViews(nullptr);
    return status;
}

CalcStatus CTavroDoc::CalcPrasna108(int n, int subMode, bool compressDasa, double periodDays) {
    if (n < 0 || n >= kPrasna108Count) return NumberOutOfRange("Prasna-108", n, kPrasna108Count);
    return CastPrasnaChart("Prasna-108 (" + std::to_string(n + 1) + ")", Prasna108Longitude(n), subMode,
                           compressDasa, periodDays);
}

CalcStatus CTavroDoc::CalcPrasna249(int n, int subMode, bool compressDasa, double periodDays) {
    if (n < 0 || n >= kPrasna249Count) return NumberOutOfRange("Prasna-249", n, kPrasna249Count);
    return CastPrasnaChart("Prasna-249 (" + std::to_string(n + 1) + ")", Prasna249Longitude(n), subMode,
                           compressDasa, periodDays);
}

CalcStatus CTavroDoc::CalcNadiPrasna(int n, int subMode, bool compressDasa, double periodDays) {
    if (n < 0 || n >= kNadiPrasnaCount) return NumberOutOfRange("Nadi Prasna", n, kNadiPrasnaCount);
    return CastPrasnaChart("Nadi Prasna (" + std::to_string(n + 1) + ")", NadiPrasnaLongitude(n), subMode,
                           compressDasa, periodDays);
}
