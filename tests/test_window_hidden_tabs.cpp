// A window whose image view waits for its tab: built when the tab is first
// shown, it holds what a view built with the window would hold.
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"
#include "ui/image/image_view.h"
#include "ui/widgets/spin_edit.h"

#include "box_catcher.h"

#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;

namespace {

constexpr int ImageTab = 3;
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
