// The icon-and-cursor object: a wrapper object holding one HICON or HCURSOR in data
// word 0, which it owns. Windows take their cursor (SetCursor, GetCursor) and forms
// their icons through it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/framework/gdi/gdiplus_wrappers.h"
#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::gdi {

// DrawIconEx's DI_NORMAL: mask and image.
inline constexpr UINT kDrawIconNormal = DI_NORMAL;

class qoIcon : public qoWrapperBase {
 public:
  qoIcon();
  // Takes ownership of the handle.
  explicit qoIcon(HICON handle);

  // Destroys the held icon or cursor (DestroyIcon or DestroyCursor, as GetIconInfo
  // tells, and the info bitmaps); the object is empty afterwards.
  void Destroy();
  HICON GetHandle() const;
  // Destroy, then own the given handle.
  void SetHandle(HICON handle);
  // An .ico or .cur file's bytes; the image of the directory entry `index` becomes the
  // icon, at the given size (0: the image's own). 0, and an empty object, when the
  // entry or its image lies outside the bytes or the system made no handle.
  int LoadFromMemory(std::span<const unsigned char> file, std::optional<int> index = {},
                     std::optional<int> width = {}, std::optional<int> height = {});
  int LoadFromFileW(const wchar_t* path, int cursor, int width, int height);
  int FromBitmap(const qoBitmap& bitmap);
  // The path is GBK text.
  int LoadFromFile(const char* path, int cursor, int width, int height);
  // Name or number (MAKEINTRESOURCEW) of a system cursor, or of a cursor resource of
  // the program's module.
  int LoadSystemCursor(const wchar_t* name);
  int LoadCursorResource(const wchar_t* name);
  int LoadSystemIcon(const wchar_t* name);
  int LoadIconResource(const wchar_t* name);
  // A new object holding a copy (CopyIcon) of the handle.
  qoIcon Clone() const;
  // A copy of the handle that the caller owns; 0 when empty.
  HICON CopyHandle() const;
  // The mask bitmap's size: a monochrome icon's mask is twice the icon's height.
  int GetWidth() const;
  int GetHeight() const;
  POINT GetHotSpot() const;
  // 1 for an icon, 0 for a cursor or when empty.
  int IsIcon() const;
  // Draws the icon into a new 32-bit DIB section that the caller owns. When
  // `sizeGiven` is 0 the mask bitmap's size is used and written into `size`.
  HBITMAP ToHBITMAP(SIZE* size, int sizeGiven) const;
  // Draws the icon into a new 32-bit ARGB GDI+ bitmap; an empty one on failure.
  qoBitmap ToBitmap(std::optional<SIZE> size = {}) const;
  // DrawIconEx at (x, y); size 0 draws the icon at its own size.
  int Draw(HDC dc, int x, int y, std::optional<int> size = {},
           std::optional<UINT> flags = {}) const;

 private:
  // Owns `handle` when it is non-zero; 1 then.
  int Hold(HICON handle);
};

// What the class's CleanupHook does: destroys the handle in word 0, then the base
// cleanup. Exposed so that a caller that observes a core's cleanup can chain to it.
void IconCleanup(WrapperCore* core);

}  // namespace marlivo::gdi
