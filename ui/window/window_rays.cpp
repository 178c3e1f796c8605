// The form's side of the ray check: it feeds the ray view the document's
// lenses while its tab is shown.
#include "monoclForm.h"

#include "ui/rays/ray_view.h"

#include <QTabWidget>

using namespace monocl;

void Toptmono::showRayCheck()
{
    if (PageControl1->currentWidget() != m_rayTab)
        return;
    m_rayView->show(m_document.rayLens(), m_document.refinedLens(), m_separator);
}
