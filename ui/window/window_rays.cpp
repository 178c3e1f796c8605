// The form's side of the ray check and the image: it feeds the ray view the
// document's lenses while its tab is shown, and the image view always (it
// computes only while its own tab is shown).
#include "monoclForm.h"

#include "ui/image/image_view.h"
#include "ui/rays/ray_view.h"

#include <QTabWidget>

using namespace monocl;

void Toptmono::showRayCheck()
{
    m_imageView->setLenses(m_document.rayLens(), m_document.refinedLens(), m_separator);
    if (PageControl1->currentWidget() != m_rayTab)
        return;
    m_rayView->show(m_document.rayLens(), m_document.refinedLens(), m_separator);
}
