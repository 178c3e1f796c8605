#include "real_fields.h"

namespace monocl {

FieldCorrection checkHeight(double value, const MonoclState&)
{
    if (!(value >= 0))
        return {0, true};
    return {value, false};
}

FieldCorrection checkEdge(double value, const MonoclState& state)
{
    FieldCorrection c{value, false};
    // Equal to the height counts as reaching it: the field then shows the
    // height with its decimals.
    if (c.value >= state.MeasuredHeight)
        c = {state.MeasuredHeight, true};
    if (c.value < 0)
        c = {0, true};
    return c;
}

FieldCorrection checkIndexRange(double value, const MonoclState&)
{
    if (value > 1.8)
        return {1.8, true};
    if (value < 1.4)
        return {1.4, true};
    return {value, false};
}

} // namespace monocl
