#pragma once

#include "monocl_state.h"

#include <array>
#include <cstddef>

namespace monocl {

// What a field's checks make of a value that parsed: the value to keep, and
// whether the field must show it in place of what was typed.
struct FieldCorrection {
    double value;
    bool shown;
};

// One of the eight edit fields that hold a real number. Each change parses
// the text; an unparsable one is replaced by the stored value, a parsed one
// passes the checks and is stored.
struct RealField {
    const char* name;             // object name of the edit field
    double MonoclState::*stored;  // the last accepted value
    int decimals;                 // of a text written back into the field
    // nullptr when every value is accepted as it is.
    FieldCorrection (*check)(double value, const MonoclState& state);
};

// The fields in this order.
enum class RealFieldId { NDedit, ABEdit, ihm, ih, id, iff, inmin, inmax };

// A lens height is never negative.
FieldCorrection checkHeight(double value, const MonoclState& state);
// The edge is at most the lens height and never negative.
FieldCorrection checkEdge(double value, const MonoclState& state);
// The glass range's refractive index is held to 1.4..1.8.
FieldCorrection checkIndexRange(double value, const MonoclState& state);

inline constexpr std::array<RealField, 8> RealFields = {{
    {"NDedit", &MonoclState::NdEntry, 4, nullptr},
    {"ABEdit", &MonoclState::AbbeEntry, 2, nullptr},
    {"ihm", &MonoclState::MeasuredHeight, 2, checkHeight},
    {"ih", &MonoclState::MeasuredEdge, 2, checkEdge},
    {"id", &MonoclState::MeasuredDiameter, 2, nullptr},
    {"iff", &MonoclState::MeasuredFocal, 2, nullptr},
    {"inmin", &MonoclState::NdMin, 2, checkIndexRange},
    {"inmax", &MonoclState::NdMax, 2, checkIndexRange},
}};

inline const RealField& realField(RealFieldId id)
{
    return RealFields[static_cast<std::size_t>(id)];
}

} // namespace monocl
