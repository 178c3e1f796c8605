#pragma once

namespace monocl {

// Names the program, so that its settings live in monocl/monocl.conf of the
// user's configuration folder, and moves there the settings that earlier
// versions, which named no organisation, kept under Qt's default name. Call
// it once the application object exists, before any setting is read.
void nameProgram();

} // namespace monocl
