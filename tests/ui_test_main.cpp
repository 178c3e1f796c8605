#include "quiet_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests need one QApplication for the whole run. Listing the
// tests needs none, so ctest can discover them without a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    silenceOffscreenSizeHintWarnings();
    return RUN_ALL_TESTS();
}
