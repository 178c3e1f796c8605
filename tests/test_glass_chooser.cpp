#include "glass_chooser_parts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "qt_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace monocl;
using namespace monocl::test;

namespace {

// A few glasses of several makers, spread over the map.
std::vector<Glass> someGlasses()
{
    return {
        {"LZOS", "K8", "К8", 1.5163, 64.07, "standard"},        // 0
        {"LZOS", "TF5", "ТФ5", 1.7550, 27.53, "standard"},      // 1
        {"Schott", "N-BK7", "", 1.5168, 64.17, "preferred"},    // 2
        {"Schott", "N-SF6", "", 1.8052, 25.36, "standard"},     // 3
        {"Schott", "K10", "", 1.5014, 56.41, "standard"},       // 4
        {"Ohara", "S-LAH66", "", 1.7725, 49.60, "standard"},    // 5
        {"Hoya", "FCD1", "", 1.4970, 81.54, "standard"},        // 6
        {"Sumita", "K-VC89", "", 1.8101, 9.50, "inquiry"},      // 7, Vd of one digit
        {"Schott", "K7", "", 1.5111, 60.41, "standard"},        // 8
    };
}

} // namespace

TEST(GlassChooserMap, HigherVdLiesFurtherLeftAndHigherNdFurtherUp)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassMap map;
    map.setGlasses(&glasses);
    map.resize(420, 320);

    EXPECT_LT(map.pointOf(1.6, 60).x(), map.pointOf(1.6, 30).x());
    EXPECT_LT(map.pointOf(1.8, 40).y(), map.pointOf(1.5, 40).y());
    // The axes hold every glass, the one of Vd 9,5 too.
    for (const Glass& g : glasses)
        EXPECT_TRUE(map.plotArea().contains(map.pointOf(g.nd, g.vd))) << g.name;
}

TEST(GlassChooserMap, ClickSelectsTheGlassNearestOnScreen)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassMap map;
    map.setGlasses(&glasses);
    map.resize(420, 320);
    show(map);
    QSignalSpy clicked(&map, &GlassMap::glassClicked);

    const QPointF lah66 = map.pointOf(glasses[5].nd, glasses[5].vd);
    QTest::mouseClick(&map, Qt::LeftButton, {}, (lah66 + QPointF(3, -2)).toPoint());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).value<std::size_t>(), 5u);
    EXPECT_EQ(map.selected(), std::optional<std::size_t>(5));

    // A click on the axis labels picks nothing.
    QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(2, map.height() - 2));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(map.selected(), std::optional<std::size_t>(5));
}

TEST(GlassChooserMap, WantedCrossIsDrawnInsideTheAxesAndClippedOutside)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassMap map;
    map.resize(420, 320);
    map.setGlasses(&glasses);
    map.setWanted(1.65, 40);
    const QImage inside = map.grab().toImage();
    const QPoint cross = map.pointOf(1.65, 40).toPoint();
    const QColor centre = inside.pixelColor(cross);
    EXPECT_GT(centre.red(), 180);
    EXPECT_LT(centre.green(), 90);

    // Nothing to draw but the axes: no glasses, near and selected indices
    // that name none, the wanted value far above the axes.
    const std::vector<Glass> none;
    map.setGlasses(&none);
    map.setNear({0, 3, 99});
    map.setSelected(7);
    EXPECT_EQ(map.selected(), std::nullopt);
    map.setWanted(std::nan(""), 40);
    const QImage axesOnly = map.grab().toImage();
    map.setWanted(3.5, 40);
    EXPECT_EQ(map.grab().toImage(), axesOnly);
    map.setWanted(1.65, 40);
    EXPECT_NE(map.grab().toImage(), axesOnly);
}

TEST(GlassChooser, FilterFieldMatchesBothAlphabetsAndTheMaker)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.52, 64, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.filter && p.table);
    EXPECT_EQ(p.table->model()->rowCount(), 9);

    type(p.filter, QStringLiteral("к8"));
    EXPECT_EQ(columnTexts(*p.table, 1), QStringList{QStringLiteral("К8 (K8)")});
    EXPECT_EQ(columnTexts(*p.table, 0), QStringList{QStringLiteral("ЛЗОС")});

    p.filter->clear();
    QTest::keyClicks(p.filter, QStringLiteral("schott"));
    EXPECT_EQ(columnTexts(*p.table, 1),
        (QStringList{QStringLiteral("N-BK7"), QStringLiteral("N-SF6"), QStringLiteral("K10"),
            QStringLiteral("K7")}));

    // The maker as displayed, in Cyrillic capitals typed in lower case.
    p.filter->clear();
    type(p.filter, QStringLiteral("лзос"));
    EXPECT_EQ(columnTexts(*p.table, 1),
        (QStringList{QStringLiteral("К8 (K8)"), QStringLiteral("ТФ5 (TF5)")}));
}

TEST(GlassChooser, TypingAndEnterChoosesTheFilteredGlass)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.80, 25, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.filter);
    QTest::keyClicks(p.filter, QStringLiteral("fcd"));
    QTest::keyClick(p.filter, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenGlass(), std::optional<std::size_t>(6));
}

TEST(GlassChooser, HeaderClickSortsNumbersAsNumbers)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.52, 64, '.');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.table);

    clickHeader(*p.table, GlassTableModel::NdColumn);
    const std::vector<double> nd = columnNumbers(*p.table, GlassTableModel::NdColumn);
    ASSERT_EQ(nd.size(), 9u);
    EXPECT_TRUE(std::is_sorted(nd.begin(), nd.end()));
    EXPECT_EQ(cellText(*p.table, 0, GlassTableModel::NdColumn), QStringLiteral("1.4970"));

    // Vd 9.50 comes first, not after 81.54 as a text would.
    clickHeader(*p.table, GlassTableModel::VdColumn);
    const std::vector<double> vd = columnNumbers(*p.table, GlassTableModel::VdColumn);
    EXPECT_TRUE(std::is_sorted(vd.begin(), vd.end()));
    EXPECT_EQ(cellText(*p.table, 0, GlassTableModel::VdColumn), QStringLiteral("9.50"));

    // A second click turns the order round.
    clickHeader(*p.table, GlassTableModel::VdColumn);
    EXPECT_EQ(cellText(*p.table, 0, GlassTableModel::VdColumn), QStringLiteral("81.54"));

    // Names sort by their digits as numbers: K7 before K10.
    clickHeader(*p.table, GlassTableModel::NameColumn);
    const QStringList names = columnTexts(*p.table, GlassTableModel::NameColumn);
    ASSERT_TRUE(names.contains(QStringLiteral("K7")));
    EXPECT_LT(names.indexOf(QStringLiteral("K7")), names.indexOf(QStringLiteral("K10")));
}

TEST(GlassChooser, FirstHeaderClickSortsEvenTheFirstColumn)
{
    // Until a header is clicked the rows are in the filter's order, which
    // the table keeps by sorting on the first column.
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.52, 64, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.table);
    EXPECT_EQ(cellText(*p.table, 0, GlassTableModel::NameColumn), QStringLiteral("К8 (K8)"));

    clickHeader(*p.table, GlassTableModel::MakerColumn);
    const QStringList makers = columnTexts(*p.table, GlassTableModel::MakerColumn);
    ASSERT_EQ(makers.size(), 9);
    EXPECT_EQ(makers.front(), QStringLiteral("Hoya"));
    EXPECT_EQ(makers.back(), QStringLiteral("ЛЗОС"));
}

TEST(GlassChooser, OpensOnTheGlassNearestToTheWantedValues)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.76, 27.0, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.table && p.map);
    EXPECT_EQ(dialog.currentGlass(), std::optional<std::size_t>(1));
    EXPECT_EQ(cellText(*p.table, p.table->currentIndex().row(), GlassTableModel::NameColumn),
        QStringLiteral("ТФ5 (TF5)"));
    EXPECT_EQ(p.map->selected(), std::optional<std::size_t>(1));
    EXPECT_TRUE(p.choose->isEnabled());
    EXPECT_EQ(dialog.chosenGlass(), std::nullopt);
}

TEST(GlassChooser, MapClickSelectsTheRowAndClearsAFilterThatHidesIt)
{
    const std::vector<Glass> glasses = someGlasses();
    GlassChooser dialog(glasses, 1.52, 64, ',');
    show(dialog);
    const Parts p = partsOf(dialog);
    ASSERT_TRUE(p.filter && p.table && p.map);

    const QPointF sf6 = p.map->pointOf(glasses[3].nd, glasses[3].vd);
    QTest::mouseClick(p.map, Qt::LeftButton, {}, sf6.toPoint());
    EXPECT_EQ(dialog.currentGlass(), std::optional<std::size_t>(3));

    QTest::keyClicks(p.filter, QStringLiteral("schott"));
    const QPointF k8 = p.map->pointOf(glasses[0].nd, glasses[0].vd);
    QTest::mouseClick(p.map, Qt::LeftButton, {}, k8.toPoint());
    EXPECT_EQ(p.filter->text(), QString());
    EXPECT_EQ(p.table->model()->rowCount(), 9);
    EXPECT_EQ(dialog.currentGlass(), std::optional<std::size_t>(0));
    EXPECT_EQ(cellText(*p.table, p.table->currentIndex().row(), GlassTableModel::NameColumn),
        QStringLiteral("К8 (K8)"));
    EXPECT_EQ(p.map->selected(), std::optional<std::size_t>(0));
}

TEST(GlassChooser, AcceptingGivesTheChosenGlassAndCancellingNone)
{
    const std::vector<Glass> glasses = someGlasses();
    {
        GlassChooser dialog(glasses, 1.52, 64, ',');
        show(dialog);
        dialog.selectGlass(4);
        QTest::mouseClick(partsOf(dialog).choose, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.chosenGlass(), std::optional<std::size_t>(4));
    }
    {
        GlassChooser dialog(glasses, 1.52, 64, ',');
        show(dialog);
        dialog.selectGlass(4);
        QTest::mouseClick(partsOf(dialog).cancel, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.chosenGlass(), std::nullopt);
    }
    {
        GlassChooser dialog(glasses, 1.52, 64, ',');
        show(dialog);
        const Parts p = partsOf(dialog);
        dialog.selectGlass(5);
        const QRect row = p.table->visualRect(p.table->currentIndex());
        // A real double click: a click, then the second press as a double click.
        QTest::mouseClick(p.table->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(p.table->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.chosenGlass(), std::optional<std::size_t>(5));
    }
}
