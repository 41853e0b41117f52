// The panchanga page on the Chennai document: its picture, the two days it shows, the days kept until
// the chart, its zone or an option changes, and the monthly copies.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>

#include "../../golden_image.h"
#include "../views_test_support.h"
#include "document/panchanga_text.h"
#include "platform/message_box.h"
#include "platform/painter_surface.h"
#include "shell/dialogs/panchanga_period_dlg.h"
#include "views/chakras/panchanga_view.h"

namespace {

class PanchangaViewTest : public SwetestLahiriPaneTest {
protected:
    PanchangaViewTest() {
        m_pane.resize(1000, 700);
        m_pane.show();
        m_pane.SetDocument(&m_document);
        m_pane.OnInitialUpdate();
        m_previousHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_boxes.push_back(request.caption);
            return MessageResult::kOk;
        });
    }
    ~PanchangaViewTest() override { SetMessageBoxHandler(m_previousHandler); }

    std::string FirstDayLine(int line) {
        ProbeSurface surface;
        m_pane.OnDraw(surface);
        return surface.texts.at(line).text;
    }
    // The document calculated anew, as every option command does, and the views told.
    void Recalculate() {
        const CalcStatus status = m_document.Calculate(m_document.m_nSubMode);
        ASSERT_TRUE(status.ok()) << status.error;
        m_document.UpdateAllViews(nullptr);
    }

    CPanchangaView m_pane;
    std::vector<std::string> m_boxes;
    MessageBoxHandler m_previousHandler;
};

TEST_F(PanchangaViewTest, ShowsTheChartsDateAndTheNextWithTheirHorasAndChoghadiyas) {
    ProbeSurface surface;
    m_pane.OnDraw(surface);
    EXPECT_NE(surface.FindText("May 15, 1990:"), nullptr);
    EXPECT_NE(surface.FindText("May 16, 1990:"), nullptr);
    EXPECT_NE(surface.FindText("Gouri Panchanga/"), nullptr);
    // Two days of 6 lines, 3 + 24 hora texts and 3 + 16 choghadiya texts each.
    EXPECT_EQ(surface.texts.size(), 2u * (6 + 27 + 19));
    const std::string riseLine = surface.texts.at(5).text;
    EXPECT_EQ(riseLine.rfind("Sunrise at 5:", 0), 0u) << riseLine;
}

TEST_F(PanchangaViewTest, PictureOfThePage) {
    ImageSurface image(m_pane.GetTotalSize());
    m_pane.OnDraw(image.Surface());
    CompareWithGolden(image.Image(), "panchanga_view");
}

// The page keeps its days while nothing they depend on changed; a new calculation (an option such as
// the ayanamsa) or another zone gives new times.
TEST_F(PanchangaViewTest, DaysFollowAnOptionChangeAndAZoneChange) {
    const std::string limbs = FirstDayLine(1);
    m_pane.OnUpdate(nullptr, 0);
    EXPECT_EQ(FirstDayLine(1), limbs);

    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri + 1;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    Recalculate();
    EXPECT_NE(FirstDayLine(1), limbs);

    const std::string rise = FirstDayLine(5);
    ASSERT_TRUE(m_document.m_pCurrentChart->ChangeTimeZone(-6.5).ok());
    Recalculate();
    EXPECT_NE(FirstDayLine(5), rise);
    EXPECT_EQ(FirstDayLine(5).rfind("Sunrise at 6:", 0), 0u) << FirstDayLine(5);
}

// Tromso, 69 deg 39' N, in the polar night (21 December 2024, noon, zone UT+1).
const std::string kTromsoChartText =
    "12\r\n21\r\n2024\r\n12.000000000000000\r\n-1.000000\r\n-18.570000\r\n69.390000\r\n6.000000\r\n"
    "-1.000000\r\n-1.000000\r\n0\r\n105\r\nTromso\r\nNorway\r\n1\r\n1013.250000\r\n0.000000\r\n1\r\n";

// Where the Sun stays down the page says so in place of the times, and the periods counted from
// sunrise and sunset are "-", as a moonrise that does not come.
TEST_F(PanchangaViewTest, InThePolarNightThePageSaysTheSunDoesNotRise) {
    const DocumentStatus read = m_document.ReadChartText(kTromsoChartText, "tromso.tvd");
    ASSERT_TRUE(read.ok()) << read.error;
    m_document.UpdateAllViews(nullptr);
    ProbeSurface surface;
    m_pane.OnDraw(surface);
    ASSERT_EQ(surface.texts.size(), 2u * (6 + 27 + 19));
    for (int day = 0; day < 2; ++day) {
        const int first = day * (6 + 27 + 19);
        const std::string riseLine = surface.texts.at(first + 5).text;
        EXPECT_EQ(riseLine.rfind("Sun does not rise, Sun does not set, Moonrise at ", 0), 0u) << riseLine;
        EXPECT_EQ(surface.texts.at(first + 3).text, "RahuK: -, GulikaK: -, YamaG: -, ");
        EXPECT_NE(surface.texts.at(first + 4).text.find("Durmuhurta: -, "), std::string::npos);
    }
    EXPECT_NE(surface.FindText("December 21, 2024:"), nullptr);
    EXPECT_NE(surface.FindText("December 22, 2024:"), nullptr);
}

TEST_F(PanchangaViewTest, MonthFollowsANewCalculationToo) {
    const std::string before = FormatMonthlyPanchanga(m_pane.ComputeMonth(31).days);
    g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri + 1;
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    Recalculate();
    EXPECT_NE(FormatMonthlyPanchanga(m_pane.ComputeMonth(31).days), before);
}

TEST_F(PanchangaViewTest, MonthlyCopyHoldsThirtyOneDaysFromTheFirst) {
    m_pane.OnCopyMonthlyPanchanga();
    const std::string text = QApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text.rfind("\nMay 1, 1990:\n    Tuesday, ", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("\nMay 31, 1990:\n"), std::string::npos);
    EXPECT_EQ(text.find("\nJune 1, 1990:\n"), std::string::npos);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0], "Copied in plain text format!");
}

// The table for spreadsheets computes into a record of its own: the month the page keeps is unchanged.
TEST_F(PanchangaViewTest, TableLeavesTheMonthAlone) {
    const std::string month = FormatMonthlyPanchanga(m_pane.ComputeMonth(31).days);
    std::string table;
    ASSERT_TRUE(FormatPanchangaTableDP(*m_document.m_pCurrentChart, 1990, 6, 10, 3, table).ok());
    EXPECT_EQ(FormatMonthlyPanchanga(m_pane.ComputeMonth(31).days), month);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3);
    EXPECT_EQ(table.rfind("Gregorian Date\tYear\tMonth\t", 0), 0u);
    EXPECT_NE(table.find("\n10-06-1990\t1990\tJune\t10\t"), std::string::npos);
    std::string none;
    ASSERT_TRUE(FormatPanchangaTableDP(*m_document.m_pCurrentChart, 1990, 6, 10, 0, none).ok());
    EXPECT_EQ(none.find('\n'), std::string::npos);
}

// The 400-day table for spreadsheets takes a while, like the other long work: its progress shows, and
// Cancel stops it with nothing copied and nothing to say. Reached through the pane's menu.
TEST_F(PanchangaViewTest, TheLongTableShowsProgressAndCanBeCancelled) {
    QApplication::clipboard()->setText("kept");
    // The period dialog: 400 days from the chart's date.
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<CPanchangaPeriodDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->DaysEdit()->setText("400");
        dialog->accept();
    });
    // Cancel is pressed once the progress window shows.
    bool progressShown = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&progressShown] {
        if (auto* progress = dynamic_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
            progressShown = true;
            progress->cancel();
        }
    });
    cancel.start(20);
    QMenu menu;
    m_pane.FillContextMenu(menu);
    for (QAction* action : menu.actions())
        if (action->text() == "Copy monthly panchanga (DP format)") action->trigger();
    cancel.stop();
    EXPECT_TRUE(progressShown);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "kept");
    EXPECT_FALSE(m_pane.IsWaiting());
}

// A limb's end reads the same on the page and in the table: 2:17:42 is "till 2:17" on the page, so the
// table gives 2:17 too, not 2:18. A month of days has ends with seconds on both sides of 30.
TEST_F(PanchangaViewTest, TableEndsAgreeWithThePage) {
    const std::vector<CPanchangaDay>& days = m_pane.ComputeMonth(31).days;
    std::string table;
    ASSERT_TRUE(FormatPanchangaTableDP(*m_document.m_pCurrentChart, 1990, 5, 1, 31, table).ok());
    std::vector<std::vector<std::string>> rows;
    for (const QString& line : QString::fromStdString(table).split('\n').mid(1)) {
        std::vector<std::string> cells;
        for (const QString& cell : line.split('\t')) cells.push_back(cell.toStdString());
        rows.push_back(cells);
    }
    ASSERT_EQ(rows.size(), days.size());
    constexpr int kTithiEnd = 11;     // "TithiEndTime"
    constexpr int kNakshatraEnd = 15; // "NakshatraEndTime"
    // The first " till H:MM" of a page entry, without the day mark.
    const auto pageEnd = [](const std::string& entries) {
        const std::size_t at = entries.find(" till ");
        if (at == std::string::npos) return std::string();
        const std::size_t end = entries.find_first_of("*,", at + 6);
        return entries.substr(at + 6, end - at - 6);
    };
    int compared = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        SCOPED_TRACE(i + 1);
        if (const std::string end = pageEnd(TithiEntries(days[i])); !end.empty()) {
            EXPECT_EQ(rows[i].at(kTithiEnd), end);
            ++compared;
        }
        if (const std::string end = pageEnd(NakshatraEntries(days[i])); !end.empty()) {
            EXPECT_EQ(rows[i].at(kNakshatraEnd), end);
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);
}

} // namespace
