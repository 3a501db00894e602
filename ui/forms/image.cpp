// The image object.
#include "ui/forms/image.h"

#include <cstring>

namespace marlivo::forms {
namespace {

using gdi::gp::GdipDisposeImage;
using gdi::kGdipOk;

void DisposeWords(std::uintptr_t* data) {
  if (data[0] != 0) {
    GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(data[0]));
    data[0] = 0;
  }
  if (data[1] != 0) {
    reinterpret_cast<IStream*>(data[1])->Release();
    data[1] = 0;
  }
}

// A stream over a movable global block holding a copy of the bytes; the stream frees
// the block when it is released.
IStream* StreamOver(std::span<const unsigned char> bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
  if (block == nullptr) return nullptr;
  void* at = GlobalLock(block);
  if (at == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
  GlobalUnlock(block);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  // A block of one byte stands for no bytes: the stream must say it is empty.
  ULARGE_INTEGER size{};
  size.QuadPart = bytes.size();
  stream->SetSize(size);
  return stream;
}

bool EncoderFor(const GUID& format, CLSID* encoder) {
  UINT count = 0;
  UINT bytes = 0;
  if (gdi::gp::GdipGetImageEncodersSize(&count, &bytes) != kGdipOk || bytes == 0) return false;
  std::vector<unsigned char> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (gdi::gp::GdipGetImageEncoders(count, bytes, codecs) != kGdipOk) return false;
  for (UINT i = 0; i < count; ++i) {
    if (IsEqualGUID(codecs[i].FormatID, format)) {
      *encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

GUID TimeFrameDimension() {
  GUID dimension{};
  CLSIDFromString(kTimeFrameDimensionText, &dimension);
  return dimension;
}

void ImageCleanup(gdi::WrapperCore* core) {
  if (core->data != nullptr) DisposeWords(core->data);
  gdi::BaseWrapperCleanup(core);
}

qoImage::qoImage() { InstallCleanupHook(ImageCleanup); }

void qoImage::Empty() {
  if (std::uintptr_t* data = GetData()) DisposeWords(data);
}

int qoImage::LoadFromMemory(std::span<const unsigned char> bytes) {
  Empty();
  if (GetData() == nullptr) return 0;
  IStream* stream = StreamOver(bytes);
  if (stream == nullptr) return 0;
  // GDI+ decodes lazily and reads the stream again for other frames: it stays with
  // the image, whose object releases both.
  SetDataItem(1, reinterpret_cast<std::uintptr_t>(stream));
  Gdiplus::GpImage* image = nullptr;
  if (gdi::gp::GdipLoadImageFromStream(stream, &image) != kGdipOk || image == nullptr) return 0;
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(image));
  return 1;
}

std::vector<unsigned char> qoImage::SaveToMemory() const {
  std::vector<unsigned char> bytes;
  GUID format{};
  CLSID encoder{};
  if (GetHandle() == nullptr || gdi::gp::GdipGetImageRawFormat(GetHandle(), &format) != kGdipOk ||
      !EncoderFor(format, &encoder)) {
    return bytes;
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return bytes;
  if (gdi::gp::GdipSaveImageToStream(GetHandle(), stream, &encoder, nullptr) == kGdipOk) {
    STATSTG stat{};
    HGLOBAL block = nullptr;
    if (SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) &&
        SUCCEEDED(GetHGlobalFromStream(stream, &block))) {
      if (const void* at = GlobalLock(block)) {
        const auto* first = static_cast<const unsigned char*>(at);
        bytes.assign(first, first + stat.cbSize.QuadPart);
        GlobalUnlock(block);
      }
    }
  }
  stream->Release();
  return bytes;
}

Gdiplus::GpImage* qoImage::GetHandle() const {
  return reinterpret_cast<Gdiplus::GpImage*>(GetDataItem(0));
}

int qoImage::GetWidth() const {
  UINT width = 0;
  if (GetHandle() == nullptr || gdi::gp::GdipGetImageWidth(GetHandle(), &width) != kGdipOk) return 0;
  return static_cast<int>(width);
}

int qoImage::GetHeight() const {
  UINT height = 0;
  if (GetHandle() == nullptr || gdi::gp::GdipGetImageHeight(GetHandle(), &height) != kGdipOk) {
    return 0;
  }
  return static_cast<int>(height);
}

int qoImage::GetFrameCount(const GUID* dimension) const {
  const GUID time = TimeFrameDimension();
  UINT count = 0;
  if (GetHandle() == nullptr ||
      gdi::gp::GdipImageGetFrameCount(GetHandle(), dimension != nullptr ? dimension : &time, &count) !=
          kGdipOk) {
    return 0;
  }
  return static_cast<int>(count);
}

GpStatus qoImage::SelectActiveFrame(int index, const GUID* dimension) {
  const GUID time = TimeFrameDimension();
  if (GetHandle() == nullptr || index < 0) return Gdiplus::InvalidParameter;
  return gdi::gp::GdipImageSelectActiveFrame(GetHandle(), dimension != nullptr ? dimension : &time,
                                             static_cast<UINT>(index));
}

std::vector<std::uint32_t> qoImage::GetFrameDelays() const {
  std::vector<std::uint32_t> delays;
  UINT size = 0;
  if (GetHandle() == nullptr ||
      gdi::gp::GdipGetPropertyItemSize(GetHandle(), kPropertyTagFrameDelay, &size) != kGdipOk ||
      size < sizeof(Gdiplus::PropertyItem)) {
    return delays;
  }
  // The item's value follows it in the same block; keep the block aligned for it.
  std::vector<std::uint64_t> block((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
  if (gdi::gp::GdipGetPropertyItem(GetHandle(), kPropertyTagFrameDelay, size, item) != kGdipOk ||
      item->value == nullptr) {
    return delays;
  }
  delays.resize(item->length / sizeof(std::uint32_t));
  if (!delays.empty()) std::memcpy(delays.data(), item->value, delays.size() * sizeof(std::uint32_t));
  return delays;
}

GpStatus qoImage::LockBits(const RECT& area, Gdiplus::BitmapData* locked) {
  if (GetHandle() == nullptr || locked == nullptr) return Gdiplus::InvalidParameter;
  // Only a bitmap has pixels to lock; a metafile has none.
  Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
  if (gdi::gp::GdipGetImageType(GetHandle(), &type) != kGdipOk || type != Gdiplus::ImageTypeBitmap) {
    return Gdiplus::InvalidParameter;
  }
  Gdiplus::GpRect rect(area.left, area.top, area.right - area.left, area.bottom - area.top);
  return gdi::gp::GdipBitmapLockBits(static_cast<Gdiplus::GpBitmap*>(GetHandle()), &rect,
                                     Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite,
                                     PixelFormat32bppARGB, locked);
}

GpStatus qoImage::UnlockBits(Gdiplus::BitmapData* locked) {
  if (GetHandle() == nullptr || locked == nullptr) return Gdiplus::InvalidParameter;
  return gdi::gp::GdipBitmapUnlockBits(static_cast<Gdiplus::GpBitmap*>(GetHandle()), locked);
}

}  // namespace marlivo::forms
