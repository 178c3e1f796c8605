#pragma once

#include "ui/files/glass_table.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace monocl {

class KeptBackground;

// The window's catalogue glasses beside the results: the button that opens
// the chooser, the line under the design's glass fields that names the
// chosen or the nearest glass, and the forecast's list of the glasses inside
// its range. The form feeds it the values it shows by plain calls; a glass
// picked in the chooser comes back as glassPicked, for the form to type
// into its fields. Each view is rewritten only when what it shows from has
// changed.
class GlassViews : public QObject
{
    Q_OBJECT

public:
    // The widgets are those the window's layout built; dialogParent is the
    // widget the chooser opens over.
    GlassViews(QPushButton* chooserButton, QLabel* nearestLine, QComboBox* rangeList,
               char separator, QWidget* dialogParent);
    ~GlassViews() override;

    QPushButton* chooserButton() const { return m_chooserButton; }
    QComboBox* rangeList() const { return m_rangeList; }

    // The catalogue's glass of this maker and name, the maker as in the
    // catalogue or as shown, the name in Latin or Cyrillic.
    static std::optional<std::size_t> findGlass(const QString& maker, const QString& name);

    // The design's glass values: the line names the chosen glass while they
    // are the values it was chosen at, the nearest catalogue glass otherwise.
    // The chooser opens on them.
    void showDesignGlass(double nd, double vd);
    // The forecast's range of glasses.
    void showRange(const std::array<double, 4>& ndMinMaxVdMinMax);

    // The glass chosen or named by a design file at the design's present
    // values (none forgets it); the line is rewritten at once.
    void rememberGlass(const std::optional<GlassChoice>& glass, double nd, double vd);
    // That glass, while the design still has the values it was remembered at.
    std::optional<GlassChoice> chosenGlass(double nd, double vd) const;

    // The next show* rewrites its view even with unchanged values: the
    // language has changed.
    void forgetShown();

    // Does now what the chooser's first opening would do once in a run
    // (measuring its columns over the catalogue), so that it opens at once;
    // for an idle moment after start-up.
    void prepareChooser() const;

signals:
    // A glass chosen in the chooser, maker and name as in the catalogue.
    void glassPicked(const QString& maker, const QString& name);

private:
    void openChooser();
    void writeNearestLine();

    QPushButton* m_chooserButton;
    QLabel* m_nearestLine;
    QComboBox* m_rangeList;
    char m_separator;
    QWidget* m_dialogParent;
    KeptBackground* m_lineBackground;

    // The design's values last given, and those the line shows.
    std::pair<double, double> m_designGlass{0, 0};
    std::optional<std::pair<double, double>> m_lineShownFor;
    std::optional<std::array<double, 4>> m_rangeShownFor;
    std::optional<GlassChoice> m_chosen;
    std::pair<double, double> m_chosenAt{0, 0};
};

} // namespace monocl
