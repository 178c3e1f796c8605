// Painting the string grid.
#include "string_grid.h"

#include <QPainter>
#include <QPaintEvent>

namespace monocl {

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
            if (event->rect().intersects(rect.adjusted(0, 0, GridLine, GridLine))) {
                const bool selected = highlighted.contains(col.index, row.index);
                paintCell(painter, col.index, row.index, rect, selected);
            }
        }
    }
}

void StringGrid::setGreyed(bool greyed)
{
    if (greyed == m_greyed)
        return;
    m_greyed = greyed;
    viewport()->update();
}

void StringGrid::setRowHeight(int height)
{
    height = qMax(1, height);
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setRowBold(int row, bool bold)
{
    if (bold == m_boldRows.contains(row))
        return;
    if (bold)
        m_boldRows.insert(row);
    else
        m_boldRows.remove(row);
    viewport()->update();
}

QPalette::ColorGroup StringGrid::colorGroup() const
{
    if (!isEnabled() || m_greyed)
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
    const int right = rect.right() + GridLine;
    const int bottom = rect.bottom() + GridLine;
    painter.drawLine(right, rect.top(), right, bottom);
    painter.drawLine(rect.left(), bottom, right, bottom);

    const QString text = cell(col, row);
    if (!text.isEmpty()) {
        // drawText() clips to the rectangle, so a long text ends at the edge.
        painter.setPen(colors.color(group, foreground));
        const bool bold = !m_boldRows.isEmpty() && m_boldRows.contains(row);
        if (bold) {
            QFont font = painter.font();
            font.setBold(true);
            painter.save();
            painter.setFont(font);
        }
        painter.drawText(rect.adjusted(TextPadding, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        if (bold)
            painter.restore();
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
