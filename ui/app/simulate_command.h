#pragma once

#include "ui/cli/simulate_options.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace monocl {

class MonoclDocument;

// The photograph's file bytes through the document's lens (refined when
// found). None with the message when the picture cannot be read or the
// request does not fit the lens; *noLens tells a design without a lens.
std::optional<QByteArray> simulatedPhotograph(const SimulateRequest& request, const MonoclDocument& document,
                                              bool* noLens, QString* error);

} // namespace monocl
