#include "mtf_legend.h"

#include <QCoreApplication>
#include <QPainter>

namespace monocl {

namespace {

constexpr double LineHeight = 14;
constexpr double Width = 176;

QString fieldName(MtfField field, char separator)
{
    switch (field) {
    case MtfField::Axis:
        return QCoreApplication::translate("MtfPlot", "ось");
    case MtfField::Zone:
        return QCoreApplication::translate("MtfPlot", "%1 поля")
            .arg(separator == '.' ? QStringLiteral("0.7") : QStringLiteral("0,7"));
    case MtfField::Edge:
        break;
    }
    return QCoreApplication::translate("MtfPlot", "край");
}

} // namespace

QColor mtfFieldColour(MtfField field)
{
    switch (field) {
    case MtfField::Axis:
        return QColor(0, 90, 200);
    case MtfField::Zone:
        return QColor(0, 150, 60);
    case MtfField::Edge:
        break;
    }
    return QColor(200, 40, 30);
}

double drawMtfLegend(QPainter& p, QPointF at, const std::vector<MtfField>& fields, char separator)
{
    at.rx() -= Width;
    const double top = at.y();
    for (const MtfField field : fields) {
        p.setPen(QPen(mtfFieldColour(field), 2));
        p.drawLine(at + QPointF(0, LineHeight / 2), at + QPointF(20, LineHeight / 2));
        p.setPen(Qt::black);
        p.drawText(QRectF(at + QPointF(26, 0), QSizeF(Width - 26, LineHeight)), Qt::AlignVCenter,
                   fieldName(field, separator));
        at.ry() += LineHeight;
    }
    p.drawText(QRectF(at, QSizeF(Width, LineHeight)), Qt::AlignVCenter,
               QCoreApplication::translate("MtfPlot", "— сагитт., - - танг."));
    return at.y() + LineHeight - top;
}

} // namespace monocl
