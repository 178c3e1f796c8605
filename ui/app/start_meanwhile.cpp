#include "start_meanwhile.h"

#include "ui/files/glass_table.h"

#include <QLibraryInfo>
#include <QString>

#include <dlfcn.h>

#include <filesystem>
#include <string>

#ifdef MONOCL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace monocl {

namespace {

// Qt opens every image plugin the first time it reads a picture whose
// format it is not told, to ask each whether it reads that picture first:
// the menu bar's extension icon is read so, and the group boxes' frame. That
// took a millisecond of the first frame. Opened beforehand, meanwhile, they
// are found loaded. Only their libraries are opened; Qt makes the plugins.
void openImagePlugins(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with("lib") && name.ends_with(".so"))
            dlopen(it->path().c_str(), RTLD_LAZY | RTLD_LOCAL); // kept open, as Qt keeps them
    }
}

} // namespace

// Fontconfig reads its configuration and caches when the first text is
// measured, several milliseconds on the thread that measures; Qt's own
// FcInit then finds it loaded. The catalogue gives the nearest glass's line;
// a failure here is met again, and told, where the catalogue is used.
std::jthread prepareMeanwhile()
{
    // Asked here: Qt's paths are not for two threads at once.
    const std::string imagePlugins =
        (QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats")).toStdString();
    return startMeanwhile([imagePlugins] {
#ifdef MONOCL_FONTCONFIG
        FcInit();
#endif
        glassCatalogue();
        openImagePlugins(imagePlugins);
    });
}

// Qt first asks fontconfig when it first measures a text, after its
// application object is made, and frees fontconfig's configuration when
// that object goes: the work above ends before either, never beside them.
void waitFor(std::jthread& work)
{
    if (work.joinable())
        work.join();
}

} // namespace monocl
