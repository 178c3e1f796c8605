// The form's side of the ray check and the image: it feeds the ray view the
// document's lenses while its tab is shown, and the image view always once
// it is built (it computes only while its own tab is shown). Here too the
// idle building of every tab that waits for its first showing.
#include "monoclForm.h"

#include "ui/image/image_view.h"
#include "ui/rays/ray_view.h"

#include <QTabWidget>

using namespace monocl;

void Toptmono::showRayCheck()
{
    // An image view not built yet is given the lenses when it is.
    if (m_imageView)
        m_imageView->setLenses(m_document.rayLens(), m_document.refinedLens(), m_separator);
    if (PageControl1->currentWidget() != m_rayTab)
        return;
    m_rayView->show(m_document.rayLens(), m_document.refinedLens(), m_separator);
}

void Toptmono::buildHiddenTabs()
{
    buildImageView();
    fillAboutPage();
    showForecastTab();
}

void Toptmono::buildImageView()
{
    if (m_imageView)
        return;
    m_imageView = new ImageView(m_separator, m_imageTab);
    m_imageView->setLenses(m_document.rayLens(), m_document.refinedLens(), m_separator);
    // A child made after its page was shown is hidden until shown itself.
    m_imageView->show();
}
