// The module from which the wrapper objects load resources (icons and cursors by name
// or number): the program's instance handle, as the application object records it.
#pragma once

#include <windows.h>

namespace marlivo::gdi {

// The module handle set last, or the process's own module (GetModuleHandleW(NULL))
// when none was set: the same handle the application object's initialisation takes
// when it is given none.
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);

}  // namespace marlivo::gdi
