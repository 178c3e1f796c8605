#pragma once

#include "core/monocl_state.h"
#include "ui/cli/start_document.h"
#include "ui/window/monoclForm.h"

#include <memory>

namespace monocl {

// Brings the program to its start state: the store's start values, the
// window with its controls (FormCreate runs as the last step of its
// creation), then the general texts of the glass range's two indices. The
// window speaks the language chosen (installTranslations). The window is
// returned unshown. A QApplication must exist. startDocument is the same
// start without a window.
std::unique_ptr<Toptmono> startUp(MonoclState& state,
                                  Toptmono::HiddenTabs hiddenTabs = Toptmono::HiddenTabs::BuiltAtOnce);

} // namespace monocl
