// The frame's time steps and copy commands in the whole program, offscreen: the steps move the birth
// or transit time and the panes follow; the copies put the panes' text on the clipboard or say that the
// clipboard refused it.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/data_folder.h"
#include "display/chart_view.h"
#include "document/birth_time_undo.h"
#include "document/document_state.h"
#include "document/report_dispatch.h"
#include "document/tavro_doc.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "app/application.h"
#include "shell/main_frame.h"
#include "shell/splash_wnd.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

namespace {

class FrameStepCopyTest : public testing::Test {
protected:
    FrameStepCopyTest() {
        QStandardPaths::setTestModeEnabled(true);
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        m_keptHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            return MessageResult::kOk;
        });
        const QString path = m_folder.filePath("chennai.tvd");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kChennaiChartText.data(), static_cast<qint64>(kChennaiChartText.size()));
        file.close();
        EXPECT_TRUE(m_application.InitInstance({path}));
        m_messages.clear();
    }
    ~FrameStepCopyTest() override {
        CSplashWnd::HideSplashScreen();
        m_application.ExitInstance();
        InitialiseEphemeris(); // closed by the program's shut-down; the next tests still calculate
        SetMessageBoxHandler(std::move(m_keptHandler));
        QStandardPaths::setTestModeEnabled(false);
    }
    CTavroDoc& Document() { return *m_application.Document(); }
    CMainFrame& Frame() { return *m_application.MainFrame(); }
    // The item of the frame's menus with that text; null when there is none.
    QAction* MenuItem(const QString& text) {
        for (QAction* top : Frame().menuBar()->actions()) {
            if (!top->menu()) continue;
            for (QAction* item : top->menu()->actions())
                if (item->text() == text) return item;
        }
        return nullptr;
    }

    QTemporaryDir m_folder;
    CTavroApp m_application;
    std::vector<std::string> m_messages;
    MessageBoxHandler m_keptHandler;
};

TEST_F(FrameStepCopyTest, BirthTimeStepsMoveTheChartAndThePanesFollow) {
    CTavroDoc& document = Document();
    const double birth = document.m_natalChart.GetJulianDay();
    const int undoEntries = g_birthTimeUndo.Count();
    const std::string before = GatherReportText(false);
    struct Case {
        int unit;
        double days;
    };
    const Case cases[] = {{0, 1 / 86400.0}, {1, 15 / 86400.0}, {2, 1 / 1440.0}, {3, 1 / 24.0}, {4, 1.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unit);
        Frame().BirthTimeCombo()->setCurrentIndex(c.unit);
        ASSERT_TRUE(Frame().RunCommand(kCmdBirthTimeForward));
        EXPECT_NEAR(document.m_natalChart.GetJulianDay() - birth, c.days, 1e-7);
        ASSERT_TRUE(Frame().RunCommand(kCmdBirthTimeBackward));
        EXPECT_NEAR(document.m_natalChart.GetJulianDay(), birth, 1e-7);
    }
    // Every step is one entry of the birth-time history, and the chart is changed.
    EXPECT_EQ(g_birthTimeUndo.Count(), undoEntries + 10);
    EXPECT_TRUE(document.IsModified());

    // A month on: the key data, the chart and the dasa text show the new moment.
    Frame().BirthTimeCombo()->setCurrentIndex(5);
    ASSERT_TRUE(Frame().RunCommand(kCmdBirthTimeForward));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nMonth, 6);
    EXPECT_NE(GatherReportText(false), before);
    EXPECT_TRUE(Frame().RunCommand(kCmdUndoLatestBirthTime));
    EXPECT_EQ(document.m_natalChart.m_dateTime.m_nMonth, 5);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(FrameStepCopyTest, TransitStepsMoveTheSharedTransitMoment) {
    const CLocalDateTime start = g_transitMoment;
    Frame().TransitTimeCombo()->setCurrentIndex(6); // a year
    ASSERT_TRUE(Frame().RunCommand(kCmdTransitTimeForward));
    EXPECT_EQ(g_transitMoment.m_nYear, start.m_nYear + 1);
    ASSERT_TRUE(Frame().RunCommand(kCmdTransitTimeBackward));
    EXPECT_EQ(g_transitMoment.m_nYear, start.m_nYear);
}

TEST_F(FrameStepCopyTest, CopiesPutThePanesTextOnTheClipboardOrSayItWasRefused) {
    std::string copied;
    const ClipboardWriter kept = SetClipboardWriter([&copied](const std::string& text) {
        copied = text;
        return true;
    });
    ASSERT_TRUE(Frame().RunCommand(kCmdCopyBasic));
    EXPECT_EQ(m_messages, std::vector<std::string>{"Successfully Copied!: Copied basic chart calculations into the "
                                                   "clipboard as text. You can paste it into other programs that "
                                                   "accept text."});
    // The key data first, then the basic information and the dasa of the panes.
    ASSERT_NE(ReportView(kCoreInfoReport), nullptr);
    const std::string keyData = ReportView(kCoreInfoReport)->ReportText();
    ASSERT_FALSE(keyData.empty());
    EXPECT_EQ(copied.rfind(keyData, 0), 0u);
    EXPECT_NE(copied.find(ReportView(kBasicInfoReport)->ReportText()), std::string::npos);
    EXPECT_NE(copied.find(ReportView(kDasaReport)->ReportText()), std::string::npos);
    // The chart view's rasi chart as text, in the chart style.
    ASSERT_NE(g_pChartView, nullptr);
    const std::string chartText = ReportView(kChartReport)->ReportText();
    EXPECT_EQ(chartText, g_pChartView->FormatChartText(0));
    EXPECT_NE(copied.find(chartText), std::string::npos);

    m_messages.clear();
    QAction* copyComplete = MenuItem("Copy complete calculations");
    ASSERT_NE(copyComplete, nullptr);
    copyComplete->trigger();
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].rfind("Successfully Copied!: Copied chart calculations", 0), 0u);
    // Every piece the report lists, each in full and in the report's order.
    const struct {
        int kind;
        const char* opening; // how the piece's text begins
    } pieces[] = {
        {kCoreInfoReport, ""}, {kBasicInfoReport, ""}, {kAshtakavargaReport, "Ashtakavarga of Rasi Chart:"},
        {kShadbalaReport, ""}, {kStrengthsReport, ""}, {kChartReport, ""},
        {kDasaReport, ""},
    };
    std::size_t from = 0;
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece.kind);
        ASSERT_NE(ReportView(piece.kind), nullptr);
        const std::string text = ReportView(piece.kind)->ReportText();
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.rfind(piece.opening, 0), 0u);
        const std::size_t at = copied.find(text, from);
        ASSERT_NE(at, std::string::npos);
        from = at + text.size();
    }
    EXPECT_EQ(from, copied.size());
    // Both ashtakavarga tables: the bindus, then the pindas.
    EXPECT_LT(copied.find("Ashtakavarga of Rasi Chart:"),
              copied.find("Sodhya Pinda  Rasi Pinda  Graha Pinda"));

    // A clipboard that does not take the text: no success is claimed.
    SetClipboardWriter([](const std::string&) { return false; });
    m_messages.clear();
    ASSERT_TRUE(Frame().RunCommand(kCmdCopyBasic));
    EXPECT_EQ(m_messages, std::vector<std::string>{"Error: Unable to set Clipboard data"});
    SetClipboardWriter(kept);

    // The main menu's chart copies: the chart view's current pane as text, or as a picture.
    SetClipboardWriter([&copied](const std::string& text) {
        copied = text;
        return true;
    });
    m_messages.clear();
    ASSERT_TRUE(Frame().RunCommand(kCmdCopyChartAsText));
    EXPECT_EQ(copied, g_pChartView->FormatChartText(g_nPaneVarga[g_pChartView->CurrentPane()]));
    QImage picture;
    const ClipboardImageWriter keptImages = SetClipboardImageWriter([&picture](const QImage& image) {
        picture = image;
        return false;
    });
    ASSERT_TRUE(Frame().RunCommand(kCmdCopyChartAsPicture));
    EXPECT_EQ(picture.size(), QSize(382, 382));
    ASSERT_EQ(m_messages.size(), 2u); // the text's confirmation, then the picture's refusal
    EXPECT_EQ(m_messages[1], "Error: Unable to set Clipboard data");
    SetClipboardImageWriter(keptImages);
    SetClipboardWriter(kept);

    // The real clipboard reads back what it got.
    EXPECT_TRUE(PutTextOnClipboard("Lagna 12 Le 34"));
}

// Every copy command of the Edit menu says what it put on the clipboard and in which form, the chart's
// as the calculations' do.
TEST_F(FrameStepCopyTest, EditMenuCopiesConfirmWhatTheyCopied) {
    const ClipboardWriter keptText = SetClipboardWriter([](const std::string&) { return true; });
    const ClipboardImageWriter keptImages = SetClipboardImageWriter([](const QImage&) { return true; });
    const std::string kText =
        " into the clipboard as text. You can paste it into other programs that accept text.";
    const struct {
        const char* item;
        std::string message;
    } cases[] = {
        {"Copy basic calculations", "Copied basic chart calculations" + kText},
        {"Copy complete calculations", "Copied chart calculations" + kText},
        {"Copy chart as text", "Copied the chart" + kText},
        {"Copy chart as picture",
         "Copied the chart into the clipboard as a picture. You can paste it into other "
         "programs that accept pictures."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* item = MenuItem(c.item);
        ASSERT_NE(item, nullptr);
        m_messages.clear();
        item->trigger();
        EXPECT_EQ(m_messages, std::vector<std::string>{"Successfully Copied!: " + c.message});
    }
    SetClipboardImageWriter(keptImages);
    SetClipboardWriter(keptText);
}

} // namespace
