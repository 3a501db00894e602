// The main window's creation routine and the handlers it binds: the drops on the two
// fields, "Start", the double click on the status line and the close of the window.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::app {

// "OnCreate" of the main form: fonts, icon, the fifteen controls with their settings,
// then the settings from "dic.ini" beside the program and the materials folder detection.
int CreateMainWindow(HWND window);

}  // namespace marlivo::app
