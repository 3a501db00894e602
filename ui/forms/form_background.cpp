// qoForm: background colour and image, and the window's shape (region, image, round
// corners).
//
// After a successful SetWindowRgn the region belongs to the system, which frees it with
// the window: it is deleted here only when the call failed.
#include <vector>

#include "ui/forms/background_painter.h"
#include "ui/forms/form.h"
#include "ui/forms/window_background.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

namespace gp = gdi::gp;

int GiveRegion(HWND window, HRGN region) {
  if (region == nullptr) return 0;
  if (::SetWindowRgn(window, region, TRUE) != 0) return 1;
  ::DeleteObject(region);
  return 0;
}

// A GDI region of the GDI+ region, on a graphics of the window's own DC.
HRGN RegionHandle(HWND window, Gdiplus::GpRegion* region) {
  if (region == nullptr) return nullptr;
  const HDC dc = ::GetDC(window);
  Gdiplus::GpGraphics* graphics = nullptr;
  HRGN handle = nullptr;
  if (gp::GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
    gp::GdipGetRegionHRgn(region, graphics, &handle);
    gp::GdipDeleteGraphics(graphics);
  }
  ::ReleaseDC(window, dc);
  return handle;
}

// The runs of pixels that differ from the transparent colour, row by row, as one-pixel
// high rectangles of a path. When no colour is given, each row's first pixel is that
// row's transparent colour.
Gdiplus::GpPath* OpaqueRuns(const Gdiplus::BitmapData& pixels,
                            std::optional<std::uint32_t> transparent) {
  Gdiplus::GpPath* path = nullptr;
  if (gp::GdipCreatePath(Gdiplus::FillModeAlternate, &path) != Gdiplus::Ok) return nullptr;
  const auto width = static_cast<int>(pixels.Width);
  const auto height = static_cast<int>(pixels.Height);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const unsigned char*>(pixels.Scan0) + static_cast<std::ptrdiff_t>(y) * pixels.Stride);
    const std::uint32_t clear = transparent.value_or(width > 0 ? row[0] : 0);
    int x = 0;
    while (x < width) {
      const int start = x;
      while (x < width && row[x] != clear) ++x;
      if (x > start) gp::GdipAddPathRectangleI(path, start, y, x - start, 1);
      ++x;  // past the transparent pixel that ended the run
    }
  }
  return path;
}

}  // namespace

forms::qoImage qoForm::BackImage(std::optional<forms::qoImage> image) {
  if (image.has_value()) {
    forms::HoldBackImage(GetCore(), image->GetCore());
    Invalidate(TRUE);
  }
  forms::qoImage held;
  held.ShareCore(GetPropertyAs<gdi::WrapperCore*>(GetCore(), keys::kBackImage));
  return held;
}

std::vector<unsigned char> qoForm::BackImageData(
    std::optional<std::span<const unsigned char>> bytes) {
  if (!bytes.has_value()) return BackImage().SaveToMemory();
  // Bytes that cannot be decoded still give an image object, without an image: the
  // painter then draws the colour only.
  forms::qoImage image;
  image.LoadFromMemory(*bytes);
  forms::HoldBackImage(GetCore(), image.GetCore());
  Invalidate(TRUE);
  return {};
}

int qoForm::ShowImageType(std::optional<int> mode) {
  return forms::ExchangeShowImageType(*this, mode);
}

COLORREF qoForm::BackColor(std::optional<COLORREF> colour) {
  return forms::ExchangeBackColor(*this, colour);
}

int qoForm::SetRegion(Gdiplus::GpRegion* region) {
  const HWND window = GetHwnd();
  return GiveRegion(window, RegionHandle(window, region));
}

int qoForm::SetShapeFromImage(const gdi::qoBitmap& bitmap,
                              std::optional<std::uint32_t> transparent) {
  Gdiplus::GpBitmap* handle = bitmap.GetHandle();
  if (handle == nullptr) return 0;
  const Gdiplus::GpRect whole(0, 0, bitmap.GetWidth(), bitmap.GetHeight());
  Gdiplus::BitmapData pixels{};
  if (gp::GdipBitmapLockBits(handle, &whole, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB,
                             &pixels) != Gdiplus::Ok) {
    return 0;
  }
  Gdiplus::GpPath* path = OpaqueRuns(pixels, transparent);
  gp::GdipBitmapUnlockBits(handle, &pixels);
  if (path == nullptr) return 0;
  Gdiplus::GpRegion* region = nullptr;
  const Gdiplus::GpStatus made = gp::GdipCreateRegionPath(path, &region);
  gp::GdipDeletePath(path);
  if (made != Gdiplus::Ok) return 0;
  const HWND window = GetHwnd();
  const HRGN shape = RegionHandle(window, region);
  gp::GdipDeleteRegion(region);
  if (shape == nullptr) return 0;
  const int set = GiveRegion(window, shape);

  // The image shows at its own size under its own shape.
  forms::HoldBackImage(GetCore(), bitmap.GetCore());
  Invalidate(TRUE);
  ShowImageType(1);
  return set;
}

int qoForm::SetRoundCorners(int diameter) {
  const HWND window = GetHwnd();
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return GiveRegion(window, ::CreateRoundRectRgn(0, 0, rect.right - rect.left,
                                                 rect.bottom - rect.top, diameter, diameter));
}

}  // namespace marlivo::ui
