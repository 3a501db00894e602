// A form's background (colour and image, painted on erase) and its shape (a region, an
// image's opaque pixels, round corners), by the pixels and the window region.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/controls/controls_test_support.h"
#include "tests/ui/forms/image_files.h"
#include "ui/forms/form_window.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

namespace gp = gdi::gp;
using marlivo::testing::SolidBmp;
using testing::Canvas;
using testing::PrepareControls;

std::span<const unsigned char> Bytes(const std::vector<unsigned char>& bytes) {
  return std::span<const unsigned char>(bytes.data(), bytes.size());
}

class FormBackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PrepareControls();
    // A popup without frame: its window rectangle is its client area, 420 x 60.
    form_.Border(0);
    ASSERT_EQ(form_.CreateFormW(nullptr, L"background", POINT{0, 0}, SIZE{420, 60}), 1);
  }
  void TearDown() override {
    if (form_.IsWindow()) ::DestroyWindow(form_.GetHwnd());
  }

  COLORREF ErasedPixel(int x, int y) {
    Canvas canvas(420, 60, RGB(0, 255, 0));
    EXPECT_EQ(form_.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0), 1);
    return canvas.Pixel(x, y);
  }

  bool InShape(int x, int y) {
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool has = ::GetWindowRgn(form_.GetHwnd(), region) != ERROR;
    const bool inside = has && ::PtInRegion(region, x, y);
    ::DeleteObject(region);
    return inside;
  }

  qoWindow form_;
};

TEST_F(FormBackgroundTest, ColourAndImageArePaintedByTheirMode) {
  EXPECT_EQ(form_.BackColor(RGB(0, 0, 200)), RGB(0, 0, 0));
  EXPECT_EQ(form_.BackColor(), RGB(0, 0, 200));
  EXPECT_EQ(form_.GetProperty(keys::kBackColor), static_cast<std::intptr_t>(0xFF0000C8));
  EXPECT_EQ(ErasedPixel(10, 10), RGB(0, 0, 200));

  // 200 x 100 fitted into 420 x 60 lands in (150, 0, 270, 60).
  const std::vector<unsigned char> red = SolidBmp(200, 100, 0xFF0000);
  EXPECT_TRUE(form_.BackImageData(Bytes(red)).empty());
  EXPECT_EQ(form_.ShowImageType(3), 0);
  EXPECT_EQ(ErasedPixel(149, 30), RGB(0, 0, 200));
  EXPECT_EQ(ErasedPixel(150, 30), RGB(255, 0, 0));
  EXPECT_EQ(ErasedPixel(269, 30), RGB(255, 0, 0));
  EXPECT_EQ(ErasedPixel(270, 30), RGB(0, 0, 200));
  EXPECT_EQ(form_.ShowImageType(4), 3);
  EXPECT_EQ(ErasedPixel(200, 30), RGB(0, 0, 200));  // colour only

  // The image comes back in its own format, and as an object sharing it.
  const std::vector<unsigned char> encoded = form_.BackImageData();
  ASSERT_GE(encoded.size(), 2u);
  EXPECT_EQ(encoded[0], 'B');
  forms::qoImage held = form_.BackImage();
  EXPECT_EQ(held.GetWidth(), 200);
  EXPECT_EQ(held.GetRefCount(), 2);
}

TEST_F(FormBackgroundTest, ANewWindowOfTheObjectKeepsTheColourButNotTheImage) {
  form_.BackColor(RGB(0, 0, 200));
  const std::vector<unsigned char> red = SolidBmp(420, 60, 0xFF0000);
  form_.BackImageData(Bytes(red));
  forms::qoImage held = form_.BackImage();
  ASSERT_EQ(held.GetRefCount(), 2);
  ::DestroyWindow(form_.GetHwnd());
  EXPECT_EQ(held.GetRefCount(), 1);
  EXPECT_EQ(form_.HasProperty(keys::kBackImage), 1);
  EXPECT_EQ(form_.GetProperty(keys::kBackImage), 0);

  ASSERT_EQ(form_.CreateFormW(nullptr, L"again", POINT{0, 0}, SIZE{420, 60}), 1);
  EXPECT_EQ(ErasedPixel(210, 30), RGB(0, 0, 200));
}

// A 20 x 10 bitmap: the left 5 columns white, the rest red.
gdi::qoBitmap HalfWhiteBitmap() {
  Gdiplus::GpBitmap* bitmap = nullptr;
  gp::GdipCreateBitmapFromScan0(20, 10, 0, PixelFormat32bppARGB, nullptr, &bitmap);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) gp::GdipBitmapSetPixel(bitmap, x, y, x < 5 ? 0xFFFFFFFF : 0xFFFF0000);
  }
  return gdi::qoBitmap(bitmap);
}

TEST_F(FormBackgroundTest, TheShapeOfAnImageLeavesOutItsTransparentPixels) {
  const gdi::qoBitmap bitmap = HalfWhiteBitmap();
  struct Case {
    const char* name;
    std::optional<std::uint32_t> transparent;
    bool leftIn;   // (2, 5): a white pixel
    bool rightIn;  // (12, 5): a red pixel
  };
  const Case cases[] = {
      {"white given", 0xFFFFFFFFu, false, true},
      {"each row's first pixel (white)", std::nullopt, false, true},
      {"red given", 0xFFFF0000u, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(form_.SetShapeFromImage(bitmap, c.transparent), 1);
    EXPECT_EQ(InShape(2, 5), c.leftIn);
    EXPECT_EQ(InShape(12, 5), c.rightIn);
    EXPECT_FALSE(InShape(12, 15));  // below the image
  }
  // The image is now the background at its own size.
  EXPECT_EQ(form_.ShowImageType(), 1);
  EXPECT_EQ(ErasedPixel(12, 5), RGB(255, 0, 0));
  EXPECT_EQ(ErasedPixel(2, 5), RGB(255, 255, 255));
  EXPECT_EQ(ErasedPixel(30, 5), ::GetSysColor(COLOR_BTNFACE));  // beside it: no colour set
}

TEST_F(FormBackgroundTest, RegionAndRoundCorners) {
  Gdiplus::GpRegion* region = nullptr;
  const Gdiplus::GpRect rect(10, 10, 50, 20);
  ASSERT_EQ(gp::GdipCreateRegionRectI(&rect, &region), Gdiplus::Ok);
  EXPECT_EQ(form_.SetRegion(region), 1);
  gp::GdipDeleteRegion(region);
  EXPECT_TRUE(InShape(30, 20));
  EXPECT_FALSE(InShape(5, 5));
  EXPECT_FALSE(InShape(70, 20));

  EXPECT_EQ(form_.SetRoundCorners(40), 1);
  EXPECT_FALSE(InShape(0, 0));    // cut off by the corner's circle
  EXPECT_TRUE(InShape(20, 30));   // inside, away from the corners
  EXPECT_TRUE(InShape(210, 0));   // the top edge between the corners
}

}  // namespace
}  // namespace marlivo::ui
