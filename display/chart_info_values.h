#pragma once
// Value texts of the panchanga lines of the chart information block, read from the chart's computed
// panchanga and day lords; names come from the core's calendar tables.
#include <string>

class CChart;

std::string LunarYearMonthText(const CChart& chart); // "Pramoda - Pausha"
std::string LunarMonthText(const CChart& chart);     // "Adhika Pausha": the month with its kind
// Tithi name, its lord's two-letter name and, with `deity`, the tithi's deity: "Sukla Dasami (Ju) [..]".
std::string TithiText(const CChart& chart, int tithi, bool deity);
std::string WeekdayText(const CChart& chart);   // "Monday (Mo)"
std::string NakshatraText(const CChart& chart); // "Rohini (Mo)"
std::string YogaText(const CChart& chart, int yoga, double fractionLeft);
std::string KaranaText(const CChart& chart);
std::string HoraLordText(const CChart& chart, bool mahakala); // "Jupiter (5 min sign: Leo)"
std::string KaalaLordText(const CChart& chart);               // "Mars (Mahakala: Venus)"
std::string ChoghadiyaText(const CChart& chart);              // "Amrita (Choghadiya)"
// The snapshot's time; with its month and day when it falls on another day of the month than the birth.
// Where the Sun does not rise or set that day, "Sun does not rise (day from 6:00 LMT)" or "Sun does not
// set (night from 18:00 LMT)"; a sunset before a day without sunrise adds " (next day from 6:00 LMT)".
std::string SunTimeText(const CChart& chart, bool sunset);
std::string JanmaGhatisText(const CChart& chart);
std::string AyanamsaText(const CChart& chart);     // "23-43-07.12"
std::string SiderealTimeText(const CChart& chart); // "20:11:05"
std::string PercentLeftText(double fractionLeft);  // "  (45.20% left)"
std::string MonthName(int month);                  // 1-12: "January" ...

// Lords (body numbers 1 Sun .. 9 Ketu) of a tithi 0-29, a nakshatra 0-26 and a yoga 0-26.
int TithiLord(int tithi);
int NakshatraLord(int nakshatra);
int YogaLord(int yoga);
