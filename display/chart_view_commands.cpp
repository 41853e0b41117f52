// The chart view's context menu and its commands: varga, body view, display mode, highlights,
// relationships and the marana karaka sthana query of the pane under the last right click.
#include <QMenu>
#include <cctype>
#include <iterator>
#include <string>

#include "chart/chart.h"
#include "core/chart_labels.h"
#include "core/dignity_tables.h"
#include "core/option_appliers.h"
#include "core/sign_rules.h"
#include "core/varga_options.h"
#include "display/chart_captions.h"
#include "display/chart_commands.h"
#include "display/chart_menu_entries.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "display/chart_vocabulary.h"
#include "display/menu_commands.h"
#include "display/pachakadi_text.h"
#include "display/sign_change_search.h"
#include "display/varga_variants.h"
#include "platform/message_box.h"
#include "shell/command_ids.h"
#include "shell/pane_state.h"

namespace {

// The chart view's menu offers every preset and every optional group.
constexpr int kAllBodyViews[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kAllOptionalGroups[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
static_assert(std::size(kAllBodyViews) == kBodyViewCount &&
              std::size(kAllOptionalGroups) == kShowInChartsCount);

// House from the lagna in which each planet (Sun .. Rahu) stands in marana karaka sthana.
constexpr int kMaranaKarakaHouse[9] = {12, 8, 7, 7, 3, 6, 1, 9, 0};

bool PlanetHit(int body) {
    return body >= 1 && body <= kKetu;
}

const VargaVariantChoice* VariantChoiceOf(int column) {
    for (const VargaVariantChoice& choice : VargaVariantChoices())
        if (choice.column == column) return &choice;
    return nullptr;
}

// A varga's entry: the popup of its variants, the one in use checked, when the pane shows the varga;
// otherwise the command that shows it.
void AddVargaEntry(QMenu& menu, int column, int command, int paneVarga) {
    const VargaVariantChoice* choice = VariantChoiceOf(column);
    if (!choice || paneVarga != column) {
        Check(AddCommand(menu, VargaEntryText(column), command), paneVarga == column);
        return;
    }
    std::string name = g_vargaNames[column];
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    QMenu* variants =
        menu.addMenu(QString::fromStdString("Choose " + name + " (" + VargaLabel(column) + ")"));
    for (int i = 0; i < static_cast<int>(choice->variants.size()); ++i)
        Check(AddCommand(*variants, choice->variants[i].text, choice->variants[i].command),
              *choice->preference == i);
}

constexpr int kBhavaColumnCode = 28;

// The bhava/chalit entry: the popup of its bases, the one in use checked, when the pane shows the
// chakra; otherwise the command that shows it on the base in use.
void AddBhavaEntry(QMenu& menu, int paneVarga) {
    if (paneVarga != kBhavaColumnCode) {
        AddCommand(menu, "Bhava/chalit chakra (based on " + VargaLabel(g_nBhavaChartVarga) + ")",
                   kCmdBhavaChakra);
        return;
    }
    QMenu* bases = menu.addMenu("Bhava/chalit chakra");
    for (int column = 0; column < static_cast<int>(std::size(kBhavaBaseCommands)); ++column) {
        std::string name = g_vargaNames[column];
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        Check(AddCommand(*bases, "Based on " + name + " (" + VargaLabel(column) + ")",
                         kBhavaBaseCommands[column]),
              g_nBhavaChartVarga == column);
    }
    bases->addSeparator();
    AddCommand(*bases, "Choose reference used for bhava/chalit chakra", kCmdBhavaChakraReference);
}

} // namespace

void CChartView::BuildContextMenu(QMenu& menu) {
    const bool planet = PlanetHit(m_nCurBody);
    if (m_nCurRasi < kNoSign && g_nChartStyle == 2) {
        AddCommand(menu, "Show chart from this house", kCmdChartFromThisHouse);
        menu.addSeparator();
    }
    AddVargaEntries(menu);
    menu.addSeparator();
    const std::string title = VargaTitle(g_nPaneVarga[m_nCurPane]);
    AddCommand(menu, "When will lagna change sign in " + title, kCmdLagnaSignChange);
    AddBirthTimeEntries(menu);
    AddCommand(menu,
               planet ? std::string("When will ") + g_pszPlanetNames[m_nCurBody] + " change sign in " + title
                      : std::string("&When will this planet change sign in this chart?"),
               kCmdPlanetSignChange, planet);
    AddAnalysisEntries(menu);
    AddViewEntries(menu);
    AddCopyChartEntries(menu, true);
    AddChartEntries(menu);
}

void CChartView::AddVargaEntries(QMenu& menu) {
    const int pane = m_nCurPane;
    Check(AddCommand(menu, "&Rasi chakra", kCmdRasiChakra), g_nPaneVarga[pane] == 0);
    AddBhavaEntry(menu, g_nPaneVarga[pane]);
    AddVargaEntry(menu, 1, kCmdVargaD9, g_nPaneVarga[pane]);
    for (int column = 2; column <= kLastPlainVarga; ++column)
        AddVargaEntry(menu, column, kCmdFirstVarga + column - 2, g_nPaneVarga[pane]);
    QMenu* higher = menu.addMenu("Higher divisions");
    for (const VargaCommand& entry : HigherVargaCommands())
        AddVargaEntry(*higher, entry.column, entry.command, g_nPaneVarga[pane]);
    AddResearchVargaEntries(*higher);
}

void CChartView::AddAnalysisEntries(QMenu& menu) {
    const bool planet = PlanetHit(m_nCurBody);
    const bool sign = m_nCurRasi < kNoSign;
    AddCommand(menu, "Planets in &marana karaka sthana", kCmdMaranaKarakaSthana);
    QMenu* relations = AddRelationEntries(menu, planet);
    AddCommand(*relations, "P&achakadi relationships of this planet", kCmdPachakadiPlanet,
               m_nCurBody >= 1 && m_nCurBody <= kSaturn);
    AddCommand(*relations, "&Pachakadi relationships of this rasi", kCmdPachakadiRasi, sign);
    AddHighlightEntries(menu, planet, sign);
}

void CChartView::AddViewEntries(QMenu& menu) {
    AddBodyViewEntries(menu, m_nCurPane, kAllBodyViews, kAllOptionalGroups);
    AddDisplayModeEntries(menu, m_nCurPane);
}

bool CChartView::SelectVarga(int command) {
    int column = -1;
    if (command == kCmdRasiChakra) column = 0;
    if (command == kCmdVargaD9) column = 1;
    if (command >= kCmdFirstVarga && command < kCmdFirstVarga + kLastPlainVarga - 1)
        column = command - kCmdFirstVarga + 2;
    for (const VargaCommand& entry : HigherVargaCommands())
        if (entry.command == command) column = entry.column;
    if (column < 0) return false;
    g_nPaneVarga[m_nCurPane] = column;
    Invalidate();
    return true;
}

bool CChartView::SelectBhavaChakra(int command) {
    int base = -1;
    for (int column = 0; column < static_cast<int>(std::size(kBhavaBaseCommands)); ++column)
        if (kBhavaBaseCommands[column] == command) base = column;
    if (base < 0 && command != kCmdBhavaChakra) return false;
    if (base >= 0) {
        g_nBhavaChartVarga = base;
        RecalculateCharts();
    }
    g_nPaneVarga[m_nCurPane] = kBhavaColumnCode;
    Invalidate();
    return true;
}

bool CChartView::SelectVariant(int command) {
    for (const VargaVariantChoice& choice : VargaVariantChoices()) {
        for (int i = 0; i < static_cast<int>(choice.variants.size()); ++i) {
            if (choice.variants[i].command != command) continue;
            *choice.preference = i;
            RecalculateCharts();
            g_nPaneVarga[m_nCurPane] = choice.column;
            Invalidate();
            return true;
        }
    }
    return false;
}

bool CChartView::SelectBodyView(int command) {
    for (int preset = 0; preset < kBodyViewCount; ++preset) {
        if (BodyViewCommands()[preset].command != command) continue;
        ApplyBodyView(m_nCurPane, preset);
        if (preset == kStandardWithGrahaArudhas && g_bUseTwoChartStyles)
            ApplyBodyView(m_nCurPane + 1, preset);
        Invalidate();
        return true;
    }
    return false;
}

bool CChartView::ToggleOptionalBody(int command) {
    for (int group = 0; group < kShowInChartsCount; ++group) {
        if (kOptionalBodyCommands[group] != command) continue;
        g_bShowInCharts[group] = !g_bShowInCharts[group];
        // The groups are program-wide: every standard-view pane follows, the mixed and entry views' too.
        for (int k = 0; k < kChartPaneCount; ++k)
            if (g_nPaneBodyView[k] == kStandardView) ResetBodyFlagsStandard(k);
        Invalidate();
        return true;
    }
    return false;
}

bool CChartView::RunCommand(int command) {
    if (SelectVarga(command) || SelectBhavaChakra(command) || SelectVariant(command) ||
        SelectBodyView(command) || ToggleOptionalBody(command) || RunChartCommand(command) ||
        RunCopyCommand(command))
        return true;
    const int pane = m_nCurPane;
    if (command == kCmdAutomatic || command == kCmdNatalOnly) {
        g_nPaneDisplayMode[pane] = command == kCmdNatalOnly ? kNatalChartOnly : kAutomaticChart;
        Invalidate();
        return true;
    }
    const CChart* chart = PaneChart(pane);
    if (!chart) return false;
    const int varga = g_nPaneVarga[pane];
    for (const ViewCommand& entry : HighlightCommands()) {
        if (entry.command != command) continue;
        RunHighlight(command, *chart, varga);
        return true;
    }
    for (const ViewCommand& entry : RelationCommands()) {
        if (entry.command != command) continue;
        if (!PlanetHit(m_nCurBody)) return false;
        RunRelationships(command, *chart, varga);
        return true;
    }
    if (command == kCmdLagnaSignChange || (command == kCmdPlanetSignChange && PlanetHit(m_nCurBody))) {
        ShowSignChangeTime(*chart, command == kCmdLagnaSignChange ? kLagna : m_nCurBody, varga);
        return true;
    }
    if (command == kCmdMaranaKarakaSthana) {
        ShowMaranaKarakaSthana(*chart, varga);
        return true;
    }
    if (command == kCmdPachakadiPlanet && m_nCurBody >= 1 && m_nCurBody <= kSaturn) {
        MessageBox(this, PachakadiPlanetText(*chart, m_nCurBody, m_nCurRasi, varga),
                   std::string(g_pszPlanetNames[m_nCurBody]) + ": Pachakadi Relationships");
        return true;
    }
    if (command == kCmdPachakadiRasi && m_nCurRasi < kNoSign) {
        MessageBox(
            this, PachakadiRasiText(*chart, m_nCurRasi, varga),
            std::string(g_pszChartSignNames ? g_pszChartSignNames[m_nCurRasi] : g_pszSignNames[m_nCurRasi]) +
                ": Pachakadi Relationships");
        return true;
    }
    if (command == kCmdChartFromThisHouse && m_nCurRasi < kNoSign) {
        // The mixed view turns both of its charts by the inner chart's lagna.
        const bool mixed = pane == kInnerPane || pane == kOuterPane;
        const CChart* reference = mixed ? PaneChart(kInnerPane) : chart;
        const int referenceVarga = mixed ? g_nPaneVarga[kInnerPane] : varga;
        if (!reference) return false;
        const int offset = (m_nCurRasi - reference->m_vargaSign.Sign(kLagna, referenceVarga) + 144) % 12;
        m_state.paneHouseOffset[pane] = offset;
        if (mixed) m_state.paneHouseOffset[kInnerPane + kOuterPane - pane] = offset;
        Invalidate();
        return true;
    }
    return false;
}

void CChartView::RunHighlight(int command, const CChart& chart, int varga) {
    const int pane = m_nCurPane;
    const int r = m_nCurRasi;
    const int p = m_nCurBody;
    if (HighlightNeedsSign(command) ? r >= kNoSign : !PlanetHit(p)) return;
    if (command == kCmdHighlightPlanetRasiDrishti || command == kCmdHighlightGrahaDrishti) {
        if (r >= kNoSign) return;
    }
    m_state.ClearHighlights();
    g_bHighlightsOn = false;
    auto& from = m_state.rasiHighlightFrom[pane];
    auto& to = m_state.rasiHighlightTo[pane];
    const auto markFrom = [&](std::initializer_list<int> steps) {
        for (int step : steps) to[(r + step) % 12] = 1;
    };
    switch (command) {
    case kCmdHighlightRasiDrishti:
    case kCmdHighlightPlanetRasiDrishti:
        for (int s = 0; s < 12; ++s) to[s] = SignsAspect(r, s) ? 1 : 0;
        to[r] = 0;
        from[r] = 1;
        if (command == kCmdHighlightPlanetRasiDrishti) m_state.bodyHighlight[pane][p] = 1;
        break;
    case kCmdHighlightArgala:
    case kCmdHighlightVirodhargala: {
        from[r] = 1;
        // Ketu in the sign turns argala into virodhargala and back.
        const bool ketuHere = chart.m_vargaSign.Sign(kKetu, varga) == r;
        if ((command == kCmdHighlightArgala) != ketuHere)
            markFrom({1, 3, 10, 4});
        else
            markFrom({11, 9, 2, 8});
        break;
    }
    case kCmdHighlightGrahaDrishti:
        from[r] = 1;
        m_state.bodyHighlight[pane][p] = 1;
        for (int s = 0; s < 12; ++s)
            if (PlanetAspectsHouse(p, r, s)) to[s] = 1;
        break;
    case kCmdHighlightOwned:
        m_state.bodyHighlight[pane][p] = 1;
        for (int s = 0; s < 12; ++s)
            if (IsLordOfSign(p, s)) to[s] = 1;
        break;
    default: {
        m_state.bodyHighlight[pane][p] = 1;
        const int target = command == kCmdHighlightMoolatrikona ? kMoolatrikonaSigns[p]
                           : command == kCmdHighlightExalted    ? g_exaltationSigns[p]
                                                                : g_debilitationSigns[p];
        if (target < 12) to[target] = 1;
        break;
    }
    }
    ShowHighlights();
}

void CChartView::RunRelationships(int command, const CChart& chart, int varga) {
    const int p = m_nCurBody;
    for (int q = 1; q <= kKetu; ++q) {
        int relation = 0;
        if (command == kCmdPermanentRelations)
            relation = g_nNaturalRelation[p - 1][q - 1];
        else if (command == kCmdTemporaryRelations)
            relation = chart.m_temporalRelation[varga][p - 1][q - 1];
        else
            relation = chart.m_compoundRelation[varga][p - 1][q - 1];
        m_state.bodyRelation[q] = q == p ? 0 : relation;
    }
    m_state.paneRelations[m_nCurPane] = 1;
    Invalidate();
}

void CChartView::ShowMaranaKarakaSthana(const CChart& chart, int varga) {
    std::string text = "\nPlanets in marana karaka sthana in this " + VargaLabel(varga) + ":    \n\n";
    bool any = false;
    for (int p = 1; p <= 8; ++p) {
        const int house = chart.HouseFromLagna(varga, p);
        if (house != kMaranaKarakaHouse[p - 1]) continue;
        any = true;
        text += std::string("    ") + g_pszPlanetNames[p] + " in " + HouseOrdinal(house) + " house (owns ";
        std::string owned;
        int count = 0;
        for (int x = 1; x <= 12; ++x) {
            if (!chart.OwnsSignFrom(varga, p, x - 1)) continue;
            owned += (count++ ? " and " : "") + std::string(HouseOrdinal(x));
        }
        text += owned + (count > 1 ? " houses)    \n" : " house)    \n");
    }
    if (!any) text += "    None    ";
    text += "\n";
    MessageBox(this, text, "Planets in Marana Karaka Sthana");
}

void CChartView::ShowSignChangeTime(const CChart& chart, int body, int varga) {
    const std::optional<SignChangeTimes> times = FindSignChangeTimes(chart, body, varga);
    if (!times) return;
    const auto duration = [](double days) {
        CHmsTime hours;
        hours.m_dHours = days * 24;
        hours.SplitHours();
        return hours.FormatDuration();
    };
    const std::string name = g_pszPlanetNames[body];
    const std::string text = name + " changes sign in " + g_vargaNames[varga] +
                             " chart, if the birthtime is    \n\n\t" + duration(times->back) +
                             " earlier\n\nor if the birthtime is    \n\n\t" + duration(times->forward) +
                             " later.\n\n";
    MessageBox(this, text, "When will " + name + " change in this " + VargaTitle(varga) + " chart?");
}
