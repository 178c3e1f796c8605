#pragma once

#include "core/glass_catalogue.h"
#include "core/glass_search.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>

#include <cstddef>
#include <vector>

namespace monocl {

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

// Shows the source rows of a ranking, e.g. from rankGlasses, all of them
// until given one. Until a header is clicked the rows keep the ranking's
// order; a header click sorts them by GlassTableModel::SortRole instead.
class GlassFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit GlassFilterModel(QObject* parent = nullptr);

    void setRanking(const std::vector<GlassHit>& hits);

    // The shown row that matches best: of the rows of the best match, the
    // first shown. Invalid when no row is shown.
    QModelIndex bestMatch() const;

    // How the source row of a shown index matches; Other for every row
    // until a ranking is given.
    NameMatch matchOf(const QModelIndex& index) const;

    // A column below 0 orders the rows as ranked.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    // Place in the ranking by source row, -1 for a row not shown; empty:
    // every row, in table order.
    std::vector<int> m_place;
    std::vector<NameMatch> m_match; // by source row
    bool m_ranked = true;           // ordered by the ranking, no header clicked
};

} // namespace monocl
