// The period-entry window: the dasa page's "Entry chart of this period" opens the chart at the picked
// period's start on a document of its own; from it the planet longitudes, ashtakavarga and compressed
// Patyayini dasa open on that document. The main window's panes stay as they were, and no window reads a
// document that has gone.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

#include "dasa_view_fixture.h"
#include "display/chart_commands.h"
#include "display/entry_chart_view.h"
#include "display/view_handoffs.h"
#include "document/document_options.h"
#include "platform/frame_wnd.h"
#include "platform/painter_surface.h"
#include "shell/frame_geometry.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/basic_info_tables.h"
#include "views/info/basic_info_view.h"

namespace {

template <class View> View* OpenView() {
    View* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CFrameWnd*>(widget))
            if (auto* view = dynamic_cast<View*>(frame->centralWidget())) found = view;
    return found;
}

void CloseFrameOf(QWidget* view) {
    GetParentFrame(view)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class EntryViewsTest : public DasaViewTest {
protected:
    EntryViewsTest() {
        // The entry chart of the third antardasa of the fourth mahadasa.
        ClickPeriod(3);
        m_view.PickPeriod(Centre(m_view.PeriodRects()[2]));
        m_picked = Tree().period[2];
        m_mainTree = Tree();
        m_view.OnEntryChart();
        m_entry = OpenView<CEntryChartView>();
    }
    ~EntryViewsTest() override {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (dynamic_cast<CFrameWnd*>(widget)) delete widget;
        g_ashtakavargaChoice = {};
    }
    CTavroDoc* EntryDocument() const { return static_cast<CTavroDoc*>(m_entry->GetDocument()); }
    // Opens the three windows of the entry chart's menu.
    void OpenAllEntryWindows() {
        ASSERT_TRUE(m_entry->RunCommand(kCmdEntryPlanetLongitudes));
        ASSERT_TRUE(m_entry->RunCommand(kCmdShowAshtakavarga));
        ASSERT_TRUE(m_entry->RunCommand(kCmdEntryPatyayiniDasa));
    }

    CDasaPeriod m_picked;
    CDasaTree m_mainTree;
    CEntryChartView* m_entry = nullptr;
};

// The entry chart's window scrolled to its end shows the end of the chart's hint or key data, not a
// screen of its ground.
TEST_F(EntryViewsTest, TheEntryChartScrollsToTheEndOfItsContentAndNoFurther) {
    ASSERT_NE(m_entry, nullptr);
    GetParentFrame(m_entry)->resize(500, 300);
    QApplication::processEvents();
    QScrollBar& bar = *m_entry->verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    bar.setValue(bar.maximum());
    const QImage shown = m_entry->viewport()->grab().toImage();
    EXPECT_GE(LastDrawnRow(shown), shown.height() - 1 - 24) << "range " << bar.maximum();
}

TEST_F(EntryViewsTest, AllFourViewsShowTheChartAtThePeriodsStart) {
    ASSERT_NE(m_entry, nullptr);
    OpenAllEntryWindows();
    auto* longitudes = OpenView<CEntryBasicInfoView>();
    auto* ashtakavarga = OpenView<CEntryAshtakaVargaView>();
    auto* dasa = OpenView<CEntryDasaView>();
    ASSERT_TRUE(longitudes && ashtakavarga && dasa);
    CTavroDoc* document = EntryDocument();
    ASSERT_NE(document, &m_document);
    for (const CView* view : {static_cast<const CView*>(longitudes), static_cast<const CView*>(ashtakavarga),
                              static_cast<const CView*>(dasa)})
        EXPECT_EQ(view->GetDocument(), document);
    EXPECT_NEAR(m_entry->PaneChart(kEntryPane)->GetJulianDay(), m_picked.dStartJd, 1e-6);
    EXPECT_NEAR(ashtakavarga->ShownChart()->GetJulianDay(), m_picked.dStartJd, 1e-6);
    EXPECT_NEAR(document->m_dasaTree.birth.GetJulianDay(), m_picked.dStartJd, 1e-6);
    // The longitudes list the entry chart's lagna, not the birth's.
    ASSERT_GT(longitudes->RowCount(), 0);
    const std::string lagna = longitudes->CellText(0, 1);
    EXPECT_NEAR(document->m_pCurrentChart->GetJulianDay(), m_picked.dStartJd, 1e-6);
    EXPECT_EQ(lagna, FormatSignLongitude(document->m_pCurrentChart->m_bodies[kLagna].m_dLongitude));
    EXPECT_NE(lagna, FormatSignLongitude(m_document.m_natalChart.m_bodies[kLagna].m_dLongitude));
    ProbeSurface surface;
    m_entry->resize(700, 560);
    m_entry->OnDraw(surface);
    EXPECT_NE(surface.FindText("Click right mouse button on chart!"), nullptr);
    EXPECT_EQ(document->m_pCurrentChart->m_strTitle, m_view.PickedLabel()); // the caption is put back
    // A picture of the window for a look.
    ImageSurface image(Size{700, 560});
    m_entry->OnDraw(image.Surface());
    image.Image().save(KH_TEST_OUTPUT_DIR "/entry_chart.png");
}

TEST_F(EntryViewsTest, TheCompressedPatyayiniSpansThePeriodAndLeavesTheDasaChoiceAlone) {
    const int selected = g_nSelectedDasa;
    const int other = g_nOtherDasaToBeDisplayed;
    const bool compression = g_bDasaCompression;
    OpenAllEntryWindows();
    auto* dasa = OpenView<CEntryDasaView>();
    ASSERT_NE(dasa, nullptr);
    const CDasaTree& tree = EntryDocument()->m_dasaTree;
    EXPECT_EQ(tree.nDasaCode, 65);
    ASSERT_GT(tree.nCount, 0);
    // The maha dasas run from the period's start to its end.
    EXPECT_NEAR(tree.period[0].dStartJd, m_picked.dStartJd, 1e-3);
    EXPECT_NEAR(tree.period[tree.nCount - 1].dEndJd, m_picked.dEndJd, 1e-3);
    ProbeSurface surface;
    dasa->OnDraw(surface);
    EXPECT_EQ(g_nSelectedDasa, selected);
    EXPECT_EQ(g_nOtherDasaToBeDisplayed, other);
    EXPECT_EQ(g_bDasaCompression, compression);
}

TEST_F(EntryViewsTest, TheEntryDasaIsComputedWhenItsDocumentChangesNotWhenPainted) {
    OpenAllEntryWindows();
    auto* dasa = OpenView<CEntryDasaView>();
    ASSERT_NE(dasa, nullptr);
    CTavroDoc* document = EntryDocument();
    const double end = document->m_dasaTree.period[document->m_dasaTree.nCount - 1].dEndJd;
    document->m_dEntrySpanDays *= 2;
    ProbeSurface surface;
    dasa->OnDraw(surface);
    EXPECT_DOUBLE_EQ(document->m_dasaTree.period[document->m_dasaTree.nCount - 1].dEndJd, end);
    document->UpdateAllViews(nullptr);
    EXPECT_NEAR(document->m_dasaTree.period[document->m_dasaTree.nCount - 1].dEndJd,
                m_picked.dStartJd + 2 * (m_picked.dEndJd - m_picked.dStartJd), 1e-3);
}

TEST_F(EntryViewsTest, TheMainWindowsPanesStayAsTheyWere) {
    CAshtakaVargaView mainAshtakavarga;
    mainAshtakavarga.SetDocument(&m_document);
    mainAshtakavarga.OnInitialUpdate();
    CBasicInfoView mainLongitudes;
    mainLongitudes.SetDocument(&m_document);
    const AshtakavargaChoice choice = g_ashtakavargaChoice;
    g_nPaneVarga[kEntryPane] = 1; // the entry chart shows its navamsa
    OpenAllEntryWindows();
    EXPECT_EQ(mainAshtakavarga.ShownChart(), &m_document.m_natalChart);
    EXPECT_EQ(g_ashtakavargaChoice.varga, choice.varga);
    EXPECT_EQ(OpenView<CEntryAshtakaVargaView>()->Choice().varga, 1);
    // The reports still reach the main window's panes.
    EXPECT_EQ(g_pAshtakaVargaView, &mainAshtakavarga);
    EXPECT_EQ(g_pBasicInfoView, &mainLongitudes);
    EXPECT_EQ(g_pDasaView, &m_view);
    EXPECT_EQ(g_pMainDoc, &m_document);
    // The main dasa is the one it was.
    EXPECT_EQ(Tree().nDasaCode, m_mainTree.nDasaCode);
    EXPECT_EQ(Tree().nLevel, m_mainTree.nLevel);
    EXPECT_DOUBLE_EQ(Tree().period[0].dStartJd, m_mainTree.period[0].dStartJd);
}

TEST_F(EntryViewsTest, TheDocumentGoesWithTheLastOfItsWindows) {
    OpenAllEntryWindows();
    const std::weak_ptr<CDocument> document = EntryDocument()->weak_from_this();
    auto* dasa = OpenView<CEntryDasaView>();
    CloseFrameOf(m_entry);
    ASSERT_FALSE(document.expired());
    ProbeSurface surface;
    dasa->OnDraw(surface); // still drawn from the document
    CloseFrameOf(OpenView<CEntryBasicInfoView>());
    CloseFrameOf(OpenView<CEntryAshtakaVargaView>());
    ASSERT_FALSE(document.expired());
    CloseFrameOf(dasa);
    EXPECT_TRUE(document.expired());
}

TEST_F(EntryViewsTest, EntryWindowsOutliveTheMainChart) {
    OpenAllEntryWindows();
    // The main chart goes; the entry windows read only their own document.
    m_view.SetDocument(nullptr);
    m_document.m_natalChart = CChart();
    m_document.m_thirdChart = CChart();
    for (CView* view : {static_cast<CView*>(m_entry), static_cast<CView*>(OpenView<CEntryAshtakaVargaView>()),
                        static_cast<CView*>(OpenView<CEntryBasicInfoView>()),
                        static_cast<CView*>(OpenView<CEntryDasaView>())}) {
        ProbeSurface surface;
        view->OnDraw(surface);
        EXPECT_FALSE(surface.texts.empty());
    }
    EXPECT_NEAR(EntryDocument()->m_pCurrentChart->GetJulianDay(), m_picked.dStartJd, 1e-6);
}

// A view of the entry document that, while the document is recomputed, runs what an event loop would
// run meanwhile: every entry window closed and deleted, the document going with the last of them.
class ClosingEntryWindowsOnUpdate : public CDocumentView {
public:
    void OnUpdate(CDocumentView*, long) override {
        ++updates;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (dynamic_cast<CFrameWnd*>(widget)) widget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int updates = 0;
};

TEST_F(EntryViewsTest, WindowsClosedWhileTheEntryChartIsRecomputedAreNotReadAgain) {
    ClosingEntryWindowsOnUpdate closer;
    CTavroDoc* document = EntryDocument();
    document->AddView(closer);
    OpenAllEntryWindows(); // their views are told after the closer
    const std::weak_ptr<CDocument> alive = document->weak_from_this();
    document->UpdateAllViews(nullptr);
    EXPECT_EQ(closer.updates, 1);
    EXPECT_TRUE(alive.expired());
    EXPECT_EQ(closer.GetDocument(), nullptr);
    EXPECT_EQ(OpenView<CEntryChartView>(), nullptr);
    EXPECT_EQ(OpenView<CEntryDasaView>(), nullptr);
}

TEST_F(EntryViewsTest, ARightClickOutsideTheChartOpensNoMenu) {
    m_entry->resize(700, 560);
    m_entry->RecalcLayout(Size{700, 560});
    const Rect area = m_entry->ChartArea();
    EXPECT_FALSE(m_entry->HitTestForMenu(Point{area.right + 5, area.top + 5}));
    EXPECT_TRUE(m_entry->HitTestForMenu(Point{area.left + 5, area.top + 5}));
    QMenu menu;
    m_entry->BuildContextMenu(menu);
    std::vector<std::string> texts;
    for (QAction* action : menu.actions()) texts.push_back(action->text().toStdString());
    for (const char* text : {"When will lagna change in this chart?", "Planet longitudes",
                             "Show ashtakavarga of this chart", "Compressed Patyayini dasa"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
}

// The entry chart's "Copy chart" holds the two texts and all six pictures, the rasi-navamsa ones too.
TEST_F(EntryViewsTest, CopyChartOffersEveryPicture) {
    m_entry->resize(700, 560);
    m_entry->RecalcLayout(Size{700, 560});
    const Rect area = m_entry->ChartArea();
    ASSERT_TRUE(m_entry->HitTestForMenu(Point{area.left + 5, area.top + 5}));
    QMenu menu;
    m_entry->BuildContextMenu(menu);
    std::vector<int> commands;
    for (QAction* action : menu.actions())
        if (action->menu() && action->text() == "&Copy chart")
            for (QAction* entry : action->menu()->actions())
                if (!entry->isSeparator()) commands.push_back(entry->data().toInt());
    EXPECT_EQ(commands, (std::vector<int>{kCmdCopyChartText, kCmdCopyChartTextAllStyles,
                                          kCmdPictureAsOnScreen, kCmdPicture300DpiAsOnScreen,
                                          kCmdPictureSouthNorth, kCmdPicture300DpiSouthNorth,
                                          kCmdPictureRasiNavamsa, kCmdPicture300DpiRasiNavamsa}));
}

TEST(ExtraFramePlacement, FramesStayInsideTheAvailableArea) {
    const Rect available{0, 30, 1920, 1050}; // a panel at the top and one at the bottom
    const Rect decoration{4, 28, 4, 4};      // borders and a title bar
    struct Case {
        const char* what;
        Rect client;
        Rect frame;
    };
    const Case kCases[] = {
        {"inside already", {100, 200, 500, 600}, {96, 172, 504, 604}},
        {"title bar above the top", {4, 4, 900, 500}, {0, 30, 904, 558}},
        {"past the right and bottom", {1700, 900, 2000, 1100}, {1612, 818, 1920, 1050}},
        {"larger than the screen", {0, 0, 3000, 2000}, {0, 30, 1920, 1050}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FrameRectInside(c.client, decoration, available), c.frame);
    }
}

} // namespace
