#include "command_line.h"
#include "main_window.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Requests answered on the terminal need no window and no display.
    if (const std::optional<int> status = monocl::answerCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("monocl"));
    QApplication::setWindowIcon(monocl::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.monocl.Monocl"));

    monocl::MonoclState state;
    monocl::MainWindow window(monocl::startUp(state));
    window.fitToScreen();
    window.show();
    return app.exec();
}
