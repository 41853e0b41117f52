#include "views/periods/dasa_options_dispatch.h"

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/zodiac_names.h"
#include "document/dasa_nakshatra.h"
#include "document/document_options.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/dasa_option_dlgs.h"
#include "shell/dialogs/dasa_seed_year_dlgs.h"
#include "shell/dialogs/nakshatra_dasa_dlg.h"
#include "shell/dialogs/rasi_dasa_dlg.h"
#include "shell/dialogs/select_varga_dlg.h"

namespace {
constexpr int kAbhijit = 21;       // in a zodiac of 28 stars
constexpr int kSaptarshiCode = 12; // its lords are the stars: no first lord's star, no sub-period order
constexpr int kCharaDasaCode = 33;
constexpr int kTithiYoginiCode = 72;

// The value of an unset member (-1) is not copied back.
void CopyBack(int member, int& option) {
    if (member >= 0) option = member;
}

// "Select a divisional chart": D-1 to D-144 into `varga`.
bool RunVargaChoice(QWidget* owner, int& varga) {
    CSelectVargaDlg dialog(owner);
    dialog.m_nVarga = varga;
    if (!dialog.DoModal()) return false;
    CopyBack(dialog.m_nVarga, varga);
    return true;
}

bool RunNakshatraDasaDialog(int code, CTavroDoc& document, QWidget* owner) {
    const NakshatraDasaAllotment allotment = NakshatraDasaDefaultAllotment(code);
    CNakshatraDasaDlg dialog(owner);
    dialog.m_b28Stars = allotment.count > kNakshatraCount;
    dialog.m_bSeedStarEnabled = dialog.m_bSubPeriodOrderEnabled = code != kSaptarshiCode;
    dialog.m_strSeedStarHeading = NakshatraDasaStarName(allotment.star, allotment.count);
    dialog.m_strSeedStarHeading +=
        allotment.body > 0 ? std::string(" (allocated to ") + g_planetNames[allotment.body] + "):" : ":";
    dialog.m_nStartPoint = g_nNakshatraDasaStartPoint[code];
    dialog.m_nVarga = g_nNakshatraDasaVarga;
    dialog.m_nSeedStar = NakshatraDasaStarOfShift(code, g_nNakshatraDasaShift[code]);
    dialog.m_nSubPeriodOrder = g_nNaksDasaADMethod[code];
    dialog.m_bAntiZodiacal = g_bAntiZodiacalDasa[code] ? 1 : 0;
    if (!dialog.DoModal()) return false;
    CopyBack(dialog.m_nStartPoint, g_nNakshatraDasaStartPoint[code]);
    CopyBack(dialog.m_nVarga, g_nNakshatraDasaVarga);
    if (dialog.m_nSeedStar >= 0)
        g_nNakshatraDasaShift[code] = NakshatraDasaShiftOfStar(code, dialog.m_nSeedStar);
    CopyBack(dialog.m_nSubPeriodOrder, g_nNaksDasaADMethod[code]);
    if (dialog.m_bAntiZodiacal >= 0) g_bAntiZodiacalDasa[code] = dialog.m_bAntiZodiacal == 1;
    document.m_dasaTree.nLevel = 0;
    return true;
}

// The chart whose strength settings the rasi dasa reads: the natal chart while transits and
// progressions show the natal dasa.
CChart& DasaChart(CTavroDoc& document) {
    const bool natalDasa = document.m_nMode == kModeTransit || document.m_nMode == kModeProgressions;
    return natalDasa || !document.m_pCurrentChart ? document.m_natalChart : *document.m_pCurrentChart;
}

// A rasi-dasa family dialog over the chart's settings; `varga` and `startSign` only for members without
// a varga choice of their own.
bool RunRasiDasaDialog(CRasiDasaDlg& dialog, int code, CTavroDoc& document, int varga = 0,
                       int* startSign = nullptr) {
    dialog.m_pTables = &DasaChart(document).m_signLordTables;
    dialog.m_nDasaCode = code;
    dialog.m_nVarga = varga;
    dialog.m_pStartSign = startSign;
    dialog.LoadOptions();
    if (!dialog.DoModal()) return false;
    dialog.SaveOptions();
    return true;
}

// The varga a rasi dasa of the "Rasi dasa options" kind is computed on, and whether a varga choice
// follows its dialog.
int* RasiDasaVarga(int code) {
    switch (code) {
    case 29:
    case 32:
    case kCharaDasaCode:
    case 36:
        return &g_nRasiDasaVarga;
    case 30:
        return &g_nLagnaKendradiVarga;
    case 31:
        return &g_nAKKendradiVarga;
    default:
        return nullptr;
    }
}

// "Rasi dasa options"; Chara dasa adds whether an exalted or debilitated lord changes its years.
RasiDasaDlgKind RasiDasaKind(int code) {
    RasiDasaDlgKind kind{"Rasi dasa options"};
    if (code != kCharaDasaCode) return kind;
    kind.ownLabel = "Exaltation and debilitation of the lord:";
    kind.ownItems = {"Do not change the years", "Add a year when exalted, remove one when debilitated"};
    kind.getOwn = [] { return g_bCharaDasaExaltationException ? 1 : 0; };
    kind.setOwn = [](int v) { g_bCharaDasaExaltationException = v == 1; };
    return kind;
}

bool RunRasiDasaOptions(int code, CTavroDoc& document, QWidget* owner) {
    int* varga = RasiDasaVarga(code);
    const int column = varga ? *varga : 0;
    bool accepted = false;
    if (code == 29) {
        CDrigDasaDlg dialog(owner);
        accepted = RunRasiDasaDialog(dialog, code, document, column);
    } else {
        // The chart's start sign for this dasa code, which the rasi dasas honour in place of their rule.
        CRasiDasaDlg dialog(owner, RasiDasaKind(code));
        accepted = RunRasiDasaDialog(dialog, code, document, column, &DasaChart(document).m_signMarker[code]);
    }
    if (varga) accepted = RunVargaChoice(owner, *varga) || accepted;
    return accepted;
}

bool RunCharaDasaOptions(CTavroDoc& document, QWidget* owner) {
    CDasaSeedDlg seed(owner);
    seed.m_nSeed = g_nCharaDasaSeed;
    bool accepted = seed.DoModal();
    if (accepted) CopyBack(seed.m_nSeed, g_nCharaDasaSeed);
    return RunRasiDasaOptions(kCharaDasaCode, document, owner) || accepted;
}

bool RunTithiSeedDialog(int code, QWidget* owner) {
    const bool yogini = code == kTithiYoginiCode;
    int& harmonic = yogini ? g_nTithiYoginiHarmonic : g_nTithiAshtottariHarmonic;
    int& varga = yogini ? g_nTithiYoginiVarga : g_nTithiAshtottariVarga;
    CTithiDasaSeedDlg dialog(owner);
    dialog.m_bBodiesEnabled = !yogini; // Tithi Yogini reads the Moon-Sun tithi only
    dialog.m_nTithi = harmonic;
    dialog.m_nBodyA = g_nTithiAshtottariBodyA - 1;
    dialog.m_nBodyB = g_nTithiAshtottariBodyB - 1;
    dialog.m_nVarga = varga;
    if (!dialog.DoModal()) return false;
    CopyBack(dialog.m_nTithi, harmonic);
    CopyBack(dialog.m_nVarga, varga);
    if (!yogini && dialog.m_nBodyA >= 0) g_nTithiAshtottariBodyA = dialog.m_nBodyA + 1;
    if (!yogini && dialog.m_nBodyB >= 0) g_nTithiAshtottariBodyB = dialog.m_nBodyB + 1;
    return true;
}

template <class Dialog> bool RunRasiForm(int code, CTavroDoc& document, QWidget* owner) {
    Dialog dialog(owner);
    return RunRasiDasaDialog(dialog, code, document);
}

} // namespace

const char* NakshatraDasaStarName(int star, int starCount) {
    if (starCount <= kNakshatraCount) return g_nakshatraNames[star % kNakshatraCount];
    if (star == kAbhijit) return "Abhijit";
    return g_nakshatraNames[star < kAbhijit ? star : star - 1];
}

bool RunDasaOptionsDialog(int code, CTavroDoc& document, QWidget* owner) {
    if (code >= 0 && code < kNakshatraDasaCodeCount && code != kKalachakraCode)
        return RunNakshatraDasaDialog(code, document, owner);
    switch (code) {
    case kKalachakraCode:
        return RunForm<CKalachakraDasaDlg>(owner);
    case 25:
        return RunRasiForm<CNarayanaDasaDlg>(code, document, owner);
    case 26:
        return RunRasiForm<CLagnamsakaDasaDlg>(code, document, owner);
    case 27:
        return RunRasiForm<CPadanaathaamsaDasaDlg>(code, document, owner);
    case 28:
        return RunRasiForm<CSudasaDlg>(code, document, owner);
    case kCharaDasaCode:
        return RunCharaDasaOptions(document, owner);
    case 29:
    case 30:
    case 31:
    case 32:
    case 34:
    case 36:
    case 39:
    case 40:
    case 41:
        return RunRasiDasaOptions(code, document, owner);
    case 37:
        return RunRasiForm<CParyayaDasaDlg>(code, document, owner);
    case 38:
        return RunForm<CShoolaDasaDlg>(owner);
    case 60:
        return RunForm<CMoolaDasaDlg>(owner);
    case 61:
        return RunForm<CNaisargikaDasaDlg>(owner);
    case 62:
        return RunForm<CTaraDasaDlg>(owner);
    case 64:
        return RunVargaChoice(owner, g_nAKKendradiGrahaVarga);
    case 66:
        return RunForm<CSudarsanaDasaDlg>(owner);
    case 67: {
        CSudarsanaDasaDlg dialog(owner, g_nBuddhiGatiDasaVarga);
        return dialog.RunAndStore();
    }
    case kRasiBhuktaVimsottariCode: {
        CRbvDasaDlg dialog(owner);
        dialog.m_nStartPoint = g_nRasiBhuktaStartPoint;
        dialog.m_nVarga = g_nRasiBhuktaVarga;
        dialog.m_pTables = &DasaChart(document).m_signLordTables;
        dialog.LoadOptions();
        if (!dialog.DoModal()) return false;
        dialog.SaveOptions();
        CopyBack(dialog.m_nStartPoint, g_nRasiBhuktaStartPoint);
        CopyBack(dialog.m_nVarga, g_nRasiBhuktaVarga);
        return true;
    }
    case 69:
    case kTithiYoginiCode:
        return RunTithiSeedDialog(code, owner);
    default:
        return false;
    }
}
