// The times of the panchanga texts near midnight: a moment that rounds to the next minute at midnight
// is the next day's 0:00, with the page's "*" and without it in the tab-separated table; a time whose
// seconds are cut stays on its own day.
#include <sstream>
#include <string>
#include <vector>

#include "document/panchanga_day.h"
#include "document/panchanga_text.h"
#include "panchanga_test_support.h"

namespace {

// 5 June 2025 at `hours` on the zone clock.
CLocalDateTime June5At(double hours) {
    CLocalDateTime moment;
    moment.m_nYear = 2025;
    moment.m_nMonth = 6;
    moment.m_nDay = 5;
    moment.m_time.m_dHours = hours;
    moment.m_time.SplitHours();
    return moment;
}

double Hms(int h, int m, double s) {
    return h + m / 60.0 + s / 3600.0;
}

// The cells of the table's first row under the header's names.
std::string TableCell(const std::string& table, const std::string& column) {
    std::istringstream lines(table);
    std::string header, row;
    std::getline(lines, header);
    std::getline(lines, row);
    const auto split = [](const std::string& line) {
        std::vector<std::string> cells;
        std::istringstream in(line);
        for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
        return cells;
    };
    const std::vector<std::string> names = split(header), cells = split(row);
    for (std::size_t i = 0; i < names.size() && i < cells.size(); ++i)
        if (names[i] == column) return cells[i];
    return "(no column " + column + ")";
}

class PanchangaTextTimesTest : public testing::Test {
    CScopedOptions m_options;
};

// A day of 5 June 2025 made by hand: the moonset at 23:59:35 and a Varjya ending at 23:59:30.25 are
// written to the nearest minute, the Moon's sign end at 23:59:59.9 with its seconds cut.
TEST_F(PanchangaTextTimesTest, ThePageWritesAMomentRoundedToMidnightAsTheNextDaysZeroHour) {
    CPanchangaDay day;
    day.m_moment = June5At(Hms(4, 30, 36));
    day.m_sunrise = June5At(Hms(4, 30, 0));
    day.m_sunset = June5At(Hms(20, 10, 0));
    day.m_moonrise = June5At(Hms(14, 48, 10));
    day.m_moonset = June5At(Hms(23, 59, 35));
    day.m_bMoonrise = day.m_bMoonset = 1;
    day.m_nVarjyaCount = 1;
    day.m_varjya[0].m_start = June5At(Hms(22, 31, 10));
    day.m_varjya[0].m_end = June5At(Hms(23, 59, 30.25));
    day.m_nDurmuhurtaCount = 1;
    day.m_durmuhurta[0].m_start = June5At(Hms(23, 59, 29.9)); // stays before midnight
    day.m_durmuhurta[0].m_end = June5At(Hms(23, 59, 59.9));
    day.m_nMoonSignCount = 1;
    day.m_moonSignEnd = June5At(Hms(23, 59, 59.9));

    EXPECT_EQ(RiseSetEntries(day, " "),
              "Sunrise at 4:30, Sunset at 20:10, Moonrise at 14:48, Moonset at 0:00*, ");
    EXPECT_EQ(VarjyaEntries(day), "Varjya: 22:31 - 0:00*, Durmuhurta: 23:59 - 0:00*, ");
    EXPECT_EQ(MoonSignEntry(day).substr(MoonSignEntry(day).find(" till ")), " till 23:59");
}

// Varanasi (82.99 E, 25.32 N, zone 5:30 east) on 27 June 2032: the first Varjya ends at 23:59:30.25 of
// the day. The page writes it as the next day's 0:00*, the tab-separated table, which has no day mark,
// as 0:00; neither writes 24:00.
TEST_F(PanchangaTextTimesTest, TheTableAndThePageRoundTheSameVarjyaEndAlike) {
    const CChartCore place = PlaceAtNoon(82.99, 25.32, -5.5, 2032, 6, 27);
    std::vector<CPanchangaDay> days;
    ASSERT_TRUE(ComputePanchangaDays(place, 1, false, days).ok());
    ASSERT_EQ(days.size(), 1u);
    const CLocalDateTime& end = days[0].m_varjya[0].m_end;
    ASSERT_EQ(end.m_nDay, 27);
    ASSERT_GE(end.m_time.m_dHours, Hms(23, 59, 30)); // the moment this case is about
    EXPECT_NE(VarjyaEntries(days[0]).find("- 0:00*, "), std::string::npos) << VarjyaEntries(days[0]);

    std::string table;
    ASSERT_TRUE(FormatPanchangaTableDP(place, 2032, 6, 27, 1, table).ok());
    EXPECT_EQ(TableCell(table, "Varjya1End"), "0:00");
}

} // namespace
