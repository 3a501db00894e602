// The module handle used for loading icon and cursor resources.
#include "ui/framework/gdi/resource_module.h"

#include <atomic>

namespace marlivo::gdi {
namespace {
std::atomic<HINSTANCE> g_resourceModule{nullptr};
}  // namespace

HINSTANCE ResourceModule() {
  HINSTANCE module = g_resourceModule.load();
  return module != nullptr ? module : GetModuleHandleW(nullptr);
}

void SetResourceModule(HINSTANCE module) { g_resourceModule.store(module); }

}  // namespace marlivo::gdi
