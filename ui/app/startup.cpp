#include "startup.h"

namespace monocl {

std::unique_ptr<Toptmono> startUp(MonoclState& state, Toptmono::HiddenTabs hiddenTabs)
{
    startState(state);
    auto window = std::make_unique<Toptmono>(state, nullptr, hiddenTabs);
    window->document().writeRangeGeneralTexts();
    return window;
}

} // namespace monocl
