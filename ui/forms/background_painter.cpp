// The background painter and the fit rectangle of display mode 3.
#include "ui/forms/background_painter.h"

#include "ui/framework/gdi/gdiplus_flat.h"

namespace marlivo::forms {
namespace {

namespace gp = gdi::gp;
using gdi::kGdipOk;

// Aspect ratios closer than this count as equal.
constexpr double kAspectTolerance = 0.0000001;
constexpr std::uint32_t kOpaque = 0xFF000000u;

// The off-screen buffer of one erase: a memory DC compatible with the erase DC, a
// 32-bit DIB section of the client size selected into it, and a GDI+ graphics on it.
// All made for this erase and freed at its end.
class OffscreenBuffer {
 public:
  OffscreenBuffer(HDC eraseDc, int width, int height) {
    memory_ = CreateCompatibleDC(eraseDc);
    if (memory_ == nullptr) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib_ == nullptr) return;
    previous_ = SelectObject(memory_, dib_);
    gp::GdipCreateFromHDC(memory_, &graphics_);
  }
  ~OffscreenBuffer() {
    if (graphics_ != nullptr) gp::GdipDeleteGraphics(graphics_);
    if (previous_ != nullptr) SelectObject(memory_, previous_);
    if (dib_ != nullptr) DeleteObject(dib_);
    if (memory_ != nullptr) DeleteDC(memory_);
  }
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

  HDC dc() const { return memory_; }
  Gdiplus::GpGraphics* graphics() const { return graphics_; }

 private:
  HDC memory_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  Gdiplus::GpGraphics* graphics_ = nullptr;
};

Gdiplus::GpImage* ImageOf(gdi::WrapperCore* core) {
  if (core == nullptr || core->data == nullptr) return nullptr;
  return reinterpret_cast<Gdiplus::GpImage*>(core->data[0]);
}

void DrawTiled(Gdiplus::GpGraphics* graphics, Gdiplus::GpImage* image, int width, int height) {
  Gdiplus::GpTexture* brush = nullptr;
  if (gp::GdipCreateTexture(image, Gdiplus::WrapModeTile, &brush) != kGdipOk) return;
  gp::GdipFillRectangleI(graphics, brush, 0, 0, width, height);
  gp::GdipDeleteBrush(brush);
}

// The whole image into the target rectangle, pixel for pixel where the sizes agree.
void DrawInto(Gdiplus::GpGraphics* graphics, Gdiplus::GpImage* image, const RECT& target) {
  UINT imageWidth = 0;
  UINT imageHeight = 0;
  gp::GdipGetImageWidth(image, &imageWidth);
  gp::GdipGetImageHeight(image, &imageHeight);
  // Nearest neighbour with half-pixel offsets keeps a one-to-one copy exact and a
  // scaled one sharp.
  gp::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeNearestNeighbor);
  gp::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
  Gdiplus::GpImageAttributes* attributes = nullptr;
  gp::GdipCreateImageAttributes(&attributes);
  gp::GdipDrawImageRectRectI(graphics, image, target.left, target.top, target.right - target.left,
                             target.bottom - target.top, 0, 0, static_cast<INT>(imageWidth),
                             static_cast<INT>(imageHeight), Gdiplus::UnitPixel, attributes, nullptr,
                             nullptr);
  if (attributes != nullptr) gp::GdipDisposeImageAttributes(attributes);
}

void DrawImage(Gdiplus::GpGraphics* graphics, Gdiplus::GpImage* image, std::intptr_t mode,
               int width, int height) {
  UINT imageWidth = 0;
  UINT imageHeight = 0;
  if (gp::GdipGetImageWidth(image, &imageWidth) != kGdipOk ||
      gp::GdipGetImageHeight(image, &imageHeight) != kGdipOk) {
    return;
  }
  switch (mode) {
    case kShowImageTile:
      DrawTiled(graphics, image, width, height);
      break;
    case kShowImageNatural:
      DrawInto(graphics, image,
               RECT{0, 0, static_cast<LONG>(imageWidth), static_cast<LONG>(imageHeight)});
      break;
    case kShowImageStretch:
      DrawInto(graphics, image, RECT{0, 0, width, height});
      break;
    case kShowImageFit:
      DrawInto(graphics, image,
               FitRectangle(static_cast<int>(imageWidth), static_cast<int>(imageHeight), width, height));
      break;
    default:
      break;  // the colour only
  }
}

}  // namespace

std::uint32_t ColorRefToArgb(COLORREF colour) {
  return kOpaque | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

COLORREF ArgbToColorRef(std::uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

std::uint32_t FaceColourArgb() { return ColorRefToArgb(GetSysColor(COLOR_BTNFACE)); }

RECT FitRectangle(int imageWidth, int imageHeight, int width, int height) {
  const RECT whole{0, 0, width, height};
  if (imageWidth <= 0 || imageHeight <= 0 || width <= 0 || height <= 0) return whole;
  const double ratio = static_cast<double>(imageHeight) / imageWidth;
  const double difference = ratio - static_cast<double>(height) / width;
  if (difference > kAspectTolerance) {
    // Relatively taller: full height, centred across.
    const double newWidth = static_cast<int>(height / ratio);
    const double x = (width - newWidth) / 2;
    return RECT{static_cast<LONG>(x), 0, static_cast<LONG>(newWidth + x), height};
  }
  if (difference < -kAspectTolerance) {
    // Relatively wider: full width, centred down.
    const double newHeight = static_cast<int>(ratio * width);
    const double y = (height - newHeight) / 2;
    return RECT{0, static_cast<LONG>(y), width, static_cast<LONG>(newHeight + y)};
  }
  return whole;
}

int PaintBackground(const BackgroundSettings& settings, HWND window, HDC eraseDc) {
  if (!settings.hasBackColor && !settings.hasBackImage) return 0;
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0 || eraseDc == nullptr) return 1;  // nothing to cover

  OffscreenBuffer buffer(eraseDc, width, height);
  if (buffer.graphics() == nullptr) return 1;
  const std::uint32_t colour = settings.backColor != 0 ? settings.backColor : FaceColourArgb();
  gp::GdipGraphicsClear(buffer.graphics(), colour);
  if (Gdiplus::GpImage* image = ImageOf(settings.backImage)) {
    DrawImage(buffer.graphics(), image, settings.showImageType, width, height);
  }
  gp::GdipFlush(buffer.graphics(), Gdiplus::FlushIntentionSync);
  BitBlt(eraseDc, client.left, client.top, width, height, buffer.dc(), 0, 0, SRCCOPY);
  return 1;
}

}  // namespace marlivo::forms
