// The process-wide window registry: bound window handle -> the core it is bound to.
//
// Every framework window procedure finds its window's core here, and a parent finds the
// core of the child that a notification concerns. The registry holds no references.
#pragma once

#include "ui/framework/object_core.h"
#include "ui/framework/win32.h"

namespace marlivo::ui {

// Creates the registry (integer keys and values, 11 buckets, load factor 0.75) unless it
// exists. The application object's initialisation does this before any window exists.
void EnsureWindowRegistry();
// The registry's map; none before EnsureWindowRegistry.
HashMap* WindowRegistry();

// The core bound to the window; none for 0, an unknown window or a missing registry.
ObjectCore* FindCore(HWND window);
void RegisterWindow(HWND window, ObjectCore* core);
void UnregisterWindow(HWND window);

}  // namespace marlivo::ui
