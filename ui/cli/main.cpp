// The program. What writes texts (the tables, the design and lens files, the
// catalogue, the help) runs here on Qt Core alone; the window and the files
// that are painted are the GUI part's, opened only for them.
#include "command_line.h"
#include "meanwhile.h"
#include "settings.h"
#include "window_part.h"

#include "ui/files/glass_table.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Requests answered on the terminal need no window and no display.
    if (const std::optional<int> status = monocl::answerCommandLine(argc, argv))
        return *status;
    if (monocl::asksForNoWindow(argc, argv) && monocl::headlessNeeds(argc, argv) == monocl::Headless::Nothing) {
        // The outputs name their glass from the catalogue: it is read from
        // the start, while the rest is set up, read and computed.
        std::jthread catalogueRead = monocl::startMeanwhile([] { monocl::glassCatalogue(); });
        QCoreApplication app(argc, argv);
        monocl::nameProgram();
        const int status = monocl::runCommandLine({});
        // Before the application object goes: the read may still use Qt.
        if (catalogueRead.joinable())
            catalogueRead.join();
        return status;
    }
    return monocl::runWindowPart(argc, argv);
}
