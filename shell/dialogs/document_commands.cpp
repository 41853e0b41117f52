#include "shell/dialogs/document_commands.h"

#include <string>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/name_selection.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/birth_data_dlg.h"
#include "shell/dialogs/matching_dlg.h"
#include "shell/dialogs/option_commands.h"
#include "shell/dialogs/option_dialogs.h"
#include "shell/dialogs/special_lagna_dlg.h"
#include "shell/dialogs/special_point_dlg.h"
#include "shell/dialogs/time_zone_dlg.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "shell/layout_table.h"
#include "shell/main_frame.h"

namespace {

constexpr int kUserPointSlot = 1; // extra point slot of the user's special point (body 103)

// The zone that g_transitMoment follows (hours, positive west).
void SetTransitZone(double zoneWest) {
    g_transitMoment.m_zone.m_dHours = zoneWest;
    g_transitMoment.m_zone.SplitHours();
}

// After a calculation option changed: the natal chart recomputed (the refresh of natal and event
// modes recomputes it anyway), then the mode refreshed.
CalcStatus RecomputeNatalAndRefresh(CTavroDoc& document) {
    if (document.m_nMode != kModeNatal && document.m_nMode != kModeMundane) {
        if (CalcStatus status = document.m_natalChart.Compute(); !status.ok()) return status;
    }
    return document.RefreshMode();
}

} // namespace

CalcStatus OnEditBirthdata(CTavroDoc& document, QWidget* parent) {
    CChart& natal = document.m_natalChart;
    // The dialog shows and takes the birth in its own zone.
    if (g_bZoneOverride) {
        if (CalcStatus status = natal.ChangeTimeZone(g_dBirthZone); !status.ok()) return status;
    }
    CBirthDataDlg dialog(parent);
    static_cast<BirthDataMembers&>(dialog) = BirthDataFromChart(natal, g_bTimeDisplayWithAmPm);
    if (!dialog.DoModal()) {
        // Cancel: the chart is shown in the zone it was shown in before.
        if (g_bZoneOverride) return natal.ChangeTimeZone(g_dOverrideZone);
        return {};
    }
    g_bTimeDisplayWithAmPm = ApplyBirthData(dialog, natal);
    g_dBirthZone = natal.m_dateTime.m_zone.m_dHours;
    SetTransitZone(g_dBirthZone);
    if (g_bZoneOverride) {
        if (CalcStatus status = natal.ChangeTimeZone(g_dOverrideZone); !status.ok()) return status;
    }
    return document.OnBirthDataChanged();
}

CalcStatus OnChangeTimezone(CTavroDoc& document, QWidget* parent) {
    CHmsTime shown;
    shown.m_dHours = g_bZoneOverride ? g_dOverrideZone : g_dBirthZone;
    shown.SplitHours();
    CTimeZoneDlg dialog(parent);
    dialog.m_nChoice = 1;
    dialog.m_nSide = shown.m_bPositive ? 1 : 0; // positive west
    dialog.m_dHours = shown.m_nHours;
    dialog.m_dMinutes = shown.m_nMinutes + shown.m_dSeconds / 60.0;
    if (!dialog.DoModal()) return {};

    const double magnitude = dialog.m_dHours + dialog.m_dMinutes / 60.0;
    const double zoneWest = dialog.m_nSide == 0 ? -magnitude : magnitude;
    g_bZoneOverride = dialog.m_nChoice == 1;
    g_dOverrideZone = g_bZoneOverride ? zoneWest : g_dBirthZone;
    if (CalcStatus status = document.m_natalChart.ChangeTimeZone(g_dOverrideZone); !status.ok())
        return status;
    SetTransitZone(g_dOverrideZone);
    CalcStatus status = document.SyncAndCalculate();
    document.UpdateAllViews(nullptr);
    return status;
}

CalcStatus OnUserDefinedSpecialPoint(CTavroDoc& document, QWidget* parent) {
    CSpecialPointDlg dialog(parent);
    dialog.m_bUsePlanet = g_nSpecialPointUsePlanet;
    dialog.m_nBehindAfter = g_nSpecialPointBehindAfter;
    dialog.m_bUseSaham = g_nSpecialPointUseSaham;
    dialog.m_bUseRasi = g_nSpecialPointUseRasi;
    dialog.m_bUseMidPoint = g_nSpecialPointUseMidPoint;
    dialog.m_nPlanet = g_nSpecialPointPlanetIndex;
    dialog.m_nSaham = g_nSpecialPointSahamIndex;
    dialog.m_nSign = g_nSpecialPointSignIndex;
    dialog.m_nPlanet1 = g_nSpecialPointPlanetIndex1;
    dialog.m_nPlanet2 = g_nSpecialPointPlanetIndex2;
    dialog.m_strName = g_strSpecialPointName;
    dialog.m_strSymbol = g_strSpecialPointSymbol;
    dialog.m_dDeg = g_dSpecialPointDeg;
    dialog.m_dMin = g_dSpecialPointMin;
    dialog.m_dSec = g_dSpecialPointSec;
    dialog.m_bRemove = 0;
    if (!dialog.DoModal()) return {};
    g_nSpecialPointUsePlanet = dialog.m_bUsePlanet;
    g_nSpecialPointBehindAfter = dialog.m_nBehindAfter;
    g_nSpecialPointUseSaham = dialog.m_bUseSaham;
    g_nSpecialPointUseRasi = dialog.m_bUseRasi;
    g_nSpecialPointUseMidPoint = dialog.m_bUseMidPoint;
    g_nSpecialPointPlanetIndex = dialog.m_nPlanet;
    g_nSpecialPointSahamIndex = dialog.m_nSaham;
    g_nSpecialPointSignIndex = dialog.m_nSign;
    g_nSpecialPointPlanetIndex1 = dialog.m_nPlanet1;
    g_nSpecialPointPlanetIndex2 = dialog.m_nPlanet2;
    g_strSpecialPointName = dialog.m_strName;
    g_strSpecialPointSymbol = dialog.m_strSymbol;
    g_dSpecialPointDeg = dialog.m_dDeg;
    g_dSpecialPointMin = dialog.m_dMin;
    g_dSpecialPointSec = dialog.m_dSec;
    g_bSpecialPointOn = !dialog.m_bRemove;
    document.m_pCurrentChart->m_extraName[kUserPointSlot] = g_strSpecialPointName;
    document.m_pCurrentChart->m_extraShortName[kUserPointSlot] = g_strSpecialPointSymbol;
    CalcStatus status = document.SyncAndCalculate();
    document.UpdateAllViews(nullptr);
    return status;
}

CalcStatus OnPlanetarySpecialLagnas(CTavroDoc& document, QWidget* parent) {
    CSpecialLagnaDlg dialog(parent);
    dialog.m_nPlanet = g_nSpecialLagnaPlanet - 1;
    dialog.m_nSignsPerUnit = g_nSpecialLagnaSpeedFactor - 1;
    dialog.m_bReverseNodes = g_bSpecialLagnaNodesReverse;
    dialog.m_bRemove = false;
    if (!dialog.RunAndStore()) return {}; // the members into the form, and back on OK
    g_bSpecialLagnaOn = !dialog.m_bRemove;
    g_nSpecialLagnaPlanet = dialog.m_nPlanet + 1;
    g_nSpecialLagnaSpeedFactor = dialog.m_nSignsPerUnit + 1;
    g_bSpecialLagnaNodesReverse = dialog.m_bReverseNodes;
    const char* const* abbreviations = ChosenPlanetAbbrevs();
    g_strSpecialLagnaName = abbreviations[g_nSpecialLagnaPlanet] + std::to_string(g_nSpecialLagnaSpeedFactor);
    CalcStatus status = document.SyncAndCalculate();
    document.UpdateAllViews(nullptr);
    return status;
}

CalcStatus OnChartStyleAndLanguage(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CChartStyleDlg>(parent)) return {};
    SelectNameTables(g_bSanskritPlanetNames, g_bSanskritRasiNames);
    CreateDisplayFonts();
    document.UpdateAllViews(nullptr);
    return {};
}

CalcStatus OnUseTwoChartStyles(CTavroDoc& document, QWidget* parent) {
    if (RunForm<CTwoChartStylesDlg>(parent)) document.UpdateAllViews(nullptr);
    return {};
}

CalcStatus OnDivisionalChartOptions(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CVargaOptionsDlg>(parent)) return {};
    return document.RecalculateAll();
}

CalcStatus OnUpagrahaOptions(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CUpagrahaOptionsDlg>(parent)) return {};
    return RecomputeNatalAndRefresh(document);
}

CalcStatus OnPlanetOptions(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CPlanetOptionsDlg>(parent)) return {};
    return RecomputeNatalAndRefresh(document);
}

void BindDocumentCommands(CMainFrame& frame, CTavroDoc& document) {
    auto bind = [&frame, &document](CommandId id, CalcStatus (*command)(CTavroDoc&, QWidget*)) {
        frame.SetCommandHandler(id, [&frame, &document, command] {
            if (CalcStatus status = command(document, &frame); !status.ok())
                MessageBox(&frame, status.error, "Error", MessageIcon::kError);
        });
    };
    bind(kCmdEditBirthData, OnEditBirthdata);
    bind(kCmdChangeTimeZone, OnChangeTimezone);
    bind(kCmdUndoLatestBirthTime, [](CTavroDoc& d, QWidget*) { return d.OnUndoBirthTimeChange(); });
    bind(kCmdUndoAllBirthTime, [](CTavroDoc& d, QWidget*) { return d.OnUndoAllBirthTimeChanges(); });
    bind(kCmdGoBackToNatal, [](CTavroDoc& d, QWidget*) { return d.OnResetToNatalMode(); });
    bind(kCmdSpecialPoint, OnUserDefinedSpecialPoint);
    bind(kCmdMatchingScore, [](CTavroDoc& d, QWidget* parent) {
        OnMatchingScore(d, parent);
        return CalcStatus{};
    });
    bind(kCmdPlanetarySpecialLagnas, OnPlanetarySpecialLagnas);
    // Screens brought to the front; nothing is computed.
    const std::pair<CommandId, unsigned> screens[] = {
        {kCmdViewYogas, kNodeYogas},
        {kCmdGoToTajakaScreen, kNodeTajakaForm},
        {kCmdGoToTithiPraveshaScreen, kNodeTithiPraveshaForm},
        {kCmdGoToTransitScreen, kNodeTransitForm},
        {kCmdGoToProgressionsScreen, kNodeProgressionsForm},
        {kCmdGoToPrasnaScreen, kNodePrasnaForm},
        {kCmdGoToMundaneScreen, kNodeMundaneForm},
    };
    for (const auto& [command, node] : screens) {
        frame.SetCommandHandler(command, [&frame, node] {
            CVisualFramework& framework = frame.Framework();
            framework.ActivateNode(framework.GetNode(node));
        });
    }
    bind(kCmdChartStyleAndLanguage, OnChartStyleAndLanguage);
    bind(kCmdUseTwoChartStyles, OnUseTwoChartStyles);
    bind(kCmdDivisionalChartOptions, OnDivisionalChartOptions);
    bind(kCmdUpagrahaOptions, OnUpagrahaOptions);
    bind(kCmdPlanetOptions, OnPlanetOptions);
    BindOptionCommands(frame, document);
}
