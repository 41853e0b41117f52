#pragma once
// CCustomListView: the report list of every tabular pane. Derived panes declare columns and fill rows;
// the list paints every row itself in the list colours and list font (display font 2), alternating
// even and odd backgrounds, the selected row (while the list has the focus) in the highlight colour
// and rows from the first special row on in the description colours. Each column is as wide as its
// widest text (header included) needs, its declared width the least it takes, so no text is cut while
// the pane has room; a wider table scrolls. The header line stays at the top while the rows scroll
// under it, a row at a time. Widths and heights are pixels.
#include <string>
#include <vector>

#include "display/view_print.h"
#include "platform/draw_surface.h"
#include "platform/painter_surface.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class CCustomListView : public CView {
public:
    explicit CCustomListView(QWidget* parent = nullptr);

    // --- Table: the convention every fill follows -------------------------------------------------
    // Columns and rows removed (the fill then declares its columns again).
    void DeleteAllColumnsAndRows();
    // A column at the right, left-aligned, at least `baseWidth` pixels times the zoom factor (truncated),
    // or `baseWidth` itself when `scaled` is false, and wider when its texts need it.
    void InsertColumn(const std::string& header, int baseWidth, bool scaled = true);
    // As InsertColumn, with its header and cells centred.
    void InsertCentredColumn(const std::string& header, int baseWidth);
    bool IsColumnCentred(int column) const { return m_columns[column].centred; }
    // A row at the bottom with `cells` from column 0 on (missing cells are empty); returns its index.
    int AddRow(std::vector<std::string> cells);

    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const std::string& ColumnHeader(int column) const { return m_columns[column].header; }
    // The column's width as drawn, and the least width its fill declared.
    int ColumnWidth(int column) const { return m_columns[column].width; }
    int DeclaredColumnWidth(int column) const { return m_columns[column].leastWidth; }
    // The cell's text; empty outside the row's cells.
    const std::string& CellText(int row, int column) const;

    // --- Rows ------------------------------------------------------------------------------------
    // Re-reads the row height from the list font and measures the columns again; fills call it first so
    // a new font size shows.
    void RefreshLayout();
    int RowHeight() const { return m_rowHeight; }
    // The row's rectangle in content pixels (below the header line), as wide as all columns.
    Rect RowBounds(int row) const;
    // The row under a point of the pane (pixels from its visible top-left), or -1 (the header line).
    int RowAt(Point client) const;
    int SelectedRow() const { return m_selectedRow; }
    void SelectRow(int row);
    // Whether rows are drawn as selected: the list has the keyboard focus (tests set it).
    void SetShowsSelection(bool shows) { m_showsSelection = shows; }

    // Owner-draw entry of one row: every row an ordinary row (special rows start at 10000).
    virtual void DrawItem(DrawSurface& surface, int row);
    // Draws row `row`; rows from `firstSpecialRow` on are special rows.
    void DrawListItem(DrawSurface& surface, int row, int firstSpecialRow);

    // The table as text: header line, blank line, one line per row, blank line (see ListCtrlToText).
    std::string ToText() const;
    // Copy to clipboard: the table as text.
    void CopyToClipboard() const;

    // The header and the visible rows.
    void OnDraw(DrawSurface& surface) override;
    // The list base ignores document updates: each derived list refills itself.
    void OnUpdate(CView* sender, long hint) override;
    // Registers with the document for its updates.
    void OnInitialUpdate() override;
    // File > Print and Print Preview print the report.
    CPrintClient& PrintClient() override { return m_print; }

protected:
    int TextLineHeight() const override { return m_rowHeight; }
    int FixedHeaderHeight() const override { return m_rowHeight; }
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    CPaneUpdateLink m_updateLink{*this};

private:
    CViewPrint m_print{*this, CViewPrint::Form::kReport};
    struct Column {
        std::string header;
        int leastWidth = 0; // the declared width
        int width = 0;      // as drawn: the least width, or what the widest text needs
        bool centred = false;
    };
    // The header line with its top at `top`, content pixels.
    void DrawHeader(DrawSurface& surface, int top);
    void UpdateScrollSize();
    // Widens column `column` to hold `text` in the list font (a cell, or the header with `header`).
    void FitText(int column, const std::string& text, bool header);
    void FitRow(const std::vector<std::string>& cells);

    ImageSurface m_measure{Size{1, 1}}; // measures texts as the screen draws them, in the list font
    int m_space = 0;                    // a blank's width in the list font, pixels
    std::vector<Column> m_columns;
    std::vector<std::vector<std::string>> m_rows;
    int m_rowHeight = 18;
    int m_selectedRow = -1;
    bool m_showsSelection = false;
};

// The ordinary rows end here: lists without special rows pass it as their first special row.
inline constexpr int kNoSpecialRows = 10000;
