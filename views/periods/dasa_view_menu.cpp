// The dasa page's context menu and its commands: the dasa system, the year measure, the dasa
// preferences, the picked period and the page as text.
#include <QMenu>
#include <algorithm>
#include <cstdio>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/printed_angle.h"
#include "core/zodiac_names.h"
#include "document/dasa_tree.h"
#include "document/document_options.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/dasa_seed_year_dlgs.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/display_options.h"
#include "views/periods/dasa_menu_table.h"
#include "views/periods/dasa_transit_input.h"
#include "views/periods/dasa_view.h"

namespace {
constexpr int kFirstRasiDasa = 25;
constexpr int kFirstOtherDasa = 60;
constexpr int kNodeLordFrom = 8; // lords from Rahu on count backwards

constexpr int kUserDefinedYear = 2;

// Length of a year of each kind, days (the user-defined kind 2 keeps its own).
double YearDaysOfKind(int kind, double current) {
    switch (kind) {
    case 0:
        return 365.24219; // mean tropical year (Newcomb)
    case 1:
        return 360.0; // savana year
    case 3:
        return 365.256364; // sidereal year
    case 4:
        return 354.36708; // 360 tithis: twelve mean synodic months
    case 6:
        return 365.256364;
    case 7:
        return 365.24219;
    default:
        return current;
    }
}

std::string PeriodRow(const CDasaPeriod& period, bool withTimes) {
    if (!withTimes) return period.Name() + ": " + period.StartDate() + " - " + period.EndDate();
    return period.Name() + ": " + period.StartDate() + " (" + period.StartTime() + ")" + " - " +
           period.EndDate() + " (" + period.EndTime() + ")";
}

// The menu item of a year kind (4 and 5 share "Year with 360 tithis").
int YearItemKind(int kind) {
    return kind == 5 ? 4 : kind;
}
} // namespace

void CDasaView::SelectDasa(int code) {
    if (code < kFirstRasiDasa)
        g_nNakshatraDasaToBeDisplayed = code;
    else if (code < kFirstOtherDasa)
        g_nRasiDasaToBeDisplayed = code;
    else
        g_nOtherDasaToBeDisplayed = code;
    g_nSelectedDasa = code;
    if (CDasaTree* tree = Tree()) tree->nLevel = 0;
    Recompute();
}

void CDasaView::SetYearKind(int kind, double userDays, bool allCodes) {
    const int code = std::clamp(g_nSelectedDasa, 0, kDasaCodeCount - 1);
    for (int c = allCodes ? 0 : code; c <= (allCodes ? kDasaCodeCount - 1 : code); ++c) {
        g_nDasaYearDefinition[c] = kind;
        g_dDasaYearLength[c] = YearDaysOfKind(kind, userDays);
    }
    Recompute();
}

void CDasaView::OnYearDefinition(int kind) {
    const int code = std::clamp(g_nSelectedDasa, 0, kDasaCodeCount - 1);
    double days = g_dDasaYearLength[code];
    if (kind == kUserDefinedYear) {
        CUserYearDlg year(this);
        year.m_dDays = days;
        if (!year.DoModal()) return;
        days = year.m_dDays;
    }
    CDasaYearDlg preference(this);
    preference.m_bFirst = g_bSpecialYearForTP ? 1 : 0;
    preference.m_bSecond = g_bSpecialYearForTajaka ? 1 : 0;
    preference.m_nScope = CDasaScopeDlg::kCurrentDasa;
    if (!preference.DoModal()) return;
    g_bSpecialYearForTP = preference.m_bFirst == 1;
    g_bSpecialYearForTajaka = preference.m_bSecond == 1;
    SetYearKind(kind, days, preference.m_nScope == CDasaScopeDlg::kWiderScope);
}

void CDasaView::ToggleTribhagi() {
    g_bTribhagiVariation = !g_bTribhagiVariation;
    Recompute();
}

void CDasaView::ToggleSeshamInMundane() {
    g_bDasaSeshamInMundaneCharts = !g_bDasaSeshamInMundaneCharts;
    Recompute();
}

std::string CDasaView::PageText(bool withTimes) const {
    const CDasaTree* tree = Tree();
    if (!tree) return {};
    std::string text = tree->strName;
    if (!tree->strNote.empty()) text += " (" + tree->strNote + ")";
    text += ":\n";
    const int level = std::clamp(tree->nLevel, 0, kDasaLevels - 1);
    std::string indent;
    for (int m = 0; m < level; ++m) {
        text += "\n" + indent + PeriodRow(tree->running[m], withTimes);
        indent += " ";
    }
    indent += " ";
    if (level != 0) text += "\n";
    text += "\n" + indent + DasaLevelHeading(level) + "\n";
    for (int i = 0; i < std::clamp(tree->nCount, 0, kDasaMaxPeriods); ++i)
        text += "\n" + indent + PeriodRow(tree->period[i], withTimes);
    return text + "\n\n";
}

void CDasaView::PickPeriod(Point page) {
    m_bPicked = false;
    m_bPickedRow = false;
    const CDasaTree* tree = Tree();
    if (!tree) return;
    const int level = std::clamp(tree->nLevel, 0, kDasaLevels - 1);
    auto chainLabel = [&](int levels) {
        std::string label;
        for (int m = 0; m < levels; ++m) label += (m ? "-" : "") + tree->running[m].Name();
        return label;
    };
    for (int k = 1; k <= level; ++k) {
        if (!m_levelRects[k].Contains(page)) continue;
        Pick(tree->running[k - 1]);
        m_strPickedLabel = chainLabel(k);
        return;
    }
    for (int i = 0; i < std::clamp(tree->nCount, 0, kDasaMaxPeriods); ++i) {
        if (!m_periodRects[i].Contains(page)) continue;
        const CDasaPeriod& period = tree->period[i];
        Pick(period);
        m_bPickedRow = true;
        m_strPickedLabel = chainLabel(level);
        m_strPickedLabel += (level ? "-" : "") + period.Name() + kDasaLevelMarks[level];
        return;
    }
}

void CDasaView::Pick(const CDasaPeriod& period) {
    m_bPicked = true;
    m_pickedStart = period.Start();
    m_pickedEnd = period.End();
    m_nPickedLord = period.nLord;
    m_bPickedIsPlanet = period.bPlanet;
    m_strPickedName = period.Name();
    m_dPickedSpanDays = period.dEndJd - period.dStartJd;
    g_strPickedPeriodName = m_strPickedName;
}

bool CDasaView::SumOfLongitudes(double& sum) const {
    const CDasaTree* tree = Tree();
    const CTavroDoc* document = GetDasaDocument();
    if (!tree || !document || !document->m_pCurrentChart || !tree->bPlanetLords || tree->bUseLabelTables)
        return false;
    const CChart& chart = *document->m_pCurrentChart;
    auto add = [&](int lord) {
        if (lord < 1 || lord > kPlanetCount) return;
        const double longitude = chart.m_bodies[lord].m_dLongitude;
        sum += lord < kNodeLordFrom ? longitude : 360.0 - longitude;
    };
    sum = 0.0;
    for (int m = 0; m < std::clamp(tree->nLevel, 0, kDasaLevels - 1); ++m) add(tree->running[m].nLord);
    if (m_bPickedRow) add(m_nPickedLord);
    return true;
}

void CDasaView::OnContextMenu(QPoint screenPos) {
    const QPoint local = viewport()->mapFromGlobal(screenPos);
    PickPeriod(ContentPoint(local));
    const int page = std::clamp(g_nCurrentDasaViewType, 0, kDasaPageKinds - 1);
    const int code = std::clamp(g_nSelectedDasa, 0, kDasaCodeCount - 1);

    QMenu menu(this);
    auto command = [&](QMenu& into, const char* text, auto handler, bool enabled = true) {
        QAction* action = into.addAction(QString::fromUtf8(text)); // "&" and "&&" read as in a menu resource
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    command(
        menu, "&Entry chart of this period", [this] { OnEntryChart(); }, m_bPicked);
    command(menu, "&Locate an event", [this] { OnLocateEvent(); });
    command(menu, "&Shift dasa dates", [this] { OnShiftDasaDates(); });
    command(
        menu, "&Dasa-Transit Correlation", [this] { OnDasaTransitCorrelation(); }, m_bPicked);
    menu.addSeparator();
    QMenu* years = menu.addMenu("Definition of &year in dasas");
    for (const YearMenuEntry& entry : YearMenuEntries()) {
        if (entry.kind == kDasaMenuSeparator) {
            years->addSeparator();
            continue;
        }
        const int kind = entry.kind;
        QAction* action = command(*years, entry.text, [this, kind] { OnYearDefinition(kind); });
        action->setCheckable(true);
        action->setChecked(YearItemKind(g_nDasaYearDefinition[code]) == kind);
    }
    QMenu* preferences = menu.addMenu("Preferences related to dasas");
    command(*preferences, "Dasa seed settings for &Tajaka", [this] { OnTajakaSeedSettings(); });
    QAction* sesham = command(*preferences, "Use dasa sesham in compressed mundane dasas",
                              [this] { ToggleSeshamInMundane(); });
    sesham->setCheckable(true);
    sesham->setChecked(g_bDasaSeshamInMundaneCharts);
    menu.addSeparator();
    if (page == 0) {
        QAction* tribhagi = command(menu, "Use Tribhagi variation", [this] { ToggleTribhagi(); });
        tribhagi->setCheckable(true);
        tribhagi->setChecked(g_bTribhagiVariation);
        menu.addSeparator();
    }
    for (const DasaMenuEntry& entry : DasaMenuEntries(page)) {
        if (entry.code == kDasaMenuSeparator) {
            menu.addSeparator();
            continue;
        }
        const int dasa = entry.code;
        const CTavroDoc* document = GetDasaDocument();
        command(menu, DasaMenuText(entry, document ? document->m_nMode : kModeNatal),
                [this, dasa] { SelectDasa(dasa); });
    }
    menu.addSeparator();
    if (page == 0)
        command(menu, "Vimsottari seed strength comparison &help", [this] { OnSeedStrengthHelp(); });
    command(menu, "Copy to clipboard", [this] { CopyTextToClipboard(*this, PageText(true)); });
    command(menu, "&Copy to clipboard (only dates)", [this] { CopyTextToClipboard(*this, PageText(false)); });
    command(menu, "Print this &window", [this] { PrintViewContent(*this); });
    if (page == 0)
        command(menu, "Sum of &longitudes of planets upto this level", [this] {
            double sum = 0.0;
            if (!SumOfLongitudes(sum)) {
                MessageBox(
                    this,
                    "Available only in dasas of planets, such as Vimsottari dasa, Ashtottari dasa, Yogini "
                    "dasa etc.",
                    "Sum of Longitudes");
                return;
            }
            const PrintedDms split = SplitPrintedLongitude(sum, DmsField::kHundredths);
            char text[160];
            std::snprintf(text, sizeof text,
                          "Sum of longitudes of planets upto selected level is %2d %s %02d' %05.2f\".",
                          split.degrees, g_pszSignNames[split.sign], split.minutes, split.seconds);
            MessageBox(this, text, "Sum of Longitudes");
        });
    menu.exec(screenPos);
}
