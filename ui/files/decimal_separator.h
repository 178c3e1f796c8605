#pragma once

namespace monocl {

// The system locale's decimal separator when it is a single ASCII
// character, otherwise a point: the separator the program reads and writes
// its numbers with.
char systemDecimalSeparator();

} // namespace monocl
