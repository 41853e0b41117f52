// The lords of the birth's day in each of the three day frames: civil day number, weekday, planetary
// hour (hora), lord of the eighth part of the day or night (kaala), the part planet and the sign of the
// running five-minute part of the hora.
#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "core/julian_day.h"
#include "core/sign_arithmetic.h"

namespace {

// The Julian day number of a day less this gives the count whose mod 7 (1-7) is two less than the
// weekday.
constexpr int kDayNumberEpoch = 2037;

// part / whole, 0 for a frame without length, so that an empty frame never divides by zero.
double Portion(double part, double whole) {
    return whole > 0.0 ? part / whole : 0.0;
}

// Eighth parts of the day (0-7) and night (8-15), and the lords that rule them by weekday (Sunday 0):
// the first part of the day belongs to the weekday's lord, of the night to the fifth lord from it.
constexpr int kKaalaFirstPartByDay[7] = {0, 6, 1, 3, 2, 4, 5};
constexpr int kKaalaFirstPartByNight[7] = {4, 2, 5, 7, 6, 0, 1};
constexpr int kKaalaCycle[8] = {1, 3, 5, 4,
                                6, 7, 2, 8}; // Sun, Mars, Jupiter, Mercury, Venus, Saturn, Moon, Rahu

// Sign of the first five-minute part of a hora by the hora's lord Sun .. Saturn (body 1-7).
constexpr int kFiveMinuteOffsetByDay[7] = {4, 4, 7, 5, 11, 6, 10};
constexpr int kFiveMinuteOffsetByNight[7] = {3, 3, 0, 2, 8, 1, 9};

// The eighth part (0-15) of a frame; day or night as the sunrise frame decides it for all three.
int EighthPart(const CDayFrameTimes& frame, bool dayBirth) {
    if (!g_bKaalaInDayNightSeparate)
        return static_cast<int>(Portion(frame.m_dGhatisSinceStart * 16.0, frame.m_dWholeDay));
    if (dayBirth) return static_cast<int>(Portion(frame.m_dGhatisSinceStart * 8.0, frame.m_dDayLength));
    return 8 + static_cast<int>(Portion(frame.m_dGhatisSinceNightStart * 8.0, frame.m_dNightLength));
}

CDayLords DayLordsOf(const CDayFrameTimes& frame, int dayNumber, bool sunriseDayBirth) {
    CDayLords day;
    day.m_nDayNumber = dayNumber;
    day.m_nWeekday = PositiveMod(dayNumber + 2, 7);

    const double hora = Portion(frame.m_dGhatisSinceStart * 24.0, frame.m_dWholeDay);
    int horaNumber = static_cast<int>(hora);
    int horaWeekday = day.m_nWeekday;
    if (horaNumber >= 24) { // a birth on the next day's start belongs to that day's first hora
        horaNumber -= 24;
        horaWeekday = (horaWeekday + 1) % 7;
    }
    // Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars from the weekday's lord on.
    day.m_nHoraLord = PositiveMod(horaNumber * 5 + horaWeekday, 7) + 1;

    const int part = EighthPart(frame, sunriseDayBirth);
    const int first =
        part < 8 ? kKaalaFirstPartByDay[day.m_nWeekday] : kKaalaFirstPartByNight[day.m_nWeekday];
    day.m_nKaalaLord = kKaalaCycle[PositiveMod(first + part, 8)];

    const int fiveMinutes = std::min(11, static_cast<int>((hora - std::floor(hora)) * 12.0));
    const int offset =
        (frame.m_bDayBirth ? kFiveMinuteOffsetByDay : kFiveMinuteOffsetByNight)[day.m_nHoraLord - 1];
    day.m_nFiveMinuteSign = (offset + fiveMinutes) % 12;
    return day;
}

// The part planet (0-6) of the sunrise frame, from its own eighth part of the day or night.
int PartPlanet(const CDayFrameTimes& frame, int weekday) {
    if (frame.m_bDayBirth) {
        const int part = static_cast<int>(Portion(frame.m_dGhatisSinceStart * 8.0, frame.m_dDayLength));
        return PositiveMod(weekday + 5 * (part % 8), 7);
    }
    const int part = static_cast<int>(Portion(frame.m_dGhatisSinceNightStart * 8.0, frame.m_dNightLength));
    return PositiveMod(weekday + 4 * (part % 8) + 4, 7);
}

// The civil day number of a moment of the chart's clock, given as a Julian day as if the clock were UT.
int CivilDayNumber(double clockJd) {
    return static_cast<int>(std::floor(clockJd - 0.5)) - kDayNumberEpoch;
}

} // namespace

void CChart::ComputeTimeUpagrahas() {
    const CLocalDateTime& moment = m_dateTime;
    const int civilDay =
        CivilDayNumber(JulianDay(moment.m_nYear, moment.m_nMonth, moment.m_nDay, moment.m_time.m_dHours));
    const bool morning = moment.m_time.m_dHours < 12.0;

    // The sunrise frame's day is the civil day of its sunrise: at high latitude the sunset can come after
    // civil midnight, and a birth before it still belongs to the day that sunrise began.
    const int sunriseDay = CivilDayNumber(m_sunriseFrame.m_dStartJd - moment.m_zone.m_dHours / 24.0);
    m_frameDay[0] = DayLordsOf(m_sunriseFrame, sunriseDay, m_sunriseFrame.m_bDayBirth);
    // A morning birth before the 6:00 that starts a clock day belongs to the day before.
    const CDayFrameTimes* const sixOClockFrames[2] = {&m_meanTimeFrame, &m_zoneTimeFrame};
    for (int f = 1; f < 3; ++f) {
        const CDayFrameTimes& frame = *sixOClockFrames[f - 1];
        const int dayNumber = morning && !frame.m_bDayBirth ? civilDay - 1 : civilDay;
        m_frameDay[f] = DayLordsOf(frame, dayNumber, m_sunriseFrame.m_bDayBirth);
    }
    m_nPartPlanet = PartPlanet(m_sunriseFrame, m_frameDay[0].m_nWeekday);
    m_currentDay = m_frameDay[g_nWeekdayDefinition == 0 ? 0 : 1];
    m_secondDay = m_frameDay[g_nWeekdayDefinitionKaala == 2 ? 2 : 1];
}
