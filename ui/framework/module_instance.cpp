// The process-wide module instance of the framework.
#include "ui/framework/module_instance.h"

namespace marlivo::ui {
namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

HINSTANCE ModuleInstance() {
  return g_instance != nullptr ? g_instance : ::GetModuleHandleW(nullptr);
}

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

}  // namespace marlivo::ui
