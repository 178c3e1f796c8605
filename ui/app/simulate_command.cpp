// The photograph through the lens from the command line, at full size.
#include "simulate_command.h"

#include "ui/image/image_job.h"
#include "ui/image/image_scenes.h"

#include "core/photo_simulation.h"
#include "core/through_focus.h"
#include "document/monocl_document.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QThread>

#include <cmath>

namespace monocl {

namespace {

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QImage decode(const SimulateRequest& request, QString* error)
{
    QByteArray bytes = request.picture;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QString reason;
    const QImage image = readScene(reader, &reason);
    if (image.isNull())
        *error = QCoreApplication::translate("CommandLine", "снимок «%1» не прочитан: %2").arg(request.in, reason);
    return image;
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

std::optional<QByteArray> simulatedPhotograph(const SimulateRequest& request, const MonoclDocument& document,
                                              bool* noLens, QString* error)
{
    *noLens = false;
    const QImage picture = decode(request, error);
    if (picture.isNull())
        return std::nullopt;
    const std::optional<RefinedLens>& refined = document.refinedLens();
    const std::optional<RayLens>& design = document.rayLens();
    const RayLens* lens = refined && refined->found ? &refined->lens : design ? &*design : nullptr;
    const std::optional<double> focal = lens ? paraxialFocal(*lens) : std::nullopt;
    if (!focal || !(lens->stopDiameter > 0)) {
        *noLens = true;
        return std::nullopt;
    }
    if (request.focus && std::abs(*request.focus) > std::abs(*focal) / 2) {
        *error = QCoreApplication::translate("CommandLine", "сдвиг фокуса %1 мм больше половины фокусного расстояния").arg(*request.focus);
        return std::nullopt;
    }
    const double fNumber = request.fNumber.value_or(std::abs(*focal) / lens->stopDiameter);
    const double focus = request.focus.value_or(bestFocusAt(*lens, fNumber));
    const std::optional<LinearImage> photo =
        simulatePhotograph(toLinear(picture), *lens, fNumber, focus, LightKind::Panchromatic,
                           std::max(1, QThread::idealThreadCount()));
    if (!photo) {
        *noLens = true;
        return std::nullopt;
    }
    const QString suffix = QFileInfo(request.out).suffix().toLower();
    const bool jpeg = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, jpeg ? "JPEG" : "PNG");
    if (!writer.write(fromLinear(*photo))) {
        *error = QCoreApplication::translate("CommandLine", "снимок не закодирован: %1").arg(writer.errorString());
        return std::nullopt;
    }
    return bytes;
}

} // namespace monocl
