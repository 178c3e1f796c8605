#include "report.h"

#include "document/monocl_document.h"
#include "texts/aperture_table.h"
#include "texts/ray_table.h"
#include "ui/files/output_files.h"
#include "ui/rays/ray_pictures.h"
#include "ui/outputs/output_contents.h"
#include "report_writer.h"
#include "workshop_drawing.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

using namespace report;

void inputs(ReportWriter& w, const QString& title, const QList<InputLine>& lines)
{
    w.heading(title, SubsectionPoints, 6);
    const QFont font = reportFont(BodyPoints);
    const double labelWidth = std::min(110.0, w.width() * 0.62);
    for (const InputLine& line : lines)
        w.row({line.label, line.value}, {labelWidth, w.width() - labelWidth}, font, false);
    w.space(1.5);
}

void lines(ReportWriter& w, const QString& title, const QStringList& text)
{
    w.heading(title, SectionPoints, 6);
    const QFont font = reportFont(BodyPoints);
    if (text.isEmpty())
        w.paragraph(QStringLiteral("—"), font);
    for (const QString& line : text)
        w.paragraph(line, font);
    w.space(1.5);
}

// The ray check of both lenses: its table, the lenses' data, the
// refinement and the warnings, the softness by aperture, and the pictures
// of the lens the workshop makes (the refined one when it was found), at the
// size the tab gives them, as large as a page allows.
void rayCheck(ReportWriter& w, const OutputContents& c)
{
    w.heading(c.rayTableTitle, SectionPoints, 12);
    if (!c.designFault.isEmpty())
        w.paragraph(c.designFault, reportFont(BodyPoints), 1.5);
    const double full = w.width();
    w.table(c.rayTable, {full * 0.6, full * 0.2, full * 0.2});
    if (!c.rayCheck)
        return;
    w.heading(c.lensTableTitle, SectionPoints, 12);
    w.table(c.lensTable, {full * 0.6, full * 0.2, full * 0.2});
    const QFont body = reportFont(BodyPoints);
    w.paragraph(c.refinement, body);
    for (const QString& warning : c.rayWarnings)
        w.paragraph(warning, body);
    w.space(1.5);
    if (!c.apertureTable.isEmpty()) {
        w.heading(c.apertureTableTitle, SectionPoints, 12);
        const double cell = full / ApertureTableColumns;
        w.table(c.apertureTable, QList<double>(ApertureTableColumns, cell));
    }

    RayPictures pictures;
    const bool refined = c.refinedLens.has_value();
    pictures.setCheck(refined ? c.refinedCheck : c.rayCheck, refined ? c.refinedLens : c.rayLens,
                      c.decimalSeparator);
    const QString title = QCoreApplication::translate("Report", "Рисунки проверки лучами: %1")
                              .arg(QString::fromStdString(rayTableHeader(refined ? 2 : 1)));
    // Drawn whole on one page, under their heading: smaller, to take the
    // rest of this page rather than leave most of it empty, while that
    // keeps them at 60 % of their size or more.
    const double headingRoom = 15;
    const QSizeF size(595, 690);
    const double largest = std::min(full / size.width(), (w.pageRoom() - headingRoom) / size.height());
    const double fitting = std::min(largest, (w.room() - headingRoom - 1) / size.height());
    const double mmPerPixel = fitting >= 0.6 * largest ? fitting : largest;
    w.keep(size.height() * mmPerPixel + headingRoom);
    w.heading(title, SectionPoints, 12);
    w.block(size.height() * mmPerPixel, [&](double x, double y) {
        QPainter& p = *w.painter();
        p.save();
        p.translate(x * w.k(), y * w.k());
        p.scale(mmPerPixel * w.k(), mmPerPixel * w.k());
        pictures.paint(p, QRectF(QPointF(), size), reportFont(BodyPoints));
        p.restore();
    });
}

QString drawingTitle(const DrawingScale& scale)
{
    return QCoreApplication::translate("Report", "Рабочий чертеж мениска, масштаб %1").arg(scale.text());
}

void layOut(ReportWriter& w, QPagedPaintDevice& device, const OutputContents& c,
            const WorkshopDrawing& drawing, const ReportInfo& info)
{
    w.paragraph(programTitle(), reportFont(TitlePoints, true), 1.5);
    const QFont body = reportFont(BodyPoints);
    w.paragraph(QCoreApplication::translate("Report", "Дата: %1").arg(info.date.toString(QStringLiteral("dd.MM.yyyy"))), body);
    w.paragraph(QCoreApplication::translate("Report", "Файл: %1")
                    .arg(info.designFile.isEmpty() ? QCoreApplication::translate("Report", "не сохранен")
                                                   : QFileInfo(info.designFile).fileName()),
                body, 2);

    w.heading(QCoreApplication::translate("Report", "Исходные данные"), SectionPoints, 12);
    inputs(w, QCoreApplication::translate("Report", "Прямая задача (вкладка «Расчет»)"), c.designInputs);
    inputs(w, QCoreApplication::translate("Report", "Обратная задача (вкладка «Прогноз»)"), c.forecastInputs);

    const double full = w.width();
    w.heading(c.designTableTitle, SectionPoints, 12);
    if (!c.designFault.isEmpty())
        w.paragraph(c.designFault, body, 1.5);
    w.table(c.designTable, {full * 0.8, full * 0.2});
    w.heading(c.forecastTableTitle, SectionPoints, 12);
    if (!c.forecastFault.isEmpty())
        w.paragraph(c.forecastFault, body, 1.5);
    w.table(c.forecastTable, {full * 0.64, full * 0.18, full * 0.18});

    lines(w, QCoreApplication::translate("Report", "Выводы"), c.conclusions);
    lines(w, QCoreApplication::translate("Report", "Рекомендации"), c.recommendations);

    w.heading(c.lensDataTitle, SectionPoints, 12);
    if (!c.lensDataFault.isEmpty())
        w.paragraph(c.lensDataFault, body, 1.5);
    w.table(c.lensData, {full * 0.7, full * 0.3});
    if (!c.toleranceTable.isEmpty()) {
        w.heading(c.toleranceTitle, SectionPoints, 12);
        w.table(c.toleranceTable, {full * 0.09, full * 0.14, full * 0.22, full * 0.13, full * 0.13, full * 0.15,
                                   full * 0.14});
        for (const QString& line : c.toleranceSummary)
            w.paragraph(line, body);
    }

    rayCheck(w, c);

    // The drawing on a page of its own, for the workshop to take away.
    w.newPage();
    const DrawingScale scale = reportDrawingScale(drawing, device);
    const QSizeF size = workshopDrawingSize(drawing, scale, &device);
    w.heading(drawing.hasLens ? drawingTitle(scale) : QCoreApplication::translate("Report", "Рабочий чертеж мениска"),
              SectionPoints, size.height() + 2);
    w.block(size.height() + 2, [&](double x, double y) {
        paintWorkshopDrawing(*w.painter(), drawing, scale, QPointF(x + 1, y + 1), w.k());
    });
}

} // namespace

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

DrawingScale reportDrawingScale(const WorkshopDrawing& drawing, QPagedPaintDevice& device)
{
    const double k = device.logicalDpiY() / 25.4;
    const QFontMetricsF metrics(reportFont(SectionPoints, true), &device);
    // The page below the drawing's heading, and a millimetre around.
    const QSizeF area(device.width() / k - 2,
                      device.height() / k - FooterHeight - metrics.height() / k - 6);
    const DrawingScale wanted = elementScale(drawing.diameter);
    bool reached = false;
    for (const DrawingScale& scale : DrawingScales) {
        reached = reached || scale == wanted;
        if (!reached)
            continue;
        const QSizeF size = workshopDrawingSize(drawing, scale, &device);
        if (size.width() <= area.width() && size.height() <= area.height())
            return scale;
    }
    return DrawingScales[std::size(DrawingScales) - 1];
}

void paintReport(QPainter& painter, QPagedPaintDevice& device, const OutputContents& contents,
                 const WorkshopDrawing& drawing, const ReportInfo& info)
{
    TextHeights heights(device);
    ReportWriter count(nullptr, device, 0, heights);
    layOut(count, device, contents, drawing, info);
    ReportWriter writer(&painter, device, count.pages(), heights);
    layOut(writer, device, contents, drawing, info);
    writer.finish();
}

QByteArray reportPdf(const MonoclDocument& document, const ReportInfo& info)
{
    const OutputContents contents = outputContents(document);
    const WorkshopDrawing drawing = workshopDrawing(document, DrawingInfo{info.designFile, info.date});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(reportPageLayout());
        writer.setResolution(600);
        writer.setTitle(QCoreApplication::translate("Report", "Расчет монокля"));
        writer.setCreator(QStringLiteral("monocl %1").arg(QStringLiteral(MONOCL_VERSION)));
        QPainter painter(&writer);
        paintReport(painter, writer, contents, drawing, info);
    }
    return buffer.data();
}

bool writeReportPdf(const MonoclDocument& document, const QString& path, const ReportInfo& info,
                    QString* error)
{
    return writeFileAtomically(path, reportPdf(document, info), error);
}

void printReport(const MonoclDocument& document, QWidget* parent, const QString& designFile)
{
    const OutputContents contents = outputContents(document);
    ReportInfo info;
    info.designFile = designFile;
    const WorkshopDrawing drawing = workshopDrawing(document, DrawingInfo{info.designFile, info.date});
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(reportPageLayout());
    printer.setDocName(QCoreApplication::translate("Report", "Расчет монокля"));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("Report", "Печать отчета"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) {
                         QPainter painter(target);
                         paintReport(painter, *target, contents, drawing, info);
                     });
    preview.exec();
}

} // namespace monocl
