// The background painter, by its pixels: a 420 x 60 window is painted into a DIB
// section standing in for its erase DC, and the colours are read where the image and
// the background must be.
#include "ui/forms/background_painter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "tests/ui/forms/image_files.h"
#include "tests/ui/framework/gdi/gdiplus_started.h"
#include "ui/forms/image.h"

namespace marlivo::forms {
namespace {

using testing::QuadrantBmp;
using testing::SolidBmp;

constexpr int kAreaWidth = 420;
constexpr int kAreaHeight = 60;
// Colours as 0x00RRGGBB, the way a 32-bit DIB holds them.
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kGrey = 0x404040;
constexpr std::uint32_t kUntouched = 0x123456;  // what the DC held before painting
const std::uint32_t kQuadrants[4] = {kRed, kGreen, kBlue, kYellow};

std::uint32_t Rgb(COLORREF colour) {
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (GetGValue(colour) << 8) |
         GetBValue(colour);
}

// A borderless window whose client area is the banner's 420 x 60, and a top-down DIB
// of the same size as the DC the painter copies onto.
class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, kAreaWidth, kAreaHeight, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    RECT client{};
    GetClientRect(window_, &client);
    ASSERT_EQ(client.right, kAreaWidth);
    ASSERT_EQ(client.bottom, kAreaHeight);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kAreaWidth;
    info.bmiHeader.biHeight = -kAreaHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    ASSERT_NE(dib_, nullptr);
    old_ = SelectObject(dc_, dib_);
    std::fill(bits_, bits_ + kAreaWidth * kAreaHeight, kUntouched);
  }
  void TearDown() override {
    if (dc_ != nullptr) {
      SelectObject(dc_, old_);
      DeleteObject(dib_);
      DeleteDC(dc_);
    }
    if (window_ != nullptr) DestroyWindow(window_);
  }

  int Paint(const BackgroundSettings& settings) { return PaintBackground(settings, window_, dc_); }

  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return bits_[y * kAreaWidth + x] & 0xFFFFFF;
  }

  // Settings with an image shown in a mode over a grey background.
  static BackgroundSettings WithImage(qoImage& image, std::intptr_t mode) {
    BackgroundSettings settings;
    settings.hasBackColor = true;
    settings.backColor = ColorRefToArgb(RGB(0x40, 0x40, 0x40));
    settings.hasBackImage = true;
    settings.backImage = image.GetCore();
    settings.showImageType = mode;
    return settings;
  }

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

TEST_F(PainterTest, WithoutColourOrImageKeysNothingIsPainted) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(SolidBmp(10, 10, kRed)), 1);
  BackgroundSettings settings;
  settings.backImage = image.GetCore();  // a value alone, without its key, counts for nothing
  settings.showImageType = kShowImageStretch;
  EXPECT_EQ(Paint(settings), 0);
  EXPECT_EQ(At(0, 0), kUntouched);
  EXPECT_EQ(At(kAreaWidth - 1, kAreaHeight - 1), kUntouched);
}

TEST_F(PainterTest, ColourOnly) {
  struct Case {
    const char* what;
    BackgroundSettings settings;
    std::uint32_t expected;
  } cases[] = {
      {"BackColor 0 is the face colour", {true, 0, false, nullptr, 0}, Rgb(GetSysColor(COLOR_BTNFACE))},
      {"BackColor", {true, ColorRefToArgb(RGB(10, 20, 30)), false, nullptr, 0}, 0x0A141E},
      {"pBackImage 0 alone paints the face colour", {false, 0, true, nullptr, 3},
       Rgb(GetSysColor(COLOR_BTNFACE))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Paint(c.settings), 1);
    for (auto [x, y] : {std::pair{0, 0}, {kAreaWidth - 1, kAreaHeight - 1}, {200, 30}}) {
      EXPECT_EQ(At(x, y), c.expected) << x << "," << y;
    }
  }
}

TEST_F(PainterTest, FitModeCentresAWideImageAtFullHeight) {
  // 200 x 100 in 420 x 60: drawn into (150, 0, 270, 60).
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(SolidBmp(200, 100, kRed)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageFit)), 1);
  for (int y : {0, 30, kAreaHeight - 1}) {
    SCOPED_TRACE(y);
    EXPECT_EQ(At(149, y), kGrey);
    EXPECT_EQ(At(150, y), kRed);
    EXPECT_EQ(At(210, y), kRed);
    EXPECT_EQ(At(269, y), kRed);
    EXPECT_EQ(At(270, y), kGrey);
    EXPECT_EQ(At(0, y), kGrey);
    EXPECT_EQ(At(kAreaWidth - 1, y), kGrey);
  }
}

TEST_F(PainterTest, FitModeDrawsTheBannerSizedImageOneToOne) {
  // The banner's own case: a 420 x 60 image covers the 420 x 60 area pixel for pixel.
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(QuadrantBmp(kAreaWidth, kAreaHeight, 210, 30, kQuadrants)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageFit)), 1);
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(209, 29), kRed);
  EXPECT_EQ(At(210, 29), kGreen);
  EXPECT_EQ(At(209, 30), kBlue);
  EXPECT_EQ(At(kAreaWidth - 1, kAreaHeight - 1), kYellow);
}

TEST_F(PainterTest, NaturalSizeShowsTheTopLeftPartOfALargerImage) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(QuadrantBmp(600, 100, 450, 70, kQuadrants)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageNatural)), 1);
  // Unscaled: the area ends inside the top-left quadrant, nothing of the others shows.
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(250, 10), kRed);
  EXPECT_EQ(At(kAreaWidth - 1, kAreaHeight - 1), kRed);
}

TEST_F(PainterTest, NaturalSizeLeavesTheRestOfTheAreaToTheColour) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(SolidBmp(50, 20, kBlue)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageNatural)), 1);
  EXPECT_EQ(At(49, 19), kBlue);
  EXPECT_EQ(At(50, 19), kGrey);
  EXPECT_EQ(At(49, 20), kGrey);
}

TEST_F(PainterTest, TileRepeatsTheImageFromTheTopLeftCorner) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(QuadrantBmp(100, 40, 50, 20, kQuadrants)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageTile)), 1);
  struct Probe {
    int x, y;
    std::uint32_t colour;
  } probes[] = {
      {10, 10, kRed},   {60, 10, kGreen},  {10, 30, kBlue},   {60, 30, kYellow},
      {110, 10, kRed},  {160, 10, kGreen}, {410, 10, kRed},   // the fifth tile across
      {10, 45, kRed},   {60, 59, kGreen},                      // the second row of tiles
  };
  for (const Probe& p : probes) EXPECT_EQ(At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(PainterTest, StretchCoversTheWholeArea) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(QuadrantBmp(100, 40, 50, 20, kQuadrants)), 1);
  EXPECT_EQ(Paint(WithImage(image, kShowImageStretch)), 1);
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(200, 25), kRed);
  EXPECT_EQ(At(220, 25), kGreen);
  EXPECT_EQ(At(200, 35), kBlue);
  EXPECT_EQ(At(kAreaWidth - 1, kAreaHeight - 1), kYellow);
}

TEST_F(PainterTest, OtherModesAndImagesWithoutPixelsPaintTheColourOnly) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(SolidBmp(420, 60, kRed)), 1);
  qoImage undecodable;
  const std::vector<unsigned char> junk = {1, 2, 3, 4};
  ASSERT_EQ(undecodable.LoadFromMemory(junk), 0);
  struct Case {
    const char* what;
    BackgroundSettings settings;
  } cases[] = {
      {"mode 4", WithImage(image, 4)},
      {"mode -1", WithImage(image, -1)},
      {"undecodable image", WithImage(undecodable, kShowImageFit)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Paint(c.settings), 1);
    EXPECT_EQ(At(0, 0), kGrey);
    EXPECT_EQ(At(210, 30), kGrey);
  }
}

TEST(FitRectangleTest, FitsKeepingTheAspectRatio) {
  struct Case {
    int imageWidth, imageHeight, width, height;
    RECT expected;
  } cases[] = {
      {200, 100, 420, 60, {150, 0, 270, 60}},  // relatively wider than tall: full height
      {420, 60, 420, 60, {0, 0, 420, 60}},     // same ratio: the whole area
      {840, 120, 420, 60, {0, 0, 420, 60}},
      {100, 200, 420, 60, {195, 0, 225, 60}},
      {400, 10, 100, 100, {0, 49, 100, 51}},   // relatively wider: full width
      {300, 100, 100, 100, {0, 33, 100, 66}},  // the halves truncated
      {0, 10, 420, 60, {0, 0, 420, 60}},       // no size: the whole area
  };
  for (const Case& c : cases) {
    const RECT r = FitRectangle(c.imageWidth, c.imageHeight, c.width, c.height);
    EXPECT_EQ(r.left, c.expected.left) << c.imageWidth << "x" << c.imageHeight;
    EXPECT_EQ(r.top, c.expected.top) << c.imageWidth << "x" << c.imageHeight;
    EXPECT_EQ(r.right, c.expected.right) << c.imageWidth << "x" << c.imageHeight;
    EXPECT_EQ(r.bottom, c.expected.bottom) << c.imageWidth << "x" << c.imageHeight;
  }
}

TEST(ColourConventionTest, ColorRefAndArgbConvertBothWays) {
  EXPECT_EQ(ColorRefToArgb(0x00332211), 0xFF112233u);
  EXPECT_EQ(ColorRefToArgb(0), 0xFF000000u);
  EXPECT_EQ(ArgbToColorRef(0x80112233u), static_cast<COLORREF>(0x00332211));
  EXPECT_EQ(ArgbToColorRef(ColorRefToArgb(0x00ABCDEF)), static_cast<COLORREF>(0x00ABCDEF));
  EXPECT_EQ(FaceColourArgb(), ColorRefToArgb(GetSysColor(COLOR_BTNFACE)));
}

}  // namespace
}  // namespace marlivo::forms
