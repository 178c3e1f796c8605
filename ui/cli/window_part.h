#pragma once

namespace monocl {

// The program's GUI part is a shared library beside the program, or in the
// program's folder of the library directory once installed. It answers the
// arguments as main would for the window and for the files that are painted
// (--report, --svg, --simulate), and gives the exit status.
using WindowMain = int(int argc, char** argv);
inline constexpr char WindowMainName[] = "monoclWindowMain";

// Opens the GUI part and runs it with the arguments: its exit status, or
// ExitUsageOrFileError with the reason on standard error when it cannot be
// opened. No application object may exist.
int runWindowPart(int argc, char** argv);

} // namespace monocl
