#pragma once

#include "core/aperture_series.h"
#include "core/ray_refine.h"
#include "core/ray_spots.h"
#include "core/ray_trace.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace monocl {

class RayPlots;
class StringGrid;

// The ray check's tab: both lenses traced side by side (RayGrid), their
// data (LensGrid) and what makes them hard to build (RayWarnings), the
// softness by aperture (ApertureGrid, with a field for any N) and the
// pictures of either lens (rayPlots, with a switch above). It owns every
// widget of the tab and is fed from above by plain calls; it never shows a
// box: what cannot be had shows as a dash.
class RayView : public QWidget
{
    Q_OBJECT

public:
    // Fills its parent, the tab page.
    RayView(char separator, QWidget* parent);
    ~RayView() override;

    // Traces and shows both lenses: the design's (none when the design
    // found no meniscus) and its refinement (none likewise). Call it only
    // while the tab is shown: it traces at once.
    void show(const std::optional<RayLens>& design, const std::optional<RefinedLens>& refined,
              char separator);

    // The line that tells a fault of the design (shown and worded by the form).
    QLabel& faultLine() const { return *m_faultLine; }

    // Writes every caption anew in the window's language; the tables are
    // written by the next show.
    void retranslate();

    // Which lens the pictures show.
    enum class Shown { Design, Refined };
    Shown shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitParent();

    struct Caption {
        QWidget* widget;
        const char* text;
    };

    QLabel* label(const char* name, const char* text, const QRect& place, QWidget* parent);
    QGroupBox* box(const char* name, const char* text, const QRect& place);
    StringGrid* grid(const char* name, QWidget* parent, const QRect& place, std::initializer_list<int> widths);
    void writeRayTable();
    void writeLensTable();
    void writeApertureTable();
    void writePictures();
    std::optional<double> typedFNumber() const;
    const RayLens* refinedLens() const;

    char m_separator = ',';
    std::optional<RayLens> m_design;
    std::optional<RefinedLens> m_refined;
    std::optional<RayCheck> m_designCheck;
    std::optional<RayCheck> m_refinedCheck;
    // The pictures' spots of each lens, made when first shown.
    std::array<std::optional<SpotPictures>, 2> m_spots;

    std::vector<Caption> m_captions;
    // The tables.
    StringGrid* m_rayGrid = nullptr;
    StringGrid* m_lensGrid = nullptr;
    // The lines under them: the refinement, the lenses' flaws, a fault.
    QLabel* m_refinement = nullptr;
    QLabel* m_warnings = nullptr;
    QLabel* m_faultLine = nullptr;
    // The softness by aperture, with the field for any N.
    QGroupBox* m_apertureBox = nullptr;
    StringGrid* m_apertureGrid = nullptr;
    QLineEdit* m_fNumber = nullptr;
    // The pictures and the switch between the lenses.
    QRadioButton* m_showDesign = nullptr;
    QRadioButton* m_showRefined = nullptr;
    RayPlots* m_plots = nullptr;
};

} // namespace monocl
