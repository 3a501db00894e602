// Encoded images for the tests, built in memory: BMP files whose pixels come from a
// function, and a small animated GIF.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace marlivo::testing {

inline void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A 24-bit BMP file; colour(x, y) gives 0x00RRGGBB for the pixel at (x, y) from the top.
inline std::vector<unsigned char> BmpFile(int width, int height,
                                          const std::function<std::uint32_t(int, int)>& colour) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<unsigned char> file;
  file.push_back('B');
  file.push_back('M');
  PutLe(file, 14 + 40 + pixelBytes, 4);
  PutLe(file, 0, 4);
  PutLe(file, 14 + 40, 4);
  PutLe(file, 40, 4);
  PutLe(file, static_cast<std::uint32_t>(width), 4);
  PutLe(file, static_cast<std::uint32_t>(height), 4);  // bottom-up
  PutLe(file, 1, 2);
  PutLe(file, 24, 2);
  PutLe(file, 0, 4);
  PutLe(file, pixelBytes, 4);
  PutLe(file, 2835, 4);
  PutLe(file, 2835, 4);
  PutLe(file, 0, 4);
  PutLe(file, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) PutLe(file, colour(x, y), 3);
    for (int pad = width * 3; pad < rowBytes; ++pad) file.push_back(0);
  }
  return file;
}

inline std::vector<unsigned char> SolidBmp(int width, int height, std::uint32_t rgb) {
  return BmpFile(width, height, [rgb](int, int) { return rgb; });
}

// Four quadrants split at (splitX, splitY): top-left, top-right, bottom-left,
// bottom-right colours.
inline std::vector<unsigned char> QuadrantBmp(int width, int height, int splitX, int splitY,
                                              const std::uint32_t (&colours)[4]) {
  return BmpFile(width, height, [&](int x, int y) {
    return colours[(y < splitY ? 0 : 2) + (x < splitX ? 0 : 1)];
  });
}

// An animated GIF of 1 x 1 pixel frames, one per delay (hundredths of a second), the
// frames alternating between the two colours of its palette: red (index 0) and blue
// (index 1).
inline std::vector<unsigned char> AnimatedGif(const std::vector<std::uint16_t>& delays) {
  std::vector<unsigned char> gif;
  auto append = [&gif](std::initializer_list<unsigned char> bytes) {
    for (unsigned char byte : bytes) gif.push_back(byte);
  };
  append({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0,
          0x80,  // global palette of 2 colours
          0, 0,  // background index, aspect
          0xFF, 0, 0, 0, 0, 0xFF});
  append({0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01,
          0x00, 0x00, 0x00});  // loop for ever
  for (std::size_t i = 0; i < delays.size(); ++i) {
    append({0x21, 0xF9, 0x04, 0x04, static_cast<unsigned char>(delays[i] & 0xFF),
            static_cast<unsigned char>(delays[i] >> 8), 0x00, 0x00});  // graphic control
    append({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0});                         // image descriptor
    // LZW, minimum code size 2: clear code, the pixel's index, end code.
    append({0x02, 0x02, static_cast<unsigned char>(i % 2 == 0 ? 0x44 : 0x4C), 0x01, 0x00});
  }
  gif.push_back(0x3B);
  return gif;
}

}  // namespace marlivo::testing
