#pragma once
// The camera commands of the menu and toolbar as arithmetic on the look record: preset
// views, fixed turns and zoom steps, and the choice of what a drag moves.
#include "settings/ViewSettings.h"

namespace vellum {

// Applies view command `id` (201 to 210, 265, 266) or mouse-mode command (223 to 238).
// False for any other command, which changes nothing.
bool applyViewCommand(ViewSettings& look, int id);

// The mouse-mode command that chooses `mode`, and the mode a command chooses (-1 if none).
int mouseModeCommand(int mode);
int mouseModeOf(int id);

} // namespace vellum
