// The rasi dasas' entry in the table of dasa systems: each code's options from the globals.
#include "document/dasa_rasi.h"

#include "document/dasa_options.h"

CalcStatus RunRasiDasa(const DasaInput& input, CDasaTree& tree) {
    const CChart& chart = input.chart;
    switch (input.code) {
    case 25: {
        const NarayanaVariant variant = g_bSamaNarayana   ? NarayanaVariant::kSama
                                        : g_bPakaNarayana ? NarayanaVariant::kPaka
                                                          : NarayanaVariant::kNormal;
        return CalcNarayanaDasa(chart, g_nNarayanaDasaChart, variant, tree);
    }
    case 26:
        return CalcLagnamsakaDasa(chart, g_nLagnamsakaDasaChart, tree);
    case 27:
        return CalcPadanaathaamsaDasa(chart, g_nPadanathamsaDasaChart, tree);
    case 28:
        return CalcSudasa(chart, g_nSudasaADOption, tree);
    case 29:
        return CalcDrigdasa(chart, g_nRasiDasaVarga, g_bDrigdasaOfParasara, tree);
    case 30:
        return CalcLagnaKendradiDasa(chart, g_nLagnaKendradiVarga, tree);
    case 31:
        return CalcAtmaKarakaKendradiDasa(chart, g_nAKKendradiVarga, tree);
    case 32:
        return CalcTrikonaDasa(chart, g_nRasiDasaVarga, tree);
    case 33: {
        const CharaDasaOptions options{g_nRasiDasaVarga, g_nCharaDasaSeed, g_nCharaDasaProgressBody,
                                       g_bCharaDasaVirgoRule, input.compressed};
        return CalcCharaDasa(chart, BuiltVargaChart(chart, g_nRasiDasaVarga), options, tree);
    }
    case 34:
        return CalcCharaDasaKNRao(chart, tree);
    case 35:
        return CalcIrangantiCharaDasa(chart, tree);
    case 36:
        return CalcYogardhaDasa(chart, g_nRasiDasaVarga, tree);
    case 37:
        return CalcParyayaDasa(chart, g_nParyaayaDasaChart, tree);
    case 38:
        return CalcShoolaDasa(chart, g_nShoolaDasaStartHouse, g_nShoolaDasaAntardasaStart, tree);
    case 39:
        return CalcNiryanaShoolaDasa(chart, tree);
    case 40:
        return CalcBrahmaDasa(chart, tree);
    case 41:
        return CalcSthiraDasa(chart, tree);
    case 42:
        return CalcMandookaDasaD11(chart, tree);
    case 43:
        return CalcMandookaDasaKNRao(chart, tree);
    case 44:
        return CalcNavamsaDasa(chart, tree);
    default:
        return CalcVarnadaDasa(chart, tree);
    }
}
