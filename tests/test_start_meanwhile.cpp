// The window's start-up work done meanwhile, in a binary of its own: Qt takes
// for its main thread the first thread that asks it about threads, so
// nothing may touch Qt here before that work begins, not even a test main.
#include "ui/app/start_meanwhile.h"
#include "ui/files/glass_table.h"

#include <QGuiApplication>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <future>
#include <system_error>

namespace {

QStringList* warnings = nullptr;

void keepWarning(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (warnings)
        *warnings << message;
}

} // namespace

TEST(StartMeanwhile, TheStartingThreadStaysQtsMainThread)
{
    // A home of this run's own, made without Qt.
    char home[] = "/tmp/monocl-start-XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        setenv(name, home, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // The order that lost the race: the work has read the catalogue
    // through Qt and is still running when the application object is made.
    std::promise<void> catalogueRead, appMade;
    std::jthread work = monocl::startMeanwhile([&catalogueRead, made = appMade.get_future().share()] {
        monocl::glassCatalogue();
        catalogueRead.set_value();
        made.wait();
    });
    ASSERT_TRUE(work.joinable());
    catalogueRead.get_future().wait();

    QStringList seen;
    warnings = &seen;
    qInstallMessageHandler(keepWarning);
    int argc = 1;
    char name[] = "monocl_start_tests";
    char* argv[] = {name, nullptr};
    {
        QGuiApplication app(argc, argv);
        appMade.set_value();
        monocl::waitFor(work);
        EXPECT_EQ(seen.filter(QStringLiteral("main() thread")).join(u'\n').toStdString(), "");
        EXPECT_EQ(monocl::glassCatalogue().size(), 1572u);
    }
    qInstallMessageHandler(nullptr);
    warnings = nullptr;
    std::error_code removed;
    std::filesystem::remove_all(home, removed);
    EXPECT_FALSE(removed) << removed.message();
}
