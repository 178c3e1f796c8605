// The bare reference for `monocl --report`: a QGuiApplication on the
// offscreen platform that writes a one-page A4 PDF with a heading and a
// table of text, as a report's page has.
//
//   bare_pdf_writer OUT
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 1;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15)));
    writer.setResolution(600);
    QPainter painter(&writer);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QPointF(0, 300), QStringLiteral("Расчетные параметры"));
    font.setPointSizeF(9);
    font.setBold(false);
    painter.setFont(font);
    const int row = 220;
    for (int i = 0; i < 30; ++i) {
        const int y = 600 + i * row;
        painter.drawRect(0, y, 4000, row);
        painter.drawRect(4000, y, 1000, row);
        painter.drawText(QPointF(40, y + 160), QStringLiteral("Параметр номер %1, мм").arg(i + 1));
        painter.drawText(QPointF(4040, y + 160), QString::number(1.5182 * (i + 1), 'f', 3));
    }
    return 0;
}
