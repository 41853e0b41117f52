// Chart pictures: the sizes and resolution of the saved files read back with Qt, the picture of a pane
// against the pane as the screen draws it, the file name's ending, failures said and leaving no file,
// and every setting a picture changes put back. Every picture of every style is saved for a look.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "../golden_image.h"
#include "core/planet_tables.h"
#include "core/zodiac_names.h"
#include "display/chart_cells.h"
#include "display/chart_colors.h"
#include "display/chart_commands.h"
#include "display/chart_pictures.h"
#include "display/chart_view.h"
#include "display/drawing_factors.h"
#include "display_test_support.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"

namespace {

std::uint32_t LittleEndianAt(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

class ChartPicturesTest : public DisplayTest {
protected:
    ChartPicturesTest() {
        g_nChartPaneCount = 2;
        g_bPackedChartMode = true;
        m_keptHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            return MessageResult::kOk;
        });
        m_keptDialogs =
            SetChartPictureDialogs(PictureDialogs{[this](QWidget*) { return m_target; },
                                                  [this](QWidget*, const std::string& title) {
                                                      m_offeredTitle = title;
                                                      return std::optional<std::string>("Test Chart");
                                                  }});
    }
    ~ChartPicturesTest() override {
        SetChartPictureDialogs(std::move(m_keptDialogs));
        SetMessageBoxHandler(std::move(m_keptHandler));
    }
    std::string PathOf(const char* name) const { return m_folder.filePath(name).toStdString(); }

    QTemporaryDir m_folder;
    std::optional<PictureTarget> m_target;
    std::string m_offeredTitle;
    std::vector<std::string> m_messages;
    MessageBoxHandler m_keptHandler;
    PictureDialogs m_keptDialogs;
};

// Size and resolution field of every picture, saved as a bitmap and read back; the header's fields
// read from the bytes.
TEST_F(ChartPicturesTest, SavedBitmapsHaveTheirSizeAndResolution) {
    struct Case {
        ChartPicture picture;
        int k;
        int width;
        int height;
        int pixelsPerMetre;
    };
    const Case kCases[] = {
        {ChartPicture::kAsOnScreen, 1, 382, 382, 0},  {ChartPicture::kAsOnScreen, 2, 742, 742, 12000},
        {ChartPicture::kSouthNorth, 1, 663, 392, 0},  {ChartPicture::kSouthNorth, 3, 1989, 1176, 12000},
        {ChartPicture::kRasiNavamsa, 1, 663, 392, 0}, {ChartPicture::kRasiNavamsa, 3, 1989, 1176, 12000},
    };
    CChartView view;
    view.OnInitialUpdate();
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.picture)) + " k " + std::to_string(c.k));
        m_target = PictureTarget{PathOf("chart"), PictureFormat::kBmp};
        ASSERT_TRUE(view.SaveChartPicture(c.picture, c.k));
        QFile file(QString::fromStdString(PathOf("chart.bmp")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(LittleEndianAt(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(LittleEndianAt(bytes, 10, 4), 54u); // no colour table at 32 bits a pixel
        EXPECT_EQ(LittleEndianAt(bytes, 14, 4), 40u);
        EXPECT_EQ(LittleEndianAt(bytes, 26, 2), 1u);
        EXPECT_EQ(LittleEndianAt(bytes, 28, 2), 32u);
        EXPECT_EQ(LittleEndianAt(bytes, 34, 4), static_cast<std::uint32_t>(c.width * c.height * 4));
        EXPECT_EQ(LittleEndianAt(bytes, 38, 4), static_cast<std::uint32_t>(c.pixelsPerMetre));
        EXPECT_EQ(LittleEndianAt(bytes, 42, 4), static_cast<std::uint32_t>(c.pixelsPerMetre));
        const QImage image(QString::fromStdString(PathOf("chart.bmp")));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), c.width);
        EXPECT_EQ(image.height(), c.height);
        // Qt reads a resolution field of 0 as its own default.
        if (c.pixelsPerMetre > 0) {
            EXPECT_EQ(image.dotsPerMeterX(), c.pixelsPerMetre);
            EXPECT_EQ(image.dotsPerMeterY(), c.pixelsPerMetre);
        }
    }
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_offeredTitle, ""); // a chart never saved has no file name to offer
}

// The pane as on the screen, saved as PNG, against the view's own drawing of a 360-pixel pane.
TEST_F(ChartPicturesTest, PictureOfThePaneEqualsItsDrawingOnScreen) {
    for (const int style : {0, 2, 4}) {
        SCOPED_TRACE(style);
        g_nChartStyle = style;
        g_nPaneVarga[0] = 1;
        CChartView view;
        view.OnInitialUpdate();
        // Two panes in a window 400 x 750 are 360 pixels square.
        view.RecalcLayout(Size{400, 750});
        const Rect pane = view.PaneRect(0);
        ASSERT_EQ(pane.Width(), 360);
        ImageSurface screen(Size{400, 750});
        screen.Surface().FillRect(Rect{0, 0, 400, 750}, ColorOf(kColorChartViewFrame));
        view.DrawChart(screen.Surface(), pane, 1, FixedBirthChart(), 0, true);
        const QImage onScreen = screen.Image().copy(pane.left, pane.top, 360, 360);

        m_target = PictureTarget{PathOf("pane.png"), PictureFormat::kPng};
        ASSERT_TRUE(view.SaveChartPicture(ChartPicture::kAsOnScreen, 1));
        const QImage saved(QString::fromStdString(PathOf("pane.png")));
        ASSERT_EQ(saved.size(), QSize(382, 382));
        const QImage chart = saved.copy(6, 6, 360, 360).convertToFormat(onScreen.format());
        EXPECT_EQ(DifferingPixels(chart, onScreen), 0);
        // Beyond the chart's frame lines (three pixels out) the picture is white to its last row and column.
        int strayPixels = 0;
        for (int y = 0; y < saved.height(); ++y)
            for (int x = 0; x < saved.width(); ++x)
                if ((x < 2 || y < 2 || x >= 370 || y >= 370) && saved.pixel(x, y) != qRgb(255, 255, 255))
                    ++strayPixels;
        EXPECT_EQ(strayPixels, 0);
    }
}

TEST_F(ChartPicturesTest, FileNameGetsItsEndingUnlessItEndsSoAlready) {
    struct Case {
        const char* chosen;
        PictureFormat format;
        const char* saved;
    };
    const Case kCases[] = {
        {"chart", PictureFormat::kBmp, "chart.bmp"},
        {"chart.bmp", PictureFormat::kBmp, "chart.bmp"},
        {"chart.BMP", PictureFormat::kBmp, "chart.BMP"},
        {"x.bmp.txt", PictureFormat::kBmp, "x.bmp.txt.bmp"},
        {"chart.png", PictureFormat::kBmp, "chart.png.bmp"},
        {"chart", PictureFormat::kPng, "chart.png"},
        {"chart.PnG", PictureFormat::kPng, "chart.PnG"},
        {"a.bmp", PictureFormat::kPng, "a.bmp.png"},
    };
    for (const Case& c : kCases) EXPECT_EQ(PictureFileName(c.chosen, c.format), c.saved) << c.chosen;
}

TEST_F(ChartPicturesTest, FailedSaveIsSaidAndLeavesNoFile) {
    CChartView view;
    view.OnInitialUpdate();
    // A folder stands where the file should go: the file cannot replace it, even for root.
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("taken.bmp"));
    m_target = PictureTarget{PathOf("taken.bmp"), PictureFormat::kBmp};
    EXPECT_FALSE(view.SaveChartPicture(ChartPicture::kAsOnScreen, 1));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].rfind("Error: Failed to save bitmap", 0), 0u);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

    // A file below a file: the folder cannot be made.
    QFile plain(m_folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    m_messages.clear();
    m_target = PictureTarget{PathOf("plain") + "/chart", PictureFormat::kPng};
    EXPECT_FALSE(view.SaveChartPicture(ChartPicture::kSouthNorth, 1));
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain"});

    // Cancelled: nothing written, nothing said.
    m_messages.clear();
    m_target.reset();
    EXPECT_TRUE(view.SaveChartPicture(ChartPicture::kAsOnScreen, 1));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ChartPicturesTest, EverySettingAPictureChangesIsPutBack) {
    g_nChartLanguage = 4; // a regional script: the south-north picture draws in English
    CreateDisplayFonts();
    g_dDrawScaleX = 0.75;
    g_dDrawScaleY = 1.25;
    CChartView view;
    view.OnInitialUpdate();
    view.RecalcLayout(Size{400, 750});
    g_bPaneKarakaLabels[0] = 1;
    g_bPaneShowBody[0][kUranus] = 1;
    const auto displayFonts = g_displayFonts;
    const LogicalFont fontA = g_chartFontA;
    const LogicalFont fontB = g_chartFontB;
    const double chartScale = g_dChartScale;
    const auto shown = g_bPaneShowBody[0];
    for (const ChartPicture picture :
         {ChartPicture::kAsOnScreen, ChartPicture::kSouthNorth, ChartPicture::kRasiNavamsa}) {
        SCOPED_TRACE(static_cast<int>(picture));
        const QImage image = view.RenderChartPicture(picture, 1);
        EXPECT_FALSE(image.isNull());
        EXPECT_EQ(g_nChartLanguage, 4);
        EXPECT_EQ(g_displayFonts, displayFonts);
        EXPECT_EQ(g_chartFontA, fontA);
        EXPECT_EQ(g_chartFontB, fontB);
        EXPECT_EQ(g_dChartScale, chartScale);
        EXPECT_EQ(g_dDrawScaleX, 0.75);
        EXPECT_EQ(g_dDrawScaleY, 1.25);
        EXPECT_FALSE(g_bScaledCapture);
        EXPECT_FALSE(g_bPrintInBlack);
        EXPECT_FALSE(view.DrawState().centreBirthData);
        EXPECT_EQ(g_bPaneKarakaLabels[0], 1);
        EXPECT_EQ(g_bPaneShowBody[0], shown);
    }
    g_dDrawScaleX = 1.0;
    g_dDrawScaleY = 1.0;
    g_nChartLanguage = 2;
    CreateDisplayFonts();
}

TEST_F(ChartPicturesTest, PictureOnTheClipboardOrTheRefusalSaid) {
    CChartView view;
    view.OnInitialUpdate();
    QImage copied;
    bool accept = true;
    const ClipboardImageWriter kept = SetClipboardImageWriter([&](const QImage& image) {
        copied = image;
        return accept;
    });
    EXPECT_TRUE(view.CopyChartPicture());
    EXPECT_EQ(copied.size(), QSize(382, 382));
    EXPECT_TRUE(m_messages.empty());
    accept = false;
    EXPECT_FALSE(view.CopyChartPicture());
    EXPECT_EQ(m_messages, std::vector<std::string>{"Error: Unable to set Clipboard data"});
    SetClipboardImageWriter(kept);
}

// Where the texts `text` of a recorded drawing start ("DrawText \"Su\" 34,180,53,199 0x000100").
std::vector<Point> TextCorners(const RecordingSurface& surface, const std::string& text) {
    const std::string call = "DrawText \"" + text + "\" ";
    std::vector<Point> corners;
    for (const std::string& line : surface.Calls()) {
        Point corner;
        if (line.rfind(call, 0) == 0 &&
            std::sscanf(line.c_str() + call.size(), "%d,%d", &corner.x, &corner.y) == 2)
            corners.push_back(corner);
    }
    return corners;
}

// The cell of `sign` in a chart of style `style` drawn in `square` (the lagna in Aries, not turned).
Rect SignCellOfStyle(int style, const Rect& square, int sign) {
    if (style <= 1) return SouthSignCell(square, sign, style == 0);
    if (style == 2) return NorthCellRect(square, NorthHousePosition(sign, kAries, 0));
    return EastGridSquare(square, sign);
}

// Every picture of every style at both resolutions, saved beside the build for a look. The Sun's label
// is written in its sign's cell, Capricorn (swetest -bj2447906.770833 -ut -p0 -sid27: 271.14; the
// ascendant in Aries, -house77.21,28.61,P: 3.10), in the first chart and in the North Indian second one.
TEST_F(ChartPicturesTest, EveryPictureOfEveryStyleIsDrawn) {
    struct Kind {
        ChartPicture picture;
        const char* name;
    };
    const Kind kKinds[] = {{ChartPicture::kAsOnScreen, "screen"},
                           {ChartPicture::kSouthNorth, "south_north"},
                           {ChartPicture::kRasiNavamsa, "rasi_navamsa"}};
    g_strChartCentreCaption = "Test Chart";
    for (int style = 0; style <= 4; ++style) {
        g_nChartStyle = style;
        CChartView view;
        view.OnInitialUpdate();
        for (const Kind& kind : kKinds) {
            for (const int k : {1, kind.picture == ChartPicture::kAsOnScreen ? 2 : 3}) {
                SCOPED_TRACE(std::string(kind.name) + " style " + std::to_string(style) + " k " +
                             std::to_string(k));
                const QImage image = view.RenderChartPicture(kind.picture, k);
                ASSERT_EQ(image.size(), QSize(LayOutChartPicture(kind.picture, k).size.cx,
                                              LayOutChartPicture(kind.picture, k).size.cy));
                // The charts of the picture and their styles: a South and a North Indian chart, or two (one)
                // in the user's style; the Sun is in Capricorn in the rasi and in the navamsa.
                const ChartPictureLayout layout = LayOutChartPicture(kind.picture, k);
                std::vector<std::pair<Rect, int>> charts = {
                    {layout.first, kind.picture == ChartPicture::kSouthNorth ? 0 : style}};
                if (kind.picture != ChartPicture::kAsOnScreen)
                    charts.push_back({layout.second, kind.picture == ChartPicture::kSouthNorth ? 2 : style});
                RecordingSurface recorded;
                view.DrawChartPicture(recorded, kind.picture, k);
                const std::vector<Point> suns = TextCorners(recorded, "Su");
                for (const auto& [square, chartStyle] : charts) {
                    const Rect cell = SignCellOfStyle(chartStyle, square, kCapricorn);
                    EXPECT_TRUE(
                        std::any_of(suns.begin(), suns.end(), [&](Point p) { return cell.Contains(p); }))
                        << "no Sun in the cell at " << cell.left << "," << cell.top;
                }
                image.save(QString(KH_TEST_OUTPUT_DIR) + "/picture_" + kind.name + "_style" +
                           QString::number(style) + "_k" + QString::number(k) + ".png");
            }
        }
    }
}

// The legend of a book picture gives each place rounded to the minute as a whole (swetest
// -bj2447906.770833 -ut -sid27 -fPlZ -p56): Venus at 7 Cp 06' 56" reads 7 Cp 07, Saturn at 23 Sg 34' 54"
// reads 23 Sg 35; cutting the seconds would read 06 and 34.
TEST_F(ChartPicturesTest, TheLegendRoundsEachPlaceToTheMinute) {
    CChartView view;
    view.OnInitialUpdate();
    RecordingSurface recorded;
    view.DrawChartPicture(recorded, ChartPicture::kRasiNavamsa, 1);
    const struct { int degrees, sign, minutes; } kPlaces[] = {{7, kCapricorn, 7}, {23, kSagittarius, 35}};
    for (const auto& place : kPlaces) {
        char text[64];
        std::snprintf(text, sizeof text, "DrawText \"%2d %s %02d", place.degrees, g_pszSignNames[place.sign],
                      place.minutes);
        SCOPED_TRACE(text);
        EXPECT_TRUE(std::any_of(recorded.Calls().begin(), recorded.Calls().end(),
                                [&](const std::string& call) { return call.rfind(text, 0) == 0; }));
    }
}

} // namespace
