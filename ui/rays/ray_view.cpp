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

void Toptmono::showRayCheck()
{
    if (PageControl1->currentWidget() != m_rayTab)
        return;
    const std::optional<RayLens>& lens = m_document.rayLens();
    std::optional<RayCheck> check;
    if (lens)
        check = checkByRays(*lens);
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
    m_rayPlots->setCheck(check, lens, m_separator);
}
