// The font object: a wrapper object holding one GDI+ font (GpFont) in data word 0,
// which it owns. Windows get their GDI font from it (SetFont) and give theirs back as
// one (GetFont). GDI+ must have been started.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "ui/framework/gdi/gdiplus_wrappers.h"
#include "ui/framework/gdi/wrapper_core.h"

namespace marlivo::gdi {

// GDI+ FontStyle bits, passed through unchanged.
inline constexpr int kFontStyleRegular = 0;
inline constexpr int kFontStyleBold = 1;
inline constexpr int kFontStyleItalic = 2;
inline constexpr int kFontStyleUnderline = 4;
inline constexpr int kFontStyleStrikeout = 8;
// GDI+ Unit values; an omitted unit is UnitWorld.
inline constexpr int kUnitWorld = 0;
inline constexpr int kUnitPixel = 2;
inline constexpr int kUnitPoint = 3;

class qoFont : public qoWrapperBase {
 public:
  qoFont();
  // Takes ownership of the font.
  explicit qoFont(Gdiplus::GpFont* font);

  void DeleteFont();
  Gdiplus::GpFont* GetHandle() const;
  // DeleteFont, then own the given font.
  void SetHandle(Gdiplus::GpFont* font);
  // Every create deletes the held font first and returns 1 when GDI+ reported Ok;
  // otherwise 0 and the object is empty. Style and unit default to 0 (regular,
  // UnitWorld).
  int CreateFromFamily(const qoFontFamily& family, float size, std::optional<int> style = {},
                       std::optional<int> unit = {});
  // From the stock DEFAULT_GUI_FONT, on the given context or the screen's.
  int CreateDefault(std::optional<HDC> dc = {});
  // A family among the installed fonts; the name is GBK text.
  int Create(const char* family, float size, std::optional<int> style = {},
             std::optional<int> unit = {});
  int CreateW(const wchar_t* family, float size, std::optional<int> style = {},
              std::optional<int> unit = {});
  // The font selected in the context.
  int CreateFromDC(HDC dc);
  // The GDI font's LOGFONTW on the context; without a readable GDI font, the font
  // selected in the context.
  int CreateFromHFONT(HDC dc, HFONT font);
  int CreateFromLogFontA(HDC dc, const LOGFONTA* logFont);
  int CreateFromLogFontW(HDC dc, const LOGFONTW* logFont);
  // A new object holding a copy of the font (GdipCloneFont); empty when there is none.
  qoFont Clone() const;
  // A new GDI font that the caller owns, its height as the graphics (the screen's
  // when none is given) measures the font; 0 when the LOGFONT cannot be had.
  HFONT ToHFONT(const qoGraphics* graphics = nullptr) const;
  int GetLogFontA(const qoGraphics* graphics, LOGFONTA* logFont) const;
  int GetLogFontW(const qoGraphics* graphics, LOGFONTW* logFont) const;
  qoFontFamily GetFamily() const;
  int GetFontStyle() const;
  float GetSize() const;
  int GetUnit() const;
  float GetHeight(const qoGraphics& graphics) const;
  float GetHeightGivenDPI(float dpi) const;

 private:
  // Stores the font GDI+ made when `status` is Ok; the result of the create.
  int Adopt(GpStatus status, Gdiplus::GpFont* font);
};

// What the class's CleanupHook does: deletes the font in word 0, then the base
// cleanup. Exposed so that a caller that observes a core's cleanup can chain to it.
void FontCleanup(WrapperCore* core);

}  // namespace marlivo::gdi
