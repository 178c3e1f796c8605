#pragma once

#include "core/glass_catalogue.h"

#include <vector>

namespace monocl {

// The catalogue of optical glasses built into the program, read from its
// resource at the first call and kept. Empty if the resource cannot be read.
const std::vector<Glass>& glassCatalogue();

} // namespace monocl
