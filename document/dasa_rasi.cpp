// The rasi dasas' entry in the table of dasa systems: each code's options from the globals.
#include "document/dasa_rasi.h"

#include "core/sign_arithmetic.h"
#include "document/dasa_rasi_rules.h"
#include "document/document_options.h"

CalcStatus RunRasiDasa(const DasaInput& input, CDasaTree& tree) {
    const CChart& chart = input.chart;
    // A Tajaka chart that progresses the natal seed starts from its Muntha instead of the lagna.
    const int lagna = input.mode == kModeTajaka && g_bUseDasaSeedFromNatalInTajaka[input.code] &&
                              g_bProgressDasaSeedInTajaka[input.code]
                          ? kFirstExtraPointBody
                          : kLagna;
    switch (input.code) {
    case 25: {
        const NarayanaVariant variant = g_bSamaNarayana   ? NarayanaVariant::kSama
                                        : g_bPakaNarayana ? NarayanaVariant::kPaka
                                                          : NarayanaVariant::kNormal;
        return CalcNarayanaDasa(chart, g_nNarayanaDasaChart, variant, tree, lagna);
    }
    case 26:
        return CalcLagnamsakaDasa(chart, g_nLagnamsakaDasaChart, tree, lagna);
    case 27:
        return CalcPadanaathaamsaDasa(chart, g_nPadanathamsaDasaChart, tree);
    case 28:
        return CalcSudasa(chart, g_nSudasaADOption, tree);
    case 29:
        return CalcDrigdasa(chart, g_nRasiDasaVarga, g_bDrigdasaOfParasara, tree, lagna);
    case 30:
        return CalcLagnaKendradiDasa(chart, g_nLagnaKendradiVarga, tree, lagna);
    case 31: {
        // From the Muntha, the natal atma karaka stands as many signs on as it stood from the natal lagna.
        const int v = g_nAKKendradiVarga;
        const CChart& natal = input.natal;
        const int karakaSign =
            lagna == kLagna ? kNoStartSign
                            : SignFrom(SignIn(chart, lagna, v),
                                       SignIn(natal, natal.m_charaKaraka[0], v) - SignIn(natal, kLagna, v));
        return CalcAtmaKarakaKendradiDasa(chart, v, tree, karakaSign);
    }
    case 32:
        return CalcTrikonaDasa(chart, g_nRasiDasaVarga, tree, lagna);
    case 33: {
        const CharaDasaOptions options{g_nRasiDasaVarga,
                                       g_nCharaDasaSeed == kLagna ? lagna : g_nCharaDasaSeed,
                                       g_nCharaDasaProgressBody, g_bCharaDasaVirgoRule, input.compressed};
        return CalcCharaDasa(chart, BuiltVargaChart(chart, g_nRasiDasaVarga), options, tree);
    }
    case 34:
        return CalcCharaDasaKNRao(chart, tree, lagna);
    case 35:
        return CalcIrangantiCharaDasa(chart, tree, lagna);
    case 36:
        return CalcYogardhaDasa(chart, g_nRasiDasaVarga, tree, lagna);
    case 37:
        return CalcParyayaDasa(chart, g_nParyaayaDasaChart, tree, lagna);
    case 38:
        return CalcShoolaDasa(chart, g_nShoolaDasaStartHouse, g_nShoolaDasaAntardasaStart, tree, lagna);
    case 39:
        return CalcNiryanaShoolaDasa(chart, tree, lagna);
    case 40:
        return CalcBrahmaDasa(chart, tree);
    case 41:
        return CalcSthiraDasa(chart, tree);
    case 42:
        return CalcMandookaDasaD11(chart, tree, lagna);
    case 43:
        return CalcMandookaDasaKNRao(chart, tree, lagna);
    case 44:
        return CalcNavamsaDasa(chart, tree, lagna);
    default:
        return CalcVarnadaDasa(chart, tree, lagna);
    }
}
