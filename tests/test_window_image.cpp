// The image tab: computed in the background only while shown, and a picture
// that cannot be read changes nothing.
#include "ui/window/monoclForm.h"
#include "ui/app/startup.h"
#include "ui/image/image_view.h"
#include "ui/image/mtf_plot.h"
#include "ui/image/photo_compare.h"
#include "ui/image/psf_picture.h"
#include "ui/widgets/spin_edit.h"
#include "ui/widgets/track_bar.h"

#include "box_catcher.h"

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
    EXPECT_EQ(window->findChild<QDoubleSpinBox*>(QStringLiteral("imageFocus"))->value(), 0.0);

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
    const QString rows[] = {broken.fileName(), empty.fileName(), dir.filePath(QStringLiteral("missing.tif"))};
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

    // A picture that can be read becomes the scene and is computed.
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(good));
    EXPECT_TRUE(view->openPicture(good));
    EXPECT_EQ(scene->currentIndex(), 3);
    EXPECT_EQ(view->computeCount(), count + 1);
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
