#pragma once
// The base of every pane that shows the document: it draws itself through the drawing surface in
// OnDraw, is told of document changes in OnUpdate, offers its context menu in OnContextMenu and
// scrolls over a total size it sets. Coordinates are pixels of the pane (device units of the surface);
// the surface's origin is the top-left of the scrolled content.
#include <QAbstractScrollArea>
#include <memory>

#include "platform/draw_surface.h"
#include "platform/print_job.h"

class CDocument; // the document base: title, path, modified flag and the views it updates

class CView : public QAbstractScrollArea {
public:
    explicit CView(QWidget* parent = nullptr);

    CDocument* GetDocument() const { return m_document; }
    void SetDocument(CDocument* document) { m_document = document; }

    // Draws the pane's content; the surface is clipped to the visible part.
    virtual void OnDraw(DrawSurface& surface) = 0;
    // The size at which the pane shows its content whole, without scrolling, pixels; empty when the pane
    // asks for no particular room. A splitter gives a pane that asks what its neighbours can spare.
    virtual QSize WholeContentSize() const { return {}; }
    // Called once the pane is in place and has its document, before it is first shown.
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
    // The document changed (`hint` says how, 0 for everything); by default the pane is redrawn.
    virtual void OnUpdate(CView* sender, long hint);
    // The user asked for the context menu at `screenPos` (screen pixels); by default nothing.
    virtual void OnContextMenu(QPoint screenPos);

    // The pane's part in printing; by default its own drawing on one page.
    virtual CPrintClient& PrintClient();
    // File > Print: the print dialog, then the pages; a failed print says so.
    virtual void OnFilePrint();
    // File > Print Preview; a preview that cannot be shown says "Command failed.".
    virtual void OnFilePrintPreview();

    // Redraws the pane at the next paint.
    void Invalidate();
    // Total size of the content in pixels; scroll bars appear where the pane is smaller. A page step
    // is the visible size (less a fixed header's height), a line step one line of the pane's text
    // (TextLineHeight), unless `page` and `line` (pixels) say otherwise. A notch of the wheel scrolls
    // the desktop's number of lines (QApplication::wheelScrollLines), at most a page.
    void SetScrollSizes(Size total);
    void SetScrollSizes(Size total, Size page, Size line);
    Size GetTotalSize() const { return m_total; }
    // Offset of the content's top-left from the pane's top-left, in pixels (0, 0 when not scrolled).
    Point GetScrollPosition() const;
    void ScrollToPosition(Point position);
    // The visible part of the pane in pixels.
    Rect GetClientRect() const;

protected:
    // The height of one line of the pane's text, pixels: the step of the arrow keys and the wheel.
    // By default a line of the pane's font; panes that draw their own text in other fonts say theirs.
    virtual int TextLineHeight() const;
    // The height of a header at the pane's top that stays in place while the content scrolls under it,
    // pixels (0: none). A page is the visible height below it.
    virtual int FixedHeaderHeight() const { return 0; }
    // Panes that leave Shift and Ctrl with the wheel to other uses (zoom, paging) set this: such a
    // wheel turn then goes on to the parent instead of scrolling the pane.
    void IgnoreShiftCtrlWheel() { m_bShiftCtrlWheelIgnored = true; }
    void wheelEvent(QWheelEvent* event) override;
    // The arrow keys scroll by lines, Page Up and Page Down by pages, Home and End to the top and bottom.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void UpdateScrollBars();

    CDocument* m_document = nullptr;
    Size m_total;
    Size m_page; // 0: the visible size
    Size m_line; // 0: a line of text
    bool m_bShiftCtrlWheelIgnored = false;
    std::unique_ptr<CPrintClient> m_drawingPrint; // made on first use
};
