#include "string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

namespace monocl {

namespace {

constexpr int kDefaultColWidth = 64;
constexpr int kRowHeight = 24;
constexpr int kGridLine = 1;
constexpr int kRowExtent = kRowHeight + kGridLine;
constexpr int kTextPadding = 2;

const QPoint kNoCell(-1, -1);

} // namespace

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
    return m_colWidths.value(col, kDefaultColWidth);
}

void StringGrid::setColWidth(int col, int width)
{
    // Bounded so that sums of widths cannot overflow.
    width = qBound(0, width, 1 << 20);
    if (col < 0 || col >= m_colCount || width == colWidth(col))
        return;
    if (width == kDefaultColWidth)
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

void StringGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    // Like a Windows grid, the selection shows only while the grid has focus.
    const QRect highlighted = hasFocus() ? selection() : QRect();
    const QVector<Span> cols = visibleColumns();
    for (const Span& row : visibleRows()) {
        for (const Span& col : cols) {
            const QRect rect(col.start, row.start, col.size, row.size);
            if (event->rect().intersects(rect.adjusted(0, 0, kGridLine, kGridLine))) {
                const bool selected = highlighted.contains(col.index, row.index);
                paintCell(painter, col.index, row.index, rect, selected);
            }
        }
    }
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

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy))
        copySelection();
    else if (event->matches(QKeySequence::SelectAll))
        selectAllCells();
    else if (!moveByKey(event))
        QAbstractScrollArea::keyPressEvent(event);
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // A press on a fixed cell selects nothing, and a drag from there neither.
    const QPoint cell = cellAt(event->position().toPoint());
    m_selecting = isSelectable(cell);
    if (m_selecting)
        moveCurrent(cell, event->modifiers() & Qt::ShiftModifier);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (isSelectable(cell))
        moveCurrent(cell, true);
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_selecting = false;
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
    return width > 0 ? width + kGridLine : 0;
}

int StringGrid::fixedWidth() const
{
    return m_colCount > 0 ? colExtent(0) : 0;
}

int StringGrid::fixedHeight() const
{
    return m_rowCount > 0 ? kRowExtent : 0;
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
    return qMax(0, viewport()->height() - fixedHeight()) / kRowExtent;
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
            x += width + kGridLine;
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
    spans.append({0, 0, kRowHeight});
    const int limit = viewport()->height();
    int y = kRowExtent;
    for (int row = topRow(); row < m_rowCount && y < limit; ++row, y += kRowExtent)
        spans.append({row, y, kRowHeight});
    return spans;
}

// The cell under a viewport position, or (-1, -1). A grid line belongs to the
// cell left of or above it.
QPoint StringGrid::cellAt(const QPoint& pos) const
{
    const auto find = [](const QVector<Span>& spans, int p) {
        for (const Span& span : spans) {
            if (p >= span.start && p < span.start + span.size + kGridLine)
                return span.index;
        }
        return -1;
    };
    const int col = find(visibleColumns(), pos.x());
    const int row = find(visibleRows(), pos.y());
    return col >= 0 && row >= 0 ? QPoint(col, row) : kNoCell;
}

// The cell's rectangle in the viewport, or a null rectangle when it is out of
// view.
QRect StringGrid::cellRect(int col, int row) const
{
    const auto find = [](const QVector<Span>& spans, int index) -> const Span* {
        for (const Span& span : spans) {
            if (span.index == index)
                return &span;
        }
        return nullptr;
    };
    const QVector<Span> cols = visibleColumns();
    const QVector<Span> rows = visibleRows();
    const Span* c = find(cols, col);
    const Span* r = find(rows, row);
    return c && r ? QRect(c->start, r->start, c->size, r->size) : QRect();
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

bool StringGrid::hasSelection() const
{
    return m_current != kNoCell;
}

QRect StringGrid::selection() const
{
    if (!hasSelection())
        return QRect();
    return QRect(QPoint(qMin(m_anchor.x(), m_current.x()), qMin(m_anchor.y(), m_current.y())),
                 QPoint(qMax(m_anchor.x(), m_current.x()), qMax(m_anchor.y(), m_current.y())));
}

QPoint StringGrid::clampToCells(const QPoint& cell) const
{
    return QPoint(qBound(1, cell.x(), m_colCount - 1), qBound(1, cell.y(), m_rowCount - 1));
}

// After the counts change: no selection without a non-fixed cell, the first
// one as soon as one exists again, otherwise the same cells pulled inside.
void StringGrid::keepSelectionInside()
{
    if (m_colCount < 2 || m_rowCount < 2) {
        m_current = m_anchor = kNoCell;
    } else if (!hasSelection()) {
        m_current = m_anchor = QPoint(1, 1);
    } else {
        m_current = clampToCells(m_current);
        m_anchor = clampToCells(m_anchor);
    }
}

// Makes the cell current; unless extending, the selection shrinks to it.
void StringGrid::moveCurrent(const QPoint& cell, bool extend)
{
    if (!hasSelection())
        return;
    const QPoint target = clampToCells(cell);
    if (target == m_current && (extend || m_anchor == target))
        return;
    m_current = target;
    if (!extend)
        m_anchor = target;
    scrollTo(target);
    viewport()->update();
}

// Moves the current cell for a navigation key; returns false for any other
// key. Ctrl with Home/End goes to the first/last row as well.
bool StringGrid::moveByKey(const QKeyEvent* event)
{
    if (!hasSelection())
        return false;
    const bool toCorner = event->modifiers() & Qt::ControlModifier;
    QPoint target = m_current;
    switch (event->key()) {
    case Qt::Key_Left:
        target.rx() -= 1;
        break;
    case Qt::Key_Right:
        target.rx() += 1;
        break;
    case Qt::Key_Up:
        target.ry() -= 1;
        break;
    case Qt::Key_Down:
        target.ry() += 1;
        break;
    case Qt::Key_PageUp:
        target.ry() -= qMax(1, rowsInView());
        break;
    case Qt::Key_PageDown:
        target.ry() += qMax(1, rowsInView());
        break;
    case Qt::Key_Home:
        target = QPoint(1, toCorner ? 1 : target.y());
        break;
    case Qt::Key_End:
        target = QPoint(m_colCount - 1, toCorner ? m_rowCount - 1 : target.y());
        break;
    default:
        return false;
    }
    moveCurrent(target, event->modifiers() & Qt::ShiftModifier);
    return true;
}

void StringGrid::selectAllCells()
{
    if (!hasSelection())
        return;
    m_anchor = QPoint(m_colCount - 1, m_rowCount - 1);
    m_current = QPoint(1, 1);
    scrollTo(m_current);
    viewport()->update();
}

// The selected rectangle as tab-separated lines, the form spreadsheets paste.
void StringGrid::copySelection() const
{
    if (!hasSelection())
        return;
    const QRect cells = selection();
    QStringList lines;
    for (int row = cells.top(); row <= cells.bottom(); ++row) {
        QStringList fields;
        for (int col = cells.left(); col <= cells.right(); ++col)
            fields.append(cell(col, row));
        lines.append(fields.join(u'\t'));
    }
    QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

QPalette::ColorGroup StringGrid::colorGroup() const
{
    if (!isEnabled())
        return QPalette::Disabled;
    return isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

// Fills the cell, draws its text and the grid lines on its right and bottom
// edges (the left and top ones belong to the neighbours).
void StringGrid::paintCell(QPainter& painter, int col, int row, const QRect& rect,
                           bool highlighted) const
{
    const QPalette::ColorGroup group = colorGroup();
    const QPalette& colors = palette();
    const bool fixed = col == 0 || row == 0;

    QPalette::ColorRole background = QPalette::Base;
    QPalette::ColorRole foreground = QPalette::Text;
    if (fixed) {
        background = QPalette::Button;
        foreground = QPalette::ButtonText;
    } else if (highlighted) {
        background = QPalette::Highlight;
        foreground = QPalette::HighlightedText;
    }
    painter.fillRect(rect, colors.color(group, background));
    if (fixed)
        paintRaisedEdge(painter, rect);

    // Header cells are outlined darker than the body, as in a Windows grid.
    painter.setPen(colors.color(group, fixed ? QPalette::Shadow : QPalette::Mid));
    const int right = rect.right() + kGridLine;
    const int bottom = rect.bottom() + kGridLine;
    painter.drawLine(right, rect.top(), right, bottom);
    painter.drawLine(rect.left(), bottom, right, bottom);

    const QString text = cell(col, row);
    if (!text.isEmpty()) {
        // drawText() clips to the rectangle, so a long text ends at the edge.
        painter.setPen(colors.color(group, foreground));
        painter.drawText(rect.adjusted(kTextPadding, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
}

// A light top-left and a dark bottom-right line make the cell look raised.
void StringGrid::paintRaisedEdge(QPainter& painter, const QRect& rect) const
{
    const QPalette::ColorGroup group = colorGroup();
    painter.setPen(palette().color(group, QPalette::Light));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(palette().color(group, QPalette::Dark));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace monocl
