// The process-wide map from bound windows to their cores.
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

HashMap* g_registry = nullptr;

std::intptr_t KeyOf(HWND window) { return reinterpret_cast<std::intptr_t>(window); }

}  // namespace

void EnsureWindowRegistry() {
  if (g_registry == nullptr) g_registry = CreateHashMap(MapKind::kInteger, MapKind::kInteger);
}

HashMap* WindowRegistry() { return g_registry; }

ObjectCore* FindCore(HWND window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<ObjectCore*>(MapGet(g_registry, KeyOf(window)));
}

void RegisterWindow(HWND window, ObjectCore* core) {
  MapPut(g_registry, KeyOf(window), reinterpret_cast<std::intptr_t>(core));
}

void UnregisterWindow(HWND window) { MapRemove(g_registry, KeyOf(window)); }

}  // namespace marlivo::ui
