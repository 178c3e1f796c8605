#pragma once

#include "core/glass_catalogue.h"

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

} // namespace monocl
