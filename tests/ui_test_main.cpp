#include "quiet_qt.h"

#include "ui/cli/settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// Everything Qt or the program would keep for the user goes below home.
void useHome(const QString& home)
{
    const auto set = [&](const char* name, const QString& folder) {
        QDir().mkpath(folder);
        setenv(name, QFile::encodeName(folder).constData(), 1);
    };
    set("HOME", home);
    set("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    set("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    set("XDG_CACHE_HOME", home + QStringLiteral("/.cache"));
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
    // The settings (the language chosen in the menu), the data and the home
    // folder of this run only, never the user's.
    QTemporaryDir home;
    useHome(home.path());
    QApplication app(argc, argv);
    monocl::nameProgram();
    silenceOffscreenSizeHintWarnings();
    return RUN_ALL_TESTS();
}
