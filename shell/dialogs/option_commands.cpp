#include "shell/dialogs/option_commands.h"

#include "core/angle_math.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/fixed_stars.h"
#include "core/option_appliers.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/ayanamsa_dlg.h"
#include "shell/dialogs/bhava_chalit_ref_dlg.h"
#include "shell/dialogs/calculation_option_dlgs.h"
#include "shell/dialogs/calendar_dlgs.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/fixed_star_ayanamsa_dlg.h"
#include "shell/dialogs/font_size_dlg.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"

namespace {

constexpr int kSuryaSiddhantaModel = 1;   // Siddhanta: 1 Surya Siddhanta, 0 the ephemeris
constexpr int kSuryaSiddhantaHouses = 11; // HouseTypeWanted of the Surya Siddhanta houses
constexpr int kPorphyryHouses = 3;

// The written preference file, as a status for the caller's message.
CalcStatus SaveNow() {
    const FileWriteResult saved = SavePreferences();
    return saved.ok ? CalcStatus{} : CalcStatus::Failure(saved.message);
}

// After a calculation option changed: the natal chart and the mode's chart recalculated (Tajaka and
// Tithi Pravesha charts cast again, since their moments follow the options), every view updated, the
// preferences written so that the choice outlives a crash.
CalcStatus RecalculateAndSave(CTavroDoc& document) {
    CalcStatus status = document.RecalculateAll();
    document.UpdateAllViews(nullptr);
    if (!status.ok()) return status;
    return SaveNow();
}

bool RunLunarCalendar(QWidget* parent) {
    CLunarCalendarDlg dialog(parent);
    return dialog.RunOnOptions();
}

// A calculation option form, and what must follow its OK before the recalculation (options that act
// by rewriting shared tables).
struct CalculationForm {
    CommandId command;
    bool (*run)(QWidget* parent);
    void (*apply)();
};

const CalculationForm kCalculationForms[] = {
    {kCmdSunriseDefinition, RunForm<CSunriseDlg>, nullptr},
    {kCmdWeekdayOptions, RunForm<CHoraOptionsDlg>, nullptr},
    {kCmdMrityuBhaga, RunForm<CMrityuBhagaDlg>, nullptr},
    {kCmdTajakaOptions, RunForm<CTajakaOptionsDlg>, nullptr},
    {kCmdAshtakavargaOptions, RunForm<CAshtakavargaPrefDlg>, nullptr},
    {kCmdCharaKarakaScheme, RunForm<CCharaKarakaDlg>, nullptr},
    {kCmdVaiseshikamsa, RunForm<CVaiseshikamsaPrefDlg>, nullptr},
    {kCmdArudhaOptions, RunForm<CArudhaPadaDlg>, nullptr},
    {kCmdBhavaChakraReference, RunForm<CBhavaChalitRefDlg>, nullptr},
    {kCmdSolarCalendarOptions, RunForm<CSolarCalendarDlg>, nullptr},
    {kCmdLunarCalendarOptions, RunLunarCalendar, nullptr},
    {kCmdNodalExaltation, RunForm<CNodeExaltationDlg>,
     [] { ApplyRahuKetuExaltationOption(g_bNodalExaltationParasara); }},
    {kCmdPushkaraBhaga, RunForm<CPushkaraBhagaDlg>, [] { ApplyTableOption(g_bPushkaraBhagaJP); }},
};

// The fixed-star ayanamsa's star and the sidereal longitude it is held at; true on OK.
bool RunFixedStarAyanamsa(QWidget* parent) {
    CFixedStarAyanamsaDlg dialog(parent);
    const double heldAt = Reduce360(g_dCustomStarLongitude); // 360 is Aries 0, not a thirteenth sign
    dialog.m_nStar = g_nCustomStarIndex;
    dialog.m_nSign = static_cast<int>(heldAt / 30.0);
    CDmsAngle inSign;
    inSign.m_dValue = heldAt - dialog.m_nSign * 30.0;
    inSign.SplitDegrees();
    dialog.m_nDegrees = inSign.m_nDegrees;
    dialog.m_nMinutes = inSign.m_nMinutes;
    dialog.m_dSeconds = inSign.m_dSeconds;
    dialog.m_bFixedPlane = g_bFixedPlaneInCustomStarAyanamsa;
    if (!dialog.DoModal()) return false;
    if (dialog.m_nStar >= 0 && dialog.m_nStar < g_fixedStarList.Count()) {
        g_nCustomStarIndex = dialog.m_nStar;
        g_strCustomStarCode = g_fixedStarList.entries[size_t(dialog.m_nStar)].searchKey;
    }
    g_dCustomStarLongitude =
        dialog.m_nSign * 30.0 + dialog.m_nDegrees + dialog.m_nMinutes / 60.0 + dialog.m_dSeconds / 3600.0;
    g_bFixedPlaneInCustomStarAyanamsa = dialog.m_bFixedPlane != 0;
    return true;
}

// The ayanamsa dialogs over g_ayanamsaSettings; the choice applied on OK. False on Cancel of the first.
bool RunAyanamsaDialogs(QWidget* parent) {
    CAyanamsaDlg dialog(parent);
    CDmsAngle correction;
    CopyAyanamsaPrefs(g_ayanamsaSettings, correction);
    dialog.m_nAyanamsa = g_ayanamsaTable[g_ayanamsaSettings.m_nAyanamsaId].listPosition;
    dialog.m_bCorrection = correction.m_dValue != 0.0;
    dialog.m_nAddSubtract = correction.m_bPositive ? 0 : 1;
    dialog.m_nDegrees = correction.m_nDegrees;
    dialog.m_nMinutes = correction.m_nMinutes;
    dialog.m_dSeconds = correction.m_dSeconds;
    dialog.m_bSiderealNakshatras = g_bSiderealNaksharasInTropical;
    if (!dialog.DoModal()) return false;

    int id = g_ayanamsaSettings.m_nAyanamsaId;
    for (int candidate = 0; candidate < kAyanamsaCount; ++candidate)
        if (g_ayanamsaTable[candidate].listPosition == dialog.m_nAyanamsa) id = candidate;
    g_bSiderealNaksharasInTropical = dialog.m_bSiderealNakshatras != 0;
    CDmsAngle entered;
    if (dialog.m_bCorrection) {
        entered.m_bPositive = dialog.m_nAddSubtract == 1 ? 0 : 1;
        entered.m_nDegrees = dialog.m_nDegrees;
        entered.m_nMinutes = dialog.m_nMinutes;
        entered.m_dSeconds = dialog.m_dSeconds;
        entered.JoinDegrees();
    }
    ChooseAyanamsa(id, entered);
    if (id == kAyanamsaCustomStar && RunFixedStarAyanamsa(parent)) ApplyAyanamsaSettings(g_ayanamsaSettings);
    return true;
}

CalcStatus OnFontSize(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CFontSizeDlg>(parent)) return {};
    AdjustDisplayFontSizes();
    CalcStatus status = document.SyncAndCalculate();
    document.UpdateAllViews(nullptr);
    return status;
}

CalcStatus OnLifeCycleLength(QWidget* parent) {
    CLifecycleDlg dialog(parent);
    dialog.m_nYearKind = g_nLifeCycleYearDefinition;
    dialog.m_dYears = g_dLifeCycleYears;
    dialog.m_dUserYearDays = g_dLifeCycleYearLength;
    if (!dialog.DoModal()) return {};
    g_nLifeCycleYearDefinition = dialog.m_nYearKind;
    g_dLifeCycleYears = dialog.m_dYears;
    g_dLifeCycleYearLength = dialog.m_dUserYearDays;
    return SaveNow();
}

void OnPrintPages(QWidget* parent) {
    CPrintPagesDlg dialog(parent);
    dialog.m_nPageMask = g_nMaskedPrintPageMap;
    dialog.m_bBlackAndWhite = g_bBlackPrintingWanted;
    if (!dialog.RunAndStore()) return;
    g_nMaskedPrintPageMap = dialog.m_nPageMask;
    g_bBlackPrintingWanted = dialog.m_bBlackAndWhite != 0;
}

void OnAstrologerAddress(QWidget* parent) {
    CUserAddressDlg dialog(parent);
    dialog.m_strText = g_strJyotishiAddress;
    if (!dialog.DoModal()) return;
    // An empty footer would leave the printouts unsigned: the built-in text takes its place.
    g_strJyotishiAddress = dialog.m_strText.empty() ? kDefaultJyotishiAddress : dialog.m_strText;
}

// The Muntha is placed when the Tajaka chart is cast: the mode's refresh casts it again, so that the
// new reference shows at once.
CalcStatus SetMunthaReference(CTavroDoc& document, int body) {
    g_nMunthaReference = body;
    CalcStatus status = document.RefreshMode();
    document.UpdateAllViews(nullptr);
    return status;
}

} // namespace

CalcStatus OnAyanamsa(CTavroDoc& document, QWidget* parent) {
    if (!RunAyanamsaDialogs(parent)) return {};
    return RecalculateAndSave(document);
}

CalcStatus OnSiddhanta(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CSiddhantaDlg>(parent)) return {};
    if (g_nSiddhanta == kSuryaSiddhantaModel) {
        ChooseAyanamsa(kAyanamsaSuryaSiddhanta, CDmsAngle{});
        MessageBox(
            parent,
            "It is strongly recommended to select SSS (Sri Surya Siddhanta) ayanamsa when using SSS for "
            "planetary model. Other ayanamsas are supported with SSS planetary calculations to "
            "faciliate research, but use SSS ayanamsa with SSS planetary calculations for the best "
            "results.",
            "Choose Ayanamsa");
    } else if (g_nHouseTypeWanted == kSuryaSiddhantaHouses) {
        g_nHouseTypeWanted = kPorphyryHouses;
        MessageBox(
            parent,
            "You are currently using SSS (Sri Surya Siddhanta) house system. Because you selected drik "
            "siddhanta now, SSS house system is not available. We are falling back to Porphyry "
            "houses, which are very close to SSS houses.",
            "SSS house system not available anymore");
    }
    RunAyanamsaDialogs(parent);
    const CalcStatus saved = SaveNow();
    CalcStatus status = document.RecalculateAll();
    document.UpdateAllViews(nullptr);
    return status.ok() ? saved : status;
}

CalcStatus OnTithiPraveshaOptions(CTavroDoc& document, QWidget* parent) {
    if (!RunForm<CTithiPraveshaDlg>(parent)) return {};
    // The lunar year follows; its Cancel keeps the month choice already made, which still recalculates.
    RunLunarCalendar(parent);
    return RecalculateAndSave(document);
}

void BindOptionCommands(CMainFrame& frame, CTavroDoc& document) {
    auto bind = [&frame](CommandId id, std::function<CalcStatus()> command) {
        frame.SetCommandHandler(id, [&frame, command] {
            if (CalcStatus status = command(); !status.ok())
                MessageBox(&frame, status.error, "Error", MessageIcon::kError);
        });
    };
    for (const CalculationForm& form : kCalculationForms) {
        bind(form.command, [&frame, &document, form] {
            if (!form.run(&frame)) return CalcStatus{};
            if (form.apply) form.apply();
            return RecalculateAndSave(document);
        });
    }
    bind(kCmdAyanamsa, [&frame, &document] { return OnAyanamsa(document, &frame); });
    bind(kCmdSiddhanta, [&frame, &document] { return OnSiddhanta(document, &frame); });
    bind(kCmdTithiPraveshaOptions, [&frame, &document] { return OnTithiPraveshaOptions(document, &frame); });
    bind(kCmdAdjustFontSize, [&frame, &document] { return OnFontSize(document, &frame); });
    bind(kCmdLifeCycleLength, [&frame] { return OnLifeCycleLength(&frame); });
    frame.SetCommandHandler(kCmdPrintPages, [&frame] { OnPrintPages(&frame); });
    frame.SetCommandHandler(kCmdAstrologerAddress, [&frame] { OnAstrologerAddress(&frame); });

    const std::pair<CommandId, int> munthaReferences[] = {
        {kCmdMunthaFromLagna, kLagna}, {kCmdMunthaFromMoon, kMoon}, {kCmdMunthaFromSun, kSun}};
    for (const auto& [command, body] : munthaReferences)
        bind(command, [&document, body] { return SetMunthaReference(document, body); });
}
