#pragma once

#include <string>
#include <vector>

namespace monocl {

// The field separator of a table file: a semicolon where numbers carry a
// decimal comma, a comma otherwise.
char csvFieldSeparator(char decimalSeparator);

// The rows as CSV text (RFC 4180): fields joined by the separator, each
// record ended by CR LF. A field that holds the separator, a double quote, a
// CR or an LF is put in double quotes, its quotes doubled; any other field is
// written as it is. The texts are taken as UTF-8 and passed on unchanged.
std::string csvText(const std::vector<std::vector<std::string>>& rows, char separator);

} // namespace monocl
