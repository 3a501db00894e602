// The program's banner and icon as committed: the embedded banner is the committed
// JPEG, a 420 x 60 baseline JPEG with three components that GDI+ decodes to a light
// name on a dark background; the icon file holds one 48 x 48 32-bit image.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "assets/banner_jpeg.h"
#include "tests/ui/framework/gdi/gdiplus_started.h"
#include "ui/forms/image.h"
#include "ui/framework/gdi/icon.h"

namespace marlivo {
namespace {

constexpr int kBannerWidth = 420;
constexpr int kBannerHeight = 60;
constexpr int kIconSide = 48;

// A committed file, read through Wine's Z: drive from the repository root that ctest
// names.
std::vector<unsigned char> RepoFile(const std::string& relative) {
  const char* root = std::getenv("MARLIVO_SOURCE_DIR");
  if (root == nullptr) return {};
  std::string path = std::string("Z:") + root + "/" + relative;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

struct FrameHeader {
  int marker = 0;  // 0xC0 for baseline
  int precision = 0;
  int height = 0;
  int width = 0;
  int components = 0;
};

// The first start-of-frame segment of a JPEG.
FrameHeader FirstFrameHeader(const std::vector<unsigned char>& jpeg) {
  FrameHeader header;
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return header;
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const int marker = jpeg[at + 1];
    const std::size_t length = (jpeg[at + 2] << 8) | jpeg[at + 3];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      if (at + 10 > jpeg.size()) return header;
      header.marker = marker;
      header.precision = jpeg[at + 4];
      header.height = (jpeg[at + 5] << 8) | jpeg[at + 6];
      header.width = (jpeg[at + 7] << 8) | jpeg[at + 8];
      header.components = jpeg[at + 9];
      return header;
    }
    at += 2 + length;
  }
  return header;
}

int Luminance(std::uint32_t argb) {
  return static_cast<int>((299 * ((argb >> 16) & 0xFF) + 587 * ((argb >> 8) & 0xFF) + 114 * (argb & 0xFF)) /
                          1000);
}

TEST(AssetsTest, EmbeddedBannerIsTheCommittedJpeg) {
  const std::vector<unsigned char> file = RepoFile("assets/banner.jpg");
  ASSERT_FALSE(file.empty());
  ASSERT_EQ(file.size(), assets::kBannerJpegSize);
  EXPECT_TRUE(std::equal(file.begin(), file.end(), assets::kBannerJpeg));
}

TEST(AssetsTest, BannerIsA420By60BaselineJpegWithThreeComponents) {
  const std::vector<unsigned char> banner(assets::kBannerJpeg, assets::kBannerJpeg + assets::kBannerJpegSize);
  const FrameHeader header = FirstFrameHeader(banner);
  EXPECT_EQ(header.marker, 0xC0);
  EXPECT_EQ(header.precision, 8);
  EXPECT_EQ(header.width, kBannerWidth);
  EXPECT_EQ(header.height, kBannerHeight);
  EXPECT_EQ(header.components, 3);
}

TEST(AssetsTest, BannerDecodesThroughGdiplusToALightNameOnDarkGround) {
  forms::qoImage image;
  ASSERT_EQ(image.LoadFromMemory({assets::kBannerJpeg, assets::kBannerJpegSize}), 1);
  EXPECT_EQ(image.GetWidth(), kBannerWidth);
  EXPECT_EQ(image.GetHeight(), kBannerHeight);
  EXPECT_EQ(image.GetFrameCount(), 1);
  GUID format{};
  ASSERT_EQ(gdi::gp::GdipGetImageRawFormat(image.GetHandle(), &format), gdi::kGdipOk);
  EXPECT_TRUE(IsEqualGUID(format, Gdiplus::ImageFormatJPEG));

  Gdiplus::BitmapData locked{};
  ASSERT_EQ(image.LockBits(RECT{0, 0, kBannerWidth, kBannerHeight}, &locked), gdi::kGdipOk);
  auto pixel = [&](int x, int y) {
    return static_cast<const std::uint32_t*>(locked.Scan0)[y * (locked.Stride / 4) + x];
  };
  // The corners and the right end are dark ground; the name, right of the ball, has
  // light strokes.
  for (auto [x, y] : {std::pair{0, 0}, {kBannerWidth - 1, 0}, {0, kBannerHeight - 1}, {400, 30}}) {
    EXPECT_LT(Luminance(pixel(x, y)), 50) << x << "," << y;
  }
  int light = 0;
  for (int y = 10; y < 50; ++y) {
    for (int x = 90; x < 300; ++x) light += Luminance(pixel(x, y)) > 200 ? 1 : 0;
  }
  EXPECT_GT(light, 500);
  image.UnlockBits(&locked);
}

TEST(AssetsTest, IconHoldsOne48By48ThirtyTwoBitImage) {
  const std::vector<unsigned char> ico = RepoFile("assets/marlivo.ico");
  ASSERT_GE(ico.size(), 22u);
  EXPECT_EQ(ico[2] | (ico[3] << 8), 1);  // an icon file
  EXPECT_EQ(ico[4] | (ico[5] << 8), 1);  // one image
  EXPECT_EQ(ico[6], kIconSide);
  EXPECT_EQ(ico[7], kIconSide);
  EXPECT_EQ(ico[12] | (ico[13] << 8), 32);
  gdi::qoIcon icon;
  ASSERT_EQ(icon.LoadFromMemory(ico), 1);
  EXPECT_EQ(icon.GetWidth(), kIconSide);
  EXPECT_EQ(icon.GetHeight(), kIconSide);
  EXPECT_EQ(icon.IsIcon(), 1);
}

}  // namespace
}  // namespace marlivo
