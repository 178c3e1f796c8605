#include "command_line.h"
#include "main_window.h"
#include "settings.h"
#include "ui/window/startup.h"

#include <QApplication>

namespace {

// The program's window, with the design file given on the command line.
int showWindow(QApplication& app, const QString& designFile)
{
    monocl::MonoclState state;
    monocl::MainWindow window(monocl::startUp(state), state);
    window.fitToScreen();
    window.show();
    // A file that cannot be opened is told in a box over the window, which
    // keeps the start values.
    if (!designFile.isEmpty())
        window.openFile(designFile);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // Requests answered on the terminal need no window and no display.
    if (const std::optional<int> status = monocl::answerCommandLine(argc, argv))
        return *status;

    monocl::chooseHeadlessPlatform(argc, argv);
    QApplication app(argc, argv);
    monocl::nameProgram();
    QApplication::setWindowIcon(monocl::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.monocl.Monocl"));
    return monocl::runCommandLine(app, showWindow);
}
