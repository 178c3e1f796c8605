#pragma once

#include "glass_table_model.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace monocl {

class GlassMap;

// The dialog that picks a catalogue glass for the wanted nd and Vd: a filter
// field, the table of the glasses (sortable by any column), the glass map
// beside it and the line naming the glass nearest to the wanted values. It
// opens on the nearest glass; the map marks the wanted values, the ten
// nearest glasses and the table's current glass, and a click on the map
// makes the glass there the current row, clearing the filter when it hides
// that glass. Typing into the filter puts the best matches first and makes
// the best one the current row (see rankGlasses). "Выбрать", Enter or a
// double click on a row chooses the current glass.
class GlassChooser : public QDialog
{
    Q_OBJECT

public:
    GlassChooser(const std::vector<Glass>& glasses, double wantedNd, double wantedVd,
        char separator, QWidget* parent = nullptr);

    // The glass chosen, as an index into the vector given to the
    // constructor; none unless the dialog was accepted.
    std::optional<std::size_t> chosenGlass() const { return m_chosen; }

    // The glass of the table's current row.
    std::optional<std::size_t> currentGlass() const;

    // Makes the glass the table's current row, clearing the filter when it
    // hides the glass. An index that names no glass is ignored.
    void selectGlass(std::size_t index);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyFilter(const QString& text);
    void currentRowChanged();
    void keepCurrentInView();
    void setColumnWidths();
    std::array<int, GlassTableModel::ColumnCount> measureColumns() const;

    const std::vector<Glass> m_glasses;
    bool m_fromCatalogue; // the program's catalogue, not a list of one's own
    char m_separator;
    GlassTableModel* m_model;
    GlassFilterModel* m_proxy;
    QLineEdit* m_filter;
    QTableView* m_table;
    GlassMap* m_map;
    QLabel* m_nearestLine;
    QPushButton* m_chooseButton;
    std::optional<std::size_t> m_chosen;
};

} // namespace monocl
