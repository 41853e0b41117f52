// Frame commands that stand without the document, and what closing the frame saves.
#include <QPointer>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

#include "platform/view.h"
#include "shell/command_ids.h"
#include "shell/display_fonts.h"
#include "shell/extra_frames.h"
#include "shell/layout_table.h"
#include "shell/preferences.h"
#include "shell/window_sizes.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

TEST_F(MainFrameTest, ClosingSavesTheCurrentTimeStepsWithThePreferences) {
    QTemporaryDir folder;
    const std::string savedFolder = g_strDataDirectory;
    const int birthStep = g_nTimeAdjBase, transitStep = g_nTranTimeAdjBase;
    g_strDataDirectory = folder.path().toStdString();
    Build();
    EXPECT_EQ(m_frame->BirthTimeCombo()->currentText().toStdString(), kTimeStepUnits[g_nTimeAdjBase]);
    m_frame->BirthTimeCombo()->setCurrentIndex(5);
    m_frame->TransitTimeCombo()->setCurrentIndex(0);
    m_frame->close();
    EXPECT_EQ(g_nTimeAdjBase, 5);
    EXPECT_EQ(g_nTranTimeAdjBase, 0);
    std::ifstream file(folder.filePath("tavro.ini").toStdString());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("TimeAdjBase=5"), std::string::npos);
    EXPECT_TRUE(m_messages.empty());
    g_strDataDirectory = savedFolder;
    g_nTimeAdjBase = birthStep;
    g_nTranTimeAdjBase = transitStep;
}

// Each stepper's buttons and unit box say in their tool tips which moment they step: the transit
// stepper changes nothing on the natal tabs, and would otherwise seem idle.
TEST_F(MainFrameTest, TheSteppersToolTipsNameTheMomentTheyStep) {
    Build();
    const struct {
        CommandId back, forward;
        QComboBox* units;
        const char* moment;
    } steppers[] = {
        {kCmdBirthTimeBackward, kCmdBirthTimeForward, m_frame->BirthTimeCombo(), "birth time"},
        {kCmdTransitTimeBackward, kCmdTransitTimeForward, m_frame->TransitTimeCombo(), "transit time"},
    };
    for (const auto& s : steppers) {
        SCOPED_TRACE(s.moment);
        const std::string moment = s.moment;
        EXPECT_EQ(m_frame->FindAction(s.back)->toolTip().toStdString(),
                  "Step the " + moment + " back by the unit");
        EXPECT_EQ(m_frame->FindAction(s.forward)->toolTip().toStdString(),
                  "Step the " + moment + " forward by the unit");
        EXPECT_EQ(s.units->toolTip().toStdString(), "The unit the " + moment + " steps by");
    }
}

TEST_F(MainFrameTest, ClosingTheMainWindowClosesTheWindowsOpenedFromIt) {
    QTemporaryDir folder; // the preferences the close saves
    const std::string savedFolder = g_strDataDirectory;
    g_strDataDirectory = folder.path().toStdString();
    CMainFrame& frame = Build();
    CFrameWnd* extra = nullptr;
    ASSERT_NE(OpenChildWindow(137, "CEntryBasicInfoView", nullptr, &extra), 0);
    const QPointer<CFrameWnd> opened(extra);
    ASSERT_TRUE(opened->isVisible());
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(opened.isNull() || !opened->isVisible());
    delete opened.data();
    g_strDataDirectory = savedFolder;
}

TEST_F(MainFrameTest, FontSizeCommandsStopAtTheEndsOfTheZoomTable) {
    const int saved = g_nFontSizeSelection;
    Build();
    struct Case {
        int start;
        CommandId command;
        int expected;
    };
    const Case cases[] = {
        {7, kCmdBiggerFonts, 7}, {6, kCmdBiggerFonts, 7}, {0, kCmdSmallerFonts, 0}, {3, kCmdSmallerFonts, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        g_nFontSizeSelection = c.start;
        AdjustDisplayFontSizes();
        ASSERT_TRUE(m_frame->RunCommand(c.command));
        EXPECT_EQ(g_nFontSizeSelection, c.expected);
        EXPECT_EQ(g_displayFonts[2].height, std::lround(18 * g_dFontSizeFactors[size_t(c.expected)]));
    }
    g_nFontSizeSelection = saved;
    AdjustDisplayFontSizes();
}

TEST_F(MainFrameTest, CommandsOfLaterPartsArePresentAndDisabled) {
    Build();
    for (CommandId id : {kCmdFileOpen, kCmdEditBirthData, kCmdAyanamsa, kCmdCopyBasic}) {
        SCOPED_TRACE(id);
        ASSERT_NE(m_frame->FindAction(id), nullptr);
        EXPECT_FALSE(m_frame->FindAction(id)->isEnabled());
        EXPECT_FALSE(m_frame->RunCommand(id));
    }
    ASSERT_TRUE(m_frame->RunCommand(kCmdKeyInformation));
    EXPECT_EQ(m_frame->GetActiveView(), Node(kNodeKeyData).m_pWnd.data());
    EXPECT_TRUE(m_frame->FindAction(kCmdNavigateBackward)->isEnabled());
}

TEST_F(MainFrameTest, SavedWindowSizesAreThoseOfThePanes) {
    const bool saved = g_bWindowSizesSaved;
    Build(1400, 900);
    ASSERT_TRUE(m_frame->RunCommand(kCmdSaveWindowSizes));
    EXPECT_TRUE(g_bWindowSizesSaved);
    EXPECT_EQ(g_windowSizes[1].cx, m_frame->frameGeometry().width());
    QWidget* chart = Node(21).m_pWnd;
    EXPECT_EQ(g_windowSizes[4].cx, chart->width()); // WndSzBasicCht
    EXPECT_EQ(g_windowSizes[4].cy, chart->height());
    g_bWindowSizesSaved = saved;
}

// A pane that counts what File > Print and Print Preview asked of it.
class PrintCountingPane : public CView {
public:
    void OnDraw(DrawSurface&) override {}
    void OnFilePrint() override { ++prints; }
    void OnFilePrintPreview() override { ++previews; }
    int prints = 0;
    int previews = 0;
};

TEST_F(MainFrameTest, PrintAndPreviewGoToTheActivePane) {
    Build();
    PrintCountingPane pane;
    for (CommandId id : {kCmdFilePrint, kCmdFilePrintPreview, kCmdFilePrintSetup})
        EXPECT_TRUE(m_frame->FindAction(id)->isEnabled()) << id;
    m_frame->SetActiveView(&pane);
    ASSERT_TRUE(m_frame->RunCommand(kCmdFilePrint));
    ASSERT_TRUE(m_frame->RunCommand(kCmdFilePrintPreview));
    ASSERT_TRUE(m_frame->RunCommand(kCmdFilePrintPreview));
    EXPECT_EQ(pane.prints, 1);
    EXPECT_EQ(pane.previews, 2);
    // A window that is no pane prints nothing.
    m_frame->SetActiveView(nullptr);
    EXPECT_TRUE(m_frame->RunCommand(kCmdFilePrint));
    EXPECT_EQ(pane.prints, 1);
}

} // namespace
