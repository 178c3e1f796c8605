// The ray check's tab: traced while shown, dashes where a value cannot be had.
#include "ui/window/monoclForm.h"
#include "ui/widgets/spin_edit.h"
#include "ui/app/startup.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/track_bar.h"

#include "box_catcher.h"
#include "qt_print.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;

namespace {

class WindowRays : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boxes = std::make_unique<BoxCatcher>();
        window = startUp(state);
        sep = window->decimalSeparator();
        tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        grid = window->findChild<StringGrid*>(QStringLiteral("RayGrid"));
        ASSERT_NE(grid, nullptr);
    }

    QStringList values() const
    {
        QStringList v;
        for (int row = 1; row < grid->rowCount(); ++row)
            v << grid->cell(1, row);
        return v;
    }

    QString num(const char* text) const
    {
        QString s = QString::fromUtf8(text);
        s.replace(QLatin1Char(','), QLatin1Char(sep));
        return s;
    }

    MonoclState state;
    std::unique_ptr<BoxCatcher> boxes;
    std::unique_ptr<Toptmono> window;
    QTabWidget* tabs = nullptr;
    StringGrid* grid = nullptr;
    char sep = ',';
};

} // namespace

TEST_F(WindowRays, TracedOnlyWhileItsTabIsShown)
{
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Проверка лучами"));
    EXPECT_EQ(grid->cell(1, 1), QString()) << "not traced before the tab is shown";
    tabs->setCurrentIndex(2);
    ASSERT_EQ(grid->rowCount(), 17);
    EXPECT_EQ(grid->cell(0, 0), QStringLiteral("Параметр"));
    EXPECT_EQ(grid->cell(1, 0), QStringLiteral("Значение"));
    EXPECT_EQ(grid->cell(0, 5), QStringLiteral("Относительная сферическая аберрация Kсф по лучам, %"));
    const QStringList v = values();
    EXPECT_EQ(v.value(0), num("52,00")) << "the traced lens has the focal length it was designed for";
    EXPECT_EQ(v.value(4), num("0,432"));
    EXPECT_EQ(v.value(5), num("0,400"));
    EXPECT_EQ(v.value(15), num("0,0"));
    for (const QString& text : v)
        EXPECT_NE(text, QStringLiteral(" - "));

    // Leaving the tab stops the tracing; the grid keeps what it showed.
    tabs->setCurrentIndex(0);
    window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(100);
    EXPECT_EQ(values(), v);
    tabs->setCurrentIndex(2);
    EXPECT_NE(values().value(0), v.value(0));
    EXPECT_TRUE(boxes->messages.isEmpty());
}

TEST_F(WindowRays, FailedDesignShowsDashes)
{
    tabs->setCurrentIndex(2);
    window->findChild<TrackBar*>(QStringLiteral("KsfBar"))->setValue(100);
    window->findChild<QLineEdit*>(QStringLiteral("ABEdit"))->setText(QStringLiteral("100"));
    ASSERT_EQ(window->findChild<StringGrid*>(QStringLiteral("MonGrid"))->cell(1, 1),
              QStringLiteral(" - "));
    for (const QString& text : values())
        EXPECT_EQ(text, QStringLiteral(" - "));
}
