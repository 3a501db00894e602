// Wrapper cores seen from the window framework.
#include "ui/framework/wrapper_cores.h"

#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::ui {

void ReleaseWrapperCore(std::intptr_t core) {
  auto* wrapper = reinterpret_cast<gdi::WrapperCore*>(core);
  if (wrapper != nullptr) wrapper->hooks->Release(wrapper);
}

std::uintptr_t WrapperHandle(std::intptr_t core) {
  const auto* wrapper = reinterpret_cast<const gdi::WrapperCore*>(core);
  if (wrapper == nullptr || wrapper->data == nullptr) return 0;
  return wrapper->data[0];
}

}  // namespace marlivo::ui
