// The house, KP, Laghu Parasari, varga deity, Vimsottari seed and yoga tables of the Chennai chart,
// rendered offscreen and compared with the checked-in pictures in tests/views/golden.
#include <QImage>

#include <gtest/gtest.h>

#include "../../golden_image.h"
#include "../views_test_support.h"
#include "platform/painter_surface.h"
#include "views/info/house_view.h"
#include "views/info/kp_view.h"
#include "views/info/laghu_parasari_table.h"
#include "views/info/laghu_parasari_view.h"
#include "views/info/seed_strength_view.h"
#include "views/info/varga_deity_view.h"
#include "views/info/yogas_view.h"

namespace {
constexpr Size kPicture{900, 420};

class TablePicturesTest : public PaneTest {
protected:
    // The pane on the chart in its first state, drawn as the screen shows it.
    QImage Render(CCustomListView& pane) {
        pane.resize(kPicture.cx, kPicture.cy);
        pane.show(); // offscreen: the pane takes its size, and its visible part with it
        pane.SetDocument(&m_document);
        pane.OnInitialUpdate();
        ImageSurface image(kPicture);
        pane.OnDraw(image.Surface());
        return image.Image();
    }
};

TEST_F(TablePicturesTest, Houses) {
    CHouseView pane;
    CompareWithGolden(Render(pane), "house_view");
}

TEST_F(TablePicturesTest, KPLords) {
    g_nKPTableMode = kKPLordsTable;
    CKPView pane;
    CompareWithGolden(Render(pane), "kp_view");
}

TEST_F(TablePicturesTest, LaghuParasari) {
    g_laghuParasari = LaghuParasariSettings{};
    CLaghuParasariView pane;
    CompareWithGolden(Render(pane), "laghu_parasari_view");
}

TEST_F(TablePicturesTest, VargaDeities) {
    g_nAmsaRulerVarga = 19; // D-60
    CVargaDeityView pane;
    CompareWithGolden(Render(pane), "varga_deity_view");
}

TEST_F(TablePicturesTest, VimsottariSeeds) {
    CVimsoStrengthHelpView pane;
    CompareWithGolden(Render(pane), "seed_strength_view");
}

TEST_F(TablePicturesTest, Yogas) {
    g_nYogaCategory = 0;
    g_bJustListYogas = false;
    CYogasView pane;
    CompareWithGolden(Render(pane), "yogas_view");
}
} // namespace
