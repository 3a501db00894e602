// Pictures of the screen for the tests and for people: a rectangle of the screen read
// with GDI, images decoded and PNG files written with GDI+.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marlivo::e2e {

// 32-bit pixels, top row first, 0x00RRGGBB each.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  // The part at (x, y) of the given size; empty where it would leave the picture.
  Picture Part(int x, int y, int part_width, int part_height) const;
};

// What the screen shows in the rectangle (screen coordinates).
std::optional<Picture> CaptureScreen(const RECT& rect);

// Writes the picture as a PNG file; false when it could not.
bool SavePng(const Picture& picture, const std::wstring& path);

// Decodes an image file (any format GDI+ reads: JPEG, PNG...).
std::optional<Picture> LoadPicture(const std::wstring& path);

// The mean of the absolute differences of the colour channels of two pictures of the
// same size, 0 to 255; a negative value when their sizes differ.
double MeanDifference(const Picture& a, const Picture& b);

}  // namespace marlivo::e2e
