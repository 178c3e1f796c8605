// The string grid's selection: the keys, the mouse and copying.
#include "string_grid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace monocl {

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

bool StringGrid::hasSelection() const
{
    return m_current != NoCell;
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
        m_current = m_anchor = NoCell;
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

} // namespace monocl
