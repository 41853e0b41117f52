// Texts of panchanga days: the page's pieces, the monthly paragraphs and the tab-separated table.
#include "document/panchanga_text.h"

#include <algorithm>

#include "core/body_names.h"
#include "core/calendar_names.h"
#include "chart/chart.h"
#include "core/julian_day.h"
#include "core/search_progress.h"
#include "core/text_format.h"
#include "core/zodiac_names.h"

namespace {

constexpr int kCutSeconds = 0;    // FormatTime: the seconds cut
constexpr int kNearestMinute = 2; // FormatTime: 30 seconds and more count as the next minute

// An end of a limb, seconds cut; a period's bound or a rise, to the nearest minute.
std::string EndTime(const CPanchangaDay& day, const CLocalDateTime& moment) {
    return moment.FormatTime(kCutSeconds, day.m_moment.m_nDay);
}
std::string PeriodTime(const CPanchangaDay& day, const CLocalDateTime& moment) {
    return moment.FormatTime(kNearestMinute, day.m_moment.m_nDay);
}
// A period counted from a sunrise or sunset that does not happen is "-", as a moonrise that does not.
constexpr char kUnknown[] = "-";
constexpr char kNoSunrise[] = "Sun does not rise";
constexpr char kNoSunset[] = "Sun does not set";

std::string SpanText(const CPanchangaDay& day, const CPanchangaSpan& span) {
    if (!span.m_bKnown) return kUnknown;
    return FormatText("%s - %s", PeriodTime(day, span.m_start).c_str(), PeriodTime(day, span.m_end).c_str());
}

// The end of a hora or choghadiya, seconds cut.
std::string PeriodEnd(const CPanchangaDay& day, const CPanchangaPeriod& period) {
    return period.m_bKnown ? EndTime(day, period.m_end) : std::string(kUnknown);
}

// The entries of a limb: the whole day, or each limb with its end. `label` follows the name (" yoga").
std::string LimbEntries(const CPanchangaDay& day, const CLimbEnds& limb, const char* const* names,
                        const char* label) {
    if (limb.m_nCount == 0) return FormatText("%s%s (whole day), ", names[limb.m_nIndex], label);
    std::string text;
    const int indices[2] = {limb.m_nIndex, limb.m_nNext};
    for (int i = 0; i < limb.m_nCount; ++i)
        text += FormatText("%s%s till %s, ", names[indices[i]], label, EndTime(day, limb.m_end[i]).c_str());
    return text;
}

const char* const* SignNames() {
    return g_pszSignNames ? g_pszSignNames : g_signNamesSanskrit;
}

std::string RiseTime(const CPanchangaDay& day, const CLocalDateTime& moment, bool found) {
    return found ? PeriodTime(day, moment) : std::string(kUnknown);
}

// The table's times, without a day mark: a limb's end with the seconds cut as the page writes it (so
// that both agree), every other time to the nearest minute.
std::string TableEndTime(const CLocalDateTime& moment) {
    return moment.m_time.FormatHmMode(kCutSeconds);
}
// Whole-minute time of a UT Julian day in the chart's zone.
std::string TableTime(const CChartCore& chart, double jdUt) {
    CChartCore probe;
    chart.JulianDayToDate(jdUt, probe);
    return probe.m_dateTime.m_time.FormatHmMode(kNearestMinute);
}
std::string TableTime(const CLocalDateTime& moment) {
    return moment.m_time.FormatHmMode(kNearestMinute);
}
std::string TableSpan(const CPanchangaSpan& span) {
    if (!span.m_bKnown) return kUnknown;
    return TableTime(span.m_start) + " - " + TableTime(span.m_end);
}

constexpr const char kTableHeader[] =
    "Gregorian Date\tYear\tMonth\tFullDate\tYearName\tAyana\tRitu\tSidSolarMonth\tLunarMonth\tPaksha\tTithi\t"
    "TithiEndTime\tRahuKala\tDay\tNakshatra\tNakshatraEndTime\tYoga\tKarana\t"
    "Varjya1Start\tVarjya1End\tVarjya2Start\tVarjya2End\tDurMuhurta1Start\tDurMuhurta1End\tDurMuhurta2Start\t"
    "DurMuhurta2End\tSunrise\tSunset\t"
    "R1\tL1\tR2\tL2\tR3\tL3\tR4\tL4\tR5\tL5\tR6\tL6\tR7\tL7\tR8\tL8\tR9\tL9\tR10\tL10\tR11\tL11\tR12\tL12\t"
    "1_Mesham\t2_Vrushabham\t3_Mithunam\t4_Karkatakam\t5_Simham\t6_Kanya\t7_Tula\t8_Vruschikam\t9_Dhanur\t"
    "10_Makaram\t11_Kumbham\t12_Meenam";

// The twelve lagna ends of the table from 0:00 of the chart's date, each "%s\t%s\t" with its time and
// the English name of the sign that ends.
CalcStatus LagnaEnds(const CChart& chart, std::string& text) {
    CChartCore from = chart;
    from.m_dateTime.m_time.m_dHours = 0.0;
    from.m_dateTime.m_time.SplitHours();
    const int sunSign = chart.m_bodies[kSun].m_nSign;
    for (int k = 0; k < kSignCount; ++k) {
        const int sign = (sunSign + k) % kSignCount;
        CLongitudeSearchRequest request;
        request.m_nBodyA = kLagna;
        request.m_dTarget = Reduce360((sign + 1) * 30.0);
        const SearchResult found = from.LocateLongitudeTime(request);
        if (found.outcome == SearchOutcome::kFailed) return found.status;
        // Beyond the polar circles the lagna leaps over some signs: such a sign has no end to give.
        if (!found.found()) {
            text += FormatText("%s\t%s\t", kUnknown, g_signNames[sign]);
            continue;
        }
        text += FormatText("%s\t%s\t", TableTime(chart, found.jdUt).c_str(), g_signNames[sign]);
        chart.JulianDayToDate(found.jdUt + 0.1 / 24.0, from);
    }
    return {};
}

// One row of the table for a computed day.
CalcStatus TableRow(const CChart& chart, const CPanchangaDay& day, std::string& text) {
    const CLocalDateTime& date = day.m_moment;
    const int sunSign = chart.m_bodies[kSun].m_nSign;
    const int tithi = day.m_tithi.m_nIndex;
    text += FormatText("\n%d-%02d-%04d\t%04d\t%s\t%d\t", date.m_nDay, date.m_nMonth, date.m_nYear,
                       date.m_nYear, g_monthNames[date.m_nMonth - 1], date.m_nDay);
    text += FormatText("%s\t%s\t%s\t%s\t%s\t", g_samvatsaraNames[day.m_nSamvatsara],
                       sunSign < 3 || sunSign >= 9 ? "Uttarayana" : "Dakshinayana",
                       g_rituNames[(day.m_nLunarMonth + 1) % 12 / 2], g_signNamesSanskrit[sunSign],
                       g_lunarMonthNames[day.m_nLunarMonth]);
    text += FormatText("%s\t%s\t%s\t%s\t", g_pakshaNames[tithi / 15], g_tithiDayNames[tithi],
                       TableEndTime(day.m_tithi.m_firstEnd).c_str(), TableSpan(day.m_rahuKala).c_str());
    text += std::string(g_weekdayNames[day.m_nWeekday]) + "\t";
    const auto span = [&](int count, int i, const std::array<CPanchangaSpan, 2>& spans, bool start) {
        if (i >= count) return std::string();
        if (!spans[i].m_bKnown) return std::string(kUnknown);
        return TableTime(start ? spans[i].m_start : spans[i].m_end);
    };
    const std::string cells[14] = {g_nakshatraShortNames[day.m_nakshatra.m_nIndex],
                                   TableEndTime(day.m_nakshatra.m_firstEnd),
                                   g_yogaNames[day.m_yoga.m_nIndex],
                                   g_karanaNames[day.m_karana[0]],
                                   span(day.m_nVarjyaCount, 0, day.m_varjya, true),
                                   span(day.m_nVarjyaCount, 0, day.m_varjya, false),
                                   span(day.m_nVarjyaCount, 1, day.m_varjya, true),
                                   span(day.m_nVarjyaCount, 1, day.m_varjya, false),
                                   span(day.m_nDurmuhurtaCount, 0, day.m_durmuhurta, true),
                                   span(day.m_nDurmuhurtaCount, 0, day.m_durmuhurta, false),
                                   span(day.m_nDurmuhurtaCount, 1, day.m_durmuhurta, true),
                                   span(day.m_nDurmuhurtaCount, 1, day.m_durmuhurta, false),
                                   day.m_bSunrise ? TableTime(day.m_sunrise) : kNoSunrise,
                                   day.m_bSunset ? TableTime(day.m_sunset) : kNoSunset};
    for (const std::string& cell : cells) text += cell + "\t";
    if (CalcStatus status = LagnaEnds(chart, text); !status.ok()) return status;
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (sign > 0) text += "\t";
        std::string bodies;
        for (int body = kSun; body <= kKetu; ++body) {
            if (chart.m_bodies[body].m_nSign != sign) continue;
            if (!bodies.empty()) bodies += ", ";
            bodies += g_planetShortNames[body];
        }
        text += bodies;
    }
    return {};
}

} // namespace

std::string PanchangaDateLine(const CPanchangaDay& day) {
    const CLocalDateTime& date = day.m_moment;
    return FormatText("%s %d, %d:", g_monthNames[date.m_nMonth - 1], date.m_nDay, date.m_nYear);
}

std::string WeekdayEntry(const CPanchangaDay& day) {
    return FormatText("%s, ", g_weekdayNames[day.m_nWeekday]);
}

std::string TithiEntries(const CPanchangaDay& day) {
    return LimbEntries(day, day.m_tithi, g_tithiNames, "");
}

std::string NakshatraEntries(const CPanchangaDay& day) {
    return LimbEntries(day, day.m_nakshatra, g_nakshatraNames, "");
}

std::string YogaEntries(const CPanchangaDay& day) {
    return LimbEntries(day, day.m_yoga, g_yogaNames, " yoga");
}

std::string KaranaEntries(const CPanchangaDay& day) {
    if (day.m_nKaranaCount == 0) return FormatText("%s karana (whole day), ", g_karanaNames[day.m_karana[0]]);
    std::string text;
    for (int i = 0; i < day.m_nKaranaCount; ++i) {
        text += FormatText("%s karana till %s, ", g_karanaNames[day.m_karana[i]],
                           EndTime(day, day.m_karanaEnd[i]).c_str());
    }
    return text;
}

std::string KalaEntries(const CPanchangaDay& day) {
    return FormatText("RahuK: %s, GulikaK: %s, YamaG: %s, ", SpanText(day, day.m_rahuKala).c_str(),
                      SpanText(day, day.m_gulikaKala).c_str(), SpanText(day, day.m_yamaGanda).c_str());
}

std::string VarjyaEntries(const CPanchangaDay& day) {
    std::string text;
    for (int i = 0; i < day.m_nVarjyaCount; ++i)
        text += (i == 0 ? "Varjya: " : "") + SpanText(day, day.m_varjya[i]) + ", ";
    // Durmuhurtas without a daylight to count in: one "-".
    const int durmuhurtas = day.m_durmuhurta[0].m_bKnown ? day.m_nDurmuhurtaCount : 1;
    for (int i = 0; i < durmuhurtas; ++i)
        text += (i == 0 ? "Durmuhurta: " : "") + SpanText(day, day.m_durmuhurta[i]) + ", ";
    return text;
}

std::string RiseSetEntries(const CPanchangaDay& day, const char* separator) {
    const std::string sunrise = day.m_bSunrise ? "Sunrise at " + PeriodTime(day, day.m_sunrise) : kNoSunrise;
    const std::string sunset = day.m_bSunset ? "Sunset at " + PeriodTime(day, day.m_sunset) : kNoSunset;
    return FormatText("%s, %s,%sMoonrise at %s, Moonset at %s, ", sunrise.c_str(), sunset.c_str(), separator,
                      RiseTime(day, day.m_moonrise, day.m_bMoonrise).c_str(),
                      RiseTime(day, day.m_moonset, day.m_bMoonset).c_str());
}

std::string MoonSignEntry(const CPanchangaDay& day) {
    const char* sign = SignNames()[day.m_nMoonSign];
    if (day.m_nMoonSignCount == 0) return FormatText("Moon in %s (whole day)", sign);
    return FormatText("Moon in %s till %s", sign, EndTime(day, day.m_moonSignEnd).c_str());
}

std::string HoraEntry(const CPanchangaDay& day, int hora) {
    const CPanchangaPeriod& period = day.m_hora[hora];
    return FormatText("%s: %s", ChosenPlanetAbbrevs()[period.m_nLord], PeriodEnd(day, period).c_str());
}

std::string ChoghadiyaEntry(const CPanchangaDay& day, int choghadiya) {
    const CPanchangaPeriod& period = day.m_choghadiya[choghadiya];
    return FormatText("%s: %s", g_choghadiyaNames[period.m_nLord], PeriodEnd(day, period).c_str());
}

std::string FormatMonthlyPanchanga(const std::vector<CPanchangaDay>& days) {
    std::string text;
    for (const CPanchangaDay& day : days) {
        text += "\n" + PanchangaDateLine(day) + "\n    ";
        text += WeekdayEntry(day) + TithiEntries(day) + "\n    " + NakshatraEntries(day) + YogaEntries(day);
        text += "\n    " + KaranaEntries(day);
        text += "\n    " + KalaEntries(day);
        text += "\n    " + VarjyaEntries(day);
        text += "\n    " + RiseSetEntries(day, "\n    ") + MoonSignEntry(day);
        text += "\n";
    }
    return text;
}

CalcStatus FormatPanchangaTableDP(const CChartCore& chart, int year, int month, int day, int count,
                                  std::string& text, const PanchangaProgress& progress) {
    count = std::clamp(count, 0, kMaxTableDays);
    std::string table = kTableHeader;
    const double firstNoon = JulianDay(year, month, day, 12.0 + chart.m_dateTime.m_zone.m_dHours);
    CChart work;
    CPanchangaDay record;
    for (int i = 0; i < count; ++i) {
        if (CalcStatus status = CastPanchangaDayChart(chart, firstNoon + i, work); !status.ok())
            return status;
        if (CalcStatus status = ComputePanchangaDay(work, record, false); !status.ok()) return status;
        if (CalcStatus status = TableRow(work, record, table); !status.ok()) return status;
        if (progress && !progress(i + 1, count)) return CalcStatus{kSearchCancelledMessage};
    }
    text = std::move(table);
    return {};
}
