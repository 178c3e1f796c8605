#pragma once

#include <QByteArray>
#include <QString>

class Toptmono;

namespace monocl {

struct WindowContents;

// Both tables as CSV in UTF-8: the design table's title, its rows as the
// window shows them, an empty line, then the forecast table likewise. The
// fields are separated by a semicolon beside a decimal comma, by a comma
// otherwise.
QByteArray tablesCsv(const WindowContents& contents, char decimalSeparator);

bool writeTablesCsv(const Toptmono& window, const QString& path, QString* error);

} // namespace monocl
