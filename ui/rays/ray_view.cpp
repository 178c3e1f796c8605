// The ray check on its tab: the lens of the design, traced while the tab is
// shown, into the grid and the pictures. It never shows a box of its own:
// what cannot be had shows as a dash.
#include "ui/window/monoclForm.h"

#include "ray_plots.h"
#include "ui/widgets/string_grid.h"

#include "core/ray_trace.h"
#include "texts/ray_table.h"

#include <QTabWidget>

using namespace monocl;

namespace {

constexpr int RayLabelWidth = 420;
constexpr int RayValueWidth = 80;

} // namespace

// Read right after the design steps: the forecast later reuses the store's
// R2 for its own lens.
void Toptmono::keepRayLens(const RecomputeLocals& locals)
{
    if (locals.DesignFailed != 0)
        return;
    const MonoclState& s = m_state;
    m_rayLens = designedRayLens(s);
    m_refineTarget = RefineTarget{s.FocalLength * 1000, static_cast<int>(locals.EdgeRatio), s.CorrectionType};
}

const std::optional<RefinedLens>& Toptmono::refinedLens() const
{
    // Refined only when asked for: by the ray tab while it is shown, or by
    // an output.
    if (m_rayLens && !m_refinedLens)
        m_refinedLens = refineByRays(*m_rayLens, m_refineTarget);
    return m_refinedLens;
}

void Toptmono::showRayCheck()
{
    if (PageControl1->currentWidget() != m_rayTab)
        return;
    std::optional<RayCheck> check;
    if (m_rayLens)
        check = checkByRays(*m_rayLens);
    RayGrid->setColCount(2);
    RayGrid->setRowCount(RayTableRows);
    RayGrid->setColWidth(0, RayLabelWidth);
    RayGrid->setColWidth(1, RayValueWidth);
    for (int col = 0; col < 2; ++col)
        RayGrid->setCell(col, 0, QString::fromStdString(rayTableHeader(col)));
    const RayCheck none;
    for (int row = 1; row < RayTableRows; ++row) {
        RayGrid->setCell(0, row, QString::fromStdString(rayTableLabel(row)));
        RayGrid->setCell(1, row, QString::fromStdString(rayTableValue(row, check ? *check : none, m_separator)));
    }
    m_rayPlots->setCheck(check, m_rayLens, m_separator);
}
