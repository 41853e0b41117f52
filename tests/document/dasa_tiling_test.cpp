// Every dasa code on real charts from 1800 to 2400, north and south: computed without error, and at
// every level the listed periods tile their parent to the second (the first starts with it, each ends
// where the next starts, the last ends with it).
#include <gtest/gtest.h>

#include "dasa_tiling_support.h"

namespace {

struct Birth {
    double jdUt;
    double longitudeEast;
    double latitude;
    const char* place;
};
// Noon-ish UT moments spread over the ephemeris' range.
const Birth kBirths[] = {
    {2378497.3, 77.21, 28.61, "Delhi 1800"},      {2415385.9, -58.38, -34.60, "Buenos Aires 1900"},
    {2446827.1, 151.21, -33.87, "Sydney 1987"},   {2488434.6, -0.13, 51.51, "London 2100"},
    {2597640.4, 18.42, -33.92, "Cape Town 2400"},
};

// Named by its place in test lists.
void PrintTo(const Birth& birth, std::ostream* out) {
    *out << birth.place;
}

// One birth per test, so that ctest runs them side by side; true sidereal years, the default.
class DasaTilingTest : public DasaTest, public testing::WithParamInterface<Birth> {
protected:
    DasaTilingTest() { g_nDasaYearDefinition.fill(kYearTrueSiderealSolar); }
};

TEST_P(DasaTilingTest, EveryCodeTilesSixLevels) {
    const Birth& b = GetParam();
    CChart chart = ChartAt<CChart>(b.jdUt, b.longitudeEast, b.latitude);
    ASSERT_TRUE(chart.Compute().ok());
    for (int code = 0; code < kDasaCodeCount; ++code)
        ExpectDasaTiles(chart, code, kDasaLevels,
                        [code](int level, int count) { return (code + 3 * level) % count; });
}

INSTANTIATE_TEST_SUITE_P(Births, DasaTilingTest, testing::ValuesIn(kBirths),
                         [](const testing::TestParamInfo<Birth>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
