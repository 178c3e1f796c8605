// The part of the program that links Qt's GUI: the window, and the outputs
// that paint. The program loads it only for them, so that what writes texts
// starts with Qt Core alone.
#include "main_window.h"
#include "simulate_command.h"
#include "start_meanwhile.h"
#include "startup.h"

#include "ui/cli/command_line.h"
#include "ui/cli/settings.h"
#include "ui/cli/window_part.h"
#include "ui/report/report.h"
#include "ui/report/workshop_drawing.h"

#include <QApplication>
#include <QTimer>

#include <thread>
#include <type_traits>

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

monocl::PaintedOutputs paintedOutputs()
{
    monocl::PaintedOutputs painted;
    painted.report = [](const monocl::MonoclDocument& document, const QString& designFile) {
        monocl::ReportInfo info;
        info.designFile = designFile;
        return monocl::reportPdf(document, info);
    };
    painted.svg = [](const monocl::WorkshopDrawing& drawing, bool standardScale) {
        return monocl::workshopSvg(drawing, standardScale ? monocl::elementScale(drawing.diameter)
                                                          : monocl::DrawingScale{});
    };
    painted.simulate = monocl::simulatedPhotograph;
    return painted;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int monoclWindowMain(int argc, char** argv);
static_assert(std::is_same_v<decltype(monoclWindowMain), monocl::WindowMain>);

int monoclWindowMain(int argc, char** argv)
{
    // A report, a drawing or a photograph without a window paints on a GUI
    // application, offscreen unless a platform is chosen.
    monocl::chooseHeadlessPlatform(argc, argv);
    std::jthread prepared = monocl::prepareMeanwhile();
    if (monocl::asksForNoWindow(argc, argv)) {
        QGuiApplication app(argc, argv);
        monocl::waitFor(prepared);
        monocl::nameProgram();
        return monocl::runCommandLine({}, paintedOutputs());
    }
    QApplication app(argc, argv);
    monocl::waitFor(prepared);
    monocl::nameProgram();
    QApplication::setWindowIcon(monocl::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.monocl.Monocl"));
    return monocl::runCommandLine(showWindow, paintedOutputs());
}
