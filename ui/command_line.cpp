#include "command_line.h"

#include "glass_table.h"

#include "format/number_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace monocl {

namespace {

// A CSV field as RFC 4180 writes it.
QString csvField(const std::string& text)
{
    QString field = QString::fromStdString(text);
    if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
        || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
        field.replace(QLatin1String("\""), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

bool asksWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--help", "-h", "--help-all", "--version", "-v", "--list-glasses"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

QString glassCatalogueCsv()
{
    QString csv = QStringLiteral("maker,name,nd,vd\r\n");
    for (const Glass& g : glassCatalogue())
        csv += csvField(g.maker) + QLatin1Char(',') + csvField(g.name) + QLatin1Char(',')
            + QString::fromStdString(fixedText(g.nd, 8, 6, '.')) + QLatin1Char(',')
            + QString::fromStdString(fixedText(g.vd, 8, 2, '.')) + QStringLiteral("\r\n");
    return csv;
}

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    if (!asksWithoutWindow(argc, argv))
        return std::nullopt;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("monocl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MONOCL_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Monocle design: a meniscus and its stop by third-order aberration theory."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listGlasses(
        QStringLiteral("list-glasses"),
        QStringLiteral("Print the built-in glass catalogue as CSV (maker, name, nd, vd)."));
    parser.addOption(listGlasses);
    parser.process(app); // answers --help and --version itself
    if (parser.isSet(listGlasses)) {
        QTextStream out(stdout);
        out << glassCatalogueCsv();
        out.flush();
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    return 0;
}

} // namespace monocl
