// The program. What writes texts (the tables, the design and lens files, the
// catalogue, the help) runs here on Qt Core alone; the window and the files
// that are painted are the GUI part's, opened only for them.
#include "command_line.h"
#include "settings.h"
#include "window_part.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Requests answered on the terminal need no window and no display.
    if (const std::optional<int> status = monocl::answerCommandLine(argc, argv))
        return *status;
    if (monocl::asksForNoWindow(argc, argv) && monocl::headlessNeeds(argc, argv) == monocl::Headless::Nothing) {
        QCoreApplication app(argc, argv);
        monocl::nameProgram();
        return monocl::runCommandLine({});
    }
    return monocl::runWindowPart(argc, argv);
}
