#include "command_line.h"
#include "design_document.h"
#include "startup.h"

#include <QApplication>
#include <QScreen>

namespace {

// The program's window, with the design file given on the command line.
int showWindow(QApplication& app, const QString& designFile)
{
    monocl::MonoclState state;
    std::unique_ptr<Toptmono> window = monocl::startUp(state);
    monocl::DesignDocument document(*window, state);

    // Centred on the screen it opens on.
    if (const QScreen* screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        window->move(available.center() - window->rect().center());
    }
    window->show();
    // A file that cannot be opened is told in a box over the window, which
    // keeps the start values.
    if (!designFile.isEmpty())
        document.openFile(designFile, window.get());
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    monocl::chooseHeadlessPlatform(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("monocl"));
    QApplication::setApplicationDisplayName(QStringLiteral("monocl"));
    QGuiApplication::setDesktopFileName(QStringLiteral("monocl"));
    return monocl::runCommandLine(app, showWindow);
}
