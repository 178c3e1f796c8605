#pragma once

#include "core/glass_catalogue.h"

#include <QString>

#include <vector>

namespace monocl {

// The catalogue of optical glasses built into the program, read from its
// resource at the first call and kept. Empty if the resource cannot be read.
const std::vector<Glass>& glassCatalogue();

// A glass named by its maker and name, as the catalogue or a design file
// spells them.
struct GlassChoice
{
    QString maker;
    QString name;
    bool operator==(const GlassChoice&) const = default;
};

} // namespace monocl
