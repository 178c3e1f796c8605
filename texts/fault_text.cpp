#include "fault_text.h"

#include "translation.h"

namespace monocl {

std::string faultLine(const std::string& message)
{
    return withValues(MONOCL_TR("Report", "Расчет прерван ошибкой: %1"), {message + '.'});
}

} // namespace monocl
