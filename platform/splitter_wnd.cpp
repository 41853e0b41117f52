#include "platform/splitter_wnd.h"

#include <QVBoxLayout>
#include <algorithm>

#include "platform/view.h"

CSplitterWnd::CSplitterWnd(int rows, int cols, QWidget* parent)
    : QWidget(parent), m_rows(std::max(1, rows)), m_cols(std::max(1, cols)),
      m_rowSplitter(new QSplitter(Qt::Vertical, this)),
      m_panes(static_cast<size_t>(m_rows * m_cols), nullptr), m_idealWidths(static_cast<size_t>(m_cols), 0),
      m_idealHeights(static_cast<size_t>(m_rows), 0) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rowSplitter);
    m_rowSplitter->setChildrenCollapsible(false);
    QObject::connect(m_rowSplitter, &QSplitter::splitterMoved, this, [this] { m_heightsMoved = true; });
    for (int row = 0; row < m_rows; ++row) {
        auto* columns = new QSplitter(Qt::Horizontal, m_rowSplitter);
        columns->setChildrenCollapsible(false);
        m_columnSplitters.push_back(columns);
        QObject::connect(columns, &QSplitter::splitterMoved, this, [this, columns] {
            m_widthsMoved = true;
            FollowColumns(columns);
        });
    }
}

bool CSplitterWnd::SetPane(int row, int col, QWidget* pane, QSize ideal) {
    if (!pane || row < 0 || row >= m_rows || col < 0 || col >= m_cols) return false;
    QWidget*& cell = m_panes[static_cast<size_t>(row * m_cols + col)];
    if (cell) return false;
    cell = pane;
    // Panes go into their row in column order whatever order they arrive in.
    QSplitter* columns = m_columnSplitters[static_cast<size_t>(row)];
    int index = 0;
    for (int c = 0; c < col; ++c)
        if (GetPane(row, c)) ++index;
    columns->insertWidget(index, pane);
    if (ideal.width() > 0) m_idealWidths[static_cast<size_t>(col)] = ideal.width();
    if (ideal.height() > 0) m_idealHeights[static_cast<size_t>(row)] = ideal.height();
    m_laidOut = QSize();
    return true;
}

QWidget* CSplitterWnd::GetPane(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) return nullptr;
    return m_panes[static_cast<size_t>(row * m_cols + col)];
}

bool CSplitterWnd::FindPane(const QWidget* pane, int* row, int* col) const {
    const auto found = std::find(m_panes.begin(), m_panes.end(), pane);
    if (!pane || found == m_panes.end()) return false;
    const int index = static_cast<int>(found - m_panes.begin());
    if (row) *row = index / m_cols;
    if (col) *col = index % m_cols;
    return true;
}

void CSplitterWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() <= 0 || height() <= 0) return;
    if (!m_heightsMoved) {
        if (height() > m_laidOut.height())
            LayOutHeights();
        else
            KeepWholeContentRoom(*m_rowSplitter, WholeContentSizes(false));
    }
    if (!m_widthsMoved) {
        if (width() > m_laidOut.width()) {
            LayOutWidths();
        } else {
            const std::vector<int> wanted = WholeContentSizes(true);
            for (QSplitter* columns : m_columnSplitters) KeepWholeContentRoom(*columns, wanted);
        }
    }
}

// Every row and column takes its ideal size and the last one the rest, as far as the window allows; a
// row or column without an ideal size takes an even share.
QList<int> CSplitterWnd::FitIdealSizes(const std::vector<int>& ideal, int total) {
    const int count = static_cast<int>(ideal.size());
    const int even = std::max(1, total / count);
    QList<int> sizes;
    int used = 0;
    for (int i = 0; i + 1 < count; ++i) {
        const int size =
            std::max(1, ideal[static_cast<size_t>(i)] > 0 ? ideal[static_cast<size_t>(i)] : even);
        sizes.append(size);
        used += size;
    }
    sizes.append(std::max(1, total - used));
    return sizes;
}

// A row or column that asks for more room to show its panes whole takes it from the others, the last
// first, as long as each keeps kLeastSpared pixels.
void CSplitterWnd::GiveWholeContentRoom(QList<int>& sizes, const std::vector<int>& wanted) {
    constexpr int kLeastSpared = 150; // pixels: a few lines of a table, the better part of a small chart
    const int count = std::min(static_cast<int>(sizes.size()), static_cast<int>(wanted.size()));
    for (int i = 0; i < count; ++i) {
        int missing = wanted[static_cast<size_t>(i)] - sizes[i];
        for (int j = count - 1; j >= 0 && missing > 0; --j) {
            if (j == i) continue;
            const int spared = std::min(missing, sizes[j] - kLeastSpared);
            if (spared <= 0) continue;
            sizes[j] -= spared;
            sizes[i] += spared;
            missing -= spared;
        }
    }
}

// A splitter shrinks its panes in proportion: a form that had the room to show itself whole would lose
// some of it.
void CSplitterWnd::KeepWholeContentRoom(QSplitter& splitter, const std::vector<int>& wanted) {
    QList<int> sizes = splitter.sizes();
    if (sizes.size() != static_cast<qsizetype>(wanted.size())) return;
    const QList<int> shrunk = sizes;
    GiveWholeContentRoom(sizes, wanted);
    if (sizes != shrunk) splitter.setSizes(sizes);
}

std::vector<int> CSplitterWnd::WholeContentSizes(bool across) const {
    std::vector<int> wanted(static_cast<size_t>(across ? m_cols : m_rows), 0);
    for (int row = 0; row < m_rows; ++row)
        for (int col = 0; col < m_cols; ++col) {
            const auto* view = dynamic_cast<const CView*>(GetPane(row, col));
            if (!view) continue;
            const QSize whole = view->WholeContentSize();
            int& slot = wanted[static_cast<size_t>(across ? col : row)];
            slot = std::max(slot, across ? whole.width() : whole.height());
        }
    return wanted;
}

void CSplitterWnd::LayOutHeights() {
    m_laidOut.setHeight(height());
    const int handle = m_rowSplitter->handleWidth();
    QList<int> heights = FitIdealSizes(m_idealHeights, height() - handle * (m_rows - 1));
    GiveWholeContentRoom(heights, WholeContentSizes(false));
    m_rowSplitter->setSizes(heights);
}

void CSplitterWnd::LayOutWidths() {
    m_laidOut.setWidth(width());
    QList<int> widths = FitIdealSizes(m_idealWidths, width() - m_rowSplitter->handleWidth() * (m_cols - 1));
    GiveWholeContentRoom(widths, WholeContentSizes(true));
    for (QSplitter* columns : m_columnSplitters)
        if (columns->count() == m_cols) columns->setSizes(widths);
}

void CSplitterWnd::FollowColumns(QSplitter* moved) {
    const QList<int> widths = moved->sizes();
    for (QSplitter* columns : m_columnSplitters)
        if (columns != moved && columns->count() == widths.size()) {
            const QSignalBlocker quiet(columns);
            columns->setSizes(widths);
        }
}
