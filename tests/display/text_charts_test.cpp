// Charts as text: the three layouts of a fixed birth compared with text files kept beside the tests
// (made once, read line by line against the layout: 49 characters a line, CR LF, the North lagna number
// at character 585), the figure kept whole whatever is written into it, and the copy commands.
#include <QFile>
#include <QMenu>
#include <algorithm>
#include <functional>

#include "core/body_names.h"
#include "core/computed_bodies.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "display/chart_captions.h"
#include "display/chart_commands.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display/text_charts.h"
#include "display_test_support.h"
#include "document/report_dispatch.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"

namespace {

std::string ReadKeptText(const std::string& name) {
    QFile file(QString(KH_GOLDEN_DIR) + "/" + QString::fromStdString(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// Compares with the kept text; KH_UPDATE_GOLDEN writes it instead (read it before keeping it).
void CompareWithKeptText(const std::string& text, const std::string& name) {
    if (std::getenv("KH_UPDATE_GOLDEN")) {
        QFile file(QString(KH_GOLDEN_DIR) + "/" + QString::fromStdString(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return;
    }
    const std::string kept = ReadKeptText(name);
    ASSERT_FALSE(kept.empty()) << "missing " << name;
    EXPECT_EQ(text, kept);
}

// The figure of a text chart: its line characters kept, everything written into it blanked.
std::string Figure(std::string text) {
    for (char& c : text)
        if (std::string_view("|+-\\/\r\n").find(c) == std::string_view::npos) c = ' ';
    return text;
}

std::string Line(const std::string& text, int line) {
    return text.substr(static_cast<size_t>(line * kTextChartLinePitch), kTextChartWidth);
}

struct StyleCase {
    const char* name;
    int lines;
    std::function<std::string(const CChart&, int)> format;
};

const StyleCase kStyles[] = {
    {"south", kSouthTextLines, [](const CChart& c, int v) { return FormatSouthChartText(c, v, true); }},
    {"south_mirrored", kSouthTextLines,
     [](const CChart& c, int v) { return FormatSouthChartText(c, v, false); }},
    {"north", kNorthTextLines, [](const CChart& c, int v) { return FormatNorthChartText(c, v); }},
    {"east_framed", kEastTextLines, [](const CChart& c, int v) { return FormatEastChartText(c, v, true); }},
    {"east", kEastTextLines, [](const CChart& c, int v) { return FormatEastChartText(c, v, false); }},
};

class TextChartsTest : public DisplayTest {};

TEST_F(TextChartsTest, EachStyleMatchesItsKeptText) {
    for (const StyleCase& style : kStyles) {
        for (const int varga : {0, 1}) {
            SCOPED_TRACE(std::string(style.name) + " varga " + std::to_string(varga));
            const std::string text = style.format(FixedBirthChart(), varga);
            CompareWithKeptText(text, std::string("text_chart_") + style.name + "_d" + (varga ? "9" : "1") +
                                          ".txt");
            // Every line 49 characters and CR LF, then the closing empty line.
            ASSERT_EQ(text.size(), static_cast<size_t>(style.lines * kTextChartLinePitch + 2));
            for (int line = 0; line <= style.lines; ++line)
                EXPECT_EQ(
                    text.substr(
                        static_cast<size_t>(line * kTextChartLinePitch + (line < style.lines ? 49 : 0)), 2),
                    "\r\n");
        }
    }
}

TEST_F(TextChartsTest, NorthShowsTheLagnaSignNumberInTheMiddle) {
    // The fixed birth rises at 3.09 deg sidereal, Aries:
    // swetest -bj2447906.770833 -ut -sid1 -house77.21,28.61,W -fPl -head -p  (Ascendant 3.0855436)
    EXPECT_EQ(FormatNorthChartText(FixedBirthChart(), 0).substr(585, 2), "1 ");
    // The same chart with its lagna moved into other signs.
    const std::pair<int, const char*> kCases[] = {{11, "12"}, {9, "10"}, {4, "5 "}};
    for (const auto& [sign, number] : kCases) {
        CChart chart = FixedBirthChart();
        chart.m_vargaSign.SetSign(kLagna, 0, sign);
        EXPECT_EQ(FormatNorthChartText(chart, 0).substr(585, 2), number) << sign;
    }
}

TEST_F(TextChartsTest, RasiHasItsNameAloneOtherVargasTheirLabelBelow) {
    const std::string rasi = FormatSouthChartText(FixedBirthChart(), 0, true);
    EXPECT_EQ(Line(rasi, 12).substr(13, 23), "         Rasi          ");
    const std::string navamsa = FormatSouthChartText(FixedBirthChart(), 1, true);
    EXPECT_EQ(Line(navamsa, 11).substr(13, 23), "        Navamsa        ");
    EXPECT_EQ(Line(navamsa, 13).substr(13, 23), "          D-9          ");
}

TEST_F(TextChartsTest, LongVargaNameIsCutToItsPlaceAndTheFigureStaysWhole) {
    const std::string keptName = g_vargaNames[kCustomColumn];
    g_vargaNames[kCustomColumn] = std::string(60, 'W');
    for (const StyleCase& style : kStyles) {
        SCOPED_TRACE(style.name);
        const std::string text = style.format(FixedBirthChart(), kCustomColumn);
        EXPECT_EQ(Figure(text), Figure(style.format(FixedBirthChart(), 0)));
        const auto count = std::count(text.begin(), text.end(), 'W');
        const bool north = style.lines == kNorthTextLines;
        const bool east = std::string(style.name).rfind("east", 0) == 0;
        if (north) {
            // From the left edge of the caption line to a blank before the centred label.
            const std::string caption = Line(text, 0);
            EXPECT_EQ(caption.find_first_not_of('W'), static_cast<size_t>(count));
            EXPECT_EQ(caption[static_cast<size_t>(count)], ' ');
            EXPECT_NE(caption.find(VargaLabel(kCustomColumn)), std::string::npos);
        } else {
            // The blanks of the middle block: 23 from column 13, or 15 from column 17 in the East chart.
            EXPECT_EQ(count, east ? 15 : 23);
            EXPECT_EQ(Line(text, 11).find('W'), east ? 17u : 13u);
        }
    }
    g_vargaNames[kCustomColumn] = keptName;
}

// Every body of the text charts but the lagna put into one sign, for each sign (so the North chart
// fills each of its cell shapes): the first nine of the cell stand whole, those past the tenth are left
// out (in the North chart's side triangles the tenth shares the ninth's place and is left out too).
TEST_F(TextChartsTest, FullCellsKeepTheirEntriesWhole) {
    const int bodies[] = {0, 1, 2,          3,           4,       5,       6,           7,
                          8, 9, kHoraLagna, kGhatiLagna, kMaandi, kGulika, kArudhaLagna};
    auto label = [](int body) {
        std::string text = ChosenPlanetAbbrevs()[body];
        return text.substr(0, text.find(' '));
    };
    const int lagnaSign = FixedBirthChart().m_vargaSign.Sign(kLagna, 0);
    for (const StyleCase& style : kStyles) {
        for (int sign = 0; sign < 12; ++sign) {
            SCOPED_TRACE(std::string(style.name) + " sign " + std::to_string(sign));
            CChart chart = FixedBirthChart();
            std::vector<int> cell;
            for (const int body : bodies) {
                if (body != kLagna) chart.m_vargaSign.SetSign(body, 0, sign);
                if (body != kLagna || sign == lagnaSign) cell.push_back(body);
            }
            const std::string text = style.format(chart, 0);
            EXPECT_EQ(Figure(text), Figure(style.format(FixedBirthChart(), 0)));
            for (size_t j = 0; j < cell.size(); ++j) {
                const bool shown = text.find(label(cell[j])) != std::string::npos;
                if (j < 9) {
                    EXPECT_TRUE(shown) << label(cell[j]);
                } else if (j >= 10) {
                    EXPECT_FALSE(shown) << label(cell[j]);
                }
            }
        }
    }
}

TEST_F(TextChartsTest, StyleChoosesTheLayout) {
    const CChart& chart = FixedBirthChart();
    EXPECT_EQ(FormatChartText(chart, 1, 0), FormatSouthChartText(chart, 1, true));
    EXPECT_EQ(FormatChartText(chart, 1, 1), FormatSouthChartText(chart, 1, false));
    EXPECT_EQ(FormatChartText(chart, 1, 2), FormatNorthChartText(chart, 1));
    EXPECT_EQ(FormatChartText(chart, 1, 3), FormatEastChartText(chart, 1, false));
    EXPECT_EQ(FormatChartText(chart, 1, 4), FormatEastChartText(chart, 1, true));
    EXPECT_EQ(FormatChartText(chart, 1, 7), FormatSouthChartText(chart, 1, true));
    EXPECT_EQ(FormatChartTextAllStyles(chart, 1), FormatSouthChartText(chart, 1, true) +
                                                      FormatNorthChartText(chart, 1) +
                                                      FormatEastChartText(chart, 1, true));
}

TEST_F(TextChartsTest, ReportTextIsTheRasiOrEveryVarga) {
    g_nChartStyle = 2;
    CChartView view;
    view.OnInitialUpdate();
    RefreshViewData(false);
    ASSERT_NE(ReportView(kChartReport), nullptr);
    EXPECT_EQ(ReportView(kChartReport)->ReportText(), FormatNorthChartText(FixedBirthChart(), 0));
    RefreshViewData(true);
    const std::string all = ReportView(kChartReport)->ReportText();
    EXPECT_EQ(all.size(), 23 * FormatNorthChartText(FixedBirthChart(), 0).size());
    EXPECT_EQ(all.rfind(FormatNorthChartText(FixedBirthChart(), 0), 0), 0u);
    EXPECT_NE(all.find(FormatNorthChartText(FixedBirthChart(), 22)), std::string::npos);
}

class CopyChartTextTest : public DisplayTest {
protected:
    CopyChartTextTest() {
        m_keptHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            return MessageResult::kOk;
        });
        m_keptWriter = SetClipboardWriter([this](const std::string& text) {
            m_copied = text;
            return m_accept;
        });
    }
    ~CopyChartTextTest() override {
        SetClipboardWriter(std::move(m_keptWriter));
        SetMessageBoxHandler(std::move(m_keptHandler));
    }
    std::vector<std::string> m_messages;
    std::string m_copied;
    bool m_accept = true;
    MessageBoxHandler m_keptHandler;
    ClipboardWriter m_keptWriter;
};

TEST_F(CopyChartTextTest, CommandsCopyThePanesChartOrSayTheClipboardRefused) {
    g_nChartStyle = 4;
    g_nChartPaneCount = 2;
    g_nPaneVarga[0] = 1;
    CChartView view;
    view.OnInitialUpdate();
    ASSERT_TRUE(view.RunCommand(kCmdCopyChartText));
    EXPECT_EQ(m_copied, FormatEastChartText(FixedBirthChart(), 1, true));
    ASSERT_TRUE(view.RunCommand(kCmdCopyChartTextAllStyles));
    EXPECT_EQ(m_copied, FormatChartTextAllStyles(FixedBirthChart(), 1));
    EXPECT_TRUE(m_messages.empty());

    m_accept = false;
    EXPECT_FALSE(view.CopyChartAsText(false));
    EXPECT_EQ(m_messages, std::vector<std::string>{"Error: Unable to set Clipboard data"});
}

// The "Copy chart" popup of each chart view: the rasi-navamsa pictures in the chart view's own (and the
// entry chart's), not in the mixed chart's.
TEST_F(CopyChartTextTest, EveryChartViewOffersCopyChart) {
    auto copyEntries = [](CChartView& view) {
        QMenu menu;
        view.BuildContextMenu(menu);
        for (QAction* action : menu.actions())
            if (action->menu() && action->text() == "&Copy chart") {
                std::vector<int> commands;
                for (QAction* entry : action->menu()->actions())
                    if (!entry->isSeparator()) commands.push_back(entry->data().toInt());
                return commands;
            }
        return std::vector<int>{};
    };
    CChartView chartView;
    chartView.OnInitialUpdate();
    EXPECT_EQ(
        copyEntries(chartView),
        (std::vector<int>{kCmdCopyChartText, kCmdCopyChartTextAllStyles, kCmdPictureAsOnScreen,
                          kCmdPicture300DpiAsOnScreen, kCmdPictureSouthNorth, kCmdPicture300DpiSouthNorth,
                          kCmdPictureRasiNavamsa, kCmdPicture300DpiRasiNavamsa}));
    CMixedChartView mixed;
    mixed.OnInitialUpdate();
    EXPECT_EQ(copyEntries(mixed), (std::vector<int>{kCmdCopyChartText, kCmdCopyChartTextAllStyles,
                                                    kCmdPictureAsOnScreen, kCmdPicture300DpiAsOnScreen,
                                                    kCmdPictureSouthNorth, kCmdPicture300DpiSouthNorth}));
}

} // namespace
