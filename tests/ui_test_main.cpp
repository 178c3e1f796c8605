#include "quiet_qt.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

// --locale=NAME runs the tests in that locale, whatever the environment's,
// and on the offscreen platform unless another is chosen.
void takeLocale(int argc, char** argv)
{
    constexpr const char* Option = "--locale=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], Option, std::strlen(Option)) != 0)
            continue;
        const char* locale = argv[i] + std::strlen(Option);
        setenv("LC_ALL", locale, 1);
        setenv("LANG", locale, 1);
        unsetenv("LANGUAGE");
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
}

} // namespace

// The window tests need one QApplication for the whole run. Listing the
// tests needs none, so ctest can discover them without a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    takeLocale(argc, argv);
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
