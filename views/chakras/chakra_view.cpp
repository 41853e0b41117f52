#include "views/chakras/chakra_view.h"

#include <QMenu>

#include "document/tavro_doc.h"
#include "shell/color_settings.h"

CChakraView::CChakraView(QWidget* parent, int frameColor) : CView(parent), m_frameColor(frameColor) {}

void CChakraView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    LayOut();
}

void CChakraView::OnUpdate(CView* sender, long hint) {
    if (!UpdateHeldForPrinting()) CView::OnUpdate(sender, hint);
}

void CChakraView::LayOut() {
    const Rect window = GetClientRect();
    m_layout = ComputeLayout(Size{window.Width(), window.Height()});
    if (GetTotalSize() != m_layout.extent) SetScrollSizes(m_layout.extent);
}

void CChakraView::resizeEvent(QResizeEvent* event) {
    CView::resizeEvent(event);
    LayOut();
}

void CChakraView::OnDraw(DrawSurface& surface) {
    LayOut();
    surface.SetTextBackground(g_colors[m_frameColor], false);
    surface.FillRect(m_layout.background, g_colors[m_frameColor]);
    CTavroDoc* document = Document();
    if (!document || !document->m_pCurrentChart->m_lastCalculation ||
        !document->m_pCurrentChart->m_lastCalculation->ok())
        return;
    DrawChakra(surface, *document);
}

void CChakraView::RedrawViewAtOrigin() {
    // The paint path draws from the content's origin whatever the scroll position.
    viewport()->repaint();
}

void CChakraView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    BuildMenu(menu);
    const QAction* chosen = menu.exec(screenPos);
    if (chosen && RunCommand(chosen->data().toInt())) RedrawViewAtOrigin();
}
