#include "main_window.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
