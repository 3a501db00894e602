// The image object: a wrapper object holding a GDI+ image (data word 0) decoded from
// encoded bytes, and the memory stream it was decoded from (data word 1), which GDI+
// reads from for as long as the image lives. Forms and picture boxes hold their
// background images through it; the background painter draws them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "ui/framework/gdi/gdiplus_flat.h"
#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::forms {

using gdi::GpStatus;
using gdi::kGdipOk;

// Frames of an animated image are counted and selected along GDI+'s time dimension.
inline constexpr const wchar_t* kTimeFrameDimensionText = L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
// The image property holding the frame delays, in hundredths of a second.
inline constexpr PROPID kPropertyTagFrameDelay = 0x5100;

// The time dimension as a GUID (CLSIDFromString of the text above).
GUID TimeFrameDimension();

class qoImage : public gdi::qoWrapperBase {
 public:
  qoImage();

  // Decodes the bytes (copied into a movable global block behind a stream) and holds
  // the image and the stream; 1 when GDI+ made an image. Whatever was held before goes
  // first; on failure the object holds no image.
  int LoadFromMemory(std::span<const unsigned char> bytes);
  // The image encoded again in its own raw format (JPEG stays JPEG, GIF stays GIF);
  // empty when there is no image or no encoder for its format.
  std::vector<unsigned char> SaveToMemory() const;

  Gdiplus::GpImage* GetHandle() const;
  int GetWidth() const;
  int GetHeight() const;
  // Frames along the dimension (the time dimension by default); 0 without an image or
  // when GDI+ cannot count them.
  int GetFrameCount(const GUID* dimension = nullptr) const;
  // Makes frame `index` the one drawn; GDI+'s status (0 = Ok), InvalidParameter
  // without an image.
  GpStatus SelectActiveFrame(int index, const GUID* dimension = nullptr);
  // The frame delays in hundredths of a second, one 32-bit value per entry of the
  // image's PropertyTagFrameDelay; empty when the image has none.
  std::vector<std::uint32_t> GetFrameDelays() const;
  // Locks the pixels of a bitmap image as 32-bit ARGB (PixelFormat32bppARGB) for
  // reading and writing; GDI+'s status. Unlock with UnlockBits.
  GpStatus LockBits(const RECT& area, Gdiplus::BitmapData* locked);
  GpStatus UnlockBits(Gdiplus::BitmapData* locked);

 private:
  // Disposes of the image and releases the stream.
  void Empty();
};

// What the class's CleanupHook does: disposes of the image, releases the stream, then
// the base cleanup.
void ImageCleanup(gdi::WrapperCore* core);

}  // namespace marlivo::forms
