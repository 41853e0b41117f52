#include <stdexcept>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/option_snapshot.h"
#include "core/varga_columns.h"
#include "core_test_helpers.h"

namespace {

TEST(CScopedOption, GivesTheValueBackOnEveryWayOut) {
    const int before = g_nSiddhanta;
    {
        const CScopedOption traditional(g_nSiddhanta, 1);
        EXPECT_EQ(g_nSiddhanta, 1);
    }
    EXPECT_EQ(g_nSiddhanta, before);
    try {
        const CScopedOption traditional(g_nSiddhanta, 1);
        throw std::runtime_error("calculation failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(g_nSiddhanta, before);
}

TEST(ScopedOptions, PutBackEveryKindOfOptionAndTheAyanamsaOfTheLibrary) {
    const int houseType = g_nHouseTypeWanted;
    const bool trueNodes = g_bTrueNodes;
    const double yearLength = g_dDasaYearLength[12];
    const std::string starCode = g_strCustomStarCode;
    const int reference = g_nBhavaReferenceBody;
    const int divisions = g_nCustDivSettings.nCustDivN;
    const int calendar = g_nCalendarFlag;
    const CAyanamsaSettings ayanamsa = g_ayanamsaSettings;
    const std::string label = g_strVargaLabels[kD2Column], title = g_vargaTitles[kCustomColumn];
    const std::string name = g_vargaNames[kCompositeColumn];
    {
        const CScopedOptions saved;
        g_nHouseTypeWanted = houseType + 1;
        g_bTrueNodes = !trueNodes;
        g_dDasaYearLength[12] = yearLength + 1;
        g_strCustomStarCode += "x";
        g_nBhavaReferenceBody = reference + 1;
        g_nCustDivSettings.nCustDivN = divisions + 1;
        g_nCalendarFlag = 1 - calendar;
        // What a calculation builds from the options: a variant's label, a custom or composite varga's name.
        g_strVargaLabels[kD2Column] = "D-2 (US)";
        g_vargaTitles[kCustomColumn] = "D-7";
        g_vargaNames[kCompositeColumn] = "D-10 x D-9";
        ChooseAyanamsa(ayanamsa.m_nAyanamsaId == kAyanamsaTraditionalLahiri ? kAyanamsaTrueLahiri
                                                                            : kAyanamsaTraditionalLahiri,
                       1.5);
    }
    EXPECT_EQ(g_nHouseTypeWanted, houseType);
    EXPECT_EQ(g_bTrueNodes, trueNodes);
    EXPECT_EQ(g_dDasaYearLength[12], yearLength);
    EXPECT_EQ(g_strCustomStarCode, starCode);
    EXPECT_EQ(g_nBhavaReferenceBody, reference);
    EXPECT_EQ(g_nCustDivSettings.nCustDivN, divisions);
    EXPECT_EQ(g_nCalendarFlag, calendar);
    EXPECT_EQ(g_strVargaLabels[kD2Column], label);
    EXPECT_EQ(g_vargaTitles[kCustomColumn], title);
    EXPECT_EQ(g_vargaNames[kCompositeColumn], name);
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, ayanamsa.m_nAyanamsaId);
    EXPECT_EQ(g_ayanamsaSettings.m_nSiderealMode, ayanamsa.m_nSiderealMode);
    EXPECT_EQ(g_ayanamsaSettings.m_correction.m_dValue, ayanamsa.m_correction.m_dValue);
}

} // namespace
