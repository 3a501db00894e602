// Screen capture with GDI, image files with the GDI+ flat API.
#include "tests/app/e2e/driver/screen_image.h"

#include <gdiplus.h>

#include <cstdlib>
#include <cstring>

namespace marlivo::e2e {
namespace {

namespace gp = Gdiplus::DllExports;

// GDI+ started once for the driver's process, left running until it ends.
bool GdiplusReady() {
  static const bool ready = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return ready;
}

std::optional<CLSID> PngEncoder() {
  UINT count = 0;
  UINT bytes = 0;
  if (gp::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) {
    return std::nullopt;
  }
  std::vector<unsigned char> storage(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
  if (gp::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
      return codecs[i].Clsid;
    }
  }
  return std::nullopt;
}

}  // namespace

Picture Picture::Part(int x, int y, int part_width, int part_height) const {
  Picture part;
  if (x < 0 || y < 0 || part_width <= 0 || part_height <= 0 || x + part_width > width ||
      y + part_height > height) {
    return part;
  }
  part.width = part_width;
  part.height = part_height;
  part.pixels.reserve(static_cast<size_t>(part_width) * part_height);
  for (int row = 0; row < part_height; ++row) {
    for (int column = 0; column < part_width; ++column) {
      part.pixels.push_back(At(x + column, y + row));
    }
  }
  return part;
}

std::optional<Picture> CaptureScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  HDC screen = GetDC(nullptr);
  if (!screen) return std::nullopt;
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::optional<Picture> picture;
  if (memory && bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
      GdiFlush();
      Picture captured;
      captured.width = width;
      captured.height = height;
      const auto* source = static_cast<const std::uint32_t*>(bits);
      captured.pixels.assign(source, source + static_cast<size_t>(width) * height);
      for (std::uint32_t& pixel : captured.pixels) pixel &= 0x00FFFFFF;
      picture = std::move(captured);
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

bool SavePng(const Picture& picture, const std::wstring& path) {
  if (!GdiplusReady() || picture.width <= 0 || picture.height <= 0) return false;
  const std::optional<CLSID> encoder = PngEncoder();
  if (!encoder) return false;
  std::vector<std::uint32_t> opaque = picture.pixels;
  for (std::uint32_t& pixel : opaque) pixel |= 0xFF000000;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (gp::GdipCreateBitmapFromScan0(picture.width, picture.height, picture.width * 4,
                                    PixelFormat32bppARGB,
                                    reinterpret_cast<BYTE*>(opaque.data()),
                                    &bitmap) != Gdiplus::Ok) {
    return false;
  }
  const bool saved =
      gp::GdipSaveImageToFile(bitmap, path.c_str(), &*encoder, nullptr) == Gdiplus::Ok;
  gp::GdipDisposeImage(bitmap);
  return saved;
}

std::optional<Picture> LoadPicture(const std::wstring& path) {
  if (!GdiplusReady()) return std::nullopt;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (gp::GdipCreateBitmapFromFile(path.c_str(), &bitmap) != Gdiplus::Ok) return std::nullopt;
  UINT width = 0;
  UINT height = 0;
  gp::GdipGetImageWidth(bitmap, &width);
  gp::GdipGetImageHeight(bitmap, &height);
  Picture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(static_cast<size_t>(width) * height);
  Gdiplus::GpRect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  Gdiplus::BitmapData data{};
  data.Width = width;
  data.Height = height;
  data.Stride = static_cast<INT>(width * 4);
  data.PixelFormat = PixelFormat32bppARGB;
  data.Scan0 = picture.pixels.data();
  const bool read =
      gp::GdipBitmapLockBits(bitmap, &area,
                             Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                             PixelFormat32bppARGB, &data) == Gdiplus::Ok;
  if (read) gp::GdipBitmapUnlockBits(bitmap, &data);
  gp::GdipDisposeImage(bitmap);
  if (!read) return std::nullopt;
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0x00FFFFFF;
  return picture;
}

double MeanDifference(const Picture& a, const Picture& b) {
  if (a.width != b.width || a.height != b.height || a.pixels.empty()) return -1;
  double total = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      total += std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                        static_cast<int>((b.pixels[i] >> shift) & 0xFF));
    }
  }
  return total / (static_cast<double>(a.pixels.size()) * 3);
}

}  // namespace marlivo::e2e
