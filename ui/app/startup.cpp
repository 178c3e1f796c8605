#include "startup.h"

#include "language.h"
#include "ui/widgets/decimal_separator.h"

namespace monocl {

namespace {

void startState(MonoclState& state)
{
    installTranslations();
    state = MonoclState{};
    applyStartValues(state);
}

} // namespace

std::unique_ptr<Toptmono> startUp(MonoclState& state, Toptmono::HiddenTabs hiddenTabs)
{
    startState(state);
    auto window = std::make_unique<Toptmono>(state, nullptr, hiddenTabs);
    window->document().writeRangeGeneralTexts();
    return window;
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
