// The image tab: computed in the background only while shown, and a picture
// that cannot be read changes nothing.
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"
#include "core/lens_psf.h"
#include "ui/image/focus_mtf_plot.h"
#include "ui/image/image_job.h"
#include "ui/image/image_view.h"
#include "ui/image/mtf_plot.h"
#include "ui/image/photo_compare.h"
#include "ui/image/psf_picture.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/track_bar.h"

#include "box_catcher.h"
#include "start_design_lens.h"
#include "test_pictures.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace monocl;

namespace {

constexpr int ImageTab = 3;
constexpr int WaitMs = 20000;

class WindowImage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boxes = std::make_unique<BoxCatcher>();
        window = startUp(state);
        window->show();
        tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        view = window->findChild<ImageView*>(QStringLiteral("imageView"));
        ASSERT_NE(view, nullptr);
    }

    bool waitForResults() const
    {
        return QTest::qWaitFor([this] { return view->hasResults() && !view->computing(); }, WaitMs);
    }

    MonoclState state;
    std::unique_ptr<BoxCatcher> boxes;
    std::unique_ptr<Toptmono> window;
    QTabWidget* tabs = nullptr;
    ImageView* view = nullptr;
};

} // namespace

TEST_F(WindowImage, ComputedWhenShownAndNotWhileHidden)
{
    EXPECT_EQ(tabs->tabText(ImageTab - 1), QStringLiteral("Проверка лучами"));
    EXPECT_EQ(tabs->tabText(ImageTab), QStringLiteral("Изображение"));
    window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(45);
    EXPECT_EQ(view->computeCount(), 0) << "nothing is computed while the tab is hidden";

    tabs->setCurrentIndex(ImageTab);
    ASSERT_TRUE(waitForResults());
    EXPECT_TRUE(window->findChild<PsfPicture*>(QStringLiteral("psfPicture"))->hasPsf());
    EXPECT_TRUE(window->findChild<MtfPlot*>(QStringLiteral("mtfPlot"))->hasCurves());
    EXPECT_FALSE(window->findChild<PhotoCompare*>(QStringLiteral("photoCompare"))->photograph().isNull());
    const auto* fNumber = window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFNumber"));
    EXPECT_GT(fNumber->value(), 1.0) << "the design's own N";
    // The film starts at the best focus, the middle of the through-focus range.
    const auto* focusPlot = window->findChild<FocusMtfPlot*>(QStringLiteral("focusMtfPlot"));
    ASSERT_TRUE(focusPlot->hasCurves());
    const double film = window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFocus"))->value();
    EXPECT_LT(film, 0.0);
    EXPECT_NEAR(film, focusPlot->curves()[0].focus[ThroughFocusPoints / 2], 0.005);

    // A change while hidden drops the results and waits for the tab.
    const int count = view->computeCount();
    tabs->setCurrentIndex(0);
    window->findChild<SpinEdit*>(QStringLiteral("FSpin"))->setValue(40);
    EXPECT_FALSE(view->hasResults()) << "no stale photograph is kept as a result";
    EXPECT_EQ(view->computeCount(), count);
    tabs->setCurrentIndex(ImageTab);
    EXPECT_TRUE(waitForResults());
    EXPECT_TRUE(boxes->messages.isEmpty());
}

// A new frequency redraws the through-focus curves from the kept line
// spreads at once: nothing is computed again.
TEST_F(WindowImage, NewFrequencyNeedsNoNewComputation)
{
    tabs->setCurrentIndex(ImageTab);
    ASSERT_TRUE(waitForResults());
    const auto* plot = window->findChild<FocusMtfPlot*>(QStringLiteral("focusMtfPlot"));
    auto* frequency = window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFrequency"));
    EXPECT_EQ(frequency->value(), 10.0);
    const std::vector<double> at10 = plot->curves()[0].sagittal;
    const int count = view->computeCount();
    frequency->setValue(30);
    EXPECT_EQ(view->computeCount(), count);
    EXPECT_TRUE(view->hasResults());
    ASSERT_EQ(plot->curves()[0].sagittal.size(), at10.size());
    EXPECT_NE(plot->curves()[0].sagittal, at10);
    frequency->setValue(10);
    EXPECT_EQ(plot->curves()[0].sagittal, at10);
}

TEST_F(WindowImage, ChangeWhileComputingStartsAgain)
{
    tabs->setCurrentIndex(ImageTab);
    auto* fNumber = window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFNumber"));
    const int count = view->computeCount();
    fNumber->setValue(fNumber->value() + 2);
    EXPECT_EQ(view->computeCount(), count + 1);
    ASSERT_TRUE(waitForResults());

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("photo.png"));
    QString error;
    ASSERT_TRUE(view->savePhotograph(out, &error)) << error.toStdString();
    EXPECT_FALSE(QImage(out).isNull());
}

TEST_F(WindowImage, UnreadablePictureChangesNothing)
{
    tabs->setCurrentIndex(ImageTab);
    ASSERT_TRUE(waitForResults());
    auto* scene = window->findChild<QComboBox*>(QStringLiteral("imageScene"));
    const int sceneIndex = scene->currentIndex();
    const int count = view->computeCount();

    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("broken.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QFile empty(dir.filePath(QStringLiteral("empty.jpg")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile huge(dir.filePath(QStringLiteral("huge.png")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(hugePng());
    huge.close();
    const QString rows[] = {broken.fileName(), empty.fileName(), dir.filePath(QStringLiteral("missing.tif")),
                            huge.fileName()};
    for (const QString& path : rows) {
        boxes->messages.clear();
        EXPECT_FALSE(view->openPicture(path));
        ASSERT_EQ(boxes->messages.size(), 1) << path.toStdString();
        EXPECT_TRUE(boxes->messages[0].contains(path)) << boxes->messages[0].toStdString();
        EXPECT_EQ(scene->currentIndex(), sceneIndex);
        EXPECT_EQ(scene->count(), 3);
        EXPECT_TRUE(view->hasResults()) << path.toStdString();
        EXPECT_EQ(view->computeCount(), count);
    }
    EXPECT_TRUE(boxes->allLookRight);

    EXPECT_TRUE(boxes->messages.last().contains(QStringLiteral("30000 × 30000")));

    // A picture that can be read becomes the scene and is computed; a 16-bit
    // one of 150 MB too, over Qt's own limit for a decoded picture.
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(good));
    EXPECT_TRUE(view->openPicture(good));
    EXPECT_EQ(scene->currentIndex(), 3);
    EXPECT_EQ(view->computeCount(), count + 1);
    const QString deep = dir.filePath(QStringLiteral("deep.png"));
    QImage deepPicture(4500, 4200, QImage::Format_RGBA64);
    deepPicture.fill(QColor(200, 100, 50));
    ASSERT_TRUE(deepPicture.save(deep));
    deepPicture = QImage();
    boxes->messages.clear();
    EXPECT_TRUE(view->openPicture(deep)) << boxes->messages.join(' ').toStdString();
}

TEST_F(WindowImage, FailedDesignShowsNoPhotograph)
{
    tabs->setCurrentIndex(ImageTab);
    ASSERT_TRUE(waitForResults());
    window->findChild<TrackBar*>(QStringLiteral("KsfBar"))->setValue(100);
    window->findChild<QLineEdit*>(QStringLiteral("ABEdit"))->setText(QStringLiteral("100"));
    EXPECT_FALSE(view->hasResults());
    EXPECT_FALSE(view->computing());
    EXPECT_TRUE(window->findChild<PhotoCompare*>(QStringLiteral("photoCompare"))->photograph().isNull());
    EXPECT_FALSE(window->findChild<PsfPicture*>(QStringLiteral("psfPicture"))->hasPsf());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("imageStatus"))->text(),
              QStringLiteral("Нет линзы: мениск не найден."));
}

namespace {

// With the film at the best focus, the middle of the through-focus range,
// the through-focus curves there are the MTF curves at the same frequency:
// the axis's and the edge's, each from its own field's PSF.
TEST(ImageJob, ThroughFocusMeetsTheMtfAtTheFilm)
{
    const RayLens lens = startDesignLens();
    const double fNumber = 8;
    const auto stopped = withFNumber(lens, fNumber);
    ASSERT_TRUE(stopped);
    ImageInputs inputs{lens, fNumber, throughFocusRange(*stopped, 0.0).centre, LightKind::Panchromatic,
                       LinearImage(60, 40)};
    const auto results = computeImage(inputs, 2, {});
    ASSERT_TRUE(results);
    const std::size_t middle = ThroughFocusPoints / 2;
    const struct {
        std::size_t focusField, mtfField;
    } pairs[] = {{0, 0}, {1, 2}};
    for (const auto& pair : pairs) {
        const MtfCurve& mtf = results->mtf[pair.mtfField];
        const auto& spreads = results->throughFocus[pair.focusField];
        ASSERT_EQ(spreads.size(), std::size_t(ThroughFocusPoints));
        EXPECT_DOUBLE_EQ(spreads[middle].focusShift, inputs.focusShift);
        for (const std::size_t k : {std::size_t(5), std::size_t(15)}) {
            const ThroughFocusCurve curve = throughFocusMtf(spreads, mtf.frequency[k]);
            EXPECT_NEAR(curve.sagittal[middle], mtf.sagittal[k], 1e-12) << pair.mtfField << " at " << k;
            EXPECT_NEAR(curve.tangential[middle], mtf.tangential[k], 1e-12) << pair.mtfField << " at " << k;
        }
    }
    EXPECT_NE(results->mtf[0].tangential[5], results->mtf[2].tangential[5]) << "the fields differ";
}

} // namespace
