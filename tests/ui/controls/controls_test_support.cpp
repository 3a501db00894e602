// Test support for the control and form tests.
#include "tests/ui/controls/controls_test_support.h"

#include <algorithm>

#include "ui/framework/window_registry.h"

namespace marlivo::ui::testing {
namespace {

std::vector<MessageRecorder*> g_recorders;

}  // namespace

qoApplication& TestApplication() {
  static qoApplication application;
  return application;
}

void PrepareControls() {
  PrepareFramework();
  static const bool prepared = [] {
    TestApplication().Initialise();
    return true;
  }();
  (void)prepared;
}

HostWindow::HostWindow(Shown shown, int width, int height) {
  PrepareControls();
  const DWORD visible = shown == Shown::kYes ? WS_VISIBLE : 0;
  window_ = CreateTopWindow(object_, WS_OVERLAPPED | WS_CAPTION | visible, width, height);
}

HostWindow::~HostWindow() {
  if (::IsWindow(window_)) ::DestroyWindow(window_);
}

int HostWindow::ChildCount() const {
  int count = 0;
  for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    ++count;
  }
  return count;
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = ::CreateCompatibleDC(nullptr);
  bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = ::SelectObject(dc_, bitmap_);
  const RECT all{0, 0, width, height};
  const HBRUSH brush = ::CreateSolidBrush(fill);
  ::FillRect(dc_, &all, brush);
  ::DeleteObject(brush);
}

Canvas::~Canvas() {
  ::SelectObject(dc_, previous_);
  ::DeleteObject(bitmap_);
  ::DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
  ::GdiFlush();
  const std::uint32_t pixel = bits_[y * width_ + x];  // 0x00RRGGBB in a 32-bit DIB
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void Canvas::PrintClient(HWND window) {
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_),
                 PRF_CLIENT | PRF_ERASEBKGND);
}

MessageRecorder::MessageRecorder(qoWindowBase& object) : object_(object) {
  g_recorders.push_back(this);
  object_.SetOnWndMsg(&MessageRecorder::Record);
}

MessageRecorder::~MessageRecorder() {
  object_.SetOnWndMsg(nullptr);
  g_recorders.erase(std::remove(g_recorders.begin(), g_recorders.end(), this),
                    g_recorders.end());
}

int MessageRecorder::Count(UINT message) const {
  int count = 0;
  for (const Message& seen : messages_) count += seen.message == message ? 1 : 0;
  return count;
}

LRESULT MessageRecorder::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               int*) {
  const ObjectCore* core = FindCore(window);
  for (MessageRecorder* recorder : g_recorders) {
    if (recorder->object_.GetCore() == core) {
      recorder->messages_.push_back({message, wParam, lParam});
    }
  }
  return 0;
}

}  // namespace marlivo::ui::testing
