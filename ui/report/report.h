#pragma once

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace monocl {

class MonoclDocument;
struct OutputContents;
struct WorkshopDrawing;
struct DrawingScale;

// What the report says besides the window's contents.
struct ReportInfo
{
    QString designFile; // the design file shown in the heading; empty when none
    QDate date = QDate::currentDate();
};

// A4 upright, 15 mm margins.
QPageLayout reportPageLayout();

// The scale at which the report draws the lens: the element drawing's
// standard one, or the largest standard scale below it whose drawing fits
// the page's printable area below the drawing's heading.
DrawingScale reportDrawingScale(const WorkshopDrawing& drawing, QPagedPaintDevice& device);

// Paints the report onto the device, page after page: the heading with the
// program, the date and the file; the inputs of both tabs; the design and
// the forecast tables as the window shows them; the conclusions and
// recommendations; and the workshop drawing to scale. The painter is active
// on the device, whose page layout is set.
void paintReport(QPainter& painter, QPagedPaintDevice& device, const OutputContents& contents,
                 const WorkshopDrawing& drawing, const ReportInfo& info);

// The report of the document's present state as a PDF document.
QByteArray reportPdf(const MonoclDocument& document, const ReportInfo& info);

bool writeReportPdf(const MonoclDocument& document, const QString& path, const ReportInfo& info,
                    QString* error);

// Opens the print preview of the report; printing goes from there.
void printReport(const MonoclDocument& document, QWidget* parent, const QString& designFile = QString());

} // namespace monocl
