// Shared by the control and form tests: a framework host window for controls, a 32-bit
// canvas that a window paints into (WM_PRINTCLIENT), and a recorder of the messages a
// window object sees.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/ui/framework/framework_test_support.h"
#include "ui/framework/application.h"
#include "ui/framework/window_base.h"
#include "ui/framework/win32.h"

namespace marlivo::ui::testing {

// The framework as the program prepares it: the application object initialised
// (registry, module instance, GDI+, common-control classes), and the form class.
void PrepareControls();
// That application object, for tests that run its message loop.
qoApplication& TestApplication();

// A top-level framework window: its base hook passes notifications and colour messages
// on to the controls' cores, as every framework window does. Hidden unless a test needs
// it on the screen (focus): under Xvfb every shown window costs seconds to map and unmap.
class HostWindow {
 public:
  enum class Shown { kNo, kYes };
  explicit HostWindow(Shown shown = Shown::kNo, int width = 420, int height = 300);
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow();

  HWND window() const { return window_; }
  qoWindowBase& object() { return object_; }
  int ChildCount() const;

 private:
  qoWindowBase object_;
  HWND window_ = nullptr;
};

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(0, 255, 0));
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF Pixel(int x, int y) const;
  // The window's client area painted into the canvas at its top-left corner.
  void PrintClient(HWND window);

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// Binds "OnWndMsg" on an object and keeps every message its window sees, claiming none.
class MessageRecorder {
 public:
  explicit MessageRecorder(qoWindowBase& object);
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;
  ~MessageRecorder();

  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const std::vector<Message>& messages() const { return messages_; }
  int Count(UINT message) const;
  void Clear() { messages_.clear(); }

 private:
  static LRESULT Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int* handled);
  qoWindowBase& object_;
  std::vector<Message> messages_;
};

}  // namespace marlivo::ui::testing
