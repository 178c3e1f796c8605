// The window's glass catalogue: choosing a glass, the nearest glass line and
// the glasses inside the forecast's range.
#include "format/number_text.h"
#include "ui/files/glass_table.h"
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"

#include "window_fixture.h"
#include "qt_print.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;
using namespace monocl::testing;

namespace {

using WindowGlasses = FormFixture;

} // namespace

TEST_F(WindowGlasses, ChoosingFillsBothFieldsThroughTheirHandlers)
{
    const long runs = window->recomputeRuns();
    EXPECT_TRUE(window->chooseGlass(QStringLiteral("ЛЗОС"), QStringLiteral("К8")));
    EXPECT_EQ(find<QLineEdit>("NDedit")->text(), num("1,5164"));
    EXPECT_EQ(find<QLineEdit>("ABEdit")->text(), num("64,07"));
    EXPECT_EQ(window->recomputeRuns() - runs, 2) << "one recompute for each field";
    EXPECT_DOUBLE_EQ(state.Nd, 1.5164);
    EXPECT_EQ(find<QLabel>("nearestGlass")->text(), QStringLiteral("Стекло: К8 (ЛЗОС)"));

    EXPECT_TRUE(window->chooseGlass(QStringLiteral("Schott"), QStringLiteral("N-BK7")));
    EXPECT_EQ(find<QLineEdit>("NDedit")->text(), num("1,5168"));
    EXPECT_EQ(find<QLineEdit>("ABEdit")->text(), num("64,17"));

    const long before = window->recomputeRuns();
    EXPECT_FALSE(window->chooseGlass(QStringLiteral("Schott"), QStringLiteral("NO-SUCH")));
    EXPECT_EQ(window->recomputeRuns(), before);
    EXPECT_EQ(find<QLineEdit>("NDedit")->text(), num("1,5168"));
    EXPECT_TRUE(boxes->messages.isEmpty());
}

TEST_F(WindowGlasses, NearestGlassLineFollowsTheFields)
{
    const QString atStart = find<QLabel>("nearestGlass")->text();
    EXPECT_TRUE(atStart.startsWith(QStringLiteral("≈ "))) << atStart.toStdString();
    EXPECT_TRUE(atStart.contains(num("Δnd 0,"))) << atStart.toStdString();
    find<QLineEdit>("NDedit")->setText(num("1,75"));
    EXPECT_NE(find<QLabel>("nearestGlass")->text(), atStart);

    // A chosen glass is named while the fields hold its values.
    window->chooseGlass(QStringLiteral("Schott"), QStringLiteral("N-BK7"));
    EXPECT_EQ(find<QLabel>("nearestGlass")->text(), QStringLiteral("Стекло: N-BK7 (Schott)"));
    EXPECT_EQ(window->chosenGlass(), (GlassChoice{QStringLiteral("Schott"), QStringLiteral("N-BK7")}));
    find<QLineEdit>("ABEdit")->setText(num("60"));
    EXPECT_TRUE(find<QLabel>("nearestGlass")->text().startsWith(QStringLiteral("≈ ")));
    EXPECT_FALSE(window->chosenGlass());
}

TEST_F(WindowGlasses, ForecastListsTheGlassesInTheRange)
{
    auto* list = find<QComboBox>("glassList");
    const auto count = [&] {
        return glassesInRange(glassCatalogue(), state.NdMin, state.NdMax, state.AbbeMin,
                              state.AbbeMax).size();
    };
    EXPECT_GT(count(), 0u);
    EXPECT_EQ(static_cast<std::size_t>(list->count()), count() + 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Стёкла каталога: %1").arg(count()));

    // A glass exactly at the range's edges is in it; the list follows.
    const Glass& k8 = glassCatalogue()[*nearestGlass(glassCatalogue(), 1.5164, 64.07)];
    find<QLineEdit>("inmin")->setText(QString::fromStdString(fixedText(k8.nd, 15, 6, sep)));
    find<QLineEdit>("inmax")->setText(QString::fromStdString(fixedText(k8.nd, 15, 6, sep)));
    EXPECT_EQ(state.NdMin, k8.nd);
    EXPECT_EQ(static_cast<std::size_t>(list->count()), count() + 1);
    bool listed = false;
    for (int i = 1; i < list->count(); ++i)
        listed = listed || list->itemText(i).startsWith(QStringLiteral("К8 (ЛЗОС)"));
    EXPECT_TRUE(listed);
}
