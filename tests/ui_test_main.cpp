#include "quiet_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

// The window tests need one QApplication for the whole run.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    silenceOffscreenSizeHintWarnings();
    return RUN_ALL_TESTS();
}
