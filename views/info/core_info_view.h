#pragma once
// CCoreInfoView: the key data of the current chart beside the charts — one block in natal mode, and
// in the other modes the current chart's block with the natal chart's beside it, 270 units to the right,
// or below it when the pane is too narrow to show both side by side.
// The blocks are drawn by the chart information routines; the document's reports reach the last
// constructed pane through g_pCoreInfoView. Units are pixels.
#include <string>

#include "display/view_print.h"
#include "platform/painter_surface.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class CChart;
class CTavroDoc;
class CCoreInfoView;
// The last key data pane constructed, for the document's reports; null once it is destroyed.
extern CCoreInfoView* g_pCoreInfoView;

class CCoreInfoView : public CView {
public:
    explicit CCoreInfoView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // The document changed: redrawn unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;

    // The scroll area (as far as the blocks reach, with a margin) and the drawing rectangle: the window,
    // at least as large as the scroll area.
    void RecalcLayout();
    const Rect& DrawingRect() const { return m_drawingRect; }
    // The key data as text: the current chart's block and, with `withNatal` outside natal mode, the natal's.
    std::string GetInfoText(bool withNatal) const;
    // Copy to clipboard: the current block, and the natal block outside natal mode.
    void CopyToClipboard() const;
    // For the printed report: the current chart's key-data block in its print form, with the astrologer's
    // address, drawn from the surface's origin.
    void PrintInfo(DrawSurface& surface);
    // File > Print and Print Preview print the report.
    CPrintClient& PrintClient() override { return m_print; }

protected:
    // The wheel and the arrow keys step by the block's lines.
    int TextLineHeight() const override;

private:
    // Whether the pane is wide enough for the current and the natal block side by side.
    bool BlocksSideBySide() const;
    // The blocks of key data, without the ground under them.
    void DrawBlocks(DrawSurface& surface, const CTavroDoc& document);

    ImageSurface m_measure{Size{1, 1}}; // measures the blocks as the screen draws them
    CPaneUpdateLink m_updateLink{*this};
    Rect m_drawingRect;
    CReportPointer<CCoreInfoView> m_reportPointer{g_pCoreInfoView, this};
    CPrintedPiece m_report{kCoreInfoReport,
                           [this](DrawSurface& surface, int, int) { PrintInfo(surface); },
                           {},
                           [this] { return GetInfoText(true); }};
    CViewPrint m_print{*this, CViewPrint::Form::kReport};
};
