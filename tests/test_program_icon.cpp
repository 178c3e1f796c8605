// The program's icon: a window starts with its small sizes and has all of
// them once its first frame is out; an icon given by another is kept.
#include "ui/app/main_window.h"
#include "ui/app/startup.h"

#include "box_catcher.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace monocl;

namespace {

constexpr int WaitMs = 5000;
constexpr int SettleMs = 200;

QList<QSize> squares(std::initializer_list<int> sizes)
{
    QList<QSize> list;
    for (int size : sizes)
        list.append(QSize(size, size));
    return list;
}

// Each case starts from an application icon of its own and leaves the one
// it found.
class ProgramIcon : public ::testing::Test
{
protected:
    void TearDown() override { QApplication::setWindowIcon(m_kept); }

    BoxCatcher boxes;

private:
    QIcon m_kept = QApplication::windowIcon();
};

} // namespace

TEST_F(ProgramIcon, SmallSizesFirst)
{
    EXPECT_EQ(programIcon().availableSizes(), squares({16, 24, 32, 48, 64}));
    EXPECT_EQ(programIcon(IconSizes::Small).availableSizes(), squares({16, 24, 32, 48, 64}));
    EXPECT_EQ(programIcon(IconSizes::All).availableSizes(), squares({16, 24, 32, 48, 64, 128, 256}));
    // Each size is its own picture, as an icon given the files finds it.
    const QIcon icon = programIcon(IconSizes::All);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QIcon fromFile;
        fromFile.addFile(QStringLiteral(":/icons/monocl-%1.png").arg(size), QSize(size, size));
        const QImage expected = fromFile.pixmap(size, size).toImage();
        ASSERT_EQ(expected.size(), QSize(size, size));
        EXPECT_TRUE(icon.pixmap(size, size).toImage() == expected) << size;
    }
}

TEST_F(ProgramIcon, WindowHasEverySizeAfterItsFirstFrame)
{
    QPixmap red(32, 32);
    red.fill(Qt::red);
    const struct {
        const char* name;
        QIcon application;
        QList<QSize> before;
        QList<QSize> after;
    } cases[] = {
        {"the program's start icon", programIcon(), squares({16, 24, 32, 48, 64}),
         squares({16, 24, 32, 48, 64, 128, 256})},
        {"no application icon", QIcon(), squares({16, 24, 32, 48, 64}), squares({16, 24, 32, 48, 64, 128, 256})},
        {"another's icon", QIcon(red), squares({32}), squares({32})},
    };
    for (const auto& c : cases) {
        QApplication::setWindowIcon(c.application);
        MonoclState state;
        MainWindow window(startUp(state, Toptmono::HiddenTabs::BuiltWhenShown), state);
        EXPECT_EQ(window.windowIcon().availableSizes(), c.before) << c.name;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << c.name;
        // An icon that is to stay is looked at once the first frame is long out.
        if (c.after == c.before)
            QTest::qWait(SettleMs);
        else
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowIcon().availableSizes() == c.after; }, WaitMs));
        EXPECT_EQ(window.windowIcon().availableSizes(), c.after) << c.name;
        if (!c.application.isNull()) {
            EXPECT_EQ(QApplication::windowIcon().availableSizes(), c.after) << c.name << ": dialogs have it too";
        }
    }
}
