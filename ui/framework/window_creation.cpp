// qoWindowBase: making a window for the object (windows, dialogs, MDI children) and
// binding existing windows to it.
#include <cstring>

#include "ui/framework/bag_keys.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/process_heap.h"
#include "ui/framework/window_base.h"
#include "ui/framework/window_binding.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

// An in-memory DLGTEMPLATE without font and without items: styles, item count 0,
// position and size in dialog units, no menu, the class and the title (a single 0 word
// each when none), and a closing 0 word. Freed when the dialog call has returned.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, DWORD exStyle, int x, int y, int width, int height,
                 const wchar_t* className, const wchar_t* title) {
    const std::size_t classUnits = className != nullptr ? std::wcslen(className) + 1 : 1;
    const std::size_t titleUnits = title != nullptr ? std::wcslen(title) + 1 : 1;
    const std::size_t bytes = 20 + (classUnits + titleUnits + 1) * sizeof(WORD);
    block_ = static_cast<unsigned char*>(HeapAllocate(bytes));
    std::memcpy(block_ + 0, &style, 4);
    std::memcpy(block_ + 4, &exStyle, 4);
    const WORD geometry[4] = {static_cast<WORD>(x), static_cast<WORD>(y),
                              static_cast<WORD>(width), static_cast<WORD>(height)};
    std::memcpy(block_ + 10, geometry, sizeof(geometry));
    unsigned char* text = block_ + 20;
    if (className != nullptr) std::memcpy(text, className, classUnits * sizeof(WORD));
    text += classUnits * sizeof(WORD);
    if (title != nullptr) std::memcpy(text, title, titleUnits * sizeof(WORD));
  }
  DialogTemplate(const DialogTemplate&) = delete;
  DialogTemplate& operator=(const DialogTemplate&) = delete;
  ~DialogTemplate() { HeapRelease(block_); }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(block_); }

 private:
  unsigned char* block_;
};

bool IsGiven(const std::optional<const wchar_t*>& text) {
  return text.has_value() && *text != nullptr && **text != L'\0';
}

// The system dialog class's information, with its procedure; registered again under the
// caller's class name when one is given (a class that exists already is no error).
WNDCLASSEXW DialogClassInfo(const std::optional<const wchar_t*>& className) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  ::GetClassInfoExW(nullptr, kDialogClassName, &info);
  if (IsGiven(className)) {
    WNDCLASSEXW copy = info;
    copy.hInstance = ModuleInstance();
    copy.lpszClassName = *className;
    ::RegisterClassExW(&copy);
  }
  return info;
}

// The border kind stored in the bag, when there is one, turned into a new window's style
// bits.
void ApplyStoredBorder(const qoWindowBase& window, DWORD& style, DWORD& exStyle) {
  if (window.HasProperty(keys::kBorder)) {
    window.ApplyBorder(static_cast<int>(window.GetProperty(keys::kBorder)), style, exStyle);
  }
}

// A dialog of the object from an in-memory template: the dialog class's procedure is
// stored as the one that the dialog procedure passes messages on to.
DialogTemplate PrepareDialog(ObjectCore* core, const wchar_t* title, int x, int y, int width,
                             int height, DWORD style, DWORD exStyle,
                             const std::optional<const wchar_t*>& className) {
  const WNDCLASSEXW info = DialogClassInfo(className);
  SetPropertyOf(core, keys::kOldWndProc, info.lpfnWndProc);
  return DialogTemplate(style, exStyle, x, y, width, height,
                        IsGiven(className) ? *className : nullptr, title);
}

}  // namespace

int qoWindowBase::Create(HWND parent, const wchar_t* title, int x, int y, int width,
                         int height, HMENU menuOrId, DWORD style, DWORD exStyle,
                         const wchar_t* className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  ApplyStoredBorder(*this, style, exStyle);
  // The core travels as the creation parameter; the class window procedure binds it on
  // WM_NCCREATE, inside this call.
  const HWND window = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height,
                                        parent, menuOrId, ModuleInstance(), core);
  return window != nullptr ? 1 : 0;
}

int qoWindowBase::CreateDialog(HWND parent, const wchar_t* title, int x, int y, int width,
                               int height, DWORD style, DWORD exStyle,
                               std::optional<const wchar_t*> className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  ApplyStoredBorder(*this, style, exStyle);
  const DialogTemplate dialogTemplate =
      PrepareDialog(core, title, x, y, width, height, style, exStyle, className);
  const HWND dialog =
      ::CreateDialogIndirectParamW(ModuleInstance(), dialogTemplate.get(), parent,
                                   ModelessDialogProc, reinterpret_cast<LPARAM>(core));
  return dialog != nullptr ? 1 : 0;
}

INT_PTR qoWindowBase::ShowModal(HWND parent, const wchar_t* title, int x, int y, int width,
                                int height, DWORD style, DWORD exStyle,
                                std::optional<const wchar_t*> className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  ApplyStoredBorder(*this, style, exStyle);
  const DialogTemplate dialogTemplate =
      PrepareDialog(core, title, x, y, width, height, style, exStyle, className);
  return ::DialogBoxIndirectParamW(ModuleInstance(), dialogTemplate.get(), parent,
                                   ModalDialogProc, reinterpret_cast<LPARAM>(core));
}

int qoWindowBase::CreateDialogFromResource(HWND parent, const wchar_t* templateName,
                                           std::optional<const wchar_t*> className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  if (IsGiven(className)) DialogClassInfo(className);
  const HWND dialog = ::CreateDialogParamW(ModuleInstance(), templateName, parent,
                                           ModelessDialogProc, reinterpret_cast<LPARAM>(core));
  return dialog != nullptr ? 1 : 0;
}

INT_PTR qoWindowBase::ShowModalFromResource(HWND parent, const wchar_t* templateName,
                                            std::optional<const wchar_t*> className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  if (IsGiven(className)) DialogClassInfo(className);
  return ::DialogBoxParamW(ModuleInstance(), templateName, parent, ModalDialogProc,
                           reinterpret_cast<LPARAM>(core));
}

int qoWindowBase::CreateMDIChild(HWND mdiClient, const wchar_t* title, int x, int y,
                                 int width, int height, DWORD style,
                                 const wchar_t* className) {
  ObjectCore* core = GetCore();
  if (core == nullptr || GetHwnd() != nullptr) return 0;
  DWORD unusedExStyle = 0;  // CreateMDIWindowW takes no extended style
  ApplyStoredBorder(*this, style, unusedExStyle);
  const HWND child = ::CreateMDIWindowW(className, title, style, x, y, width, height,
                                        mdiClient, ModuleInstance(),
                                        reinterpret_cast<LPARAM>(core));
  return child != nullptr ? 1 : 0;
}

int qoWindowBase::SubclassWindow(HWND window) {
  if (!::IsWindow(window)) return 0;
  ObjectCore** slot = GetCoreSlot();
  if (ObjectCore* bound = FindCore(window)) {
    AddRef(bound);
    Release(*slot);
    *slot = bound;
    return 1;
  }
  ObjectCore* core = *slot;
  if (core == nullptr) return 0;
  if (GetHwnd() != nullptr) {
    // A core that other objects share stays bound to its window for them: taking it over
    // would pull their window from under them, so the object refuses instead.
    if (core->refCount != 1) return 0;
    core->hooks->CleanupHook(core);
  }
  const LONG_PTR current = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
  if (current == reinterpret_cast<LONG_PTR>(&SharedSubclassProc)) return 0;
  // A window of a framework class already reaches the registry through its class
  // procedure; subclassing it as well would run the hooks twice per message.
  if (current != reinterpret_cast<LONG_PTR>(&ClassWindowProc)) {
    const LONG_PTR replaced = ::SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SharedSubclassProc));
    ui::SetProperty(core, keys::kOldWndProc, replaced);
  }
  BindWindow(core, window);
  return 1;
}

void qoWindowBase::UnsubclassWindow() { UnbindWindow(GetCore(), UnbindKind::kLiveWindow); }

int qoWindowBase::BindHandle(HWND window) {
  if (!::IsWindow(window)) return 0;
  ObjectCore* bound = FindCore(window);
  if (bound == nullptr) return 0;
  ObjectCore** slot = GetCoreSlot();
  AddRef(bound);
  Release(*slot);
  *slot = bound;
  return 1;
}

int qoWindowBase::Attach(HWND window) { return SubclassWindow(window); }

void qoWindowBase::Detach() { UnsubclassWindow(); }

}  // namespace marlivo::ui
