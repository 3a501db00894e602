// The image object: decoding from bytes, encoding again, frames and frame delays of an
// animated image, pixel locking, and shared ownership.
#include "ui/forms/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/ui/forms/image_files.h"
#include "tests/ui/framework/gdi/gdiplus_started.h"

namespace marlivo::forms {
namespace {

using testing::AnimatedGif;
using testing::SolidBmp;

constexpr std::uint32_t kRedArgb = 0xFFFF0000;
constexpr std::uint32_t kBlueArgb = 0xFF0000FF;

std::uint32_t PixelAt(qoImage& image, int x, int y) {
  Gdiplus::BitmapData locked{};
  if (image.LockBits(RECT{x, y, x + 1, y + 1}, &locked) != kGdipOk) return 0;
  const std::uint32_t pixel = *static_cast<const std::uint32_t*>(locked.Scan0);
  image.UnlockBits(&locked);
  return pixel;
}

TEST(ImageTest, LoadsEncodedBytesAndLocksItsPixels) {
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(SolidBmp(200, 100, 0x00FF0000)), 1);
  ASSERT_NE(image.GetHandle(), nullptr);
  EXPECT_NE(image.GetDataItem(1), 0u);  // the stream stays with the image
  EXPECT_EQ(image.GetWidth(), 200);
  EXPECT_EQ(image.GetHeight(), 100);
  EXPECT_EQ(image.GetFrameCount(), 1);
  EXPECT_TRUE(image.GetFrameDelays().empty());
  EXPECT_EQ(PixelAt(image, 199, 99), kRedArgb);
}

TEST(ImageTest, UndecodableBytesLeaveNoImage) {
  const std::vector<unsigned char> cases[] = {
      {},
      {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'},
      [] {  // a BMP cut inside its header
        std::vector<unsigned char> cut = SolidBmp(4, 4, 0);
        cut.resize(10);
        return cut;
      }(),
  };
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes.size());
    qoImage image;
    ASSERT_EQ(image.LoadFromMemory(SolidBmp(8, 8, 0x00FF0000)), 1);
    EXPECT_EQ(image.LoadFromMemory(bytes), 0);
    EXPECT_EQ(image.GetHandle(), nullptr);
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetFrameCount(), 0);
    EXPECT_TRUE(image.SaveToMemory().empty());
    Gdiplus::BitmapData locked{};
    EXPECT_NE(image.LockBits(RECT{0, 0, 1, 1}, &locked), kGdipOk);
    EXPECT_NE(image.SelectActiveFrame(0), kGdipOk);
  }
}

TEST(ImageTest, SavesInItsOwnRawFormat) {
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    std::vector<unsigned char> signature;
  } cases[] = {
      {"bmp", SolidBmp(30, 20, 0x0000FF00), {'B', 'M'}},
      {"gif", AnimatedGif({10}), {'G', 'I', 'F'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    qoImage image;
    ASSERT_EQ(image.LoadFromMemory(c.bytes), 1);
    const std::vector<unsigned char> saved = image.SaveToMemory();
    ASSERT_GE(saved.size(), c.signature.size());
    EXPECT_TRUE(std::equal(c.signature.begin(), c.signature.end(), saved.begin()));
    qoImage again;
    ASSERT_EQ(again.LoadFromMemory(saved), 1);
    EXPECT_EQ(again.GetWidth(), image.GetWidth());
    EXPECT_EQ(again.GetHeight(), image.GetHeight());
  }
}

TEST(ImageTest, AnimatedGifHasItsFramesAndDelaysAlongTheTimeDimension) {
  std::vector<unsigned char> bytes = AnimatedGif({10, 0, 20});
  qoImage image;
  ASSERT_EQ(image.LoadFromMemory(bytes), 1);
  // The image keeps its own copy: what the caller does with its bytes afterwards
  // does not reach the frames GDI+ decodes later.
  std::fill(bytes.begin(), bytes.end(), 0);

  EXPECT_EQ(image.GetFrameCount(), 3);
  const GUID time = TimeFrameDimension();
  EXPECT_TRUE(IsEqualGUID(time, Gdiplus::FrameDimensionTime));
  EXPECT_EQ(image.GetFrameCount(&time), 3);
  EXPECT_EQ(image.GetFrameDelays(), (std::vector<std::uint32_t>{10, 0, 20}));

  const std::uint32_t expected[] = {kRedArgb, kBlueArgb, kRedArgb};
  for (int frame : {1, 2, 0, 1}) {
    SCOPED_TRACE(frame);
    ASSERT_EQ(image.SelectActiveFrame(frame), kGdipOk);
    EXPECT_EQ(PixelAt(image, 0, 0), expected[frame]);
  }
  EXPECT_NE(image.SelectActiveFrame(3), kGdipOk);
  EXPECT_NE(image.SelectActiveFrame(-1), kGdipOk);
}

int g_imageCleanups = 0;

void CountingImageCleanup(gdi::WrapperCore* core) {
  ++g_imageCleanups;
  ImageCleanup(core);
}

TEST(ImageTest, CopiesShareTheImageAndTheLastReleaseDisposesOfItOnce) {
  g_imageCleanups = 0;
  std::optional<qoImage> image(std::in_place);
  ASSERT_EQ(image->LoadFromMemory(SolidBmp(3, 3, 0x000000FF)), 1);
  image->GetCore()->hooks->CleanupHook = CountingImageCleanup;
  qoImage copy = *image;
  EXPECT_EQ(copy.GetHandle(), image->GetHandle());
  image.reset();
  EXPECT_EQ(g_imageCleanups, 0);
  EXPECT_EQ(copy.GetWidth(), 3);
  EXPECT_EQ(PixelAt(copy, 1, 1), kBlueArgb);
  copy = qoImage();
  EXPECT_EQ(g_imageCleanups, 1);
}

}  // namespace
}  // namespace marlivo::forms
