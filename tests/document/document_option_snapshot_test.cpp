#include <gtest/gtest.h>

#include "document/document_option_snapshot.h"

namespace {

// The document's rows of every form, the dasa state among them, and a core option beside them come back
// when the scope ends.
TEST(ScopedDocumentOptions, PutBackTheDocumentsOptionsAndTheCores) {
    const bool amPm = g_bTimeDisplayWithAmPm;
    const int cycleOffset = g_nDasaCycleOffset;
    const DasaCycleOffsets offsets = g_nDasaCycleOffsetByCode;
    const DasaFlags shifted = g_bDasaShift;
    const DasaDoubles shiftDays = g_dDasaShiftDays;
    const double compressionDays = g_dCompressionDays;
    const int houseType = g_nHouseTypeWanted;
    {
        const CScopedDocumentOptions saved;
        g_bTimeDisplayWithAmPm = !amPm;
        g_nDasaCycleOffset = cycleOffset - 2;
        g_nDasaCycleOffsetByCode[kNoDasaCode] += 1;
        g_bDasaShift[40] = !g_bDasaShift[40];
        g_dDasaShiftDays[40] += 1.5;
        g_dCompressionDays = compressionDays / 2;
        g_nHouseTypeWanted = houseType + 1;
    }
    EXPECT_EQ(g_bTimeDisplayWithAmPm, amPm);
    EXPECT_EQ(g_nDasaCycleOffset, cycleOffset);
    EXPECT_EQ(g_nDasaCycleOffsetByCode, offsets);
    EXPECT_EQ(g_bDasaShift, shifted);
    EXPECT_EQ(g_dDasaShiftDays, shiftDays);
    EXPECT_EQ(g_dCompressionDays, compressionDays);
    EXPECT_EQ(g_nHouseTypeWanted, houseType);
}

} // namespace
