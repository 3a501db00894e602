// qoApplication: initialisation, the program helpers and the window member.
#include "ui/framework/application.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "engine/text/code_page.h"
#include "ui/framework/gdiplus_startup.h"
#include "ui/framework/message_hooks.h"
#include "ui/framework/module_instance.h"
#include "ui/framework/process_heap.h"
#include "ui/framework/window_registry.h"

namespace marlivo::ui {
namespace {

// AtlAxWinInit's ordinal in ATL.DLL. Loaded at run time: a system without ATL still runs
// the program, only without ActiveX hosting.
constexpr WORD kAtlAxWinInitOrdinal = 42;
constexpr DWORD kAllCommonControlClasses = 0xFFFF;

void InitialiseAtlHosting() {
  static const HMODULE atl = ::LoadLibraryW(L"atl.dll");
  if (atl == nullptr) return;
  using AtlAxWinInitFunction = BOOL(WINAPI*)();
  const auto initialise = reinterpret_cast<AtlAxWinInitFunction>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(atl, MAKEINTRESOURCEA(kAtlAxWinInitOrdinal))));
  if (initialise != nullptr) initialise();
}

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(ModuleInstance(), path, MAX_PATH);
  return path;
}

// The windowless form that the application object starts with: base, window and form
// levels, and never a window of its own.
std::unique_ptr<qoWindowBase> MakeWindowlessForm() {
  auto form = std::make_unique<qoWindowBase>();
  InstallFormLevel(form->GetCore());
  return form;
}

}  // namespace

qoApplication::qoApplication() : gdiplusToken_(0), window_(MakeWindowlessForm()) {}

qoApplication::qoApplication(const qoApplication& other)
    : gdiplusToken_(other.gdiplusToken_), window_(other.window_->Copy()) {}

qoApplication::~qoApplication() = default;

std::unique_ptr<qoApplication> qoApplication::Clone() const {
  return std::make_unique<qoApplication>(*this);
}

void qoApplication::Initialise(std::optional<HINSTANCE> instance, std::optional<int> atlHosting,
                               std::optional<DWORD> commonControlClasses) {
  // From here on an allocation that fails anywhere ends the program the framework's way
  // (message box, exit sequence) instead of throwing.
  InstallOutOfMemoryHandler();
  EnsureWindowRegistry();
  SetModuleInstance(::GetModuleHandleW(nullptr));
  if (gdiplusToken_ == 0) gdiplusToken_ = StartGdiplus();
  if (instance.has_value()) SetModuleInstance(*instance);
  if (atlHosting.value_or(1) == 1) InitialiseAtlHosting();
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = commonControlClasses.value_or(kAllCommonControlClasses);
  ::InitCommonControlsEx(&controls);
}

HINSTANCE qoApplication::GetInstance() const { return ModuleInstance(); }

int qoApplication::GetArgumentsW(std::vector<std::wstring>& arguments) const {
  int count = 0;
  LPWSTR* split = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (split == nullptr) return 0;
  arguments.assign(split, split + count);
  ::LocalFree(split);
  return count;
}

int qoApplication::GetArguments(std::vector<std::string>& arguments) const {
  std::vector<std::wstring> wide;
  const int count = GetArgumentsW(wide);
  if (count == 0) return 0;
  arguments.clear();
  for (const std::wstring& argument : wide) arguments.push_back(text::WideToGbk(argument));
  return count;
}

std::wstring qoApplication::GetProgramDirW() const {
  std::wstring path = ModulePath();
  path.push_back(L'\0');  // PathRemoveFileSpecW writes into the buffer
  ::PathRemoveFileSpecW(path.data());
  return std::wstring(path.c_str());
}

std::string qoApplication::GetProgramDir() const { return text::WideToGbk(GetProgramDirW()); }

std::wstring qoApplication::GetProgramFileNameW() const {
  const std::wstring path = ModulePath();
  return ::PathFindFileNameW(path.c_str());
}

std::string qoApplication::GetProgramFileName() const {
  return text::WideToGbk(GetProgramFileNameW());
}

HWND qoApplication::GetTopLevelWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  while (const HWND parent = ::GetParent(window)) window = parent;
  return window;
}

HWND qoApplication::FocusNextTabStop(HWND window) {
  const HWND parent = ::GetParent(window);
  const HWND focused = ::GetFocus();
  HWND first = nullptr;
  HWND next = nullptr;
  bool passedFocus = false;
  for (HWND child = ::FindWindowExW(parent, nullptr, nullptr, nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, nullptr, nullptr)) {
    if (child == focused) {
      passedFocus = true;
      continue;
    }
    const LONG style = ::GetWindowLongW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) == 0 || (style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) {
      continue;
    }
    if (first == nullptr) first = child;
    if (passedFocus) {
      next = child;
      break;
    }
  }
  if (next == nullptr) next = first;
  if (next == nullptr) return nullptr;
  return ::SetFocus(next);
}

void qoApplication::Quit() { ::PostQuitMessage(0); }

ULONG_PTR qoApplication::GetGdiplusToken() const { return gdiplusToken_; }

const qoWindowBase& qoApplication::GetWindowMember() const { return *window_; }

HWND qoApplication::AdoptWindow(const qoWindowBase& window, std::optional<int> show) {
  window_ = window.Copy();
  const HWND main = window_->GetHwnd();
  if (!::IsWindow(main)) return nullptr;
  if (show.value_or(1) != 0) {
    ::UpdateWindow(main);
    ::ShowWindow(main, SW_SHOW);
  }
  return main;
}

}  // namespace marlivo::ui
