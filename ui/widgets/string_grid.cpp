#include "string_grid.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace monocl {

StringGrid::StringGrid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

QString StringGrid::cell(int col, int row) const
{
    return contains(col, row) ? m_cells.value(cellKey(col, row)) : QString();
}

void StringGrid::setCell(int col, int row, const QString& text)
{
    if (!contains(col, row) || cell(col, row) == text)
        return;
    if (text.isEmpty())
        m_cells.remove(cellKey(col, row));
    else
        m_cells.insert(cellKey(col, row), text);

    const QRect rect = cellRect(col, row);
    if (!rect.isNull())
        viewport()->update(rect);
}

int StringGrid::rowCount() const
{
    return m_rowCount;
}

void StringGrid::setRowCount(int count)
{
    count = qMax(0, count);
    if (count == m_rowCount)
        return;
    if (count < m_rowCount) {
        m_cells.removeIf([count](QHash<quint64, QString>::iterator it) {
            return int(it.key() >> 32) >= count;
        });
    }
    m_rowCount = count;
    countsChanged();
}

int StringGrid::colCount() const
{
    return m_colCount;
}

void StringGrid::setColCount(int count)
{
    count = qMax(0, count);
    if (count == m_colCount)
        return;
    if (count < m_colCount) {
        m_cells.removeIf([count](QHash<quint64, QString>::iterator it) {
            return int(it.key() & 0xffffffffu) >= count;
        });
        m_colWidths.removeIf([count](QHash<int, int>::iterator it) { return it.key() >= count; });
    }
    m_colCount = count;
    countsChanged();
}

int StringGrid::colWidth(int col) const
{
    if (col < 0 || col >= m_colCount)
        return 0;
    return m_colWidths.value(col, DefaultColWidth);
}

void StringGrid::setColWidth(int col, int width)
{
    // Bounded so that sums of widths cannot overflow.
    width = qBound(0, width, 1 << 20);
    if (col < 0 || col >= m_colCount || width == colWidth(col))
        return;
    if (width == DefaultColWidth)
        m_colWidths.remove(col);
    else
        m_colWidths.insert(col, width);
    updateScrollBars();
    viewport()->update();
}

bool StringGrid::event(QEvent* event)
{
    // Claim Ctrl+C and Ctrl+A while focused, before a window shortcut on the
    // same keys can take them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void StringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void StringGrid::scrollContentsBy(int, int)
{
    // The fixed row and column stay put, so the viewport cannot simply be
    // shifted; it is painted anew.
    viewport()->update();
}

void StringGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void StringGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

quint64 StringGrid::cellKey(int col, int row)
{
    return (quint64(quint32(row)) << 32) | quint32(col);
}

bool StringGrid::contains(int col, int row) const
{
    return col >= 0 && col < m_colCount && row >= 0 && row < m_rowCount;
}

bool StringGrid::isSelectable(const QPoint& cell) const
{
    return cell.x() >= 1 && cell.y() >= 1 && contains(cell.x(), cell.y());
}

// The room a column takes on screen: its cell and the grid line to the right.
// A hidden column takes none, its line included.
int StringGrid::colExtent(int col) const
{
    const int width = colWidth(col);
    return width > 0 ? width + GridLine : 0;
}

int StringGrid::fixedWidth() const
{
    return m_colCount > 0 ? colExtent(0) : 0;
}

int StringGrid::fixedHeight() const
{
    return m_rowCount > 0 ? rowExtent() : 0;
}

// The scroll bars count the scrollable columns and rows, so their value is
// the number scrolled out of view.
int StringGrid::leftCol() const
{
    return 1 + horizontalScrollBar()->value();
}

int StringGrid::topRow() const
{
    return 1 + verticalScrollBar()->value();
}

// How many scrollable rows fit whole below the fixed row.
int StringGrid::rowsInView() const
{
    return qMax(0, viewport()->height() - fixedHeight()) / rowExtent();
}

// How many columns fit whole right of the fixed column, counting from the
// leftmost one in view.
int StringGrid::colsInView() const
{
    const int room = viewport()->width() - fixedWidth();
    int count = 0;
    int used = 0;
    for (int col = leftCol(); col < m_colCount && used + colExtent(col) <= room; ++col) {
        used += colExtent(col);
        ++count;
    }
    return count;
}

// The leftmost column that can be scrolled to: the first of the last columns
// that fit in the view together. Walking back from the end keeps the work
// bounded by the view's width rather than by the column count.
int StringGrid::lastLeftCol() const
{
    if (m_colCount <= 1)
        return 1;
    const int room = viewport()->width() - fixedWidth();
    int col = m_colCount - 1;
    int used = colExtent(col);
    while (col > 1 && used + colExtent(col - 1) <= room) {
        --col;
        used += colExtent(col);
    }
    return col;
}

QVector<StringGrid::Span> StringGrid::visibleColumns() const
{
    QVector<Span> spans;
    const int limit = viewport()->width();
    int x = 0;
    const auto add = [&](int col) {
        const int width = colWidth(col);
        if (width > 0) {
            spans.append({col, x, width});
            x += width + GridLine;
        }
    };
    if (m_colCount > 0)
        add(0);
    for (int col = leftCol(); col < m_colCount && x < limit; ++col)
        add(col);
    return spans;
}

QVector<StringGrid::Span> StringGrid::visibleRows() const
{
    QVector<Span> spans;
    if (m_rowCount == 0)
        return spans;
    spans.append({0, 0, m_rowHeight});
    const int limit = viewport()->height();
    int y = rowExtent();
    for (int row = topRow(); row < m_rowCount && y < limit; ++row, y += rowExtent())
        spans.append({row, y, m_rowHeight});
    return spans;
}

// The cell under a viewport position, or (-1, -1). A grid line belongs to the
// cell left of or above it.
QPoint StringGrid::cellAt(const QPoint& pos) const
{
    const auto find = [](const QVector<Span>& spans, int p) {
        for (const Span& span : spans) {
            if (p >= span.start && p < span.start + span.size + GridLine)
                return span.index;
        }
        return -1;
    };
    const int col = find(visibleColumns(), pos.x());
    const int row = find(visibleRows(), pos.y());
    return col >= 0 && row >= 0 ? QPoint(col, row) : NoCell;
}

// The cell's rectangle in the viewport, or a null rectangle when it is out of
// view: where visibleColumns() and visibleRows() place it, found without
// building them, as every changed cell asks for it.
QRect StringGrid::cellRect(int col, int row) const
{
    if (!contains(col, row))
        return QRect();
    int y = 0;
    if (row > 0) {
        const int top = topRow();
        if (row < top)
            return QRect();
        y = rowExtent() * (row - top + 1);
        if (y >= viewport()->height())
            return QRect();
    }
    const int width = colWidth(col);
    if (width <= 0)
        return QRect();
    int x = 0;
    if (col > 0) {
        if (col < leftCol())
            return QRect();
        const int limit = viewport()->width();
        x = colExtent(0);
        for (int c = leftCol(); c < col; ++c) {
            if (x >= limit)
                return QRect();
            x += colExtent(c);
        }
        if (x >= limit)
            return QRect();
    }
    return QRect(x, y, width, m_rowHeight);
}

void StringGrid::countsChanged()
{
    keepSelectionInside();
    updateScrollBars();
    viewport()->update();
}

void StringGrid::updateScrollBars()
{
    const int scrollableRows = qMax(0, m_rowCount - 1);
    const int rows = qMax(1, rowsInView());
    verticalScrollBar()->setRange(0, qMax(0, scrollableRows - rows));
    verticalScrollBar()->setPageStep(rows);

    horizontalScrollBar()->setRange(0, lastLeftCol() - 1);
    horizontalScrollBar()->setPageStep(qMax(1, colsInView()));
}

// Scrolls just enough to bring the cell wholly into view, or to put it first
// when it is wider or taller than the view.
void StringGrid::scrollTo(const QPoint& cell)
{
    const int rows = qMax(1, rowsInView());
    if (cell.y() < topRow())
        verticalScrollBar()->setValue(cell.y() - 1);
    else if (cell.y() >= topRow() + rows)
        verticalScrollBar()->setValue(cell.y() - rows);

    const int left = leftCol();
    if (cell.x() < left) {
        horizontalScrollBar()->setValue(cell.x() - 1);
        return;
    }
    // Find the leftmost column from which the cell still fits, walking back
    // from the cell itself.
    const int room = viewport()->width() - fixedWidth();
    int first = cell.x();
    int used = colExtent(first);
    while (first > left && used + colExtent(first - 1) <= room) {
        --first;
        used += colExtent(first);
    }
    if (first > left)
        horizontalScrollBar()->setValue(first - 1);
}

QList<QStringList> gridRows(const StringGrid& grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid.colCount(); ++col)
            cells << grid.cell(col, row);
        rows << cells;
    }
    return rows;
}

} // namespace monocl
