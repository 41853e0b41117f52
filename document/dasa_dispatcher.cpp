#include "document/dasa_dispatcher.h"

#include <algorithm>
#include <array>
#include <memory>

#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/dasa_codes.h"
#include "document/dasa_years.h"
#include "document/document_options.h"

namespace {

// The nakshatra dasas (and the codes that fall back on Vimsottari) read their seed from a varga chart.
bool ReadsSeedChart(const DasaSystem& system) {
    return system.code < kFirstRasiDasaCode || (system.code >= 68 && system.code <= 72);
}

void RememberFamilyChoice(int code) {
    if (code >= kFirstOtherDasaCode)
        g_nOtherDasaToBeDisplayed = code;
    else if (code < kFirstRasiDasaCode)
        g_nNakshatraDasaToBeDisplayed = code;
    else
        g_nRasiDasaToBeDisplayed = code;
}

// Every dasa keeps its own cycle offset while the user switches between dasas.
void SwitchCycleOffset(int code) {
    if (code == g_nDasaCycleOffsetCode) return;
    g_nDasaCycleOffsetByCode[std::clamp(g_nDasaCycleOffsetCode, 0, kNoDasaCode)] = g_nDasaCycleOffset;
    g_nDasaCycleOffsetCode = code;
    g_nDasaCycleOffset = g_nDasaCycleOffsetByCode[std::clamp(code, 0, kNoDasaCode)];
}

// A fresh tree that keeps the caller's navigation state.
void ResetTree(CDasaTree& tree) {
    const std::array<int, kDasaLevels> selected = tree.nSelected;
    const int level = tree.nLevel;
    // Made again in place: the tree is large, and a temporary would be filled and then copied.
    std::destroy_at(&tree);
    std::construct_at(&tree);
    tree.nSelected = selected;
    tree.nLevel = level;
}

// Builds the varga charts the nakshatra dasas take their seeds from.
CalcStatus BuildSeedCharts(CChart& chart) {
    for (int column : {g_nNakshatraDasaVarga, g_nTithiAshtottariVarga, g_nTithiYoginiVarga}) {
        if (chart.GetVargaChart(column) == nullptr)
            return CalcStatus::Failure("The varga chart of the dasa seed could not be calculated.");
    }
    return {};
}

// Each first-level period becomes three of a third its length; Vimsottari's thirds are named by its
// label tables, whose lords run on by n and 2n.
void ApplyTribhagi(CDasaTree& tree, bool labelledLords) {
    tree.strName += " - Tribhagi variation";
    const int n = tree.nPeriods;
    tree.nPeriods = 3 * n;
    for (int i = 0; i < n; ++i) {
        const double third = tree.dYears[i] * (1.0 / 3.0);
        for (int round = 0; round < 3; ++round) {
            tree.dYears[round * n + i] = third;
            tree.nLord[0][round * n + i] = tree.nLord[0][i] + (labelledLords ? round * n : 0);
        }
    }
}

// One cycle spans g_dCompressionDays: the periods are scaled by the years that span those days over
// their real sum (which can differ from the nominal cycle).
CalcStatus Compress(const DasaRequest& request, CDasaTree& tree) {
    const int kind = DasaYearKindForMode(tree.nYearKind, request.mode, request.current.m_strTitle);
    tree.nYearKind = kind;
    const double yearDays = NominalYearDays(kind, tree.dUserYearDays);
    const CalcValue years = DasaYearsToMoment(request.current, g_dCompressionDays, kind, yearDays);
    if (!years.ok()) return years.status;
    const double sum = tree.CycleLengthYears();
    if (sum > 0.0)
        for (int i = 0; i < tree.nPeriods; ++i) tree.dYears[i] *= years.value / sum;
    if (request.mode == kModeMundane && !g_bDasaSeshamInMundaneCharts && !g_bMundaneBackToNatal)
        tree.bBalance = false;
    return {};
}

} // namespace

CalcStatus CalculateDasa(const DasaRequest& request, CDasaTree& tree) {
    const int code = g_nSelectedDasa;
    RememberFamilyChoice(code);
    // Transits and progressions run the natal dasa.
    const bool natalDasa = request.mode == kModeTransit || request.mode == kModeProgressions;
    CChart& chart = natalDasa ? request.natal : request.current;
    SwitchCycleOffset(code);

    ResetTree(tree);
    g_bDasaSeedNameValid = false;
    const DasaSystem& system = DasaSystemFor(code);
    if (ReadsSeedChart(system)) {
        if (CalcStatus status = BuildSeedCharts(chart); !status.ok()) return status;
        if (request.mode == kModeTajaka) {
            if (CalcStatus status = BuildSeedCharts(request.natal); !status.ok()) return status;
        }
    }
    // Chara dasa's fractional years are measured in the child chart of its varga.
    if (system.code == 33 && chart.GetVargaChart(g_nRasiDasaVarga) == nullptr)
        return CalcStatus::Failure("The varga chart of Chara dasa could not be calculated.");
    const int entry = std::clamp(code, 0, kDasaCodeCount - 1);
    tree.nDasaCode = code;
    tree.strName = system.title;
    tree.strNote = system.shortText;
    tree.strDescription = system.description;
    tree.nYearKind = g_nDasaYearDefinition[entry];
    tree.dUserYearDays = g_dDasaYearLength[entry];
    tree.birth = chart;

    const bool tribhagi = g_bTribhagiVariation && code == g_nNakshatraDasaToBeDisplayed &&
                          system.code != kKalachakraCode && system.code != kYoginiCode &&
                          system.code != kShatTrimsaSamaCode;
    // A code beyond the table reads the options of the system that stands in for it.
    const int optionsCode = code >= 0 && code < kDasaCodeCount ? code : system.code;
    const DasaInput input{
        chart, request.natal, optionsCode, request.mode, request.tajakaYear, g_bDasaCompression, tribhagi};
    if (CalcStatus status = system.calculate(input, tree); !status.ok()) return status;
    if (tribhagi) ApplyTribhagi(tree, system.code == kVimsottariCode);
    if (g_bDasaCompression) return Compress(request, tree);
    return {};
}
