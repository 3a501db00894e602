// Small wrapper objects over GDI+ bitmaps, graphics, font families and font
// collections: only what the icon, font and image objects exchange with their callers.
// Each holds its GDI+ object in data word 0 and deletes it on the core's last release.
#pragma once

#include <string_view>

#include "ui/framework/gdi/gdiplus_flat.h"
#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::gdi {

// A GDI+ bitmap (GpBitmap).
class qoBitmap : public qoWrapperBase {
 public:
  qoBitmap();
  // Takes ownership of the bitmap.
  explicit qoBitmap(Gdiplus::GpBitmap* bitmap);
  Gdiplus::GpBitmap* GetHandle() const;
  // Disposes of the held bitmap, then holds the given one.
  void SetHandle(Gdiplus::GpBitmap* bitmap);
  int GetWidth() const;
  int GetHeight() const;
};

// A GDI+ graphics (GpGraphics).
class qoGraphics : public qoWrapperBase {
 public:
  qoGraphics();
  // A graphics drawing on the device context (GdipCreateFromHDC); empty on failure.
  explicit qoGraphics(HDC dc);
  Gdiplus::GpGraphics* GetHandle() const;
};

// A font collection (GpFontCollection). Empty, it stands for the installed fonts.
class qoFontCollection : public qoWrapperBase {
 public:
  qoFontCollection();
  Gdiplus::GpFontCollection* GetHandle() const;
};

// A font family (GpFontFamily).
class qoFontFamily : public qoWrapperBase {
 public:
  qoFontFamily();
  // Takes ownership of the family.
  explicit qoFontFamily(Gdiplus::GpFontFamily* family);
  // GdipCreateFontFamilyFromName in the collection (the installed fonts when it is
  // empty); 1 when GDI+ reported success, else 0 and the object is empty.
  int CreateW(std::wstring_view name, const qoFontCollection& collection);
  Gdiplus::GpFontFamily* GetHandle() const;
  // The family's name in the given language (0: neutral); empty without a family.
  std::wstring GetNameW(LANGID language = 0) const;
};

}  // namespace marlivo::gdi
