#pragma once

#include "core/monocl_state.h"
#include "document/monocl_document.h"

#include <memory>

namespace monocl {

// The store at its start values, in the language chosen
// (installTranslations): the first step of every start, with a window or
// without.
void startState(MonoclState& state);

// The start without a window: the document as the window would hold it. A
// QCoreApplication is enough.
std::unique_ptr<MonoclDocument> startDocument(MonoclState& state);

} // namespace monocl
