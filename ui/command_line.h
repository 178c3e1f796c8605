#pragma once

#include <QString>

#include <optional>

namespace monocl {

// What the command line asks for without a window: --help, --version and
// --list-glasses are answered on standard output and end the program.
// Gives the exit status when the command line was such a request, none when
// the window is to open. Needs no display: a QCoreApplication is enough.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// The glass catalogue as CSV: a header line "maker,name,nd,vd", then one
// line a glass, nd to 6 and Vd to 2 decimals with a decimal point, fields
// quoted where they hold a comma, a quote or a line break.
QString glassCatalogueCsv();

} // namespace monocl
