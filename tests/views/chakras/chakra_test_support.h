#pragma once
// The chakra panes on the Chennai document: a pane sized like a window, given the document and its
// initial update, then drawn into a recording or an image.
#include <QImage>

#include "../views_test_support.h"
#include "platform/painter_surface.h"
#include "views/chakras/chakra_view.h"

class ChakraPaneTest : public PaneTest {
protected:
    // `pane` placed in a window of `window` pixels, with the document.
    void Place(CChakraView& pane, Size window) {
        pane.resize(window.cx, window.cy);
        pane.show(); // offscreen: the pane takes its size
        pane.SetDocument(&m_document);
        pane.OnInitialUpdate();
    }
    // What the pane writes, drawn as the screen shows it.
    DrawnRecord Draw(CChakraView& pane) {
        ProbeSurface surface;
        pane.OnDraw(surface);
        return surface;
    }
    // The pane drawn into an image of its whole scroll extent.
    QImage Render(CChakraView& pane) {
        pane.OnDraw(m_discard.Surface()); // lays out for the pane's size
        ImageSurface image(pane.Layout().extent);
        pane.OnDraw(image.Surface());
        return image.Image();
    }

private:
    ImageSurface m_discard{Size{1, 1}};
};

// The first text drawn whose rectangle starts inside `cell`.
inline const DrawnRecord::Text* TextInCell(const DrawnRecord& drawn, const Rect& cell) {
    for (const DrawnRecord::Text& t : drawn.texts)
        if (t.rect.left == cell.left && t.rect.top == cell.top) return &t;
    return nullptr;
}
