#include "exchange_output.h"

#include "ui/files/output_files.h"

#include "document/monocl_document.h"
#include "texts/exchange_files.h"
#include "texts/lens_texts.h"
#include "drawing_data.h"

#include <QCoreApplication>

#include <functional>
#include <optional>
#include <string>

namespace monocl {

namespace {

using LensText = std::function<std::optional<std::string>(const RayLens&, const std::string&)>;

QByteArray exchangeBytes(const MonoclDocument& document, const LensText& text, const char* comment,
                         QString* failure)
{
    QString why;
    if (const auto drawn = document.drawnLens()) {
        // The title is for a program's list of lenses: ASCII, in English.
        const std::string title =
            std::string("monocl meniscus, ") + (drawn->refined ? "refined by rays" : "third-order design");
        if (const auto written = text(drawn->lens, title))
            return QByteArray::fromStdString(*written);
        why = QCoreApplication::translate("ExchangeFile", "У линзы нет параксиального фокуса: файл обмена не записан.");
    } else {
        why = drawingOutcome(document).note;
    }
    if (failure)
        *failure = why;
    return QByteArray(comment) + why.toUtf8() + '\n';
}

} // namespace

QByteArray zemaxBytes(const MonoclDocument& document, QString* failure)
{
    return exchangeBytes(document, zemaxFile, "! ", failure);
}

QByteArray prescriptionBytes(const MonoclDocument& document, QString* failure)
{
    return exchangeBytes(document, prescriptionText, "# ", failure);
}

bool writeZemax(const MonoclDocument& document, const QString& path, QString* error)
{
    return writeFileAtomically(path, zemaxBytes(document), error);
}

bool writePrescription(const MonoclDocument& document, const QString& path, QString* error)
{
    return writeFileAtomically(path, prescriptionBytes(document), error);
}

} // namespace monocl
