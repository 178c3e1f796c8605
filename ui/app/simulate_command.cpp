// The photograph through the lens from the command line, at full size.
#include "simulate_command.h"

#include "ui/image/image_job.h"
#include "ui/image/image_scenes.h"

#include "core/photo_simulation.h"
#include "core/through_focus.h"
#include "document/monocl_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QThread>

#include <cmath>

namespace monocl {

namespace {

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
