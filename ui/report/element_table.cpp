#include "element_table.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace monocl {

namespace {

using namespace drawing;

constexpr double RowHeight = 5.0;
constexpr double TablePoints = 7.5;
constexpr double TitlePoints = 10.0;
constexpr double Pad = 1.2;
constexpr double FrameWidth = 0.35;

QString drawingText(const char* text)
{
    return QCoreApplication::translate("WorkshopDrawing", text);
}

// A row of framed cells whose top edge is at y, the texts centred in height.
void cellRow(DrawingSheet& sheet, const QList<double>& widths, const QStringList& texts, double x, double y,
             double height, double points)
{
    const double baseline = y - height / 2 - (sheet.ascent(points) - sheet.descent(points)) / 2;
    for (int i = 0; i < widths.size(); ++i) {
        const double right = x + widths[i];
        sheet.line({x, y}, {right, y}, ThinWidth);
        sheet.line({x, y - height}, {right, y - height}, ThinWidth);
        sheet.line({x, y}, {x, y - height}, ThinWidth);
        sheet.line({right, y}, {right, y - height}, ThinWidth);
        sheet.text({x + Pad, baseline}, texts.value(i), HAlign::Left, points);
        x = right;
    }
}

// The widest of the texts with its padding, and no less than least.
double columnWidth(const DrawingSheet& sheet, const QStringList& texts, double least, double points)
{
    double width = least;
    for (const QString& text : texts)
        width = std::max(width, sheet.textWidth(text, points) + 2 * Pad);
    return width;
}

void frame(DrawingSheet& sheet, const QRectF& r)
{
    sheet.line(r.topLeft(), r.topRight(), FrameWidth);
    sheet.line(r.topRight(), r.bottomRight(), FrameWidth);
    sheet.line(r.bottomRight(), r.bottomLeft(), FrameWidth);
    sheet.line(r.bottomLeft(), r.topLeft(), FrameWidth);
}

} // namespace

void paintElementTable(DrawingSheet& sheet, const WorkshopDrawing& d, const QPointF& topLeft)
{
    const SurfaceColumn& a = d.surfaces[0];
    const SurfaceColumn& b = d.surfaces[1];
    const QStringList labels = {QString(), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Радиус, мм")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Световой диаметр")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Стрелка на Dm")),
                                drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Стрелка на кольце")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "3/ форма")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "4/ центрирование")),
                                drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "5/ дефекты поверхности")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Покрытие"))};
    const QStringList left = {drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Поверхность 1")), a.radius, a.clearAperture, a.sagRim, a.sagRing,
                              a.form, a.centring, a.imperfections, a.coating};
    const QStringList right = {drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Поверхность 2")), b.radius, b.clearAperture, b.sagRim, b.sagRing,
                               b.form, b.centring, b.imperfections, b.coating};
    const QStringList material = QStringList{drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Материал"))} + d.material;
    const QList<double> widths = {columnWidth(sheet, labels, 30, TablePoints),
                                  columnWidth(sheet, left, 36, TablePoints),
                                  columnWidth(sheet, material, 40, TablePoints),
                                  columnWidth(sheet, right, 36, TablePoints)};
    double y = topLeft.y();
    for (int row = 0; row < labels.size(); ++row) {
        cellRow(sheet, widths, {labels[row], left[row], material.value(row), right[row]}, topLeft.x(), y,
                RowHeight, TablePoints);
        y -= RowHeight;
    }
    double width = 0;
    for (const double w : widths)
        width += w;
    frame(sheet, QRectF(QPointF(topLeft.x(), topLeft.y()), QPointF(topLeft.x() + width, y)));
}

void paintTitleBlock(DrawingSheet& sheet, const WorkshopDrawing& d, DrawingScale scale, const QPointF& topLeft)
{
    const QString file = d.info.designFile.isEmpty() ? drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "не сохранен")) : QFileInfo(d.info.designFile).fileName();
    const QStringList first = {drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Линза мениск монокля")), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Материал: %1")).arg(d.materialName),
                               drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Файл: %1")).arg(file), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Линза: %1")).arg(d.lensSource)};
    const QStringList second = {drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Масштаб %1")).arg(scale.text()), drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Размеры в мм")),
                                drawingText(QT_TRANSLATE_NOOP("WorkshopDrawing", "Дата: %1")).arg(d.info.date.toString(QStringLiteral("dd.MM.yyyy"))),
                                QStringLiteral("monocl %1").arg(QStringLiteral(MONOCL_VERSION))};
    const QList<double> widths = {columnWidth(sheet, first, 90, TitlePoints) ,
                                  columnWidth(sheet, second, 50, TitlePoints)};
    double y = topLeft.y();
    for (int row = 0; row < first.size(); ++row) {
        const double height = row == 0 ? RowHeight * 1.6 : RowHeight * 1.2;
        cellRow(sheet, widths, {first[row], second[row]}, topLeft.x(), y, height, row == 0 ? TitlePoints + 2 : TitlePoints - 1);
        y -= height;
    }
    frame(sheet, QRectF(topLeft, QPointF(topLeft.x() + widths[0] + widths[1], y)));
}

} // namespace monocl
