// The report dispatch: each kind reaches its newest living view, in the callers' order, at the
// callers' scales, and never a destroyed view.
#include "document/report_dispatch.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// The views' drawing surface; the dispatch only hands it through.
class DrawSurface {};

namespace {

// Every call any view receives, in order: "<kind>:<what>".
std::vector<std::string> g_calls;

class RecordingReportView : public CReportView {
public:
    explicit RecordingReportView(int kind, std::string name = "")
        : CReportView(kind), m_name(std::move(name)) {}

    void PrintReport(DrawSurface& surface, int a, int b) override {
        lastSurface = &surface;
        scaleX = g_dDrawScaleX;
        scaleY = g_dDrawScaleY;
        g_calls.push_back(std::to_string(Kind()) + m_name + ":print " + std::to_string(a) + " " +
                          std::to_string(b));
    }
    void RebuildReportText(bool flag) override {
        g_calls.push_back(std::to_string(Kind()) + m_name + ":text " + (flag ? "1" : "0"));
    }

    DrawSurface* lastSurface = nullptr;
    double scaleX = 0.0;
    double scaleY = 0.0;

private:
    std::string m_name;
};

class ReportDispatch : public testing::Test {
protected:
    ReportDispatch() {
        g_calls.clear();
        for (int kind = 0; kind < kReportKindCount; ++kind)
            m_views.push_back(std::make_unique<RecordingReportView>(kind));
    }

    DrawSurface m_surface;
    std::vector<std::unique_ptr<RecordingReportView>> m_views;
};

TEST_F(ReportDispatch, EachKindDrawsItsOwnView) {
    for (int kind = 0; kind < kReportKindCount; ++kind) DrawViewKind(m_surface, kind, kind * 10, 7);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"0:print 0 7", "1:print 10 7", "2:print 20 7", "3:print 30 7",
                                        "4:print 40 7", "5:print 50 7", "6:print 60 7"}));
    EXPECT_EQ(m_views[3]->lastSurface, &m_surface);
}

TEST_F(ReportDispatch, AKindOutsideTheSevenDrawsNothingAndKeepsTheScales) {
    g_dDrawScaleX = 1.25;
    g_dDrawScaleY = 0.75;
    for (int kind : {-1, 7, 100}) {
        DrawViewKind(m_surface, kind, 1, 2);
        DrawViewKindScaled(m_surface, kind, 1, 2, 4.17, 4.0);
    }
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(g_dDrawScaleX, 1.25);
    EXPECT_EQ(g_dDrawScaleY, 0.75);
}

TEST_F(ReportDispatch, AScaledDrawingUsesTheFactorsAndPutsTheScalesBackExactly) {
    g_dDrawScaleX = 0.1;
    g_dDrawScaleY = 0.3;
    DrawViewKindScaled(m_surface, kChartReport, 1, 2, 4.17, 4.0);
    EXPECT_DOUBLE_EQ(m_views[kChartReport]->scaleY, 0.3 * 4.17);
    EXPECT_DOUBLE_EQ(m_views[kChartReport]->scaleX, 0.1 * 4.0);
    EXPECT_EQ(g_dDrawScaleX, 0.1);
    EXPECT_EQ(g_dDrawScaleY, 0.3);
    g_dDrawScaleX = g_dDrawScaleY = 1.0;
}

TEST_F(ReportDispatch, TextsAreRebuiltInTheReportOrder) {
    RefreshViewData(false);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"0:text 0", "1:text 0", "3:text 0", "2:text 0"}));
    g_calls.clear();
    RefreshViewData(true);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"0:text 1", "1:text 1", "3:text 1", "2:text 1", "5:text 1",
                                                 "4:text 1", "6:text 1"}));
}

TEST_F(ReportDispatch, ADestroyedViewLeavesTheRegistry) {
    auto second = std::make_unique<RecordingReportView>(kChartReport, "b");
    EXPECT_EQ(ReportView(kChartReport), second.get());
    DrawViewKind(m_surface, kChartReport, 0, 0);
    second.reset();
    EXPECT_EQ(ReportView(kChartReport), m_views[kChartReport].get());
    m_views[kChartReport].reset();
    EXPECT_EQ(ReportView(kChartReport), nullptr);
    DrawViewKind(m_surface, kChartReport, 0, 0);
    RefreshViewData(false);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"2b:print 0 0", "0:text 0", "1:text 0", "3:text 0"}));
}

} // namespace
