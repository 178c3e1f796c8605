#include "command_line.h"
#include "main_window.h"
#include "settings.h"
#include "startup.h"

#include <QApplication>
#include <QTimer>

namespace {

constexpr int ChooserWarmUpDelayMs = 400;

// The program's window, with the design file given on the command line.
int showWindow(const QString& designFile)
{
    monocl::MonoclState state;
    // The hidden tabs' views wait, so that the first frame comes sooner.
    monocl::MainWindow window(monocl::startUp(state, monocl::Toptmono::HiddenTabs::BuiltWhenShown), state);
    window.fitToScreen();
    window.show();
    // Once the first frames are out, the chooser's first opening is made
    // ready, so that it opens within a frame as every later one does, and
    // so are the hidden tabs, so that the first switch to one is as quick.
    QTimer::singleShot(ChooserWarmUpDelayMs, window.form(), &monocl::Toptmono::prepareGlassChooser);
    QTimer::singleShot(ChooserWarmUpDelayMs, window.form(), &monocl::Toptmono::buildHiddenTabs);
    // A file that cannot be opened is told in a box over the window, which
    // keeps the start values.
    if (!designFile.isEmpty())
        window.openFile(designFile);
    return QApplication::exec();
}

// Files written without a window need as little of Qt as they paint: texts
// none of its platform, a report or a drawing a GUI application offscreen.
int writeWithoutWindow(int argc, char* argv[])
{
    if (monocl::headlessNeeds(argc, argv) == monocl::Headless::Nothing) {
        QCoreApplication app(argc, argv);
        monocl::nameProgram();
        return monocl::runCommandLine({});
    }
    QGuiApplication app(argc, argv);
    monocl::nameProgram();
    return monocl::runCommandLine({});
}

} // namespace

int main(int argc, char* argv[])
{
    // Requests answered on the terminal need no window and no display.
    if (const std::optional<int> status = monocl::answerCommandLine(argc, argv))
        return *status;

    monocl::chooseHeadlessPlatform(argc, argv);
    if (monocl::asksForNoWindow(argc, argv))
        return writeWithoutWindow(argc, argv);
    QApplication app(argc, argv);
    monocl::nameProgram();
    QApplication::setWindowIcon(monocl::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.monocl.Monocl"));
    return monocl::runCommandLine(showWindow);
}
