// Finding and working the main window's controls through window messages.
#include "tests/app/e2e/driver/main_window.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <cwctype>

namespace marlivo::e2e {
namespace {

// A program that stops answering must fail its test, not hang it.
constexpr UINT kAnswerTimeoutMs = kDefaultWaitMs;

// The class name without the version prefix that side-by-side classes may carry
// ("6.0.0.0!Button").
std::wstring BareClassName(HWND window) {
  wchar_t name[128] = L"";
  GetClassNameW(window, name, 128);
  std::wstring bare = name;
  const size_t bang = bare.rfind(L'!');
  if (bang != std::wstring::npos) bare.erase(0, bang + 1);
  for (wchar_t& c : bare) c = static_cast<wchar_t>(std::towlower(c));
  return bare;
}

std::wstring Lower(const wchar_t* text) {
  std::wstring lower = text;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

struct Children {
  HWND parent;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  auto* children = reinterpret_cast<Children*>(param);
  if (GetParent(window) == children->parent) children->windows.push_back(window);
  return TRUE;
}

RECT RectInParent(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

const std::array<ControlPlace, kControlCount> kControlPlaces = {{
    {Control::kStartButton, "Start", L"Button", 62, 370, 300, 48},
    {Control::kMaterialFolderEdit, "materials folder field", L"Edit", 62, 109, 300, 24},
    {Control::kDicFileEdit, "dictionary field", L"Edit", 62, 173, 300, 24},
    {Control::kMaterialFolderLabel, "\"Material Folder:\"", L"Static", 62, 77, 136, 32},
    {Control::kDicFileLabel, "\"Dic File:\"", L"Static", 62, 141, 136, 32},
    {Control::kStatusLabel, "status line", L"Static", 63, 306, 298, 32},
    {Control::kFromFilenameRadio, "\"From Filename\"", L"Button", 62, 278, 120, 24},
    {Control::kFromPropertiesRadio, "\"From Properties\"", L"Button", 242, 278, 120, 24},
    {Control::kMaterialNameCheck, "\"Material Name\"", L"Button", 62, 245, 120, 24},
    {Control::kFolderNameCheck, "\"Folder Name\"", L"Button", 62, 213, 120, 24},
    {Control::kMaterialDoubleLangCheck, "materials \"Double Lang\"", L"Button", 242, 245, 100,
     24},
    {Control::kFolderDoubleLangCheck, "folders \"Double Lang\"", L"Button", 242, 214, 100, 23},
    {Control::kInvertCheck, "\"Invert\"", L"Button", 307, 145, 55, 24},
    {Control::kProgressBar, "progress bar", L"msctls_progress32", 62, 340, 300, 16},
    {Control::kBannerPicture, "banner", L"Static", 2, 2, 420, 60},
}};

const std::array<Control, 10> kLockedControls = {
    Control::kMaterialNameCheck,  Control::kFolderNameCheck,
    Control::kMaterialDoubleLangCheck, Control::kFolderDoubleLangCheck,
    Control::kInvertCheck,        Control::kMaterialFolderEdit,
    Control::kDicFileEdit,        Control::kStartButton,
    Control::kFromFilenameRadio,  Control::kFromPropertiesRadio,
};

const char* ControlName(Control control) {
  return kControlPlaces[static_cast<size_t>(control)].name;
}

bool MainWindow::FindControls(std::string* problem) {
  Children children{window_, {}};
  EnumChildWindows(window_, CollectChild, reinterpret_cast<LPARAM>(&children));
  std::string missing;
  for (const ControlPlace& place : kControlPlaces) {
    HWND found = nullptr;
    for (HWND child : children.windows) {
      const RECT rect = RectInParent(child, window_);
      if (BareClassName(child) == Lower(place.class_name) && rect.left == place.x &&
          rect.top == place.y && rect.right - rect.left == place.width &&
          rect.bottom - rect.top == place.height) {
        found = child;
        break;
      }
    }
    controls_[static_cast<size_t>(place.control)] = found;
    if (!found) missing += std::string(missing.empty() ? "" : ", ") + place.name;
  }
  if (missing.empty()) return true;
  if (problem) {
    *problem = "not found: " + missing + "; the window's children:";
    for (HWND child : children.windows) {
      const RECT rect = RectInParent(child, window_);
      char line[256];
      std::snprintf(line, sizeof line, " [%ls %ld,%ld %ldx%ld]", BareClassName(child).c_str(),
                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
      *problem += line;
    }
  }
  return false;
}

HWND MainWindow::handle(Control control) const {
  return controls_[static_cast<size_t>(control)];
}

LRESULT MainWindow::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs,
                           &result)) {
    return 0;
  }
  return static_cast<LRESULT>(result);
}

std::wstring MainWindow::Text(Control control) const {
  HWND target = handle(control);
  const LRESULT length = Send(target, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      Send(target, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

bool MainWindow::SetText(Control control, std::wstring_view text) const {
  if (!IsEnabled(control)) return false;
  const std::wstring copy(text);
  Send(handle(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  return true;
}

bool MainWindow::Type(Control control, std::wstring_view text) const {
  if (!IsEnabled(control)) return false;
  HWND target = handle(control);
  Send(target, EM_SETSEL, 0, -1);
  for (wchar_t c : text) Send(target, WM_CHAR, c, 1);
  return true;
}

bool MainWindow::Click(Control control) const {
  if (!IsEnabled(control)) return false;
  Send(handle(control), BM_CLICK, 0, 0);
  return true;
}

bool MainWindow::DoubleClick(Control control) const {
  if (!IsEnabled(control)) return false;
  HWND target = handle(control);
  RECT client{};
  GetClientRect(target, &client);
  const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
  Send(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  Send(target, WM_LBUTTONUP, 0, at);
  Send(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  Send(target, WM_LBUTTONUP, 0, at);
  return true;
}

bool MainWindow::DropFiles(Control control, const std::vector<std::wstring>& paths) const {
  // The drop handle must be valid in the program's process: a global memory block made
  // here would be a number without meaning there, since WM_DROPFILES carries the handle
  // as a plain value from one process to the other. A fixed global memory block is its
  // own address, so the DROPFILES block is written straight into the program's memory
  // and its address posted as the handle; DragQueryFileW reads it there as it reads the
  // shell's. The program's DragFinish then finds no heap block to free and leaves it;
  // the block is released here once the message has been handled.
  std::vector<unsigned char> block(sizeof(DROPFILES));
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->pt = POINT{4, 4};
  header->fNC = FALSE;
  header->fWide = TRUE;
  for (const std::wstring& path : paths) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(path.c_str());
    block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), 0);

  HWND target = handle(control);
  DWORD process_id = 0;
  GetWindowThreadProcessId(target, &process_id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process_id);
  if (!process) return false;
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  bool taken = false;
  if (remote) {
    SIZE_T written = 0;
    if (WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
        written == block.size()) {
      DWORD_PTR ignored = 0;
      taken = SendMessageTimeoutW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0,
                                  SMTO_NORMAL, kAnswerTimeoutMs, &ignored) != 0;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return taken;
}

int MainWindow::CheckState(Control control) const {
  return static_cast<int>(Send(handle(control), BM_GETCHECK, 0, 0));
}

bool MainWindow::IsEnabled(Control control) const {
  return IsWindowEnabled(handle(control)) != FALSE;
}

int MainWindow::ProgressPosition() const {
  return static_cast<int>(Send(handle(Control::kProgressBar), PBM_GETPOS, 0, 0));
}

std::pair<int, int> MainWindow::ProgressRange() const {
  HWND bar = handle(Control::kProgressBar);
  return {static_cast<int>(Send(bar, PBM_GETRANGE, TRUE, 0)),
          static_cast<int>(Send(bar, PBM_GETRANGE, FALSE, 0))};
}

DWORD MainWindow::Style(Control control) const {
  return static_cast<DWORD>(GetWindowLongPtrW(handle(control), GWL_STYLE));
}

DWORD MainWindow::ExStyle(Control control) const {
  return static_cast<DWORD>(GetWindowLongPtrW(handle(control), GWL_EXSTYLE));
}

DWORD MainWindow::WindowStyle() const {
  return static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
}

DWORD MainWindow::WindowExStyle() const {
  return static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
}

RECT MainWindow::WindowRect() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect;
}

RECT MainWindow::ClientRectOnScreen() const {
  RECT rect{};
  GetClientRect(window_, &rect);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool MainWindow::RunToTheEnd(std::string* problem) const {
  if (!Click(Control::kStartButton)) {
    if (problem) *problem = "\"Start\" is disabled";
    return false;
  }
  if (!WaitUntil([&] {
        return IsEnabled(Control::kStartButton) && Text(Control::kStatusLabel) == L"done it!";
      })) {
    if (problem) *problem = "the run did not end";
    return false;
  }
  return true;
}

bool MainWindow::WaitUntilPainted() const {
  // RDW_UPDATENOW sends WM_PAINT to every window of the tree with something to paint;
  // the windows erase and paint on their own thread while it waits.
  RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return WaitUntil([&] {
    if (GetUpdateRect(window_, nullptr, FALSE)) return false;
    for (HWND control : controls_) {
      if (control && GetUpdateRect(control, nullptr, FALSE)) return false;
    }
    return true;
  });
}

bool MainWindow::WaitForStatus(std::wstring_view text, DWORD timeout_ms) const {
  return WaitUntil([&] { return Text(Control::kStatusLabel) == text; }, timeout_ms);
}

}  // namespace marlivo::e2e
