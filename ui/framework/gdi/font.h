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

// The operations are virtual and follow the wrapper base's in this fixed order.
class qoFont : public qoWrapperBase {
 public:
  qoFont();
  // Takes ownership of the font.
  explicit qoFont(Gdiplus::GpFont* font);

  virtual void DeleteFont();
  virtual Gdiplus::GpFont* GetHandle() const;
  // DeleteFont, then own the given font.
  virtual void SetHandle(Gdiplus::GpFont* font);
  // Every create deletes the held font first and returns 1 when GDI+ reported Ok;
  // otherwise 0 and the object is empty. Style and unit default to 0 (regular,
  // UnitWorld).
  virtual int CreateFromFamily(const qoFontFamily& family, float size,
                               std::optional<int> style = {}, std::optional<int> unit = {});
  // From the stock DEFAULT_GUI_FONT, on the given context or the screen's.
  virtual int CreateDefault(std::optional<HDC> dc = {});
  // A family among the installed fonts; the name is GBK text.
  virtual int Create(const char* family, float size, std::optional<int> style = {},
                     std::optional<int> unit = {});
  virtual int CreateW(const wchar_t* family, float size, std::optional<int> style = {},
                      std::optional<int> unit = {});
  // The font selected in the context.
  virtual int CreateFromDC(HDC dc);
  // The GDI font's LOGFONTW on the context; without a readable GDI font, the font
  // selected in the context.
  virtual int CreateFromHFONT(HDC dc, HFONT font);
  virtual int CreateFromLogFontA(HDC dc, const LOGFONTA* logFont);
  virtual int CreateFromLogFontW(HDC dc, const LOGFONTW* logFont);
  // A new object holding a copy of the font (GdipCloneFont); empty when there is none.
  virtual qoFont Clone() const;
  // A new GDI font that the caller owns, its height as the graphics (the screen's
  // when none is given) measures the font; 0 when the LOGFONT cannot be had.
  virtual HFONT ToHFONT(const qoGraphics* graphics = nullptr) const;
  virtual int GetLogFontA(const qoGraphics* graphics, LOGFONTA* logFont) const;
  virtual int GetLogFontW(const qoGraphics* graphics, LOGFONTW* logFont) const;
  virtual qoFontFamily GetFamily() const;
  virtual int GetFontStyle() const;
  virtual float GetSize() const;
  virtual int GetUnit() const;
  virtual float GetHeight(const qoGraphics& graphics) const;
  virtual float GetHeightGivenDPI(float dpi) const;

 private:
  // Stores the font GDI+ made when `status` is Ok; the result of the create.
  int Adopt(GpStatus status, Gdiplus::GpFont* font);
};

// What the class's CleanupHook does: deletes the font in word 0, then the base
// cleanup. Exposed so that a caller that observes a core's cleanup can chain to it.
void FontCleanup(WrapperCore* core);

}  // namespace marlivo::gdi
