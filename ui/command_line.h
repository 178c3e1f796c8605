#pragma once

#include <QString>

#include <functional>

class QApplication;

namespace monocl {

// The exit statuses of the command line.
inline constexpr int ExitDone = 0;
inline constexpr int ExitUsageOrFileError = 1; // nothing is written then
inline constexpr int ExitArithmeticFault = 2;  // written as the window shows it

// To be called before the QApplication exists. When the arguments ask for
// a file to be written, for help or the version, or are not understood, the
// program shows no window; unless a platform is chosen already, the
// offscreen one is then taken, so that no display is needed.
void chooseHeadlessPlatform(int argc, char** argv);

// What opens the window: given the design file to load (empty for none),
// it returns the program's exit status.
using ShowWindow = std::function<int(QApplication& app, const QString& designFile)>;

// monocl [FILE] opens the window through showWindow, with FILE loaded.
// monocl --csv OUT.csv --report OUT.pdf --svg OUT.svg --save OUT.monocl
// [FILE] (any of them) computes from FILE, or from the start values, and
// writes the files without a window. Messages go to standard error.
int runCommandLine(QApplication& app, const ShowWindow& showWindow);

} // namespace monocl
