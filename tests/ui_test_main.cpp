#include "quiet_qt.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The window tests need one QApplication for the whole run. Listing the
// tests needs none, so ctest can discover them without a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // The settings (the language chosen in the menu) of this run only, never
    // the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("monocl-tests"));
    silenceOffscreenSizeHintWarnings();
    return RUN_ALL_TESTS();
}
