#include "csv_text.h"

namespace monocl {

char csvFieldSeparator(char decimalSeparator)
{
    return decimalSeparator == ',' ? ';' : ',';
}

namespace {

void appendField(std::string& out, const std::string& field, char separator)
{
    const bool quoted = field.find_first_of(std::string{separator, '"', '\r', '\n'})
        != std::string::npos;
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string csvText(const std::vector<std::vector<std::string>>& rows, char separator)
{
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += separator;
            appendField(out, row[i], separator);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace monocl
