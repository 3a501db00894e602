// Device contexts held for the length of one operation: a window's or the screen's
// (GetDC, given back with ReleaseDC), and a memory context with a 32-bit DIB section
// selected into it, an off-screen canvas to draw on.
#pragma once

#include <windows.h>

namespace marlivo::gdi {

// The device context of a window, or of the screen for no window; ReleaseDC when it goes.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }

  // None when GetDC failed.
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The order of a DIB's rows in memory: bottom-up (the usual, positive height) or
// top-down.
enum class DibRows { kBottomUp, kTopDown };

// A memory context compatible with `like` (the screen for none), holding a 32-bit DIB
// section of the given size (BI_RGB, 1 plane). Everything goes with the canvas except a
// DIB that Take handed out.
class DibCanvas {
 public:
  DibCanvas(HDC like, SIZE size, DibRows rows = DibRows::kBottomUp) {
    memory_ = ::CreateCompatibleDC(like);
    if (memory_ == nullptr) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = rows == DibRows::kTopDown ? -size.cy : size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dib_ = ::CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (dib_ == nullptr) return;
    previous_ = ::SelectObject(memory_, dib_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas() {
    Deselect();
    if (dib_ != nullptr) ::DeleteObject(dib_);
    if (memory_ != nullptr) ::DeleteDC(memory_);
  }

  // The memory context with the DIB selected; none when either could not be made.
  HDC dc() const { return dib_ != nullptr ? memory_ : nullptr; }
  // The DIB's pixels, in the order of its rows; none without a DIB.
  void* bits() const { return dib_ != nullptr ? bits_ : nullptr; }

  // Hands the DIB to the caller, who then owns it; the canvas draws no more.
  HBITMAP Take() {
    Deselect();
    HBITMAP taken = dib_;
    dib_ = nullptr;
    return taken;
  }

 private:
  void Deselect() {
    if (previous_ != nullptr) ::SelectObject(memory_, previous_);
    previous_ = nullptr;
  }

  HDC memory_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace marlivo::gdi
