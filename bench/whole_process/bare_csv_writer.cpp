// The bare reference for `monocl --csv`: a QCoreApplication that writes a
// CSV file of the given number of lines and bytes, made of numbers as a
// table's are.
//
//   bare_csv_writer OUT LINES BYTES
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 1;
    const long lines = std::max(1L, std::atol(argv[2]));
    const long bytes = std::atol(argv[3]);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&file);
    const long perLine = std::max(1L, bytes / lines);
    long written = 0;
    for (long line = 0; line < lines; ++line) {
        QString text;
        const long want = line + 1 == lines ? bytes - written : perLine;
        for (int cell = 0; text.size() < want - 1; ++cell)
            text += QString::number(1.5182 * (line + 1) + cell, 'f', 4) + QLatin1Char(';');
        text.truncate(static_cast<int>(std::max(0L, want - 1)));
        out << text << '\n';
        written += text.toUtf8().size() + 1;
    }
    return 0;
}
