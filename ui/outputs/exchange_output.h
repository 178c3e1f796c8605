#pragma once

#include <QByteArray>
#include <QString>

namespace monocl {

class MonoclDocument;

// The exchange files of the lens the drawing is made from: the Zemax lens
// file and the plain prescription. Without a lens (a failed design, a
// refined lens asked for and not found) the file holds only the line that
// says why, as a comment of its kind, and *failure is that line.
QByteArray zemaxBytes(const MonoclDocument& document, QString* failure = nullptr);
QByteArray prescriptionBytes(const MonoclDocument& document, QString* failure = nullptr);

bool writeZemax(const MonoclDocument& document, const QString& path, QString* error);
bool writePrescription(const MonoclDocument& document, const QString& path, QString* error);

} // namespace monocl
