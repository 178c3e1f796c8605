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

void GlassFilterModel::setAcceptedRows(const std::vector<std::size_t>& rows)
{
    const int count = sourceModel() ? sourceModel()->rowCount() : 0;
    std::vector<bool> accepted(static_cast<std::size_t>(count), false);
    for (std::size_t row : rows)
        if (row < accepted.size())
            accepted[row] = true;
    const bool all = std::all_of(accepted.begin(), accepted.end(), [](bool a) { return a; });
    if (all && m_acceptsAll)
        return;
    if (accepted == m_accepted && all == m_acceptsAll)
        return;
    m_accepted = std::move(accepted);
    m_acceptsAll = all;
    invalidateFilter();
}

bool GlassFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_acceptsAll)
        return true;
    return sourceRow >= 0 && static_cast<std::size_t>(sourceRow) < m_accepted.size()
        && m_accepted[static_cast<std::size_t>(sourceRow)];
}

} // namespace monocl
