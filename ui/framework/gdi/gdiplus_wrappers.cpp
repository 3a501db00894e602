// The GDI+ bitmap, graphics, font family and font collection wrappers.
#include "ui/framework/gdi/gdiplus_wrappers.h"

#include <string>

namespace marlivo::gdi {
namespace {

template <typename T>
T* Held(const qoWrapperBase& object) {
  return reinterpret_cast<T*>(object.GetDataItem(0));
}

void BitmapCleanup(WrapperCore* core) {
  if (core->data != nullptr && core->data[0] != 0) {
    gp::GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(core->data[0]));
    core->data[0] = 0;
  }
  BaseWrapperCleanup(core);
}

void GraphicsCleanup(WrapperCore* core) {
  if (core->data != nullptr && core->data[0] != 0) {
    gp::GdipDeleteGraphics(reinterpret_cast<Gdiplus::GpGraphics*>(core->data[0]));
    core->data[0] = 0;
  }
  BaseWrapperCleanup(core);
}

void FontFamilyCleanup(WrapperCore* core) {
  if (core->data != nullptr && core->data[0] != 0) {
    gp::GdipDeleteFontFamily(reinterpret_cast<Gdiplus::GpFontFamily*>(core->data[0]));
    core->data[0] = 0;
  }
  BaseWrapperCleanup(core);
}

}  // namespace

qoBitmap::qoBitmap() { InstallCleanupHook(BitmapCleanup); }

qoBitmap::qoBitmap(Gdiplus::GpBitmap* bitmap) : qoBitmap() { SetHandle(bitmap); }

Gdiplus::GpBitmap* qoBitmap::GetHandle() const { return Held<Gdiplus::GpBitmap>(*this); }

void qoBitmap::SetHandle(Gdiplus::GpBitmap* bitmap) {
  if (GetData() == nullptr) {
    if (bitmap != nullptr) gp::GdipDisposeImage(bitmap);
    return;
  }
  if (Gdiplus::GpBitmap* old = GetHandle(); old != nullptr && old != bitmap) {
    gp::GdipDisposeImage(old);
  }
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(bitmap));
}

int qoBitmap::GetWidth() const {
  UINT width = 0;
  if (GetHandle() == nullptr || gp::GdipGetImageWidth(GetHandle(), &width) != kGdipOk) return 0;
  return static_cast<int>(width);
}

int qoBitmap::GetHeight() const {
  UINT height = 0;
  if (GetHandle() == nullptr || gp::GdipGetImageHeight(GetHandle(), &height) != kGdipOk) return 0;
  return static_cast<int>(height);
}

qoGraphics::qoGraphics() { InstallCleanupHook(GraphicsCleanup); }

qoGraphics::qoGraphics(HDC dc) : qoGraphics() {
  Gdiplus::GpGraphics* graphics = nullptr;
  if (GetData() != nullptr && dc != nullptr &&
      gp::GdipCreateFromHDC(dc, &graphics) == kGdipOk) {
    SetDataItem(0, reinterpret_cast<std::uintptr_t>(graphics));
  }
}

Gdiplus::GpGraphics* qoGraphics::GetHandle() const { return Held<Gdiplus::GpGraphics>(*this); }

// The installed collection belongs to GDI+; an empty object stands for it and there is
// nothing to delete.
qoFontCollection::qoFontCollection() = default;

Gdiplus::GpFontCollection* qoFontCollection::GetHandle() const {
  return Held<Gdiplus::GpFontCollection>(*this);
}

qoFontFamily::qoFontFamily() { InstallCleanupHook(FontFamilyCleanup); }

qoFontFamily::qoFontFamily(Gdiplus::GpFontFamily* family) : qoFontFamily() {
  if (GetData() == nullptr) {
    if (family != nullptr) gp::GdipDeleteFontFamily(family);
    return;
  }
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(family));
}

int qoFontFamily::CreateW(std::wstring_view name, const qoFontCollection& collection) {
  if (GetData() == nullptr) return 0;
  if (Gdiplus::GpFontFamily* old = GetHandle()) {
    gp::GdipDeleteFontFamily(old);
    SetDataItem(0, 0);
  }
  const std::wstring terminated(name);
  Gdiplus::GpFontFamily* family = nullptr;
  if (gp::GdipCreateFontFamilyFromName(terminated.c_str(), collection.GetHandle(), &family) !=
      kGdipOk) {
    return 0;
  }
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(family));
  return 1;
}

Gdiplus::GpFontFamily* qoFontFamily::GetHandle() const {
  return Held<Gdiplus::GpFontFamily>(*this);
}

std::wstring qoFontFamily::GetNameW(LANGID language) const {
  WCHAR name[LF_FACESIZE] = {};
  if (GetHandle() == nullptr || gp::GdipGetFamilyName(GetHandle(), name, language) != kGdipOk) {
    return {};
  }
  return name;
}

}  // namespace marlivo::gdi
