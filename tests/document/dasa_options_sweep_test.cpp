// Every option value a dasa reads, on one real chart: the dasa computes and its first two levels tile
// their parents. Index faults in the tables show up here.
#include <gtest/gtest.h>

#include "dasa_tiling_support.h"
#include "document/dasa_codes.h"
#include "document/dasa_dispatcher.h"

namespace {

class DasaOptionsSweepTest : public DasaTest {
protected:
    CChart chart = ChartAt<CChart>(2446827.1, 151.21, -33.87);

    // The first three levels down the chain of the last period at each level.
    void ExpectComputesAndTiles(int code) {
        ExpectDasaTiles(chart, code, 3, [](int, int count) { return count - 1; });
    }
};

TEST_F(DasaOptionsSweepTest, NakshatraDasaSeedsShiftsAndOrders) {
    ASSERT_TRUE(chart.Compute().ok());
    for (int code : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 68, 70, 71}) {
        for (int seed = 0; seed < kDasaSeedCount; seed += 4) {
            for (int shift : {0, 1, 32}) {
                const int c = std::min(code, kNakshatraDasaCodeCount - 1);
                g_nNakshatraDasaStartPoint[c] = seed;
                g_nNakshatraDasaShift[c] = shift;
                g_nNaksDasaADMethod[c] = (seed + shift) % 6;
                g_bAntiZodiacalDasa[c] = shift == 1;
                ExpectComputesAndTiles(code);
            }
        }
    }
    for (int varga : {1, 11, 22}) {
        g_nNakshatraDasaVarga = g_nTithiAshtottariVarga = varga;
        for (int code : {0, 1, 2, 69, 72}) ExpectComputesAndTiles(code);
    }
}

TEST_F(DasaOptionsSweepTest, KalachakraMethodsAndSeeds) {
    ASSERT_TRUE(chart.Compute().ok());
    for (int method = 0; method < 7; ++method) {
        for (int seed = 0; seed < 18; ++seed) {
            g_nKalachakraDasaCalculation = method;
            g_nNakshatraDasaStartPoint[kKalachakraCode] = seed;
            g_bKCDRohini4NavamsaInLeo = seed % 2 == 0;
            ExpectComputesAndTiles(kKalachakraCode);
        }
    }
}

TEST_F(DasaOptionsSweepTest, RasiAndOtherDasasInEveryVarga) {
    ASSERT_TRUE(chart.Compute().ok());
    for (int varga = 0; varga <= 22; ++varga) {
        g_nNarayanaDasaChart = g_nLagnamsakaDasaChart = g_nPadanathamsaDasaChart = g_nParyaayaDasaChart =
            varga;
        g_nRasiDasaVarga = g_nLagnaKendradiVarga = g_nAKKendradiVarga = g_nAKKendradiGrahaVarga = varga;
        g_nSCDasaVarga = g_nBuddhiGatiDasaVarga = varga;
        g_nSudasaADOption = varga % 5;
        g_nShoolaDasaAntardasaStart = varga % 3;
        g_nShoolaDasaStartHouse = varga % 12;
        g_bPakaNarayana = varga % 3 == 1;
        g_bSamaNarayana = varga % 3 == 2;
        g_bTaraDasaParasara = varga % 2 == 1;
        g_bDrigdasaOfParasara = varga % 2 == 0;
        g_bCharaDasaVirgoRule = varga % 2 == 1;
        for (int code = kFirstRasiDasaCode; code < kDasaCodeCount; ++code) {
            if (code > 45 && code < kFirstOtherDasaCode) continue;
            ExpectComputesAndTiles(code);
        }
    }
}

} // namespace
