#pragma once

#include "core/glass_catalogue.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace monocl {

class GlassMap;

// The glasses as a table: one row a glass, in the order of the vector, with
// the maker, the name (a Cyrillic name followed by the Latin one in
// brackets), nd to 4 and Vd to 2 decimals. SortRole gives what the rows sort
// by: nd and Vd as numbers, the texts without case and with runs of digits
// compared as numbers (K8 before K10); the maker column sorts by maker, then
// by name. The model does not own the glasses.
class GlassTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { MakerColumn, NameColumn, NdColumn, VdColumn, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    GlassTableModel(const std::vector<Glass>& glasses, char separator, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
        int role = Qt::DisplayRole) const override;

    // The text shown in the name column.
    static QString nameText(const Glass& glass);

private:
    const std::vector<Glass>& m_glasses;
    char m_separator;
    std::vector<QString> m_makerKeys;
    std::vector<QString> m_nameKeys;
};

// Sorts by GlassTableModel::SortRole and shows only the source rows it was
// told to accept, all of them until told otherwise.
class GlassFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit GlassFilterModel(QObject* parent = nullptr);

    // The source rows to show, e.g. from filterGlasses.
    void setAcceptedRows(const std::vector<std::size_t>& rows);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::vector<bool> m_accepted; // by source row; empty: every row
    bool m_acceptsAll = true;
};

// The dialog that picks a catalogue glass for the wanted nd and Vd: a filter
// field, the table of the glasses (sortable by any column), the glass map
// beside it and the line naming the glass nearest to the wanted values. It
// opens on the nearest glass; the map marks the wanted values, the ten
// nearest glasses and the table's current glass, and a click on the map
// makes the glass there the current row, clearing the filter when it hides
// that glass. "Выбрать", Enter or a double click on a row chooses the
// current glass.
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
    void setColumnWidths();

    const std::vector<Glass> m_glasses;
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
