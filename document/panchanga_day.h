#pragma once
// One civil day of the Hindu calendar at a place: the five limbs (tithi, nakshatra, yoga, karana and the
// weekday) with the moments at which they end within the day, the Moon's sign change, Rahu kala, Gulika
// kala, Yama ganda, Varjya and Durmuhurta, the rise and set of the Sun and the Moon, the 24 horas and
// the 16 choghadiyas (Gouri panchanga).
//
// A day runs from its sunrise (by WeekdayDefinition: the sunrise, or 6:00 of local mean or zone time)
// to the next one; where the Sun does not rise on a date, 6:00 local mean time stands in for its
// sunrise, and 18:00 for a sunset that does not come (chart/sunrise_days.h). Its chart is cast 0.01 hour
// (36 seconds) after the day's start; an end belongs to the day when it falls at or after that moment
// and before the same moment of the next day, so that every end is listed on exactly one day. Periods
// counted from a sunrise or sunset that does not happen are not known (shown "-"). Every moment is a local date and time in the zone of the chart the
// day was cast for (hours, positive west). Indices are 0-based as in the name tables of
// core/calendar_names.h and core/zodiac_names.h.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/angle_time.h"
#include "core/calc_status.h"

class CChart;
class CChartCore;

// One hora or choghadiya. The lord of a hora is a body 1 Sun .. 7 Saturn; of a choghadiya the index
// 0-6 of its name ("Udyoga", "Amrita", "Roga", "Laabha", "Shubha", "Chala", "Kaala").
struct CPanchangaPeriod {
    int m_nLord = 0;
    CLocalDateTime m_start;
    CLocalDateTime m_end;
    std::uint8_t m_bKnown = 1; // 0: counted from a sunrise or sunset that does not happen
};

// A span of the day: start and end.
struct CPanchangaSpan {
    CLocalDateTime m_start;
    CLocalDateTime m_end;
    std::uint8_t m_bKnown = 1; // 0: counted from a sunrise or sunset that does not happen
};

// A limb that changes at most twice in a day (tithi 0-29, nakshatra 0-26, yoga 0-26).
struct CLimbEnds {
    int m_nCount = 0;                    // ends within the day, 0-2; 0: the limb runs through the whole day
    int m_nIndex = 0;                    // the limb at the day's moment
    int m_nNext = 0;                     // the one after it (meaningful when the count is at least 1)
    std::array<CLocalDateTime, 2> m_end; // end of the limb at the moment, then of the next
    // The first end even when it falls after the day (the tab-separated table lists it).
    CLocalDateTime m_firstEnd;
};

// A karana lasts 10 hours at the least: three end in a day of 24 hours, four can in the day of up to 30
// hours that begins at a 6:00 stand-in and ends at a sunrise near noon, as the polar night ends.
inline constexpr int kMaxKaranaEnds = 4;
inline constexpr int kMaxVarjyas = 2; // a day holds the Varjyas of two stars at most
inline constexpr int kHoraCount = 24;
inline constexpr int kChoghadiyaSlots = 16; // 8 of the day, then 8 of the night

struct CPanchangaDay {
    CLocalDateTime m_moment; // the day's sunrise + 0.01 hour; its date is the civil date of the day
    double m_dStartJd = 0.0; // the moments that belong to the day, UT Julian days: from m_moment ...
    double m_dEndJd = 0.0;   // ... up to (not including) the next day's moment
    int m_nWeekday = 0;      // 0 Sunday .. 6 Saturday, by WeekdayDefinition
    int m_nSamvatsara = 0;   // 0-59
    int m_nLunarMonth = 0;   // 0 Vaisakha .. 11 Chaitra
    int m_nLeapMonth = 0;    // 0 ordinary, 1 the month before was intercalary, 2 this month is
    CLimbEnds m_tithi;
    CLimbEnds m_nakshatra;
    CLimbEnds m_yoga;
    int m_nKaranaCount = 0;                     // ends within the day, 0-4
    std::array<int, kMaxKaranaEnds> m_karana{}; // 0-10: the karana at the moment, then the following ones
    std::array<CLocalDateTime, kMaxKaranaEnds> m_karanaEnd;
    CPanchangaSpan m_rahuKala;
    CPanchangaSpan m_gulikaKala;
    CPanchangaSpan m_yamaGanda;
    int m_nVarjyaCount = 0; // 0-kMaxVarjyas
    std::array<CPanchangaSpan, kMaxVarjyas> m_varjya;
    int m_nDurmuhurtaCount = 0; // 1-2
    std::array<CPanchangaSpan, 2> m_durmuhurta;
    CLocalDateTime m_sunrise; // or its 6:00 stand-in
    CLocalDateTime m_sunset;  // or its 18:00 stand-in
    std::uint8_t m_bSunrise = 1; // 0: the Sun does not rise that day (polar night or midnight sun)
    std::uint8_t m_bSunset = 1;  // 0: the Sun does not set within the day
    CLocalDateTime m_moonrise; // the next after the day's moment
    CLocalDateTime m_moonset;
    std::uint8_t m_bMoonrise = 0; // 0: the Moon neither rises nor sets there for a while (polar sky)
    std::uint8_t m_bMoonset = 0;
    int m_nMoonSignCount = 0; // 1 when the Moon changes sign within the day
    int m_nMoonSign = 0;      // 0 Aries .. 11 Pisces, at the moment
    CLocalDateTime m_moonSignEnd;
    std::array<CPanchangaPeriod, kHoraCount> m_hora;
    std::array<CPanchangaPeriod, kChoghadiyaSlots> m_choghadiya;
};

// Start offsets of Varjya, ghatis of a nakshatra of 60, by nakshatra 0 Aswini .. 26 Revati.
extern const std::array<int, 27> g_nVarjyaGhatis;

// Casts `work` for the civil day whose noon is `jdUtNoon` (UT Julian day) at `place`'s place and zone:
// the chart at the day's sunrise (by WeekdayDefinition) + 0.01 hour with its planets, day frames,
// nakshatras and panchanga; the weekday is that of the civil day's noon.
CalcStatus CastPanchangaDayChart(const CChartCore& place, double jdUtNoon, CChart& work);

// Fills `day` from a chart cast by CastPanchangaDayChart; the horas and choghadiyas only when
// `withPeriods`. Fails with the ephemeris library's message.
CalcStatus ComputePanchangaDay(const CChart& chart, CPanchangaDay& day, bool withPeriods);

// The Varjya and Durmuhurta of `day` (ComputePanchangaDay calls it).
CalcStatus ComputeVarjya(const CChart& chart, CPanchangaDay& day);

// Told after each day of a run: days done, days asked for; false stops the run, which then fails with
// kSearchCancelledMessage.
using PanchangaProgress = std::function<bool(int done, int total)>;

// `count` consecutive days from `chart`'s civil date, or from the 1st of its month when
// `fromFirstOfMonth`, at its place and zone.
CalcStatus ComputePanchangaDays(const CChartCore& chart, int count, bool fromFirstOfMonth,
                                std::vector<CPanchangaDay>& days, const PanchangaProgress& progress = {});

// The UT Julian day of noon of the civil date of `chart`'s moment (the 1st of its month when
// `fromFirstOfMonth`) in its zone; the date of a run's first day.
double FirstNoonOfRun(const CChartCore& chart, bool fromFirstOfMonth);
