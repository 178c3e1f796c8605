#pragma once

// The report's wrapped texts measured once each.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace monocl::report {

// The heights of the report's wrapped texts, each measured once a report:
// the pass that counts the pages and the one that paints them ask for the
// same texts, and a table asks for each row's again as it draws the row.
// That measuring was a fifth of a report. Keyed by font, width and text.
class TextHeights
{
public:
    explicit TextHeights(const QPaintDevice& device) : m_device(device) {}

    // The height in device units of text wrapped in width device units.
    double height(const QString& text, const QFont& font, double width)
    {
        const QString fontKey = font.key();
        const QString key = fontKey + QLatin1Char('\n') + QString::number(width, 'g', 17) + QLatin1Char('\n') + text;
        if (const auto known = m_heights.constFind(key); known != m_heights.constEnd())
            return *known;
        const QFontMetricsF metrics = metricsOf(font, fontKey);
        const QRectF r = metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text);
        const double h = std::max(r.height(), metrics.height());
        m_heights.insert(key, h);
        return h;
    }

private:
    // A font's metrics are made once: each new one looks its font up again.
    QFontMetricsF metricsOf(const QFont& font, const QString& fontKey)
    {
        for (const auto& [key, metrics] : m_metrics)
            if (key == fontKey)
                return metrics;
        return m_metrics.emplace_back(fontKey, QFontMetricsF(font, &m_device)).second;
    }

    const QPaintDevice& m_device;
    QHash<QString, double> m_heights;
    std::vector<std::pair<QString, QFontMetricsF>> m_metrics;
};

} // namespace monocl::report
