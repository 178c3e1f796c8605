#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPalette>
#include <QPoint>
#include <QSet>
#include <QStringList>
#include <QVector>

class QPainter;

namespace monocl {

// A grid of text cells in the manner of a Windows string grid. Row 0 and
// column 0 are fixed header cells that stay in view while the rest scrolls;
// the other cells can be selected and copied (Ctrl+C) but not edited.
//
// Addresses are (column, row). Reading a cell outside the counts gives an
// empty text; setting a cell or a column width outside the counts is ignored.
// Changing the counts keeps the texts and widths of the cells that remain.
// The setters repaint only when something changed, so they can be called on
// every recompute.
class StringGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr);

    Q_INVOKABLE QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    Q_INVOKABLE int rowCount() const;
    void setRowCount(int count);
    Q_INVOKABLE int colCount() const;
    void setColCount(int count);

    // The width of the cell, without the grid line to its right. A width of
    // 0 (a negative one is taken as 0) hides the column.
    Q_INVOKABLE int colWidth(int col) const;
    void setColWidth(int col, int width);

    // Draws every cell in the disabled colours, as content that no longer
    // stands, while the grid can still be scrolled and selected.
    void setGreyed(bool greyed);
    bool isGreyed() const { return m_greyed; }

    // The height of every row without its grid line; 24 unless set.
    void setRowHeight(int height);
    int rowHeight() const { return m_rowHeight; }

    // Draws a row's texts in bold.
    void setRowBold(int row, bool bold);
    bool isRowBold(int row) const { return m_boldRows.contains(row); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static constexpr int DefaultColWidth = 64;
    static constexpr int DefaultRowHeight = 24;
    static constexpr int GridLine = 1;
    int rowExtent() const { return m_rowHeight + GridLine; }
    static constexpr int TextPadding = 2;
    static constexpr QPoint NoCell{-1, -1};

    // A column or row on screen: its index, where it starts in the viewport
    // and its size without the grid line.
    struct Span
    {
        int index;
        int start;
        int size;
    };

    static quint64 cellKey(int col, int row);
    bool contains(int col, int row) const;
    bool isSelectable(const QPoint& cell) const;

    int colExtent(int col) const;
    int fixedWidth() const;
    int fixedHeight() const;
    int leftCol() const;
    int topRow() const;
    int rowsInView() const;
    int colsInView() const;
    int lastLeftCol() const;
    QVector<Span> visibleColumns() const;
    QVector<Span> visibleRows() const;
    QPoint cellAt(const QPoint& pos) const;
    QRect cellRect(int col, int row) const;

    void countsChanged();
    void updateScrollBars();
    void scrollTo(const QPoint& cell);

    bool hasSelection() const;
    QRect selection() const;
    QPoint clampToCells(const QPoint& cell) const;
    void keepSelectionInside();
    void moveCurrent(const QPoint& cell, bool extend);
    bool moveByKey(const QKeyEvent* event);
    void selectAllCells();
    void copySelection() const;

    QPalette::ColorGroup colorGroup() const;
    void paintCell(QPainter& painter, int col, int row, const QRect& rect, bool highlighted) const;
    void paintRaisedEdge(QPainter& painter, const QRect& rect) const;

    int m_colCount = 5;
    int m_rowCount = 5;
    QHash<quint64, QString> m_cells; // only the cells with a text
    QHash<int, int> m_colWidths;     // only the columns not at the default width
    // The selection is the rectangle between the anchor and the current cell,
    // both (column, row); (-1, -1) while there is no cell to select.
    QPoint m_current{1, 1};
    QPoint m_anchor{1, 1};
    bool m_selecting = false;
    bool m_greyed = false;
    int m_rowHeight = DefaultRowHeight;
    QSet<int> m_boldRows;
};

// Every cell of the grid, row by row.
QList<QStringList> gridRows(const StringGrid& grid);

} // namespace monocl
