#pragma once
// A static splitter: a fixed grid of rows x columns of panes with movable bars between them. The
// columns are shared by all rows and the rows by all columns, so every pane lines up with its
// neighbours. Sizes are pixels.
#include <QSplitter>
#include <QWidget>
#include <vector>

class CSplitterWnd : public QWidget {
public:
    CSplitterWnd(int rows, int cols, QWidget* parent = nullptr);

    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_cols; }

    // Puts `pane` at (row, col) and asks for `ideal` width and height (pixels; 0 leaves it to the
    // splitter). The splitter takes ownership of the pane. False when the cell is outside the grid or
    // already holds a pane.
    bool SetPane(int row, int col, QWidget* pane, QSize ideal);
    // The pane at (row, col), or null.
    QWidget* GetPane(int row, int col) const;
    // True when `pane` stands in this splitter; row and col receive its place.
    bool FindPane(const QWidget* pane, int* row, int* col) const;

protected:
    // A splitter grows its panes in proportion to their sizes, which would keep the squeeze of sizes
    // laid out in a smaller window: a window larger than any the ideal sizes were laid out in lays
    // them out again, in each direction where the user has not moved a bar. A pane that asks for the
    // room to show its content whole (CView::WholeContentSize) gets it from its neighbours there, and
    // keeps it as the window shrinks.
    void resizeEvent(QResizeEvent* event) override;

private:
    static QList<int> FitIdealSizes(const std::vector<int>& ideal, int total);
    static void GiveWholeContentRoom(QList<int>& sizes, const std::vector<int>& wanted);
    static void KeepWholeContentRoom(QSplitter& splitter, const std::vector<int>& wanted);
    // Per column (`across`) or row, the room its panes ask to show their content whole; 0 where none asks.
    std::vector<int> WholeContentSizes(bool across) const;
    void LayOutHeights();
    void LayOutWidths();
    void FollowColumns(QSplitter* moved);

    int m_rows;
    int m_cols;
    QSplitter* m_rowSplitter;                  // vertical: one entry per row
    std::vector<QSplitter*> m_columnSplitters; // horizontal: the columns of each row
    std::vector<QWidget*> m_panes;             // row-major
    std::vector<int> m_idealWidths;
    std::vector<int> m_idealHeights;
    QSize m_laidOut;             // the largest size the ideal sizes were laid out in; none yet
    bool m_heightsMoved = false; // the user moved a bar between rows
    bool m_widthsMoved = false;  // ... between columns
};
