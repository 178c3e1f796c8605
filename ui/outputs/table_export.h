#pragma once

#include <QByteArray>
#include <QString>


namespace monocl {

class MonoclDocument;
struct OutputContents;

// Both tables as CSV in UTF-8: the design table's title, its rows as the
// window shows them, an empty line, then the forecast table likewise, an
// empty line and the lens data at full precision ("Данные линзы"). The
// fields are separated by a semicolon beside a decimal comma, by a comma
// otherwise.
QByteArray tablesCsv(const OutputContents& contents, char decimalSeparator);

bool writeTablesCsv(const MonoclDocument& document, const QString& path, QString* error);

} // namespace monocl
