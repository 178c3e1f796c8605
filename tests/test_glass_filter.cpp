// The glass chooser's filter on the whole catalogue: which glass it puts
// first and makes current, so that typing a name and Enter chooses it.
#include "glass_chooser_parts.h"

#include "qt_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace monocl;
using namespace monocl::test;

namespace {

// The values the window starts with; their nearest glass is Hikari E-BK7.
constexpr double StartNd = 1.5182;
constexpr double StartVd = 64;

const std::vector<Glass>& wholeTable()
{
    static const std::vector<Glass> glasses = [] {
        std::ifstream file(MONOCL_GLASS_TABLE_PATH, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return parseGlassTable(text.str());
    }();
    return glasses;
}

QString makerAndName(const std::vector<Glass>& glasses, std::optional<std::size_t> index)
{
    if (!index)
        return QStringLiteral("(none)");
    const Glass& g = glasses[*index];
    return QString::fromStdString(g.maker + " " + g.name);
}

bool rowInView(const QTableView& table, const QModelIndex& index)
{
    return index.isValid() && table.viewport()->rect().contains(table.visualRect(index));
}

} // namespace

TEST(GlassChooserFilter, EnterChoosesTheWholeNameFirstThenTheNameThatStartsWithIt)
{
    const std::vector<Glass>& glasses = wholeTable();
    ASSERT_GT(glasses.size(), 1000u) << MONOCL_GLASS_TABLE_PATH;
    const struct {
        const char16_t* typed;
        const char* chosen;
    } rows[] = {
        {u"K8", "LZOS K8"},             // Latin: the Russian К8, not N-LAK8 higher up
        {u"К8", "LZOS K8"},             // Cyrillic: not БК8 higher up
        {u"к8", "LZOS K8"},
        {u"БК8", "LZOS BK8"},
        {u"N-BK7", "Schott N-BK7"},     // not N-BK7HT or N-BK7HTi
        {u"n\u200F-bk7", "Schott N-BK7"},   // a right-to-left mark pasted in
        {u"\u00ADN-BK7\uFEFF", "Schott N-BK7"},
        {u"TF3", "CDGM TF3"},           // two of that name: the first in the table
        {u"ТФ3", "LZOS TF3"},           // Ф has no Latin look-alike
        {u"TF", "CDGM TF3"},            // a name's start, not H-TF3L higher up
        {u"Е-ВК7", "Hikari E-BK7"},     // Cyrillic letters that read as E-BK7
    };
    for (const auto& row : rows) {
        const QString typed = QString::fromUtf16(row.typed);
        GlassChooser dialog(glasses, StartNd, StartVd, ',');
        show(dialog);
        const Parts p = partsOf(dialog);
        ASSERT_TRUE(p.filter && p.table);
        type(p.filter, typed);
        ASSERT_EQ(p.filter->text(), typed);
        EXPECT_EQ(p.table->currentIndex().row(), 0) << typed.toStdString();
        QTest::keyClick(p.filter, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed.toStdString();
        EXPECT_EQ(makerAndName(glasses, dialog.chosenGlass()), QString::fromUtf8(row.chosen))
            << typed.toStdString();
    }
}

TEST(GlassChooserFilter, HeaderClickKeepsTheCurrentGlassInViewAndTheBestMatchCurrent)
{
    const std::vector<Glass>& glasses = wholeTable();
    GlassChooser dialog(glasses, StartNd, StartVd, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.filter && p.table);
    const std::optional<std::size_t> nearest = dialog.currentGlass();
    ASSERT_EQ(makerAndName(glasses, nearest), QStringLiteral("Hikari E-BK7"));

    // Sorting moves the rows; the current glass stays current and in view.
    for (int click = 0; click < 2; ++click) {
        clickHeader(*p.table, GlassTableModel::NdColumn);
        std::vector<double> nd = columnNumbers(*p.table, GlassTableModel::NdColumn);
        if (click == 1)
            std::reverse(nd.begin(), nd.end());
        EXPECT_TRUE(std::is_sorted(nd.begin(), nd.end())) << click;
        EXPECT_EQ(dialog.currentGlass(), nearest) << click;
        EXPECT_TRUE(rowInView(*p.table, p.table->currentIndex())) << click;
    }

    // A filter typed into the sorted table keeps the rows in nd order and
    // makes the whole name current, though it is not the first row.
    clickHeader(*p.table, GlassTableModel::NdColumn);
    type(p.filter, QStringLiteral("K8"));
    const std::vector<double> nd = columnNumbers(*p.table, GlassTableModel::NdColumn);
    EXPECT_TRUE(std::is_sorted(nd.begin(), nd.end()));
    EXPECT_GT(p.table->currentIndex().row(), 0);
    EXPECT_EQ(makerAndName(glasses, dialog.currentGlass()), QStringLiteral("LZOS K8"));

    // Clearing the filter keeps the glass current and in view.
    p.filter->clear();
    EXPECT_EQ(p.table->model()->rowCount(), static_cast<int>(glasses.size()));
    EXPECT_EQ(makerAndName(glasses, dialog.currentGlass()), QStringLiteral("LZOS K8"));
    EXPECT_TRUE(rowInView(*p.table, p.table->currentIndex()));
}

TEST(GlassChooserFilter, FiltersTheWholeGlassTable)
{
    const std::vector<Glass>& glasses = wholeTable();
    ASSERT_GT(glasses.size(), 1000u) << MONOCL_GLASS_TABLE_PATH;

    GlassChooser dialog(glasses, 1.516373, 64.07, ','); // LZOS K8
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.filter && p.table);
    EXPECT_EQ(p.table->model()->rowCount(), static_cast<int>(glasses.size()));
    EXPECT_EQ(cellText(*p.table, p.table->currentIndex().row(), GlassTableModel::NameColumn),
        QStringLiteral("К8 (K8)"));

    // The Cyrillic К reads as the Latin K.
    type(p.filter, QStringLiteral("к8"));
    const QStringList names = columnTexts(*p.table, GlassTableModel::NameColumn);
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.front(), QStringLiteral("К8 (K8)"));
    EXPECT_TRUE(names.contains(QStringLiteral("H-K8")));
    for (const QString& name : names)
        EXPECT_TRUE(name.contains(QStringLiteral("К8")) || name.contains(QStringLiteral("K8"), Qt::CaseInsensitive))
            << name.toStdString();

    p.filter->clear();
    QTest::keyClicks(p.filter, QStringLiteral("SCHOTT"));
    const auto schott = std::count_if(
        glasses.begin(), glasses.end(), [](const Glass& g) { return g.maker == "Schott"; });
    EXPECT_EQ(p.table->model()->rowCount(), static_cast<int>(schott));
    const QStringList makers = columnTexts(*p.table, GlassTableModel::MakerColumn);
    EXPECT_EQ(makers.count(QStringLiteral("Schott")), makers.size());

    p.filter->clear();
    clickHeader(*p.table, GlassTableModel::NdColumn);
    const std::vector<double> nd = columnNumbers(*p.table, GlassTableModel::NdColumn);
    EXPECT_EQ(nd.size(), glasses.size());
    EXPECT_TRUE(std::is_sorted(nd.begin(), nd.end()));
}
