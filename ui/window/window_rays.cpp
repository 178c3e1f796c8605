// The form's side of the ray check: it keeps the design's lens, refines it
// when asked, and feeds the ray view while its tab is shown.
#include "monoclForm.h"

#include "ui/rays/ray_view.h"

#include <QTabWidget>

using namespace monocl;

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
    m_rayView->show(m_rayLens, refinedLens(), m_separator);
}
