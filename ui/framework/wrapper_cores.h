// What the window framework does with the wrapper cores (icon, cursor, font, image,
// accelerator table) that a window's bag holds: give up a reference, read the system
// handle in data word 0.
#pragma once

#include <cstdint>

#include "ui/framework/win32.h"

namespace marlivo::ui {

// Release on the wrapper core whose address the value holds; 0 is allowed.
void ReleaseWrapperCore(std::intptr_t core);
// Data word 0 of the wrapper core (an accelerator table's HACCEL); 0 for no core.
std::uintptr_t WrapperHandle(std::intptr_t core);

}  // namespace marlivo::ui
