#pragma once
// The fixture of the mode tests: the Chennai chart file open in a document, every core option put back
// when a test ends.
#include <gtest/gtest.h>

#include "core/option_snapshot.h"
#include "document/tavro_doc.h"
#include "document_test_support.h"

class ChennaiDocumentTest : public testing::Test {
protected:
    void SetUp() override {
        const DocumentStatus status =
            m_document.OnOpenDocument(m_folder.Write("chennai.tvd", kChennaiChartText));
        ASSERT_TRUE(status.ok()) << status.error;
    }

    CScopedOptions m_options;
    TempFolder m_folder;
    CTavroDoc m_document;
};

// The local civil time of a UT Julian day in the natal chart's zone.
inline CLocalDateTime NatalZoneMoment(const CTavroDoc& document, double jdUt) {
    CChartCore moment;
    document.m_natalChart.JulianDayToDate(jdUt, moment);
    return moment.m_dateTime;
}
