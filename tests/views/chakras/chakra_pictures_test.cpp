// The five chakras of the Chennai chart at the default window size and at a small pane, rendered
// offscreen and compared with the checked-in pictures in tests/views/golden.
#include "../../golden_image.h"
#include "chakra_test_support.h"
#include "views/chakras/kota_chakra_view.h"
#include "views/chakras/star_chakras.h"

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

} // namespace
