// The module instance that every framework window, class registration and resource load
// uses. The application object's initialisation sets it; until then it is the module
// that started the process.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::ui {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

}  // namespace marlivo::ui
