#include "views/info/custom_list_view.h"

#include <QMouseEvent>
#include <algorithm>

#include "display/styled_text.h"
#include "shell/color_settings.h"
#include "shell/display_fonts.h"
#include "views/info/list_text.h"

namespace {
// Setting numbers of the list colours (shell/color_settings_table.cpp).
constexpr int kColorTitle = 0;
constexpr int kColorItem = 1;
constexpr int kColorOddLine = 2;
constexpr int kColorEvenLine = 3;
constexpr int kColorBackground = 4;
constexpr int kColorHighlight = 5;
constexpr int kColorTitleDescription = 6;
constexpr int kColorItemDescription = 7;

constexpr int kListFont = 2; // the list font of the display fonts
// Vertically centred, single line, not clipped, "&" as it is, long texts end in an ellipsis; the column
// adds its alignment.
constexpr std::uint32_t kCellFormat =
    kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix | kTextEndEllipsis;
constexpr ColorRef kHeaderFill = Rgb(236, 236, 236);
constexpr ColorRef kHeaderText = Rgb(0, 0, 0);
constexpr ColorRef kHeaderLine = Rgb(200, 200, 200);
constexpr int kHeaderPadding = 4; // pixels left and right of a header's text

const std::string kEmpty;

TextStyle CellStyle(const Rect& rect, ColorRef color, bool centred) {
    TextStyle style;
    style.SetBox(rect);
    style.color = color;
    style.format = kCellFormat | (centred ? kTextCenter : kTextLeft);
    style.font = g_displayFonts[kListFont];
    return style;
}
} // namespace

CCustomListView::CCustomListView(QWidget* parent) : CView(parent) {
    setFocusPolicy(Qt::StrongFocus);
    RefreshLayout();
}

void CCustomListView::DeleteAllColumnsAndRows() {
    m_columns.clear();
    m_rows.clear();
    m_selectedRow = -1;
    UpdateScrollSize();
}

void CCustomListView::InsertColumn(const std::string& header, int baseWidth, bool scaled) {
    const int least = scaled ? ScaledWidth(baseWidth) : baseWidth;
    m_columns.push_back(Column{header, least, least});
    const int column = ColumnCount() - 1;
    FitText(column, header, true);
    for (int row = 0; row < RowCount(); ++row) FitText(column, CellText(row, column), false);
    UpdateScrollSize();
}

void CCustomListView::InsertCentredColumn(const std::string& header, int baseWidth) {
    InsertColumn(header, baseWidth);
    m_columns.back().centred = true;
}

int CCustomListView::AddRow(std::vector<std::string> cells) {
    FitRow(cells);
    m_rows.push_back(std::move(cells));
    UpdateScrollSize();
    return RowCount() - 1;
}

void CCustomListView::FitText(int column, const std::string& text, bool header) {
    if (text.empty()) return;
    // The room DrawHeader and DrawListItem leave around a text: 4 pixels each side of a header; a
    // space before the first column's text and two after it; two spaces after any other cell's.
    const int room = header ? 2 * kHeaderPadding + 1 : column == 0 ? 3 * m_space : 2 * m_space;
    Column& c = m_columns[column];
    c.width = std::max(c.width, m_measure.Surface().TextExtent(text).cx + room);
}

void CCustomListView::FitRow(const std::vector<std::string>& cells) {
    const int count = std::min(ColumnCount(), static_cast<int>(cells.size()));
    for (int c = 0; c < count; ++c) FitText(c, cells[c], false);
}

const std::string& CCustomListView::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0) return kEmpty;
    const auto& cells = m_rows[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : kEmpty;
}

void CCustomListView::RefreshLayout() {
    m_rowHeight = std::max(1, g_displayFonts[kListFont].height);
    // The measuring surface keeps the list font: fills refresh the layout before they add rows.
    m_measure.Surface().SelectFont(g_displayFonts[kListFont]);
    m_space = m_measure.Surface().TextExtent(" ").cx;
    for (int c = 0; c < ColumnCount(); ++c) {
        m_columns[c].width = m_columns[c].leastWidth;
        FitText(c, m_columns[c].header, true);
    }
    for (const auto& cells : m_rows) FitRow(cells);
    UpdateScrollSize();
}

Rect CCustomListView::RowBounds(int row) const {
    int width = 0;
    for (const Column& column : m_columns) width += column.width;
    const int top = (row + 1) * m_rowHeight; // the header line takes the first row's height
    return Rect{0, top, width, top + m_rowHeight};
}

int CCustomListView::RowAt(Point client) const {
    if (client.y < m_rowHeight) return -1; // the header line stays over the rows
    const int row = (client.y + GetScrollPosition().y) / m_rowHeight - 1;
    return row < RowCount() ? row : -1;
}

void CCustomListView::SelectRow(int row) {
    m_selectedRow = row;
    Invalidate();
}

void CCustomListView::DrawItem(DrawSurface& surface, int row) {
    DrawListItem(surface, row, kNoSpecialRows);
}

void CCustomListView::DrawListItem(DrawSurface& surface, int row, int firstSpecialRow) {
    const bool special = row >= firstSpecialRow;
    const bool selected = !special && row == m_selectedRow && m_showsSelection;
    ColorRef background = g_colors[kColorEvenLine];
    if (selected)
        background = g_colors[kColorHighlight];
    else if (special)
        background = g_colors[kColorBackground];
    else if (row % 2 == 1)
        background = g_colors[kColorOddLine];

    Rect bounds = RowBounds(row);
    surface.FillRect(bounds, background);
    if (m_columns.empty()) return;

    surface.SelectFont(g_displayFonts[kListFont]);
    const int offset = 2 * surface.TextExtent(" ").cx;
    Rect column{bounds.left, bounds.top, bounds.left + m_columns[0].width, bounds.bottom};
    surface.SetClipRect(column);
    const Rect label{column.left + offset / 2, column.top, column.right - offset, column.bottom};
    DrawStyledText(
        surface, CellText(row, 0),
        CellStyle(label, g_colors[special ? kColorTitleDescription : kColorTitle], m_columns[0].centred));

    for (int c = 1; c < ColumnCount(); ++c) {
        column = Rect{column.right, bounds.top, column.right + m_columns[c].width, bounds.bottom};
        surface.SetClipRect(column);
        surface.FillRect(column, background);
        const std::string& text = CellText(row, c);
        if (!text.empty())
            DrawStyledText(surface, text,
                           CellStyle(column, g_colors[special ? kColorItemDescription : kColorItem],
                                     m_columns[c].centred));
    }
    surface.ClearClip();
}

std::string CCustomListView::ToText() const {
    std::string text;
    ListCtrlToText(*this, text, ColumnCount());
    return text;
}

void CCustomListView::CopyToClipboard() const {
    CopyTextToClipboard(*this, ToText());
}

void CCustomListView::DrawHeader(DrawSurface& surface, int top) {
    int left = 0;
    surface.SelectPen(LogicalPen{kHeaderLine, 1});
    for (const Column& column : m_columns) {
        const Rect cell{left, top, left + column.width, top + m_rowHeight};
        surface.FillRect(cell, kHeaderFill);
        surface.Line(Point{cell.right - 1, cell.top}, Point{cell.right - 1, cell.bottom});
        surface.SetClipRect(cell);
        DrawStyledText(
            surface, column.header,
            CellStyle(Rect{cell.left + kHeaderPadding, cell.top, cell.right - kHeaderPadding, cell.bottom},
                      kHeaderText, column.centred));
        surface.ClearClip();
        left = cell.right;
    }
}

void CCustomListView::OnDraw(DrawSurface& surface) {
    const Point scrolled = GetScrollPosition();
    const Rect client = GetClientRect();
    surface.FillRect(Rect{scrolled.x, scrolled.y, scrolled.x + client.right, scrolled.y + client.bottom},
                     g_colors[kColorBackground]);
    const int first = std::max(0, scrolled.y / m_rowHeight - 1);
    const int last = std::min(RowCount() - 1, (scrolled.y + client.bottom) / m_rowHeight);
    for (int row = first; row <= last; ++row) DrawItem(surface, row);
    DrawHeader(surface, scrolled.y); // over the rows scrolled under it
}

void CCustomListView::OnUpdate(CView*, long) {}

void CCustomListView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    OnUpdate(nullptr, 0);
}

void CCustomListView::UpdateScrollSize() {
    int width = 0;
    for (const Column& column : m_columns) width += column.width;
    SetScrollSizes(Size{width, (RowCount() + 1) * m_rowHeight});
    Invalidate();
}

void CCustomListView::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(Point{event->pos().x(), event->pos().y()});
    if (row >= 0) SelectRow(row);
    CView::mousePressEvent(event);
}

void CCustomListView::focusInEvent(QFocusEvent* event) {
    m_showsSelection = true;
    Invalidate();
    CView::focusInEvent(event);
}

void CCustomListView::focusOutEvent(QFocusEvent* event) {
    m_showsSelection = false;
    Invalidate();
    CView::focusOutEvent(event);
}
