#pragma once

#include "image_scenes.h"

#include "core/ray_refine.h"
#include "core/ray_trace.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace monocl {

struct ImageResults;
class FocusMtfPlot;
class ImageWorker;
class MtfPlot;
class PhotoCompare;
class PsfPicture;

// The image tab: the PSF on the axis, the MTF curves against frequency and
// through focus, and the photograph of a scene through the lens beside the
// sharp scene. It owns every widget of
// the tab and is fed from above by plain calls. It computes in a worker
// thread, and only while it is shown: an input changed while hidden waits
// for the tab to be shown, one changed while computing starts it again.
class ImageView : public QWidget
{
    Q_OBJECT

public:
    // Fills its parent, the tab page.
    ImageView(char separator, QWidget* parent);
    ~ImageView() override;

    // The design's lens (none when the design found no meniscus) and its
    // refinement. The N and the focus shift return to the design's N and 0
    // when the design's lens changes.
    void setLenses(const std::optional<RayLens>& design, const std::optional<RefinedLens>& refined,
                   char separator);

    // Takes the picture at path as the scene. False, after a box naming the
    // file, when it cannot be read; then nothing changes.
    bool openPicture(const QString& path);
    // Writes the photograph as PNG or JPEG (by the name's suffix), whole or
    // not at all. False with the message when there is none or it failed.
    bool savePhotograph(const QString& path, QString* error) const;

    // Whether the shown results are those of the current inputs.
    bool hasResults() const { return m_hasResults; }
    bool computing() const;
    // How many computations have been started, for the tests.
    int computeCount() const { return m_computeCount; }

    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Caption {
        QWidget* widget;
        const char* text;
        // The switch's words are the ray tab's, translated once for both.
        const char* context = "ImageView";
    };

    void createControls();
    void createPictures();
    QLabel* label(const char* text, const QRect& place);
    void fitParent();
    const RayLens* chosenLens() const;
    void resetStopAndFocus();
    QImage sceneImage() const;
    void inputsChanged();
    void startComputing();
    void showResults(const std::optional<ImageResults>& results);
    void showProgress();
    void clearResults();
    void chooseAndOpen();
    void chooseAndSave();

    char m_separator = ',';
    std::optional<RayLens> m_design;
    std::optional<RefinedLens> m_refined;
    QImage m_openedPicture;
    bool m_hasResults = false;
    bool m_stale = true;
    int m_computeCount = 0;

    std::vector<Caption> m_captions;
    QRadioButton* m_showDesign = nullptr;
    QRadioButton* m_showRefined = nullptr;
    QDoubleSpinBox* m_fNumber = nullptr;
    QDoubleSpinBox* m_focus = nullptr;
    QComboBox* m_scene = nullptr;
    QComboBox* m_light = nullptr;
    QCheckBox* m_logScale = nullptr;
    QDoubleSpinBox* m_frequency = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    PsfPicture* m_psf = nullptr;
    MtfPlot* m_mtf = nullptr;
    FocusMtfPlot* m_focusMtf = nullptr;
    PhotoCompare* m_photo = nullptr;

    ImageWorker* m_worker = nullptr;
    QTimer m_progressTimer;
    QElapsedTimer m_started;
};

} // namespace monocl
