// The other dasas' entry in the table of dasa systems: each code's options from the globals.
#include "document/dasa_other.h"

#include "document/document_options.h"

CalcStatus RunOtherDasa(const DasaInput& input, CDasaTree& tree) {
    const CChart& chart = input.chart;
    switch (input.code) {
    case 60:
        return CalcMoolaDasa(
            chart, {g_nLagnaUsedInMoolaDasa != 0, g_nMoonUsedInMoolaDasa != 0, g_nSunUsedInMoolaDasa != 0},
            tree);
    case 61:
        return CalcNaisargikaDasa(
            chart,
            {g_bNaisargikaDasaNoADForMDLord, g_bNaisargikaDasa3rd10thNoAD, g_bNaisargikaDasaOthersNoAD},
            tree);
    case 62:
        return CalcTaraDasa(chart,
                            {g_bTaraDasaParasara, g_bTaraDasaDirectionFromStar, g_bTaraDasaUseSesham,
                             g_bTaraDasaSeshamRevApasavya},
                            tree);
    case 63:
        return CalcKaalaDasa(chart, tree);
    case 64:
        return CalcAKKendradiGrahaDasa(chart, g_nAKKendradiGrahaVarga, tree);
    case 65:
        return CalcPatyayiniDasa(chart, tree);
    case 66:
        return CalcSudarsanaChakraDasa(chart, g_nSCDasaVarga, g_nSudarsanaChakraDasaAD != 0, tree);
    case 67:
        return CalcBuddhiGatiDasa(chart, g_nBuddhiGatiDasaVarga, tree);
    case 73:
        return CalcKarakaDasa(chart, g_nCharaKarakaDefinition == 1, tree);
    default:
        return CalcChakraDasa(chart, tree);
    }
}
