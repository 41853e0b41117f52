#pragma once
// Records of the birth day and the panchanga that a chart keeps: the day frames measured in ghatis
// (60 ghatis = one day), the lords of the day, the panchanga limbs and the dasa seeds. They are
// filled by the chart's day steps (ComputeSunriseSunset, ComputeTimeUpagrahas, ComputePanchanga,
// ComputeDasaSeeds); the views and the analysis only read them.
#include <array>
#include <cstdint>

// One day frame (sunrise frame, or the 6:00-to-6:00 frames of local mean time and zone time): its three
// moments as UT Julian days and the birth measured against them in ghatis.
struct CDayFrameTimes {
    double m_dStartJd = 0.0;               // start of the day: sunrise, or 6:00
    double m_dNightStartJd = 0.0;          // start of the night: sunset, or 18:00
    double m_dNextStartJd = 0.0;           // start of the next day
    double m_dGhatisSinceStart = 0.0;      // birth - start of the day (sunrise, or 6:00)
    double m_dGhatisSinceNightStart = 0.0; // birth - start of the night (sunset, or 18:00); < 0 by day
    double m_dDayLength = 0.0;             // start of the night - start of the day
    double m_dNightLength = 0.0;           // next day's start - start of the night
    double m_dWholeDay = 0.0;              // next day's start - start of the day
    std::uint8_t m_bDayBirth = 0;          // 1 when the birth lies before the start of the night
    // 1 where the sunrise frame has no sunrise (sunset, next sunrise) to start at because the Sun stays
    // down or up (polar night, midnight sun): the moment is then 6:00 (18:00) of local mean time. The
    // clock frames never set them.
    std::uint8_t m_bStandInStart = 0;
    std::uint8_t m_bStandInNightStart = 0;
    std::uint8_t m_bStandInNextStart = 0;
};

// What one day frame gives: the civil day number, weekday 0 Sunday .. 6 Saturday, hora lord (body
// 1-7), kaala lord (body 1-8) and the sign 0-11 of the running five-minute part of the hora.
struct CDayLords {
    int m_nDayNumber = 0;
    int m_nWeekday = 0;
    int m_nHoraLord = 0;
    int m_nKaalaLord = 0;
    int m_nFiveMinuteSign = 0;
};

// One dasa seed: the point's nakshatra 0-26, its sidereal longitude (degrees) and the fraction of the
// nakshatra still to run (0-1).
struct CDasaSeed {
    int m_nNakshatra = 0;
    double m_dLongitude = 0.0;
    double m_dFractionLeft = 0.0;
};
inline constexpr int kDasaSeedCount = 21;
inline constexpr int kHarmonicTithiCount = 36;

// Karana 0-10 of the half-tithi n = 0..59 (Moon - Sun in 6-degree steps): Kimstughna first, then
// Bava .. Vishti eight times over, then Shakuni, Chatushpada and Naga; stored one less than the karana
// number, so Kimstughna is 10.
inline int KaranaOfHalfTithi(int n) {
    if (n == 0) return 10;
    if (n <= 56) return (n - 1) % 7;
    return n - 50; // 57, 58, 59 -> 7, 8, 9
}

// The panchanga of the chart's moment. Indices are 0-based; a fraction left is the part of the current
// unit still to run, 0 to 1.
struct CPanchanga {
    int m_nLunarMonth = 0;       // 0 Vaisakha .. 11 Chaitra
    int m_nIntercalaryState = 0; // 0 none, 1 the month before was intercalary, 2 this month is
    int m_nCycleYear = 0;        // 0-59 of the sixty-year cycle
    std::array<int, kHarmonicTithiCount> m_nTithi{};            // [h - 1]: tithi 0-29 of (Moon - Sun) x h
    std::array<double, kHarmonicTithiCount> m_dTithiFraction{}; // fraction left of each
    int m_nMoonNakshatra = 0;
    double m_dMoonNakshatraFraction = 0.0;
    std::array<CDasaSeed, kDasaSeedCount> m_dasaSeed{};
    int m_nYoga = 0; // 0-26
    double m_dYogaFraction = 0.0;
    int m_nKarana = 0; // 0-10
    double m_dKaranaFraction = 0.0;
    int m_nKarakaTithi = 0; // between the atma and amatya karakas
    double m_dKarakaTithiFraction = 0.0;
    int m_nKarakaKarana = 0;
    double m_dKarakaKaranaFraction = 0.0;
    int m_nKarakaYoga = 0;
    double m_dKarakaYogaFraction = 0.0;
    std::array<int, 2> m_nTimeNakshatra28{}; // the two time nakshatras, 0-27 of the 28-fold wheel
};
