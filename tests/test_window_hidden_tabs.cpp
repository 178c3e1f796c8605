// A window whose image view, about page and forecast outputs wait for their
// tab: built when the tab is first shown, they hold what those built with
// the window hold.
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"
#include "ui/image/image_view.h"
#include "ui/widgets/memo.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/string_grid.h"

#include "box_catcher.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace monocl;

namespace {

constexpr int ForecastTab = 1;
constexpr int ImageTab = 3;
constexpr int AboutTab = 6;
constexpr int WaitMs = 20000;

// What the image tab shows once computed, for comparing two windows.
struct ImageTabState
{
    double fNumber;
    double focus;
    QString designCaption;
};

class HiddenTabs : public ::testing::Test
{
protected:
    // A window with the given building, a focal length other than the
    // start's typed before the image tab is shown, then that tab shown.
    ImageTabState shownAfterChange(Toptmono::HiddenTabs building)
    {
        MonoclState state;
        std::unique_ptr<Toptmono> window = startUp(state, building);
        window->show();
        window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(45);
        window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(ImageTab);
        auto* view = window->findChild<ImageView*>(QStringLiteral("imageView"));
        if (!view)
            return {};
        EXPECT_TRUE(view->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([view] { return view->hasResults() && !view->computing(); }, WaitMs));
        return {window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFNumber"))->value(),
                window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFocus"))->value(),
                window->findChild<QRadioButton*>(QStringLiteral("imageShowDesign"))->text()};
    }

    BoxCatcher boxes;
};

// What the about page shows, for comparing two windows.
struct AboutPageState
{
    QStringList lines;
    QFont memoFont;
    QString version;
    QFont versionFont;
    QRect versionGeometry;
    bool versionVisible = false;
    bool operator==(const AboutPageState&) const = default;
};

AboutPageState aboutPage(const Toptmono& window)
{
    const auto* memo = window.findChild<Memo*>(QStringLiteral("Memo1"));
    const auto* version = window.findChild<QLabel*>(QStringLiteral("aboutVersion"));
    if (!memo || !version)
        return {};
    return {memo->lines(), memo->font(), version->text(), version->font(), version->geometry(),
            version->isVisible()};
}

// What the forecast tab's outputs show, for comparing two windows.
struct ForecastTabState
{
    QStringList table;
    QStringList conclusions;
    QStringList recommendations;
    QStringList glasses;
    QString warning;
    bool warningShown = false;
    bool operator==(const ForecastTabState&) const = default;
};

ForecastTabState forecastTab(const Toptmono& window)
{
    const auto find = [&window](const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); };
    ForecastTabState state;
    const auto* grid = qobject_cast<StringGrid*>(find("PrognozGrid"));
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->colCount(); ++col)
            state.table << grid->cell(col, row);
    state.conclusions = qobject_cast<Memo*>(find("vvd"))->lines();
    state.recommendations = qobject_cast<Memo*>(find("recom"))->lines();
    const auto* list = qobject_cast<QComboBox*>(find("glassList"));
    for (int i = 0; i < list->count(); ++i)
        state.glasses << list->itemText(i);
    const auto* warning = qobject_cast<QLabel*>(find("forecastWarning"));
    state.warning = warning->text();
    state.warningShown = warning->isVisible();
    return state;
}

} // namespace

TEST_F(HiddenTabs, ImageViewWaitsForItsTab)
{
    MonoclState state;
    std::unique_ptr<Toptmono> window = startUp(state, Toptmono::HiddenTabs::BuiltWhenShown);
    window->show();
    EXPECT_EQ(window->findChild<ImageView*>(QStringLiteral("imageView")), nullptr);
    window->buildHiddenTabs();
    auto* view = window->findChild<ImageView*>(QStringLiteral("imageView"));
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isVisible()) << "built behind the design tab";
    EXPECT_EQ(view->computeCount(), 0) << "nothing is computed while the tab is hidden";
}

TEST_F(HiddenTabs, ImageViewBuiltWhenShownHoldsWhatOneBuiltAtOnceHolds)
{
    const ImageTabState atOnce = shownAfterChange(Toptmono::HiddenTabs::BuiltAtOnce);
    const ImageTabState whenShown = shownAfterChange(Toptmono::HiddenTabs::BuiltWhenShown);
    EXPECT_GT(whenShown.fNumber, 1.0) << "the design's own N";
    EXPECT_EQ(whenShown.fNumber, atOnce.fNumber);
    EXPECT_EQ(whenShown.focus, atOnce.focus);
    EXPECT_FALSE(whenShown.designCaption.isEmpty());
    EXPECT_EQ(whenShown.designCaption, atOnce.designCaption);
    EXPECT_TRUE(boxes.messages.isEmpty());
}

// However the about page comes to be filled, once shown it is the page a
// window built at once shows.
TEST_F(HiddenTabs, AboutPageFilledLateHoldsWhatOneFilledAtOnceHolds)
{
    const struct {
        const char* name;
        std::function<void(Toptmono&)> fill;
    } ways[] = {
        {"its tab shown", [](Toptmono&) {}},
        {"the idle building", [](Toptmono& w) { w.buildHiddenTabs(); }},
        {"the menu's about", [](Toptmono& w) { w.showAbout(); }},
    };
    const auto shownAbout = [](Toptmono& window) {
        window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(AboutTab);
        return aboutPage(window);
    };
    MonoclState atOnceState;
    std::unique_ptr<Toptmono> atOnce = startUp(atOnceState, Toptmono::HiddenTabs::BuiltAtOnce);
    atOnce->show();
    const AboutPageState expected = shownAbout(*atOnce);
    ASSERT_EQ(expected.lines.size(), 5);
    EXPECT_EQ(expected.memoFont.pixelSize(), 17);
    EXPECT_TRUE(expected.versionVisible);
    for (const auto& way : ways) {
        MonoclState state;
        std::unique_ptr<Toptmono> window = startUp(state, Toptmono::HiddenTabs::BuiltWhenShown);
        window->show();
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("aboutVersion")), nullptr) << way.name;
        way.fill(*window);
        EXPECT_TRUE(shownAbout(*window) == expected) << way.name;
    }
    EXPECT_TRUE(boxes.messages.isEmpty());
}

// The forecast tab's outputs, written when it is first shown or at the idle
// building, are those of the last recompute, as a window writing them at
// once shows them, after inputs changed on the design tab or not.
TEST_F(HiddenTabs, ForecastOutputsWrittenLateHoldWhatOnesWrittenAtOnceHold)
{
    const struct {
        const char* name;
        bool idleBuilding;
        const char* measuredDiameter;
    } cases[] = {
        {"tab shown", false, nullptr},
        {"idle building", true, nullptr},
        {"tab shown after a change", false, "30"},
        {"idle building after a change", true, "30"},
    };
    ForecastTabState unchanged;
    for (const auto& c : cases) {
        const auto shownForecast = [&c](Toptmono::HiddenTabs building, bool idle) {
            MonoclState state;
            std::unique_ptr<Toptmono> window = startUp(state, building);
            window->show();
            window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(45);
            if (c.measuredDiameter)
                window->findChild<QLineEdit*>(QStringLiteral("id"))->setText(QLatin1String(c.measuredDiameter));
            const bool waited = window->findChild<QComboBox*>(QStringLiteral("glassList"))->count() == 0;
            if (idle)
                window->buildHiddenTabs();
            window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(ForecastTab);
            return std::pair{waited, forecastTab(*window)};
        };
        const auto [atOnceWaited, atOnce] = shownForecast(Toptmono::HiddenTabs::BuiltAtOnce, false);
        const auto [lateWaited, late] = shownForecast(Toptmono::HiddenTabs::BuiltWhenShown, c.idleBuilding);
        EXPECT_FALSE(atOnceWaited) << c.name;
        EXPECT_TRUE(lateWaited) << c.name;
        EXPECT_GT(atOnce.table.size(), 10) << c.name;
        EXPECT_GT(atOnce.glasses.size(), 1) << c.name;
        EXPECT_TRUE(late == atOnce) << c.name;
        if (!c.measuredDiameter)
            unchanged = atOnce;
        else
            EXPECT_NE(atOnce.table, unchanged.table) << c.name << ": the change reached the forecast";
    }
    EXPECT_TRUE(boxes.messages.isEmpty());
}
