// The image tab's computation: started when shown and inputs have changed,
// cancelled when hidden, its progress shown after a short while.
#include "image_view.h"

#include "focus_mtf_plot.h"
#include "image_job.h"
#include "image_worker.h"
#include "mtf_plot.h"
#include "photo_compare.h"
#include "psf_picture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

namespace monocl {

namespace {

constexpr int SceneWidth = 600;
constexpr int SceneHeight = 400;
constexpr int ProgressDelayMs = 100;

} // namespace

bool ImageView::computing() const { return m_worker->running(); }

QImage ImageView::sceneImage() const
{
    const int index = m_scene->currentIndex();
    if (index == 3 && !m_openedPicture.isNull())
        return m_openedPicture;
    return builtInScene(static_cast<BuiltInScene>(std::clamp(index, 0, 2)), SceneWidth, SceneHeight);
}

// What is shown no longer belongs to the inputs: it goes, and the work
// starts again if the tab is shown.
void ImageView::inputsChanged()
{
    clearResults();
    m_stale = true;
    if (isVisible())
        startComputing();
    else
        m_worker->cancel();
}

void ImageView::clearResults()
{
    m_hasResults = false;
    m_psf->setPsf(std::nullopt);
    m_mtf->setCurves({}, {});
    m_focusMtf->setSpreads({}, 0);
    m_photo->setScene(sceneImage());
    m_photo->setPhotograph(QImage());
    m_save->setEnabled(false);
}

void ImageView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale)
        startComputing();
}

void ImageView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_worker->running()) {
        m_worker->cancel();
        m_stale = true;
    }
    m_progressTimer.stop();
    m_progress->hide();
}

void ImageView::startComputing()
{
    m_stale = false;
    const RayLens* lens = chosenLens();
    if (!lens) {
        m_worker->cancel();
        m_status->setText(QCoreApplication::translate("ImageView", "Нет линзы: мениск не найден."));
        return;
    }
    m_status->setText(QCoreApplication::translate("ImageView", "Расчет…"));
    ++m_computeCount;
    m_worker->start(ImageInputs{*lens, m_fNumber->value(), m_focus->value(),
                                static_cast<LightKind>(m_light->currentIndex()),
                                toLinear(sceneImage())});
    m_started.start();
    m_progressTimer.start();
}

void ImageView::showProgress()
{
    if (!m_worker->running() || m_started.elapsed() < ProgressDelayMs)
        return;
    m_progress->setValue(int(std::lround(100 * m_worker->progress())));
    m_progress->show();
}

void ImageView::showResults(const std::optional<ImageResults>& results)
{
    m_progressTimer.stop();
    m_progress->hide();
    if (!results) {
        m_status->setText(QCoreApplication::translate(
            "ImageView", "Изображение не получено: линза не строит его при этих N и сдвиге фокуса."));
        return;
    }
    m_status->clear();
    m_psf->setPsf(results->axialPsf);
    m_mtf->setCurves(results->mtf, results->diffractionLimit);
    static_assert(FocusMtfPlot::Fields == FocusFieldShares.size());
    m_focusMtf->setSpreads(results->throughFocus, m_focus->value());
    m_photo->setPhotograph(fromLinear(results->photograph));
    m_hasResults = true;
    m_save->setEnabled(true);
}

} // namespace monocl
