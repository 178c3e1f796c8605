#pragma once

#include <QString>

#include <optional>

namespace monocl {

// When the window checks what is typed into its real-number fields: at
// every key, as it always has (a text it cannot take is put right at once,
// and a fault shows its box), or when the user presses Enter or leaves the
// field (until then such a text only marks the field).
enum class InputCheck { EveryKey, OnCommit };

// The choice made in the menu, kept in the settings; EveryKey when none.
InputCheck rememberedInputCheck();
void rememberInputCheck(InputCheck check);

} // namespace monocl
