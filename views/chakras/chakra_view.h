#pragma once
// CChakraView: the frame every chakra pane draws in. It lays the figure out from the pane's size
// (ChakraLayout: square, scale, margins, scroll extent, the label and body fonts), fills the background
// with the chakra's frame colour, and hands the drawing to the chakra with the document; it opens the
// chakra's context menu, runs the command chosen and redraws at once. Printing draws the pane's figure
// on one page (the view's own drawing, as for every pane without print routines of its own).
//
// A chakra derives from it and gives:
//   DrawChakra    the figure, after the frame has laid out and filled the background;
//   BuildMenu     the context menu's entries (AddCommand with the command id, Check for a marked item);
//   RunCommand    a command of that menu; true when it changed what the pane shows;
//   ComputeLayout only when the figure is not square (the Surya Kalanala chakra).
// Coordinates are pixels of the scrolled content.
#include "platform/view.h"
#include "views/chakras/chakra_layout.h"
#include "views/info/pane_support.h"

class CTavroDoc;
class QMenu;

class CChakraView : public CView {
public:
    // `frameColor`: the colour-setting number that fills the background.
    CChakraView(QWidget* parent, int frameColor);

    // Joins the document's updates and lays the figure out.
    void OnInitialUpdate() override;
    // Held back while a print job draws.
    void OnUpdate(CView* sender, long hint) override;
    // Layout, background, then DrawChakra; nothing more while the pane has no calculated document.
    void OnDraw(DrawSurface& surface) final;
    // The chakra's menu at `screenPos`; a command that changes the pane redraws it at once.
    void OnContextMenu(QPoint screenPos) override;

    // Runs a command of the chakra's menu; true when it changed what the pane shows.
    virtual bool RunCommand(int command) = 0;
    // The chakra's menu entries, with the check marks of its state.
    virtual void BuildMenu(QMenu& menu) = 0;

    // The layout of the last drawing (or of the initial update).
    const ChakraLayout& Layout() const { return m_layout; }
    // Draws the pane again now, whatever its scroll position, without waiting for the next paint.
    void RedrawViewAtOrigin();

protected:
    virtual ChakraLayout ComputeLayout(Size window) const { return CalcChakraLayout(window); }
    // The figure; `surface` has a transparent text background and the layout is current.
    virtual void DrawChakra(DrawSurface& surface, CTavroDoc& document) = 0;
    CTavroDoc* Document() const { return TavroDocOf(*this); }
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    int m_frameColor;
    ChakraLayout m_layout;
    CPaneUpdateLink m_updateLink{*this};
};
