#include "command_line.h"

#include "language.h"
#include "settings.h"
#include "simulate_options.h"
#include "start_document.h"

#include "ui/files/design_file.h"
#include "ui/files/drawing_settings_file.h"
#include "ui/files/glass_table.h"
#include "ui/files/lens_file.h"
#include "ui/files/output_files.h"
#include "ui/outputs/drawing_data.h"
#include "ui/outputs/exchange_output.h"
#include "ui/outputs/output_contents.h"
#include "ui/outputs/table_export.h"

#include "format/number_text.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace monocl {

namespace {

// The options that write files; with none of them the window opens.
struct OutputOption
{
    const char* name;
    const char* description;
};

constexpr OutputOption OutputOptions[] = {
    {"csv", QT_TRANSLATE_NOOP("CommandLine", "Записать обе таблицы в CSV-файл ФАЙЛ.")},
    {"report", QT_TRANSLATE_NOOP("CommandLine", "Записать отчет в PDF-файл ФАЙЛ.")},
    {"svg", QT_TRANSLATE_NOOP("CommandLine", "Записать рабочий чертеж мениска в SVG-файл ФАЙЛ.")},
    {"save", QT_TRANSLATE_NOOP("CommandLine", "Сохранить исходные данные в файл проекта ФАЙЛ (.monocl).")},
    {"lens", QT_TRANSLATE_NOOP("CommandLine", "Записать обе линзы (третьего порядка и уточненную лучами) в JSON-файл ФАЙЛ.")},
    {"zmx", QT_TRANSLATE_NOOP("CommandLine", "Записать линзу чертежа в файл Zemax (.zmx) ФАЙЛ.")},
    {"prescription", QT_TRANSLATE_NOOP("CommandLine", "Записать рецепт линзы чертежа (таблицу поверхностей) в текстовый файл ФАЙЛ.")},
};

void writeTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

void tell(const QString& message)
{
    writeTo(stderr, QStringLiteral("monocl: %1\n").arg(message));
}

// An answer on standard output. One that is not all written (a full disk,
// a closed pipe) is told on standard error and ends the program with 1;
// stdio keeps a write error to itself until the flush.
int answer(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0
        && !std::ferror(stdout);
    if (written)
        return ExitDone;
    const int cause = errno;
    tell(QCoreApplication::translate("CommandLine", "стандартный вывод не записан: %1")
             .arg(writeFailureReason(cause, QCoreApplication::translate("CommandLine", "ошибка записи"))));
    return ExitUsageOrFileError;
}

int usageError(const QString& message)
{
    tell(message);
    writeTo(stderr, QCoreApplication::translate("CommandLine", "Справка: monocl --help\n"));
    return ExitUsageOrFileError;
}

// The program's options, described once for the help and for the parsing.
struct Options
{
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption listGlasses;
    QList<QCommandLineOption> outputs; // in the order of OutputOptions
    SimulateOptions simulate;
};

Options describeOptions(QCommandLineParser& parser)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(MONOCL_VERSION));
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Расчет монокля: мягкорисующего объектива из одного мениска с диафрагмой.\n"
        "Без параметров вывода открывается окно программы. С ними программа\n"
        "считает по файлу проекта (или по исходным значениям), записывает файлы\n"
        "и завершается: 0 — готово, 1 — ошибка в параметрах или файле (ничего не\n"
        "записано), 2 — арифметическая ошибка расчета или расчет без линзы\n"
        "(файлы записаны с прочерками вместо прежних чисел)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption listGlasses(
        QStringLiteral("list-glasses"),
        QCoreApplication::translate("CommandLine", "Вывести встроенный каталог стекол в CSV (maker, name, nd, vd)."));
    parser.addOption(listGlasses);
    parser.addOption(QCommandLineOption(
        QStringLiteral("drawing-lens"),
        QCoreApplication::translate("CommandLine", "Линза чертежа и файлов обмена: refined (уточненная лучами) или third-order (третьего порядка); без параметра — уточненная, когда найдена."),
        QStringLiteral("refined|third-order")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("svg-scale"),
        QCoreApplication::translate("CommandLine", "Масштаб SVG-чертежа: 1:1 (по умолчанию, миллиметр файла — миллиметр линзы) или drawing (стандартный масштаб рабочего чертежа)."),
        QStringLiteral("1:1|drawing")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine", "Язык окна и файлов: ru или en (вместо выбранного в меню)."),
        QStringLiteral("ru|en")));
    Options options{help, version, listGlasses, {}, addSimulateOptions(parser)};
    for (const OutputOption& o : OutputOptions) {
        options.outputs.append(QCommandLineOption(QString::fromLatin1(o.name),
                                                  QCoreApplication::translate("CommandLine", o.description),
                                                  QCoreApplication::translate("CommandLine", "ФАЙЛ")));
        parser.addOption(options.outputs.back());
    }
    parser.addPositionalArgument(QCoreApplication::translate("CommandLine", "проект"),
                                 QCoreApplication::translate("CommandLine", "Файл проекта .monocl; без него — исходные значения."),
                                 QCoreApplication::translate("CommandLine", "[проект]"));
    return options;
}

// The language asked for with --lang, installed before any text is made.
// False for a language the program does not speak.
bool takeLanguage(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--"))
            break;
        QString value;
        if (arg == QLatin1String("--lang") || arg == QLatin1String("-lang"))
            value = arguments.value(i + 1);
        else if (arg.startsWith(QLatin1String("--lang=")))
            value = arg.mid(7);
        else
            continue;
        const std::optional<Language> language = languageNamed(value);
        if (!language || *language == Language::System)
            return false;
        setLanguageOverride(language);
    }
    installTranslations();
    return true;
}

int paintingMissing(const QString& option)
{
    return usageError(QCoreApplication::translate("CommandLine", "для --%1 нужна графическая часть программы").arg(option));
}

int languageError()
{
    return usageError(QCoreApplication::translate("CommandLine", "у параметра --lang допустимы ru и en"));
}

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

// The photograph for --simulate added to the files; none for a failed
// design, which is told as a fault. False with the message for a picture
// or a request that does not fit.
bool addSimulated(OutputFiles& files, const SimulateRequest& request, const MonoclDocument& document,
                  const PaintedOutputs::Simulate& simulate, QStringList& faults, QString* error)
{
    if (!faults.isEmpty())
        return true;
    bool noLens = false;
    const std::optional<QByteArray> bytes = simulate(request, document, &noLens, error);
    if (noLens) {
        faults << QCoreApplication::translate("CommandLine", "снимок не рассчитан: у расчета нет линзы.");
        return true;
    }
    if (!bytes)
        return false;
    files.add(request.out, *bytes);
    return true;
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
    nameProgram();
    if (!takeLanguage(QCoreApplication::arguments()))
        return languageError();
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all")))
        return answer(parser.helpText());
    if (parser.isSet(options.version))
        return answer(QStringLiteral("monocl %1\n").arg(QStringLiteral(MONOCL_VERSION)));
    for (const QCommandLineOption& output : options.outputs)
        if (parser.isSet(output))
            return usageError(QCoreApplication::translate("CommandLine", "--list-glasses не сочетается с --%1")
                                  .arg(output.names().constFirst()));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "--list-glasses не читает файл проекта"));
    return answer(glassCatalogueCsv());
}

int runCommandLine(const ShowWindow& showWindow, const PaintedOutputs& painted)
{
    if (!takeLanguage(QCoreApplication::arguments()))
        return languageError();
    QCommandLineParser parser;
    const Options options = describeOptions(parser);
    const QList<QCommandLineOption>& outputs = options.outputs;
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    QStringList positional = parser.positionalArguments();
    std::optional<SimulateRequest> simulate;
    if (parser.isSet(options.simulate.simulate)) {
        QString error;
        simulate = simulateRequest(parser, options.simulate, positional, &error);
        if (!simulate)
            return usageError(error);
    }
    if (positional.size() > 1)
        return usageError(QCoreApplication::translate("CommandLine", "ожидается не больше одного файла проекта, а дано %1: %2")
                              .arg(positional.size())
                              .arg(positional.join(QStringLiteral(", "))));
    const QString designFile = positional.value(0);

    bool headless = simulate.has_value();
    QSet<QString> targets;
    if (simulate)
        targets.insert(canonicalTarget(simulate->out));
    for (int i = 0; i < outputs.size(); ++i) {
        if (!parser.isSet(outputs[i]))
            continue;
        headless = true;
        const QStringList values = parser.values(outputs[i]);
        const QString name = QString::fromLatin1(OutputOptions[i].name);
        if (values.size() > 1)
            return usageError(QCoreApplication::translate("CommandLine", "параметр --%1 дан больше одного раза").arg(name));
        if (values.constFirst().isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "у параметра --%1 пустое имя файла").arg(name));
        // Through links two names may be one file, and one output would be lost.
        const QString target = canonicalTarget(values.constFirst());
        if (targets.contains(target))
            return usageError(QCoreApplication::translate("CommandLine", "файл «%1» назван для вывода дважды").arg(values.constFirst()));
        targets.insert(target);
    }
    if (!headless) {
        if (!showWindow)
            return usageError(QCoreApplication::translate("CommandLine", "не назван ни один файл для вывода"));
        return showWindow(designFile);
    }

    // Everything is read and checked before anything is computed or written.
    for (const auto& [index, painter] : {std::pair{1, bool(painted.report)}, std::pair{2, bool(painted.svg)}})
        if (parser.isSet(outputs[index]) && !painter)
            return paintingMissing(QString::fromLatin1(OutputOptions[index].name));
    if (simulate && !painted.simulate)
        return paintingMissing(QStringLiteral("simulate"));
    std::optional<DrawingLens> drawingLens;
    if (parser.isSet(QStringLiteral("drawing-lens"))) {
        const QString value = parser.value(QStringLiteral("drawing-lens"));
        drawingLens = drawingLensNamed(value);
        if (!drawingLens || *drawingLens == DrawingLens::Automatic)
            return usageError(QCoreApplication::translate("CommandLine", "у параметра --drawing-lens допустимы refined и third-order"));
    }
    const QString svgScale = parser.value(QStringLiteral("svg-scale"));
    if (!svgScale.isEmpty() && svgScale != QLatin1String("1:1") && svgScale != QLatin1String("drawing"))
        return usageError(QCoreApplication::translate("CommandLine", "у параметра --svg-scale допустимы 1:1 и drawing"));
    std::optional<DesignData> data;
    if (!designFile.isEmpty()) {
        DesignReadResult read = readDesign(designFile);
        if (!read) {
            tell(read.error);
            return ExitUsageOrFileError;
        }
        data = std::move(read.data);
    }

    MonoclState state;
    const std::unique_ptr<MonoclDocument> document = startDocument(state);
    QStringList faults;
    document->hooks().tell = [&faults](const std::exception_ptr& fault) {
        faults << QString::fromStdString(faultMessage(fault)) + QLatin1Char('.');
    };
    if (data)
        applyDesign(*document, *data);
    if (parser.isSet(QStringLiteral("drawing-lens"))) {
        DrawingSettings settings = document->drawingSettings();
        settings.lens = *drawingLens;
        document->setDrawingSettings(settings, false);
    }

    // A design that gives no lens is a failure as much as a fault is. Only
    // the SVG needs the drawing itself, with its tolerances analysed.
    const DrawingInfo drawingInfo{designFile, QDate::currentDate()};
    const WorkshopDrawing drawing = parser.isSet(outputs[2]) ? workshopDrawing(*document, drawingInfo)
                                                             : drawingOutcome(*document, drawingInfo);
    if (!drawing.problem.isEmpty())
        faults << drawing.problem;

    OutputFiles files;
    const auto path = [&](int i) { return parser.value(outputs[i]); };
    if (parser.isSet(outputs[0]))
        files.add(path(0), tablesCsv(tableContents(*document), document->decimalSeparator()));
    if (parser.isSet(outputs[1]))
        files.add(path(1), painted.report(*document, designFile));
    if (parser.isSet(outputs[2]))
        files.add(path(2), painted.svg(drawing, svgScale == QLatin1String("drawing")));
    if (parser.isSet(outputs[3])) {
        files.add(path(3), designFileBytes(captureDesign(*document)));
    }
    if (parser.isSet(outputs[4])) {
        // No lens where the drawing finds none: the design failed or faulted.
        const bool hasLens = (drawing.hasLens || drawing.refinedMissing) && document->rayLens();
        files.add(path(4), lensFileBytes(captureDesign(*document),
                                         hasLens ? document->rayLens() : std::nullopt,
                                         hasLens ? document->refinedLens() : std::nullopt));
    }
    if (parser.isSet(outputs[5]))
        files.add(path(5), zemaxBytes(*document));
    if (parser.isSet(outputs[6]))
        files.add(path(6), prescriptionBytes(*document));
    QString error;
    if (simulate && !addSimulated(files, *simulate, *document, painted.simulate, faults, &error)) {
        tell(error);
        return ExitUsageOrFileError;
    }
    if (!files.write(&error)) {
        tell(error);
        return ExitUsageOrFileError;
    }
    for (const QString& fault : faults)
        tell(fault);
    return faults.isEmpty() ? ExitDone : ExitArithmeticFault;
}

} // namespace monocl
