// The core of a layout object and its answers to the window's size requests.
#include "ui/framework/layout.h"

#include "ui/framework/bag_keys.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/process_heap.h"

namespace marlivo::ui {
namespace {

// The layout object that the core answers for. A window may hold the core longer than
// the object lives, so the object removes itself here when it goes.
constexpr char kLayoutObject[] = "qoLayoutObject";

LRESULT LayoutMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, int* handled) {
  auto* layout = GetPropertyAs<qoLayoutBase*>(core, kLayoutObject);
  auto* rect = GetPropertyAs<RECT*>(core, keys::kLayoutRect);
  switch (message) {
    case kLayoutResize:
      if (rect != nullptr) {
        *rect = RECT{0, 0, static_cast<int>(static_cast<std::intptr_t>(wParam)),
                     static_cast<int>(lParam)};
      }
      *handled = 1;
      return 0;
    case kLayoutApply:
      if (layout != nullptr) layout->Arrange();
      *handled = 1;
      return 0;
    case kLayoutMinimumSize: {
      const SIZE minimum = layout != nullptr ? layout->MinimumSize() : SIZE{0, 0};
      *handled = 1;
      return static_cast<LRESULT>(static_cast<WORD>(minimum.cx)) |
             (static_cast<LRESULT>(static_cast<WORD>(minimum.cy)) << 16);
    }
    default:
      return BaseMessageHook(core, window, message, wParam, lParam, handled);
  }
}

void LayoutCleanup(ObjectCore* core) {
  HeapRelease(GetPropertyAs<RECT*>(core, keys::kLayoutRect));
  SetProperty(core, keys::kLayoutRect, 0);
  BaseCleanup(core);
}

}  // namespace

qoLayoutBase::qoLayoutBase() : core_(MakeWindowCore()) {
  core_->hooks->MessageHook = LayoutMessageHook;
  core_->hooks->CleanupHook = LayoutCleanup;
  SetPropertyOf(core_, keys::kLayoutRect, HeapAllocate(sizeof(RECT)));
  SetPropertyOf(core_, kLayoutObject, this);
}

qoLayoutBase::~qoLayoutBase() {
  SetProperty(core_, kLayoutObject, 0);
  Release(core_);
}

ObjectCore* qoLayoutBase::GetCore() const { return core_; }

RECT* qoLayoutBase::GetRectBuffer() const {
  return GetPropertyAs<RECT*>(core_, keys::kLayoutRect);
}

SIZE qoLayoutBase::MinimumSize() const { return SIZE{0, 0}; }

}  // namespace marlivo::ui
