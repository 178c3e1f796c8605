#include "decimal_separator.h"

#include <QLocale>

namespace monocl {

char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

} // namespace monocl
