#pragma once

// The report's pages laid out from the top down, in millimetres of the
// printable area.

#include "text_heights.h"

#include <QCoreApplication>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace monocl::report {

inline constexpr double TitlePoints = 13;
inline constexpr double SectionPoints = 11;
inline constexpr double SubsectionPoints = 9.5;
inline constexpr double BodyPoints = 9;
inline constexpr double TablePoints = 8.5;
inline constexpr double FooterPoints = 7.5;
inline constexpr double CellPadding = 1.0; // mm
inline constexpr double FooterHeight = 8;  // mm kept free at the foot of a page

inline QFont reportFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QString programTitle()
{
    return QCoreApplication::translate("Report", "monocl %1 — Выбор наилучших конструктивных параметров монокля")
        .arg(QStringLiteral(MONOCL_VERSION));
}

// Lays the report out from the top of the first page down, in millimetres
// of the printable area; without a painter it only counts the pages.
class ReportWriter
{
public:
    ReportWriter(QPainter* painter, QPagedPaintDevice& device, int pageCount, TextHeights& heights)
        : m_painter(painter), m_device(device), m_pageCount(pageCount), m_heights(heights)
    {
        m_k = device.logicalDpiY() / 25.4;
        m_width = device.width() / m_k;
        m_height = device.height() / m_k;
    }

    double width() const { return m_width; }
    double k() const { return m_k; }
    int pages() const { return m_page; }
    QPainter* painter() const { return m_painter; }

    double textHeight(const QString& text, const QFont& font, double width) const
    {
        return m_heights.height(text, font, width * m_k) / m_k;
    }

    // The space left on this page, and on an empty page.
    double room() const { return m_height - FooterHeight - m_y; }
    double pageRoom() const { return m_height - FooterHeight; }

    // Starts a new page unless height still fits on this one.
    void keep(double height)
    {
        if (height > room() && m_y > 0)
            newPage();
    }

    void newPage()
    {
        footer();
        if (m_painter)
            m_device.newPage();
        ++m_page;
        m_y = 0;
    }

    void finish() { footer(); }

    void space(double mm) { m_y = std::min(m_y + mm, m_height); }

    // A paragraph over the whole width.
    void paragraph(const QString& text, const QFont& font, double after = 0.8)
    {
        const double h = textHeight(text, font, m_width);
        keep(h);
        drawText(QRectF(0, m_y, m_width, h), text, font, Qt::AlignLeft);
        m_y += h + after;
    }

    // A heading that stays with at least next millimetres after it.
    void heading(const QString& text, double points, double next)
    {
        const QFont font = reportFont(points, true);
        keep(textHeight(text, font, m_width) + next);
        space(1.5);
        paragraph(text, font, 1.2);
    }

    // A row of cells with the widths given, every cell wrapped in its width;
    // framed when asked.
    void row(const QStringList& cells, const QList<double>& widths, const QFont& font, bool framed)
    {
        double h = 0;
        for (int i = 0; i < widths.size(); ++i)
            h = std::max(h, textHeight(cells.value(i), font, widths[i] - 2 * CellPadding));
        h += 2 * CellPadding * (framed ? 1 : 0.4);
        keep(h);
        double x = 0;
        for (int i = 0; i < widths.size(); ++i) {
            const QRectF cell(x, m_y, widths[i], h);
            if (framed && m_painter) {
                m_painter->setPen(QPen(Qt::black, 0.2 * m_k));
                m_painter->setBrush(Qt::NoBrush);
                m_painter->drawRect(scaled(cell));
            }
            drawText(cell.adjusted(CellPadding, framed ? CellPadding : 0.4 * CellPadding,
                                   -CellPadding, 0),
                     cells.value(i), font, Qt::AlignLeft);
            x += widths[i];
        }
        m_y += h;
    }

    // A table: its header row again at the top of each page it runs onto.
    void table(const QList<QStringList>& rows, const QList<double>& widths)
    {
        const QFont header = reportFont(TablePoints, true);
        const QFont body = reportFont(TablePoints);
        if (rows.isEmpty())
            return;
        int page = -1;
        for (int i = 0; i < rows.size(); ++i) {
            double h = 0;
            for (int c = 0; c < widths.size(); ++c)
                h = std::max(h, textHeight(rows[i].value(c), body, widths[c] - 2 * CellPadding));
            keep(h + 2 * CellPadding);
            if (i > 0 && page != m_page)
                row(rows[0], widths, header, true);
            page = m_page;
            row(rows[i], widths, i == 0 ? header : body, true);
        }
        space(2);
    }

    // A block of the given height painted by paint(x, y) at its top left.
    template <class Paint>
    void block(double height, Paint paint)
    {
        keep(height);
        if (m_painter)
            paint(0.0, m_y);
        m_y += height;
    }

private:
    QRectF scaled(const QRectF& r) const
    {
        return QRectF(r.x() * m_k, r.y() * m_k, r.width() * m_k, r.height() * m_k);
    }

    void drawText(const QRectF& rect, const QString& text, const QFont& font, Qt::Alignment align)
    {
        if (!m_painter)
            return;
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        m_painter->drawText(scaled(rect), static_cast<int>(align | Qt::TextWordWrap), text);
    }

    void footer()
    {
        if (!m_painter)
            return;
        const QFont font = reportFont(FooterPoints);
        const QString text = QCoreApplication::translate("Report", "monocl — страница %1 из %2").arg(m_page).arg(m_pageCount);
        m_painter->setFont(font);
        m_painter->setPen(Qt::black);
        m_painter->drawText(scaled(QRectF(0, m_height - FooterHeight + 3, m_width, FooterHeight - 3)),
                            static_cast<int>(Qt::AlignRight | Qt::AlignBottom), text);
    }

    QPainter* m_painter;
    QPagedPaintDevice& m_device;
    int m_pageCount;
    TextHeights& m_heights;
    double m_k = 1;
    double m_width = 0;
    double m_height = 0;
    double m_y = 0;
    int m_page = 1;
};

} // namespace monocl::report
