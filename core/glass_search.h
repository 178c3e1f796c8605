#pragma once

#include "glass_catalogue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace monocl {

// The text as the glass filter compares it: case folded as by foldCase,
// the Cyrillic letters that look like Latin ones (А В Е К М Н О Р С Т Х, in
// either case) taken as those Latin letters, and the invisible marks a
// pasted name may carry (zero-width spaces and joiners, direction marks,
// the byte-order mark, the soft hyphen) left out. So "К8" typed on a
// Russian keyboard and "K8" read the same, and Б stays Б.
std::u32string glassSearchKey(std::string_view utf8);

// Indices, in table order, of the glasses whose name (Latin or Cyrillic) or
// maker (as in the table or as displayed) contains the query, compared by
// glassSearchKey. Blanks around the query are ignored; an empty query
// matches every glass.
std::vector<std::size_t> filterGlasses(const std::vector<Glass>& glasses, std::string_view query);

// How well a glass kept by the filter answers it, best first.
enum class NameMatch {
    Whole, // its Latin or Cyrillic name is the query
    Start, // one of its names starts with the query
    Other, // the query is elsewhere in a name or in the maker
};

struct GlassHit {
    std::size_t index;
    NameMatch match;
    bool operator==(const GlassHit&) const = default;
};

// The glasses filterGlasses keeps, best match first: whole names, then the
// names that start with the query, then the others, each group in table
// order. Every glass is an Other for an empty query.
std::vector<GlassHit> rankGlasses(const std::vector<Glass>& glasses, std::string_view query);

} // namespace monocl
