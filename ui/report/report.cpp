#include "report.h"

#include "document/monocl_document.h"
#include "ui/files/output_files.h"
#include "ui/rays/ray_plots.h"
#include "output_contents.h"
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

constexpr double TitlePoints = 13;
constexpr double SectionPoints = 11;
constexpr double SubsectionPoints = 9.5;
constexpr double BodyPoints = 9;
constexpr double TablePoints = 8.5;
constexpr double FooterPoints = 7.5;
constexpr double CellPadding = 1.0; // mm
constexpr double FooterHeight = 8;  // mm kept free at the foot of a page

QFont reportFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString programTitle()
{
    return QCoreApplication::translate("Report", "monocl %1 — Выбор наилучших конструктивных параметров монокля")
        .arg(QStringLiteral(MONOCL_VERSION));
}

// Lays the report out from the top of the first page down, in millimetres
// of the printable area; without a painter it only counts the pages.
class ReportWriter
{
public:
    ReportWriter(QPainter* painter, QPagedPaintDevice& device, int pageCount)
        : m_painter(painter), m_device(device), m_pageCount(pageCount)
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
        const QFontMetricsF metrics(font, &m_device);
        const QRectF r = metrics.boundingRect(QRectF(0, 0, width * m_k, 1e9),
                                              Qt::TextWordWrap | Qt::AlignLeft, text);
        return std::max(r.height(), metrics.height()) / m_k;
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
    double m_k = 1;
    double m_width = 0;
    double m_height = 0;
    double m_y = 0;
    int m_page = 1;
};

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

// The ray check's table and its pictures, drawn by the widget of its tab
// scaled to the page's width.
void rayCheck(ReportWriter& w, const OutputContents& c)
{
    w.newPage();
    w.heading(c.rayTableTitle, SectionPoints, 12);
    if (!c.designFault.isEmpty())
        w.paragraph(c.designFault, reportFont(BodyPoints), 1.5);
    const double full = w.width();
    w.table(c.rayTable, {full * 0.8, full * 0.2});
    if (!c.rayCheck)
        return;
    // The size the tab gives them, drawn as large as a page allows.
    const QSize size(595, 690);
    RayPlots plots;
    plots.resize(size);
    plots.setCheck(c.rayCheck, c.rayLens, c.decimalSeparator);
    const double mmPerPixel = std::min(full / size.width(), w.pageRoom() / size.height());
    w.block(size.height() * mmPerPixel, [&](double x, double y) {
        QPainter& p = *w.painter();
        p.save();
        p.translate(x * w.k(), y * w.k());
        p.scale(mmPerPixel * w.k(), mmPerPixel * w.k());
        plots.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
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

    const DrawingScale scale = reportDrawingScale(drawing, device);
    const QSizeF size = workshopDrawingSize(drawing, scale, &device);
    w.heading(drawing.hasLens ? drawingTitle(scale) : QCoreApplication::translate("Report", "Рабочий чертеж мениска"),
              SectionPoints, size.height() + 2);
    w.block(size.height() + 2, [&](double x, double y) {
        paintWorkshopDrawing(*w.painter(), drawing, scale, QPointF(x + 1, y + 1), w.k());
    });

    rayCheck(w, c);
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
    ReportWriter count(nullptr, device, 0);
    layOut(count, device, contents, drawing, info);
    ReportWriter writer(&painter, device, count.pages());
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
