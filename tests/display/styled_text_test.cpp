// Styled text on the recording surface: scaling by the drawing factors while printing and capturing,
// and near-black text for black printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "display/chart_label_text.h"
#include "display/drawing_factors.h"
#include "display/styled_text.h"
#include "display_test_support.h"
#include "platform/recording_surface.h"

namespace {

class StyledTextTest : public ::testing::Test {
protected:
    ~StyledTextTest() override {
        g_dDrawScaleX = 1.0;
        g_dDrawScaleY = 1.0;
        g_bPrinting = false;
        g_bScaledCapture = false;
        g_bPrintInBlack = false;
    }
    static TextStyle Style() {
        TextStyle style;
        style.SetBox(Rect{10, 20, 110, 40});
        style.color = Rgb(200, 0, 0);
        style.font = LogicalFont{"Arial", 20, 0, 700};
        return style;
    }
    static bool Has(const RecordingSurface& surface, const std::string& call) {
        return std::find(surface.Calls().begin(), surface.Calls().end(), call) != surface.Calls().end();
    }
};

TEST_F(StyledTextTest, PrintingScalesFontAndRectangleCaptureTheFontOnly) {
    struct Case {
        bool printing;
        bool capture;
        const char* font;
        const char* text;
    };
    const Case kCases[] = {
        {true, false, "SelectFont \"Arial\" 80 0 700", "DrawText \"Su\" 41,80,458,160 0x000000"},
        {false, true, "SelectFont \"Arial\" 80 0 700", "DrawText \"Su\" 10,20,110,40 0x000000"},
        {false, false, "SelectFont \"Arial\" 20 0 700", "DrawText \"Su\" 10,20,110,40 0x000000"},
    };
    g_dDrawScaleX = 4.17;
    g_dDrawScaleY = 4.0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.printing ? "printing" : "") + (c.capture ? "capture" : ""));
        g_bPrinting = c.printing;
        g_bScaledCapture = c.capture;
        RecordingSurface surface;
        DrawStyledText(surface, "Su", Style());
        EXPECT_TRUE(Has(surface, c.font));
        EXPECT_TRUE(Has(surface, c.text));
    }
}

TEST_F(StyledTextTest, BlackPrintingOverridesEveryColour) {
    g_bPrintInBlack = true;
    RecordingSurface surface;
    DrawStyledText(surface, "Su", Style());
    EXPECT_TRUE(Has(surface, "SetTextColor 0x0a0a0a"));
}

TEST(ScaleFontFields, TruncatesEachField) {
    LogicalFont font{"Arial", 10, 0, 400};
    ScaleFontFields(font, 1.4, 1.4, 2.0);
    EXPECT_EQ(font.height, 14);
    EXPECT_EQ(font.width, 0);
    EXPECT_EQ(font.weight, 800);
    LogicalFont chart{"Arial", 27, 9, 200};
    ScaleFontFields(chart, 0.62, 0.62, 0.62);
    EXPECT_EQ(chart.height, 16); // 16.74
    EXPECT_EQ(chart.weight, 124);
}

TEST(FormatChartCaption, KarakaLabelsOfABody) {
    CChart chart;
    chart.m_charaKaraka = {1, 4, 3, 2, 5, 2, 6, 7}; // Mercury the AmK, the Moon MK and PK
    EXPECT_EQ(FormatChartCaption(chart, 4, true), "- AmK");
    EXPECT_EQ(FormatChartCaption(chart, 2, false), "MK/PK");
    EXPECT_EQ(FormatChartCaption(chart, 0, true), "");
    EXPECT_EQ(FormatChartCaption(chart, 9, false), "");
}

} // namespace
