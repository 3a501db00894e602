// qoWindowBase: the window's own Win32 property list (SetProp), borders, and the binding
// of event handlers.
#include "engine/text/code_page.h"
#include "ui/framework/bag_keys.h"
#include "ui/framework/borders.h"
#include "ui/framework/window_base.h"

namespace marlivo::ui {
namespace {

// GetAtomNameW gets 10 units: an atom's name is cut to 9 characters.
constexpr int kAtomNameUnits = 10;

struct PropertyList {
  std::vector<std::wstring> names;
  std::vector<HANDLE> handles;
};

BOOL CALLBACK CollectProperty(HWND, LPWSTR name, HANDLE data, ULONG_PTR param) {
  auto* list = reinterpret_cast<PropertyList*>(param);
  if (!IS_INTRESOURCE(name)) {
    list->names.emplace_back(name);
  } else {
    wchar_t atomName[kAtomNameUnits] = {};
    const UINT length = ::GetAtomNameW(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name)),
                                       atomName, kAtomNameUnits);
    list->names.emplace_back(atomName, length);
  }
  list->handles.push_back(data);
  return TRUE;
}

// EnumPropsExW answers -1 when the window has no properties.
bool CollectProperties(HWND window, PropertyList& list) {
  return ::EnumPropsExW(window, CollectProperty, reinterpret_cast<LPARAM>(&list)) != -1;
}

// An 8-bit property name in code page 936; an atom passes unchanged.
class WidePropertyName {
 public:
  explicit WidePropertyName(const char* name)
      : atom_(IS_INTRESOURCE(name) ? reinterpret_cast<const wchar_t*>(name) : nullptr) {
    if (atom_ == nullptr) text_ = text::GbkToWide(name);
  }
  const wchar_t* get() const { return atom_ != nullptr ? atom_ : text_.c_str(); }

 private:
  const wchar_t* atom_;
  std::wstring text_;
};

}  // namespace

int qoWindowBase::SetPropW(const wchar_t* name, HANDLE data) {
  return ::SetPropW(GetHwnd(), name, data) ? 1 : 0;
}

// The 8-bit forms convert with 936 and use the W functions, so that a name set through
// one form is found through the other whatever the system's ANSI code page.
int qoWindowBase::SetPropA(const char* name, HANDLE data) {
  return ::SetPropW(GetHwnd(), WidePropertyName(name).get(), data) ? 1 : 0;
}

HANDLE qoWindowBase::GetPropW(const wchar_t* name) const { return ::GetPropW(GetHwnd(), name); }

HANDLE qoWindowBase::GetPropA(const char* name) const {
  return ::GetPropW(GetHwnd(), WidePropertyName(name).get());
}

HANDLE qoWindowBase::RemovePropW(const wchar_t* name) {
  return ::RemovePropW(GetHwnd(), name);
}

HANDLE qoWindowBase::RemovePropA(const char* name) {
  return ::RemovePropW(GetHwnd(), WidePropertyName(name).get());
}

int qoWindowBase::GetPropNames(std::vector<std::wstring>& names) const {
  PropertyList list;
  if (!CollectProperties(GetHwnd(), list)) return 0;
  names = std::move(list.names);
  return static_cast<int>(names.size());
}

int qoWindowBase::GetPropHandles(std::vector<HANDLE>& handles) const {
  PropertyList list;
  if (!CollectProperties(GetHwnd(), list)) return 0;
  handles = std::move(list.handles);
  return static_cast<int>(handles.size());
}

int qoWindowBase::Border(std::optional<int> kind) {
  const int previous = static_cast<int>(GetProperty(keys::kBorder));
  if (!kind.has_value()) return previous;
  SetProperty(keys::kBorder, *kind);
  const HWND window = GetHwnd();
  if (::IsWindow(window)) {
    RestyleFrame(window, [&](DWORD& style, DWORD& exStyle) { ApplyBorder(*kind, style, exStyle); });
  }
  return previous;
}

void qoWindowBase::ApplyControlBorder(int kind, DWORD& style, DWORD& exStyle) const {
  ApplyControlBorderKind(kind, style, exStyle);
}

void qoWindowBase::ApplyBorder(int kind, DWORD& style, DWORD& exStyle) const {
  ApplyWindowBorderKind(kind, style, exStyle);
}

void qoWindowBase::SetOnPaint(PaintHandler handler) {
  SetPropertyOf(GetCore(), events::kPaint, handler);
}
void qoWindowBase::SetOnLButtonDown(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kLButtonDown, handler);
}
void qoWindowBase::SetOnLButtonUp(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kLButtonUp, handler);
}
void qoWindowBase::SetOnLButtonDblClk(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kLButtonDblClk, handler);
}
void qoWindowBase::SetOnRButtonDown(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kRButtonDown, handler);
}
void qoWindowBase::SetOnRButtonUp(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kRButtonUp, handler);
}
void qoWindowBase::SetOnMouseMove(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kMouseMove, handler);
}
void qoWindowBase::SetOnMouseIn(MouseHandler handler) {
  SetPropertyOf(GetCore(), events::kMouseIn, handler);
  SetProperty(keys::kEnableHover, 1);
}
void qoWindowBase::SetOnMouseHover(WindowHandler handler) {
  SetPropertyOf(GetCore(), events::kMouseHover, handler);
  SetProperty(keys::kEnableHover, 1);
}
void qoWindowBase::SetOnMouseLeave(WindowHandler handler) {
  SetPropertyOf(GetCore(), events::kMouseLeave, handler);
  SetProperty(keys::kEnableHover, 1);
}
void qoWindowBase::SetOnSetFocus(WindowHandler handler) {
  SetPropertyOf(GetCore(), events::kSetFocus, handler);
}
void qoWindowBase::SetOnKillFocus(WindowHandler handler) {
  SetPropertyOf(GetCore(), events::kKillFocus, handler);
}
void qoWindowBase::SetOnKeyDown(KeyHandler handler) {
  SetPropertyOf(GetCore(), events::kKeyDown, handler);
}
void qoWindowBase::SetOnKeyUp(KeyHandler handler) {
  SetPropertyOf(GetCore(), events::kKeyUp, handler);
}
void qoWindowBase::SetOnMouseWheel(WheelHandler handler) {
  SetPropertyOf(GetCore(), events::kMouseWheel, handler);
}
void qoWindowBase::SetOnChar(CharHandler handler) {
  SetPropertyOf(GetCore(), events::kChar, handler);
}
void qoWindowBase::SetOnDropFiles(DropFilesHandler handler) {
  SetPropertyOf(GetCore(), events::kDropFiles, handler);
}
void qoWindowBase::SetOnTimer(TimerHandler handler) {
  SetPropertyOf(GetCore(), events::kTimer, handler);
}
void qoWindowBase::SetOnWndMsg(WndMsgHandler handler) {
  SetPropertyOf(GetCore(), events::kWndMsg, handler);
}

}  // namespace marlivo::ui
