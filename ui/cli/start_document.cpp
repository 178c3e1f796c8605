#include "start_document.h"

#include "language.h"
#include "ui/files/decimal_separator.h"

namespace monocl {

void startState(MonoclState& state)
{
    installTranslations();
    state = MonoclState{};
    applyStartValues(state);
}

std::unique_ptr<MonoclDocument> startDocument(MonoclState& state)
{
    startState(state);
    auto document = std::make_unique<MonoclDocument>(state, systemDecimalSeparator());
    document->formCreate();
    document->writeRangeGeneralTexts();
    return document;
}

} // namespace monocl
