#include "shell/frame_document_commands.h"

#include <QApplication>
#include <QFile>
#include <QStatusBar>

#include <cmath>
#include <cstdio>

#include "core/calc_options.h"
#include "chart/chart.h"
#include "document/document_state.h"
#include "document/mode_chart.h"
#include "document/report_dispatch.h"
#include "document/tavro_doc.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "shell/calculation_presets.h"
#include "shell/copy_notice.h"
#include "shell/desktop_opener.h"
#include "shell/dialogs/choose_colors_dlg.h"
#include "shell/display_fonts.h"
#include "shell/extra_frames.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "shell/time_steps.h"

namespace {

constexpr int kLastLifecycle = 10;

// A long command shows the wait cursor and says what it does in the status bar until it ends.
class BusyNotice {
public:
    BusyNotice(CMainFrame& frame, const char* what) : m_frame(frame) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_frame.statusBar()->showMessage(what);
    }
    ~BusyNotice() {
        m_frame.statusBar()->clearMessage();
        QApplication::restoreOverrideCursor();
    }

private:
    CMainFrame& m_frame;
};

void ReportFailure(CMainFrame& frame, const CalcStatus& status) {
    if (!status.ok()) MessageBox(&frame, status.error, "Error", MessageIcon::kError);
}

void CopyCalculations(CMainFrame& frame, bool complete) {
    bool copied = false;
    {
        BusyNotice busy(frame, "Gathering the chart calculations for the clipboard ...");
        copied = PutTextOnClipboard(GatherReportText(complete));
    }
    if (!copied) {
        MessageBox(&frame, "Unable to set Clipboard data", "Error", MessageIcon::kError);
        return;
    }
    TellCopied(&frame, complete ? "chart calculations" : "basic chart calculations", CopiedForm::kText);
}

void OpenChartNotes(CMainFrame& frame, CTavroDoc& document) {
    document.UpdateChartBaseName();
    const std::string path = ChartNotesPath(g_strChartBaseName);
    if (path.empty()) {
        MessageBox(&frame, "You can enter notes only after saving the file. First save it.", "First save it");
        return;
    }
    QFile notes(QString::fromStdString(path));
    // The notes file is made empty when there is none; the program never reads it.
    if (!notes.exists() && !notes.open(QIODevice::WriteOnly)) {
        MessageBox(&frame, "The notes file " + path + " could not be made: " + notes.errorString().toStdString(),
                   "Error", MessageIcon::kError);
        return;
    }
    notes.close();
    if (!OpenOnDesktop(QUrl::fromLocalFile(notes.fileName())))
        MessageBox(&frame, "The notes file could not be opened: no text editor took it.\n\n" + path, "Sorry",
                   MessageIcon::kWarning);
}

void ChooseColors(CMainFrame& frame, CTavroDoc& document) {
    if (!RunChooseColorsDialog(&frame)) return;
    MessageBox(&frame,
               "Some color changes you entered may come into effect only after the program is closed and "
               "restarted. If you don't see the colors as you set them, please close the program and "
               "restart it.",
               "Close and restart");
    ReportFailure(frame, document.SyncAndCalculate());
    document.UpdateAllViews(nullptr);
}

// The natal chart becomes the lifecycle chart `LifeCycleYears` years of the chosen kind before or
// after it; then natal mode, calculated.
CalcStatus CastLifecycleChart(CTavroDoc& document, bool forward) {
    CChart& natal = document.m_natalChart;
    CChartCore probe;
    const double years = forward ? g_dLifeCycleYears : -g_dLifeCycleYears;
    const SearchResult found = natal.FindReturnChart(years, probe, g_nLifeCycleYearDefinition, g_dLifeCycleYearLength);
    if (!found.found()) return SearchFailure(found, "The lifecycle chart lies outside the ephemeris.");
    if (CalcStatus status = natal.CopyDataAndCalc(probe); !status.ok()) return status;
    document.ResetToNatalMode();
    CalcStatus status = document.SyncAndCalculate();
    document.UpdateAllViews(nullptr);
    return status;
}

void StepLifecycle(CMainFrame& frame, CTavroDoc& document, bool forward) {
    if (document.m_nMode != kModeNatal) {
        MessageBox(&frame,
                   "Previous/next lifecycle chart is cast only when we are in the natal chart mode. Return "
                   "to the natal chart mode and try again.",
                   "Sorry, cannot do now");
        return;
    }
    if (!forward && g_nLifecycle <= 0) {
        MessageBox(&frame,
                   "We cannot compute lifecycles before birth. After birth, we can cast a new lifecycle "
                   "chart once in every 144 years (or a user programmed lifecycle length). We are right now "
                   "showing the birthchart itself, i.e. the first lifecycle chart. We cannot go before that.",
                   "Sorry, we are at the beginning");
        return;
    }
    if (forward && g_nLifecycle >= kLastLifecycle) {
        MessageBox(&frame, "This software cannot compute more than 10 lifecycles.", "Sorry");
        return;
    }
    const CalcStatus status = CastLifecycleChart(document, forward);
    if (status.ok()) g_nLifecycle += forward ? 1 : -1;
    ReportFailure(frame, status);
}

void SetLocationAsDefault(CMainFrame& frame, const CTavroDoc& document) {
    const CChart& natal = document.m_natalChart;
    g_defaultLongitude = natal.m_longitude;
    g_defaultLatitude = natal.m_latitude;
    g_defaultTimeZone.m_dHours = natal.m_dStandardZone;
    g_defaultTimeZone.SplitHours();
    g_defaultSummerTimeZone.m_dHours = natal.m_dDstZone;
    g_defaultSummerTimeZone.SplitHours();
    g_nDefaultLocationCountryCode = natal.m_nPlaceCode;
    g_strDefaultLocationCityName = natal.m_strCity;
    g_strDefaultLocationCountryName = natal.m_strState;
    g_dDefaultAltitude = natal.m_dAltitude;
    MessageBox(&frame, DefaultLocationText(), "Default location was set");
}

void ApplyPreset(CMainFrame& frame, CTavroDoc& document, CalculationPreset preset) {
    ApplyCalculationPreset(preset);
    if (preset == CalculationPreset::kRestoreDefault) AdjustDisplayFontSizes();
    const FileWriteResult saved = SavePreferences();
    if (!saved.ok) MessageBox(&frame, saved.message, "Error", MessageIcon::kError);
    CalcStatus status = document.m_natalChart.Compute();
    if (status.ok()) status = document.RefreshMode();
    document.UpdateAllViews(nullptr);
    ReportFailure(frame, status);
}

} // namespace

CalcStatus StepBirthTime(CTavroDoc& document, int unit, bool forward) {
    StepLocalDateTime(document.m_natalChart.m_dateTime, unit, forward);
    return document.OnBirthDataChanged();
}

CalcStatus StepTransitTime(CTavroDoc& document, int unit, bool forward) {
    CLocalDateTime moment = g_transitMoment;
    StepLocalDateTime(moment, unit, forward);
    g_transitMoment = moment;
    if (document.m_nMode == kModeTransit) {
        if (CalcStatus status = document.ShowTransitChart(g_transitMoment); !status.ok()) return status;
    }
    document.SetModifiedFlag(true);
    return document.RefreshMode();
}

std::string DefaultLocationText() {
    // A zone as hours and minutes, the minutes rounded up from 30 seconds.
    auto zoneMinutes = [](const CHmsTime& zone) { return zone.m_nMinutes + (zone.m_dSeconds >= 30.0 ? 1 : 0); };
    auto side = [](const CHmsTime& zone) { return zone.m_dHours >= 0.0 ? "West" : "East"; };
    const CDmsAngle& lon = g_defaultLongitude;
    const CDmsAngle& lat = g_defaultLatitude;
    const CHmsTime& standard = g_defaultTimeZone;
    const CHmsTime& summer = g_defaultSummerTimeZone;
    char text[1024];
    std::snprintf(text, sizeof text,
                  "Current chart location was set as the default location.   \nIt will be used when new charts "
                  "are cast.   \n\n  %s, %s  \n\n  Longitude: %d %c %d' %d\"  \n  Latitude: %d %c %d' %d\"  \n  "
                  "Altitude: %d meters above sea level  \n  Standard Timezone: %d:%02d (%s of GMT)  \n  Summer "
                  "Timezone: %d:%02d (%s of GMT)  \n",
                  g_strDefaultLocationCityName.c_str(), g_strDefaultLocationCountryName.c_str(), lon.m_nDegrees,
                  lon.m_bPositive ? 'W' : 'E', lon.m_nMinutes, static_cast<int>(lon.m_dSeconds), lat.m_nDegrees,
                  lat.m_bPositive ? 'N' : 'S', lat.m_nMinutes, static_cast<int>(lat.m_dSeconds),
                  static_cast<int>(g_dDefaultAltitude), standard.m_nHours, zoneMinutes(standard), side(standard),
                  summer.m_nHours, zoneMinutes(summer), side(summer));
    return text;
}

std::string ChartNotesPath(const std::string& chartBaseName) {
    return chartBaseName.empty() ? std::string() : chartBaseName + ".txt";
}

void BindFrameDocumentCommands(CMainFrame& frame, CTavroDoc& document) {
    auto bind = [&frame](CommandId id, std::function<CalcStatus()> command) {
        frame.SetCommandHandler(id, [&frame, command] { ReportFailure(frame, command()); });
    };
    bind(kCmdBirthTimeBackward, [&frame, &document] {
        return StepBirthTime(document, frame.BirthTimeCombo()->currentIndex(), false);
    });
    bind(kCmdBirthTimeForward, [&frame, &document] {
        return StepBirthTime(document, frame.BirthTimeCombo()->currentIndex(), true);
    });
    bind(kCmdTransitTimeBackward, [&frame, &document] {
        return StepTransitTime(document, frame.TransitTimeCombo()->currentIndex(), false);
    });
    bind(kCmdTransitTimeForward, [&frame, &document] {
        return StepTransitTime(document, frame.TransitTimeCombo()->currentIndex(), true);
    });
    bind(kCmdNishekaChart, [&document] { return document.CalcNishekaChart(); });

    frame.SetCommandHandler(kCmdCopyBasic, [&frame] { CopyCalculations(frame, false); });
    frame.SetCommandHandler(kCmdCopyComplete, [&frame] { CopyCalculations(frame, true); });
    frame.SetCommandHandler(kCmdChartNotes, [&frame, &document] { OpenChartNotes(frame, document); });
    frame.SetCommandHandler(kCmdColors, [&frame, &document] { ChooseColors(frame, document); });
    frame.SetCommandHandler(kCmdPreviousLifecycle, [&frame, &document] { StepLifecycle(frame, document, false); });
    frame.SetCommandHandler(kCmdNextLifecycle, [&frame, &document] { StepLifecycle(frame, document, true); });
    frame.SetCommandHandler(kCmdSetLocationAsDefault, [&frame, &document] { SetLocationAsDefault(frame, document); });
    frame.SetCommandHandler(kCmdRestoreDefaultCalcOptions, [&frame, &document] {
        ApplyPreset(frame, document, CalculationPreset::kRestoreDefault);
    });
    frame.SetCommandHandler(kCmdRecommendedCalcOptions, [&frame, &document] {
        ApplyPreset(frame, document, CalculationPreset::kRecommended);
    });
    if (IsPaneClassRegistered("CAspectTableView"))
        frame.SetCommandHandler(kCmdAspectTable, [&frame, &document] { OpenAspectTableWindow(&frame, &document); });
}
