#include "startup.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("monocl"));
    QApplication::setApplicationDisplayName(QStringLiteral("monocl"));
    QGuiApplication::setDesktopFileName(QStringLiteral("monocl"));

    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = monocl::startUp(state);

    // Centred on the screen it opens on.
    if (const QScreen* screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        window->move(available.center() - window->rect().center());
    }
    window->show();
    return app.exec();
}
