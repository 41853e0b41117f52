#include "document/report_dispatch.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The living views of each kind, oldest first.
std::array<std::vector<CReportView*>, kReportKindCount>& Registry() {
    static std::array<std::vector<CReportView*>, kReportKindCount> registry;
    return registry;
}

bool IsReportKind(int kind) {
    return kind >= 0 && kind < kReportKindCount;
}

void RebuildText(int kind, bool flag) {
    if (CReportView* view = ReportView(kind)) view->RebuildReportText(flag);
}

} // namespace

CReportView::CReportView(int kind) : m_kind(kind) {
    if (IsReportKind(kind)) Registry()[kind].push_back(this);
}

CReportView::~CReportView() {
    if (!IsReportKind(m_kind)) return;
    std::vector<CReportView*>& views = Registry()[m_kind];
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
}

CReportView* ReportView(int kind) {
    if (!IsReportKind(kind) || Registry()[kind].empty()) return nullptr;
    return Registry()[kind].back();
}

void DrawViewKind(DrawSurface& surface, int kind, int a, int b) {
    if (CReportView* view = ReportView(kind)) view->PrintReport(surface, a, b);
}

void DrawViewKindScaled(DrawSurface& surface, int kind, int a, int b, double factorY, double factorX) {
    const double savedY = g_dDrawScaleY;
    const double savedX = g_dDrawScaleX;
    g_dDrawScaleY *= factorY;
    g_dDrawScaleX *= factorX;
    DrawViewKind(surface, kind, a, b);
    g_dDrawScaleY = savedY;
    g_dDrawScaleX = savedX;
}

void RefreshViewData(bool flag) {
    RebuildText(kCoreInfoReport, flag);
    RebuildText(kBasicInfoReport, flag);
    RebuildText(kDasaReport, flag);
    RebuildText(kChartReport, flag);
    if (!flag) return;
    RebuildText(kAshtakavargaReport, flag);
    RebuildText(kShadbalaReport, flag);
    RebuildText(kStrengthsReport, flag);
}

std::string GatherReportText(bool complete) {
    RefreshViewData(complete);
    const int basicOrder[] = {kCoreInfoReport, kBasicInfoReport, kChartReport, kDasaReport};
    const int completeOrder[] = {kCoreInfoReport, kBasicInfoReport, kAshtakavargaReport, kShadbalaReport,
                                 kStrengthsReport, kChartReport,    kDasaReport};
    std::string text;
    auto add = [&text](int kind) {
        if (const CReportView* view = ReportView(kind)) text += view->ReportText();
    };
    if (complete)
        for (int kind : completeOrder) add(kind);
    else
        for (int kind : basicOrder) add(kind);
    return text;
}
