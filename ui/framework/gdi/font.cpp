// The font object.
#include "ui/framework/gdi/font.h"

#include <string>

#include "engine/text/code_page.h"

namespace marlivo::gdi {
namespace {

// The screen's device context for as long as it is needed.
struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() {
    if (dc != nullptr) ReleaseDC(nullptr, dc);
  }
  ScreenDc() = default;
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
};

// The graphics a LOGFONT is measured on: the caller's, or a temporary one on the
// screen that goes when this does.
class MeasuringGraphics {
 public:
  explicit MeasuringGraphics(const qoGraphics* given) {
    if (given != nullptr) {
      handle_ = given->GetHandle();
      return;
    }
    if (screen_.dc != nullptr && gp::GdipCreateFromHDC(screen_.dc, &own_) == kGdipOk) {
      handle_ = own_;
    }
  }
  ~MeasuringGraphics() {
    if (own_ != nullptr) gp::GdipDeleteGraphics(own_);
  }
  MeasuringGraphics(const MeasuringGraphics&) = delete;
  MeasuringGraphics& operator=(const MeasuringGraphics&) = delete;
  Gdiplus::GpGraphics* Get() const { return handle_; }

 private:
  ScreenDc screen_;
  Gdiplus::GpGraphics* own_ = nullptr;
  Gdiplus::GpGraphics* handle_ = nullptr;
};

}  // namespace

void FontCleanup(WrapperCore* core) {
  if (core->data != nullptr && core->data[0] != 0) {
    gp::GdipDeleteFont(reinterpret_cast<Gdiplus::GpFont*>(core->data[0]));
    core->data[0] = 0;
  }
  BaseWrapperCleanup(core);
}

qoFont::qoFont() { InstallCleanupHook(FontCleanup); }

qoFont::qoFont(Gdiplus::GpFont* font) : qoFont() { SetHandle(font); }

void qoFont::DeleteFont() {
  if (Gdiplus::GpFont* font = GetHandle()) {
    gp::GdipDeleteFont(font);
    SetDataItem(0, 0);
  }
}

Gdiplus::GpFont* qoFont::GetHandle() const {
  return reinterpret_cast<Gdiplus::GpFont*>(GetDataItem(0));
}

void qoFont::SetHandle(Gdiplus::GpFont* font) {
  if (font != nullptr && font == GetHandle()) return;  // already ours
  DeleteFont();
  Adopt(font != nullptr ? kGdipOk : Gdiplus::InvalidParameter, font);
}

int qoFont::Adopt(GpStatus status, Gdiplus::GpFont* font) {
  if (status != kGdipOk || font == nullptr) return 0;
  if (GetData() == nullptr) {
    // No core to keep it in: do not leak what GDI+ made.
    gp::GdipDeleteFont(font);
    return 0;
  }
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(font));
  return 1;
}

int qoFont::CreateFromFamily(const qoFontFamily& family, float size, std::optional<int> style,
                             std::optional<int> unit) {
  DeleteFont();
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status =
      gp::GdipCreateFont(family.GetHandle(), size, style.value_or(kFontStyleRegular),
                         static_cast<Gdiplus::Unit>(unit.value_or(kUnitWorld)), &font);
  return Adopt(status, font);
}

int qoFont::CreateDefault(std::optional<HDC> dc) {
  DeleteFont();
  LOGFONTW logFont{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont) == 0) return 0;
  ScreenDc screen;
  HDC on = dc.has_value() ? *dc : screen.dc;
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = gp::GdipCreateFontFromLogfontW(on, &logFont, &font);
  return Adopt(status, font);
}

int qoFont::Create(const char* family, float size, std::optional<int> style,
                   std::optional<int> unit) {
  const std::wstring wide = text::GbkToWide(family != nullptr ? family : "");
  return CreateW(wide.c_str(), size, style, unit);
}

int qoFont::CreateW(const wchar_t* family, float size, std::optional<int> style,
                    std::optional<int> unit) {
  // The family is looked up among the installed fonts: a collection object without a
  // handle stands for them. Both temporaries go when this returns, the family's last
  // release deleting it.
  qoFontFamily fontFamily;
  DeleteFont();
  {
    qoFontCollection installed;
    fontFamily.CreateW(family != nullptr ? family : L"", installed);
  }
  // An unknown name leaves the family empty; GDI+ then refuses the font as well.
  return CreateFromFamily(fontFamily, size, style, unit);
}

int qoFont::CreateFromDC(HDC dc) {
  DeleteFont();
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = gp::GdipCreateFontFromDC(dc, &font);
  return Adopt(status, font);
}

int qoFont::CreateFromHFONT(HDC dc, HFONT gdiFont) {
  DeleteFont();
  LOGFONTW logFont{};
  Gdiplus::GpFont* font = nullptr;
  if (gdiFont != nullptr && GetObjectW(gdiFont, sizeof(logFont), &logFont) != 0) {
    const GpStatus status = gp::GdipCreateFontFromLogfontW(dc, &logFont, &font);
    return Adopt(status, font);
  }
  const GpStatus status = gp::GdipCreateFontFromDC(dc, &font);
  return Adopt(status, font);
}

int qoFont::CreateFromLogFontA(HDC dc, const LOGFONTA* logFont) {
  DeleteFont();
  Gdiplus::GpFont* font = nullptr;
  if (logFont == nullptr) {
    const GpStatus status = gp::GdipCreateFontFromDC(dc, &font);
    return Adopt(status, font);
  }
  // GDI+ takes the record by a writable pointer but does not change it.
  const GpStatus status = gp::GdipCreateFontFromLogfontA(dc, const_cast<LOGFONTA*>(logFont), &font);
  return Adopt(status, font);
}

int qoFont::CreateFromLogFontW(HDC dc, const LOGFONTW* logFont) {
  DeleteFont();
  Gdiplus::GpFont* font = nullptr;
  if (logFont == nullptr) {
    const GpStatus status = gp::GdipCreateFontFromDC(dc, &font);
    return Adopt(status, font);
  }
  const GpStatus status = gp::GdipCreateFontFromLogfontW(dc, const_cast<LOGFONTW*>(logFont), &font);
  return Adopt(status, font);
}

qoFont qoFont::Clone() const {
  Gdiplus::GpFont* copy = nullptr;
  if (GetHandle() == nullptr || gp::GdipCloneFont(GetHandle(), &copy) != kGdipOk) return qoFont();
  return qoFont(copy);
}

HFONT qoFont::ToHFONT(const qoGraphics* graphics) const {
  LOGFONTW logFont{};
  if (GetLogFontW(graphics, &logFont) == 0) return nullptr;
  return CreateFontIndirectW(&logFont);
}

int qoFont::GetLogFontA(const qoGraphics* graphics, LOGFONTA* logFont) const {
  if (GetHandle() == nullptr || logFont == nullptr) return 0;
  MeasuringGraphics on(graphics);
  return gp::GdipGetLogFontA(GetHandle(), on.Get(), logFont) == kGdipOk ? 1 : 0;
}

int qoFont::GetLogFontW(const qoGraphics* graphics, LOGFONTW* logFont) const {
  if (GetHandle() == nullptr || logFont == nullptr) return 0;
  MeasuringGraphics on(graphics);
  return gp::GdipGetLogFontW(GetHandle(), on.Get(), logFont) == kGdipOk ? 1 : 0;
}

qoFontFamily qoFont::GetFamily() const {
  Gdiplus::GpFontFamily* family = nullptr;
  if (GetHandle() == nullptr || gp::GdipGetFamily(GetHandle(), &family) != kGdipOk) {
    return qoFontFamily();
  }
  return qoFontFamily(family);
}

int qoFont::GetFontStyle() const {
  INT style = 0;
  if (GetHandle() == nullptr || gp::GdipGetFontStyle(GetHandle(), &style) != kGdipOk) return 0;
  return style;
}

float qoFont::GetSize() const {
  Gdiplus::REAL size = 0;
  if (GetHandle() == nullptr || gp::GdipGetFontSize(GetHandle(), &size) != kGdipOk) return 0;
  return size;
}

int qoFont::GetUnit() const {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  if (GetHandle() == nullptr || gp::GdipGetFontUnit(GetHandle(), &unit) != kGdipOk) return 0;
  return static_cast<int>(unit);
}

float qoFont::GetHeight(const qoGraphics& graphics) const {
  Gdiplus::REAL height = 0;
  if (GetHandle() == nullptr ||
      gp::GdipGetFontHeight(GetHandle(), graphics.GetHandle(), &height) != kGdipOk) {
    return 0;
  }
  return height;
}

float qoFont::GetHeightGivenDPI(float dpi) const {
  Gdiplus::REAL height = 0;
  if (GetHandle() == nullptr ||
      gp::GdipGetFontHeightGivenDPI(GetHandle(), dpi, &height) != kGdipOk) {
    return 0;
  }
  return height;
}

}  // namespace marlivo::gdi
