// What the arguments ask for, read from argv before any application object
// exists: whether a window opens, and what platform the program needs.
#include "command_line.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace monocl {

namespace {

// Options the Qt platform takes itself, for a window on a display.
constexpr const char* QtWindowOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "reverse", "session", "style", "stylesheet", "widgetcount",
    "display", "geometry", "title", "name", "nograb", "dograb", "visual", "ncols", "cmap",
    "qmljsdebugger",
};

} // namespace

bool asksWithoutWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char* option : {"--help", "-h", "-?", "--help-all", "--version", "-v", "--list-glasses"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

bool asksForNoWindow(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--")
            break;
        if (arg.size() < 2 || arg[0] != '-')
            continue;
        arg.remove_prefix(arg[1] == '-' ? 2 : 1);
        arg = arg.substr(0, arg.find('='));
        // The language is chosen for the window as much as for the files.
        bool windowOption = arg == "lang";
        for (const char* name : QtWindowOptions)
            windowOption = windowOption || arg == name;
        if (!windowOption)
            return true;
    }
    return false;
}

Headless headlessNeeds(int argc, const char* const* argv)
{
    Headless needs = Headless::Nothing;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--")
            break;
        arg = arg.substr(0, arg.find('='));
        if (arg == "--report" || arg == "-report" || arg == "--svg" || arg == "-svg" || arg == "--simulate"
            || arg == "-simulate")
            needs = Headless::Paint;
    }
    return needs;
}

void chooseHeadlessPlatform(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (asksForNoWindow(argc, argv) && headlessNeeds(argc, argv) != Headless::Nothing
        && (platform == nullptr || *platform == '\0'))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace monocl
