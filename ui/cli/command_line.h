#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace monocl {

class MonoclDocument;
struct SimulateRequest;
struct WorkshopDrawing;

// The exit statuses of the command line.
inline constexpr int ExitDone = 0;
inline constexpr int ExitUsageOrFileError = 1; // nothing is written then
inline constexpr int ExitArithmeticFault = 2;  // written as the window shows it

// What the command line asks for without a window and without any Qt
// platform: --help, --version and --list-glasses are answered on standard
// output and end the program. To be called before any application object
// exists. Gives the exit status when the command line was such a request,
// none otherwise.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// The glass catalogue as CSV: a header line "maker,name,nd,vd", then one
// line a glass, nd to 6 and Vd to 2 decimals with a decimal point, fields
// quoted where they hold a comma, a quote or a line break.
QString glassCatalogueCsv();

// Whether the arguments ask for --help, --version or --list-glasses, which
// answerCommandLine answers.
bool asksWithoutWindow(int argc, char* argv[]);

// Whether the arguments ask for files to be written, or hold an option that
// is neither the program's --lang nor one of Qt's own for a window.
bool asksForNoWindow(int argc, const char* const* argv);

// What the program needs to answer the arguments without a window.
enum class Headless {
    Nothing, // no platform at all: the files it writes are texts
    Paint,   // a GUI application on the offscreen platform, to paint with
};
Headless headlessNeeds(int argc, const char* const* argv);

// To be called before the application object exists. When the arguments ask
// for a file to be painted without a window, unless a platform is chosen
// already, the offscreen one is taken, so that no display is needed.
void chooseHeadlessPlatform(int argc, char** argv);

// What opens the window: given the design file to load (empty for none),
// it returns the program's exit status. Empty where no window can open.
using ShowWindow = std::function<int(const QString& designFile)>;

// The outputs that paint: given by the part of the program that links Qt's
// GUI, which the program loads only for them and for the window.
struct PaintedOutputs
{
    // The report's PDF, naming the design file (empty for none).
    std::function<QByteArray(const MonoclDocument& document, const QString& designFile)> report;
    // The drawing's SVG at 1:1, or at its standard scale.
    std::function<QByteArray(const WorkshopDrawing& drawing, bool standardScale)> svg;
    // The photograph through the lens; none with the message, or *noLens.
    using Simulate = std::function<std::optional<QByteArray>(const SimulateRequest& request,
                                                             const MonoclDocument& document, bool* noLens,
                                                             QString* error)>;
    Simulate simulate;
};

// monocl [FILE] opens the window through showWindow, with FILE loaded.
// monocl --csv OUT.csv --report OUT.pdf --svg OUT.svg --save OUT.monocl
// [FILE] (any of them) computes from FILE, or from the start values, and
// writes the files without a window. An output asked for that painted
// cannot make is a usage error. Messages go to standard error. An
// application object must exist.
int runCommandLine(const ShowWindow& showWindow, const PaintedOutputs& painted = {});

} // namespace monocl
