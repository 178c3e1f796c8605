// The options of the photograph through the lens on the command line.
#include "simulate_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace monocl {

namespace {

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

SimulateOptions addSimulateOptions(QCommandLineParser& parser)
{
    SimulateOptions options{
        QCommandLineOption(QStringLiteral("simulate"),
                           QCoreApplication::translate("CommandLine", "Снять снимок СНИМОК (JPEG, PNG, TIFF) через линзу и записать в файл ВЫХОД (PNG или JPEG), "
                              "названный следом: --simulate СНИМОК ВЫХОД."),
                           QCoreApplication::translate("CommandLine", "СНИМОК")),
        QCommandLineOption(QStringLiteral("fnumber"), QCoreApplication::translate("CommandLine", "Диафрагменное число для --simulate (от 1 до 64)."),
                           QStringLiteral("N")),
        QCommandLineOption(QStringLiteral("focus"), QCoreApplication::translate("CommandLine", "Сдвиг фокуса для --simulate от параксиальной плоскости, мм; без него наилучший фокус."), QStringLiteral("MM")),
    };
    for (const QCommandLineOption& o : {options.simulate, options.fNumber, options.focus})
        parser.addOption(o);
    return options;
}

std::optional<SimulateRequest> simulateRequest(const QCommandLineParser& parser, const SimulateOptions& options,
                                               QStringList& positional, QString* error)
{
    SimulateRequest request;
    request.in = parser.value(options.simulate);
    if (positional.isEmpty() || request.in.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "у параметра --simulate должны быть два файла: снимок и выход");
        return std::nullopt;
    }
    request.out = positional.takeFirst();
    if (parser.isSet(options.fNumber)) {
        request.fNumber = number(parser.value(options.fNumber));
        if (!request.fNumber || *request.fNumber < 1 || *request.fNumber > 64) {
            *error = QCoreApplication::translate("CommandLine", "у параметра --fnumber допустимо число от 1 до 64");
            return std::nullopt;
        }
    }
    if (parser.isSet(options.focus)) {
        const std::optional<double> focus = number(parser.value(options.focus));
        if (!focus) {
            *error = QCoreApplication::translate("CommandLine", "у параметра --focus должно быть число, мм");
            return std::nullopt;
        }
        request.focus = *focus;
    }
    QFile file(request.in);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CommandLine", "снимок «%1» не прочитан: %2").arg(request.in, file.errorString());
        return std::nullopt;
    }
    request.picture = file.readAll();
    return request;
}

} // namespace monocl
