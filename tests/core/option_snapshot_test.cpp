#include <stdexcept>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/option_snapshot.h"
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
    {
        const CScopedOptions saved;
        g_nHouseTypeWanted = houseType + 1;
        g_bTrueNodes = !trueNodes;
        g_dDasaYearLength[12] = yearLength + 1;
        g_strCustomStarCode += "x";
        g_nBhavaReferenceBody = reference + 1;
        g_nCustDivSettings.nCustDivN = divisions + 1;
        g_nCalendarFlag = 1 - calendar;
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
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, ayanamsa.m_nAyanamsaId);
    EXPECT_EQ(g_ayanamsaSettings.m_nSiderealMode, ayanamsa.m_nSiderealMode);
    EXPECT_EQ(g_ayanamsaSettings.m_correction.m_dValue, ayanamsa.m_correction.m_dValue);
}

} // namespace
