// Builds the bytes of small .ico files for the tests: 32-bit images, each with its top
// half in one colour and its bottom half in another, so that the image taken and its
// row order can be told from its pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace marlivo::testing {

struct IconImageSpec {
  int size;                // width and height in pixels
  std::uint32_t top;       // 0xAARRGGBB of the upper half
  std::uint32_t bottom;    // 0xAARRGGBB of the lower half
};

inline void PutWord(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

inline void PutDword(std::vector<unsigned char>& out, std::uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

// One image as stored in an .ico: BITMAPINFOHEADER (height doubled for the mask), the
// bottom-up BGRA rows, then the all-zero AND mask (rows padded to 4 bytes).
inline std::vector<unsigned char> IconImage(const IconImageSpec& spec) {
  std::vector<unsigned char> image;
  const int maskRowBytes = ((spec.size + 31) / 32) * 4;
  PutDword(image, 40);
  PutDword(image, static_cast<std::uint32_t>(spec.size));
  PutDword(image, static_cast<std::uint32_t>(spec.size * 2));
  PutWord(image, 1);
  PutWord(image, 32);
  PutDword(image, 0);  // BI_RGB
  PutDword(image, static_cast<std::uint32_t>(spec.size * spec.size * 4 + maskRowBytes * spec.size));
  for (int i = 0; i < 4; ++i) PutDword(image, 0);
  for (int row = spec.size - 1; row >= 0; --row) {  // bottom-up
    const std::uint32_t colour = row < spec.size / 2 ? spec.top : spec.bottom;
    for (int x = 0; x < spec.size; ++x) PutDword(image, colour);
  }
  image.insert(image.end(), static_cast<std::size_t>(maskRowBytes * spec.size), 0);
  return image;
}

inline std::vector<unsigned char> IconFile(const std::vector<IconImageSpec>& specs,
                                           unsigned type = 1) {
  std::vector<unsigned char> file;
  PutWord(file, 0);
  PutWord(file, type);
  PutWord(file, static_cast<unsigned>(specs.size()));
  std::vector<std::vector<unsigned char>> images;
  for (const IconImageSpec& spec : specs) images.push_back(IconImage(spec));
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * specs.size());
  for (std::size_t i = 0; i < specs.size(); ++i) {
    const auto side = static_cast<unsigned char>(specs[i].size >= 256 ? 0 : specs[i].size);
    file.push_back(side);
    file.push_back(side);
    file.push_back(0);  // colour count
    file.push_back(0);  // reserved
    PutWord(file, type == 2 ? 0 : 1);   // planes, or the hot spot's x for a cursor
    PutWord(file, type == 2 ? 0 : 32);  // bit count, or the hot spot's y
    PutDword(file, static_cast<std::uint32_t>(images[i].size()));
    PutDword(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

}  // namespace marlivo::testing
