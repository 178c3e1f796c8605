#include "monocl_state.h"

namespace monocl {

void applyStartValues(MonoclState& state)
{
    state.NdEntry = 1.5182;
    state.AbbeEntry = 63.84;
    state.MeasuredHeight = 0.004;
    state.CenterThickness = 0.002;
    state.MeasuredFocal = 0.075;
    state.MeasuredDiameter = 0.02;
    state.NdMax = 1.8;
    state.NdMin = 1.4;
}

} // namespace monocl
