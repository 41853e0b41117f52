#pragma once
// The process-wide state a test of the program's windows and panes may change, taken when a fixture
// starts and put back when it ends, whatever the test changed: every option of the table (core,
// document and shell rows), the names, labels and tables built from them, the chart document's state
// (the moments, the panes' selections, the chart file's base name, the forms' settings), the printing
// state, the preferences' start-up state and the frame's and the panes' remembered state, and the
// ephemeris folder the library works from (a start-up or an import moves it to the data folder in use). A
// fixture holds one before anything it sets up, so that every test of it, and of the fixtures made from it,
// leaves the process as it found it.
#include <functional>
#include <vector>

#include "core/body_names.h"
#include "core/chart_labels.h"
#include "core/data_folder.h"
#include "core/fixed_stars.h"
#include "core/option_appliers.h"
#include "core/varga_columns.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/chart_source.h"
#include "display/drawing_factors.h"
#include "display/pane_settings.h"
#include "display/print_pages.h"
#include "display/text_charts.h"
#include "display/view_handoffs.h"
#include "document/birth_time_undo.h"
#include "document/document_option_snapshot.h"
#include "document/document_state.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/mode_transit.h"
#include "document/transit_calendar.h"
#include "platform/draw_state.h"
#include "shell/color_settings.h"
#include "shell/desktop_opener.h"
#include "shell/dialogs/birth_data_dlg.h"
#include "shell/dialogs/matching_dlg.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "shell/frame_geometry.h"
#include "shell/pane_state.h"
#include "shell/preferences.h"
#include "shell/restart_exit.h"
#include "shell/tab_change_effects.h"
#include "shell/update_check.h"
#include "shell/visual_framework.h"
#include "shell/web_links.h"
#include "shell/window_sizes.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"
#include "views/chakras/star_chakras.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/chakras/tripataki_chakra_view.h"
#include "views/info/ashtakavarga_view.h"
#include "views/info/aspect_table_view.h"
#include "views/info/basic_info_tables.h"
#include "views/info/basic_info_view.h"
#include "views/info/kp_view.h"
#include "views/info/laghu_parasari_table.h"
#include "views/info/seed_strength_view.h"
#include "views/info/shadbala_view.h"
#include "views/info/strengths_view.h"
#include "views/info/varga_deity_tables.h"
#include "views/info/yogas_view.h"
#include "views/periods/dasa_transit_input.h"
#include "views/periods/dasa_transit_view.h"
#include "views/periods/dasa_view.h"

class CScopedProcessState {
public:
    CScopedProcessState() {
        // The library's ephemeris folder goes back once everything else has.
        m_putBack.push_back([folder = LibraryEphemerisFolder()] {
            if (LibraryEphemerisFolder() != folder) UseEphemerisFolder(folder);
        });
        // The shell's options; the core's and the document's come back through m_options.
#define KEEP_SHELL_OPTION(layer, section, form, type, name, ...) OPTION_OF_LAYER(layer, Shell, Keep(name);)
        OPTION_TABLE(KEEP_SHELL_OPTION)
#undef KEEP_SHELL_OPTION
        // Built from the options: name tables, chart labels, dignities, divisors, the custom star.
        Keep(g_pszPlanetNames, g_pszPlanetNamesAlt, g_pszPlanetNamesAlt2, g_pszSignNames,
             g_pszChartPlanetNames, g_pszChartPlanetLabels, g_pszChartSignNames, g_pszChartVargaNames,
             g_pszChartNakshatraNames, g_pszChartNakshatraNames28, g_strChartMarker, g_exaltationSigns,
             g_debilitationSigns, g_pPushkaraBhagaDegrees, g_vargaDivisors, g_strDasaSeedName,
             g_bDasaSeedNameValid, g_fixedStarList, g_nCustomStarIndex, g_pAmsaDeityTables);
        // The chart document's state and the forms' settings.
        Keep(g_clockMoment, g_transitMoment, g_nLifecycle, g_pReferenceChart, g_bChartPane1Natal,
             g_bChartPane2Natal, g_nChartPane1Varga, g_nChartPane2Varga, g_dasaNavStates,
             g_nBasicInfoSelection, g_bKalaChakraBaseOverride, g_bKotaChakraBaseOverride, g_strChartBaseName,
             g_birthTimeUndo);
        Keep(g_dTranCalenStepDays, g_nTranCalenStepCount, g_nTranCalenNatalVarga, g_nTranCalenTransitVarga,
             g_bTranCalenShowItem, g_strPraveshaLabel, g_nTithiPraveshaYear, g_nTithiPraveshaMonth,
             g_nTithiPraveshaDay, g_bTithiPraveshaFromMoment, g_nTithiPraveshaPeriod,
             g_bTithiPraveshaBackward, g_tithiPraveshaMoment, g_transitResearchTables,
             g_nTransitResearchMethod, g_dTransitResearchMinStrength, g_dTransitResearchOrbFraction,
             g_dTransitResearchOrbMarsSaturn, g_dTransitResearchOrbJupiter, g_nTranResearchVarga,
             g_nTajakaYear, g_nTajakaMonth, g_nTajaka2DayPart, g_nTajaka5HourPart, g_nTajaka25MinPart,
             g_nTajaka2MinPart, g_bTajakaAtSunrise);
        // Printing and drawing.
        Keep(g_bPrinting, g_dDrawScaleX, g_dDrawScaleY, g_nPrintPageMask, g_bPrintViewContent,
             g_nPrintMarginX, g_nPrintMarginY, g_nPrintAreaWidth, g_nPrintAreaHeight, g_askPrintedChartName,
             g_bScaledCapture, g_bPrintInBlack);
        // The preferences' start-up and the frame's state.
        Keep(g_strTavroDirectory, g_strDataDirectory, g_bPreferencesInitialised, g_strPreferenceFileNotice,
             g_strWebSite, g_strUpdateServer, g_bodyTypeShown, g_bShowInCharts, g_bWideDisplay,
             g_bMoreChartsOnWideDisplay, g_nMinYear, g_nMaxYear, g_nChartPaneCount, g_bPackedChartMode,
             g_bLongitudeCorrelationShown, g_displayFonts, g_colors, g_savedColors, g_windowSizes,
             g_bWindowSizesSaved, g_rcCascade, g_nCascadeSlot, g_navHistory, g_nNavCurrent, g_nNavLast,
             g_bNavigating, g_desktopOpener, g_endForRestart, g_tabChangeHooks, g_updateAllViewsOfMainDoc,
             g_nLastStateSelection, g_nLastCountrySelection, g_nMatchingPartnerNakshatra,
             g_nMatchingPartnerPada);
        // The chart views' and the panes' remembered state.
        Keep(g_chartSource, g_nPaneDisplayMode, g_nPaneBodyView, g_bPaneShowBody, g_nPaneArudhaFrom,
             g_bPaneKarakaLabels, g_bPaneBhavaFromBody, g_nPaneBhavaBody, g_bResetPaneBodyViews,
             g_dChartScale, g_chartFontA, g_chartFontB, g_bHighlightsOn, g_strChartCentreCaption,
             g_strChartTextRasi, g_strChartTextAll, g_ashtakavargaChoice, g_entryAshtakavargaChoice,
             g_nAspectTableVarga);
        Keep(g_pMainDoc, g_nDasaDeepestLevel, g_dasaPageState, g_dasaTransitInput, g_strPickedPeriodName,
             g_dasaTransitListing, g_nKotaCustomBase, g_nSbcTransitVarga, g_nSbcNatalVarga,
             g_nSbcLastPlanetChoice, g_laghuParasari, g_nBasicInfoVarga, g_strAVTableText, g_strAVPindaText,
             g_nSeedHelpSeed, g_nAspectOptionsAskedMode, g_nYogaCategory, g_bJustListYogas, g_nShadbalaTable,
             g_strShadbalaText, g_nStrengthsTable, g_strStrengthsText, g_nKPTableMode, g_nAspTblHouseRef);
        for (ChakraBaseSettings* chakra :
             {&g_tripatakiSettings, &g_ckBase, &g_kalaBase, &g_shoolaBase, &g_skBase, &g_sudarsanaSettings})
            Keep(chakra->customBaseOn, chakra->customBase, chakra->basePlanetOn, chakra->baseDivision,
                 chakra->basePlanet, chakra->vargaForBodies);
    }
    ~CScopedProcessState() {
        for (auto putBack = m_putBack.rbegin(); putBack != m_putBack.rend(); ++putBack) (*putBack)();
    }
    CScopedProcessState(const CScopedProcessState&) = delete;
    CScopedProcessState& operator=(const CScopedProcessState&) = delete;

private:
    template <class... T> void Keep(T&... globals) {
        (m_putBack.push_back([&globals, value = globals] { globals = value; }), ...);
    }

    CScopedDocumentOptions m_options; // put back last: it applies the ayanamsa to the library again
    std::vector<std::function<void()>> m_putBack;
};
