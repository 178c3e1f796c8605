#include "window_part.h"

#include "command_line.h"
#include "language.h"
#include "settings.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace monocl {

namespace {

// Where the GUI part may lie: beside the program in a build, in the library
// folder once installed.
std::filesystem::path programFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

WindowMain* openWindowPart(QString* reason)
{
    const std::filesystem::path folder = programFolder();
    // Without the program's own folder the names would be taken from the
    // working folder, where any library of that name could be lying.
    if (folder.empty()) {
        *reason = QCoreApplication::translate("CommandLine", "папка программы не найдена");
        return nullptr;
    }
    for (const std::filesystem::path& candidate :
         {folder / MONOCL_WINDOW_PART, folder / MONOCL_INSTALLED_WINDOW_PART_DIR / MONOCL_WINDOW_PART}) {
        if (!std::filesystem::exists(candidate))
            continue;
        void* part = dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (part == nullptr) {
            *reason = QString::fromLocal8Bit(dlerror());
            return nullptr;
        }
        if (void* entry = dlsym(part, WindowMainName))
            return reinterpret_cast<WindowMain*>(entry);
        *reason = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    *reason = QCoreApplication::translate("CommandLine", "нет файла %1 рядом с программой и в %2")
                  .arg(QString::fromLatin1(MONOCL_WINDOW_PART),
                       QString::fromStdString((folder / MONOCL_INSTALLED_WINDOW_PART_DIR).lexically_normal().string()));
    return nullptr;
}

} // namespace

int runWindowPart(int argc, char** argv)
{
    QString reason;
    if (WindowMain* windowMain = openWindowPart(&reason))
        return windowMain(argc, argv);
    QCoreApplication app(argc, argv);
    nameProgram();
    installTranslations();
    const QString message = QCoreApplication::translate("CommandLine", "monocl: графическая часть программы не открыта: %1\n").arg(reason);
    std::fputs(message.toUtf8().constData(), stderr);
    return ExitUsageOrFileError;
}

} // namespace monocl
