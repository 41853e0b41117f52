// Every form pane in its tab of the main window, in a wide and a narrow window, rendered offscreen into
// pictures (form_<name>_wide.png, form_<name>_narrow.png in the build folder) for a look.
#include <QDir>

#include <gtest/gtest.h>

#include "display/chart_source.h"
#include "shell/main_frame.h"
#include "tests/views/views_test_support.h"
#include "views/forms/transit_forms.h"

namespace {

class FormPicturesTest : public PaneTest {
protected:
    FormPicturesTest() {
        g_chartSource.natal = [this] { return &m_document.m_natalChart; };
        g_chartSource.current = [this] { return m_document.m_pCurrentChart; };
        g_chartSource.mode = [this] { return m_document.m_nMode; };
    }
    ~FormPicturesTest() override { g_chartSource = ChartSource{}; }
};

TEST_F(FormPicturesTest, EveryFormInAWideAndANarrowWindow) {
    const struct {
        unsigned node;
        const char* name;
    } forms[] = {
        {84, "transit"},   {90, "transit_search"}, {194, "transit_calendar"}, {196, "research"},
        {104, "tajaka"},   {124, "tithi_pravesha"}, {143, "mundane"},         {170, "progressions"},
        {174, "angular_return"}, {165, "prasna"},
    };
    const QDir output(KH_TEST_OUTPUT_DIR);
    for (const auto& [width, height, size] : {std::tuple{1366, 768, "wide"}, std::tuple{800, 560, "narrow"}}) {
        CMainFrame frame(Rect{0, 0, width, height});
        frame.Create(CCreateContext{&m_document});
        frame.resize(width, height);
        frame.show();
        for (const auto& form : forms) {
            SCOPED_TRACE(form.name);
            CVisualNode* node = frame.Framework().GetNode(form.node);
            ASSERT_NE(node, nullptr);
            ASSERT_TRUE(frame.Framework().ActivateNode(node));
            EXPECT_NE(dynamic_cast<CFormView*>(node->m_pWnd.data()), nullptr) << "the pane is no form";
            const QImage picture = frame.grab().toImage();
            EXPECT_TRUE(picture.save(output.filePath(QString("form_%1_%2.png").arg(form.name, size))));
        }
    }
    // The transit chakra buttons have no place in the layout: drawn on their own.
    CTransitChartFormView chakraLinks;
    chakraLinks.SetDocument(&m_document);
    chakraLinks.OnInitialUpdate();
    chakraLinks.resize(360, 220);
    EXPECT_TRUE(chakraLinks.grab().toImage().save(output.filePath("form_transit_chakras.png")));
}

} // namespace
