#include "glass_table_model.h"

#include <QCoreApplication>

#include "format/number_text.h"

#include <algorithm>
#include <cmath>

namespace monocl {

namespace {

// How many glasses the map rings as the nearest to the wanted values.
constexpr int NearCount = 10;

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// A text that sorts as wanted by a plain comparison: without case, and with
// each run of digits padded with zeros so that runs compare as numbers.
QString sortKey(const std::string& text)
{
    const std::u32string folded = foldCase(text);
    std::u32string key;
    key.reserve(folded.size() + 16);
    for (std::size_t i = 0; i < folded.size();) {
        if (folded[i] < U'0' || folded[i] > U'9') {
            key.push_back(folded[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < folded.size() && folded[end] >= U'0' && folded[end] <= U'9')
            ++end;
        while (i + 1 < end && folded[i] == U'0') // leading zeros do not count
            ++i;
        constexpr std::size_t Width = 12;
        if (end - i < Width)
            key.append(Width - (end - i), U'0');
        key.append(folded, i, end - i);
        i = end;
    }
    return QString::fromUcs4(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

// --- GlassTableModel --------------------------------------------------------

GlassTableModel::GlassTableModel(const std::vector<Glass>& glasses, char separator,
    QObject* parent)
    : QAbstractTableModel(parent)
    , m_glasses(glasses)
    , m_separator(separator)
{
    m_makerKeys.reserve(glasses.size());
    m_nameKeys.reserve(glasses.size());
    for (const Glass& g : glasses) {
        m_nameKeys.push_back(sortKey(glassDisplayName(g) + " " + g.name));
        m_makerKeys.push_back(sortKey(makerDisplayName(g.maker)) + QChar(1) + m_nameKeys.back());
    }
}

int GlassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_glasses.size());
}

int GlassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString GlassTableModel::nameText(const Glass& glass)
{
    if (glass.cyrillicName.empty() || glass.cyrillicName == glass.name)
        return qs(glass.name);
    return qs(glass.cyrillicName + " (" + glass.name + ")");
}

QVariant GlassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const Glass& g = m_glasses[row];
    const int column = index.column();

    if (role == Qt::DisplayRole) {
        switch (column) {
        case MakerColumn:
            return qs(makerDisplayName(g.maker));
        case NameColumn:
            return nameText(g);
        case NdColumn:
            return std::isfinite(g.nd) ? qs(fixedText(g.nd, 8, 4, m_separator)) : QString();
        case VdColumn:
            return std::isfinite(g.vd) ? qs(fixedText(g.vd, 8, 2, m_separator)) : QString();
        default:
            return {};
        }
    }
    if (role == SortRole) {
        switch (column) {
        case MakerColumn:
            return m_makerKeys[row];
        case NameColumn:
            return m_nameKeys[row];
        case NdColumn:
            return g.nd;
        case VdColumn:
            return g.vd;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        if (column == NdColumn || column == VdColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant GlassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        switch (section) {
        case MakerColumn:
            return QCoreApplication::translate("GlassChooser", "Производитель");
        case NameColumn:
            return QCoreApplication::translate("GlassChooser", "Марка");
        case NdColumn:
            return QStringLiteral("nd");
        case VdColumn:
            return QStringLiteral("Vd");
        default:
            return {};
        }
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

// --- GlassFilterModel -------------------------------------------------------

GlassFilterModel::GlassFilterModel(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(GlassTableModel::SortRole);
    setDynamicSortFilter(true);
}

void GlassFilterModel::setRanking(const std::vector<GlassHit>& hits)
{
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    std::vector<int> place(static_cast<std::size_t>(count), -1);
    std::vector<NameMatch> match(place.size(), NameMatch::Other);
    int next = 0;
    for (const GlassHit& hit : hits) {
        if (hit.index < place.size()) {
            place[hit.index] = next++;
            match[hit.index] = hit.match;
        }
    }
    if (place == m_place && match == m_match)
        return;
    m_place = std::move(place);
    m_match = std::move(match);
    invalidate(); // the rows shown and, while ranked, their order
}

QModelIndex GlassFilterModel::bestMatch() const
{
    QModelIndex best;
    for (int row = 0; row < rowCount(); ++row) {
        const QModelIndex shown = index(row, 0);
        if (!best.isValid() || matchOf(shown) < matchOf(best))
            best = shown;
    }
    return best;
}

NameMatch GlassFilterModel::matchOf(const QModelIndex& index) const
{
    const int row = mapToSource(index).row();
    if (row < 0 || static_cast<std::size_t>(row) >= m_match.size())
        return NameMatch::Other;
    return m_match[static_cast<std::size_t>(row)];
}

void GlassFilterModel::sort(int column, Qt::SortOrder order)
{
    const bool ranked = column < 0;
    const int sortedColumn = ranked ? 0 : column;
    const Qt::SortOrder sortedOrder = ranked ? Qt::AscendingOrder : order;
    // The ranked order sorts on column 0 with a comparison of its own, so
    // the first click on that column's header looks to the base class like
    // a sort it has done already.
    const bool looksDone = sortColumn() == sortedColumn && sortOrder() == sortedOrder;
    const bool modeChanged = ranked != m_ranked;
    m_ranked = ranked;
    if (looksDone && modeChanged)
        invalidate();
    else
        QSortFilterProxyModel::sort(sortedColumn, sortedOrder);
}

bool GlassFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_place.empty())
        return true;
    return sourceRow >= 0 && static_cast<std::size_t>(sourceRow) < m_place.size()
        && m_place[static_cast<std::size_t>(sourceRow)] >= 0;
}

bool GlassFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_ranked)
        return QSortFilterProxyModel::lessThan(left, right);
    if (m_place.empty())
        return left.row() < right.row();
    return m_place[static_cast<std::size_t>(left.row())]
        < m_place[static_cast<std::size_t>(right.row())];
}

} // namespace monocl
