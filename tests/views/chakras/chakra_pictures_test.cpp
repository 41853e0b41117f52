// The chakras of the Chennai chart at the default window size and at a small pane, rendered offscreen
// and compared with the checked-in pictures in tests/views/golden; the sign chakras and the
// Sarvatobhadra chakra also with the transit bodies of a later date round the natal references.
#include "../../golden_image.h"
#include "chakra_test_support.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"
#include "views/chakras/star_chakras.h"
#include "views/chakras/sudarsana_chakra_view.h"
#include "views/chakras/tripataki_chakra_view.h"

namespace {
constexpr Size kLargePane{1000, 720};
constexpr Size kSmallPane{420, 520};

class ChakraPicturesTest : public ChakraPaneTest {
protected:
    void CompareAtBothSizes(CChakraView& pane, const std::string& name) {
        Place(pane, kLargePane);
        CompareWithGolden(Render(pane), name + "_large");
        pane.resize(kSmallPane.cx, kSmallPane.cy);
        CompareWithGolden(Render(pane), name + "_small");
    }
    // The transit chart of 1 January 2024, noon at the birth place's zone.
    void ShowTransits() {
        CLocalDateTime moment = m_document.m_natalChart.m_dateTime;
        moment.m_nYear = 2024;
        moment.m_nMonth = 1;
        moment.m_nDay = 1;
        moment.m_time.m_dHours = 12.0;
        moment.m_time.SplitHours();
        ASSERT_TRUE(m_document.ShowTransitChart(moment).ok());
    }
};

TEST_F(ChakraPicturesTest, ChandraKalanala) {
    CCKChakraView pane;
    CompareAtBothSizes(pane, "chandra_kalanala_chakra");
}

TEST_F(ChakraPicturesTest, Kala) {
    CKalaChakraView pane;
    CompareAtBothSizes(pane, "kala_chakra");
}

TEST_F(ChakraPicturesTest, Kota) {
    CKotaChakraView pane;
    CompareAtBothSizes(pane, "kota_chakra");
}

TEST_F(ChakraPicturesTest, Shoola) {
    CShoolaChakraView pane;
    CompareAtBothSizes(pane, "shoola_chakra");
}

TEST_F(ChakraPicturesTest, SuryaKalanala) {
    CSKChakraView pane;
    CompareAtBothSizes(pane, "surya_kalanala_chakra");
}

TEST_F(ChakraPicturesTest, Sudarsana) {
    CSudarsanaChakraView pane;
    CompareAtBothSizes(pane, "sudarsana_chakra");
    ShowTransits();
    pane.resize(kLargePane.cx, kLargePane.cy);
    CompareWithGolden(Render(pane), "sudarsana_chakra_transits");
}

TEST_F(ChakraPicturesTest, Tripataki) {
    CTripatakiChakraView pane;
    CompareAtBothSizes(pane, "tripataki_chakra");
    ShowTransits();
    pane.resize(kLargePane.cx, kLargePane.cy);
    CompareWithGolden(Render(pane), "tripataki_chakra_transits");
}

// With the transit bodies, the vedhas from a star, the drishti and lattas on another and a few
// special points.
TEST_F(ChakraPicturesTest, Sarvatobhadra) {
    CSarvatobhadraChakraView pane;
    CompareAtBothSizes(pane, "sarvatobhadra_chakra");
    ShowTransits();
    pane.resize(kLargePane.cx, kLargePane.cy);
    for (const SbcCell box : {SbcCell{4, 4}, SbcCell{2, 5}, SbcCell{7, 0}}) {
        pane.SetClicked(box);
        ASSERT_TRUE(pane.RunCommand(CSarvatobhadraChakraView::kCmdThisBox));
    }
    pane.SetClicked(SbcCell{3, 0});
    ASSERT_TRUE(pane.RunCommand(CSarvatobhadraChakraView::kCmdVedhasFrom));
    pane.SetClicked(StarCell(m_document.m_pCurrentChart->m_nakshatra28[kMoon]));
    ASSERT_TRUE(pane.RunCommand(CSarvatobhadraChakraView::kCmdAllOnStar));
    CompareWithGolden(Render(pane), "sarvatobhadra_chakra_transits");
}
} // namespace
