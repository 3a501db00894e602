// Reading the controls' fonts inside the program through the font probe library: the
// probe is loaded into the program with a thread that runs LoadLibraryW there, and its
// entry runs on a second thread with a block written into the program's memory.
#include "tests/app/e2e/driver/control_fonts.h"

#include <tlhelp32.h>

#include <cwctype>

#include "tests/app/e2e/driver/bounded_wait.h"
#include "tests/app/e2e/driver/marlivo_process.h"
#include "tests/app/e2e/font_probe/font_probe_block.h"

namespace marlivo::e2e {
namespace {

std::wstring LowerBaseName(std::wstring path) {
  path.erase(0, path.find_last_of(L"\\/") + 1);
  for (wchar_t& c : path) c = static_cast<wchar_t>(std::towlower(c));
  return path;
}

// The base address of the module named `name` (a file name) in the process.
BYTE* RemoteModuleBase(DWORD process_id, const std::wstring& name) {
  BYTE* base = nullptr;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_id);
  if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more;
       more = Module32NextW(snapshot, &entry)) {
    if (LowerBaseName(entry.szModule) == name) {
      base = entry.modBaseAddr;
      break;
    }
  }
  CloseHandle(snapshot);
  return base;
}

// Where `local` (a function of a module loaded here) lies in the process: the same
// offset from the same module's base there.
void* RemoteAddress(DWORD process_id, const void* local) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<const wchar_t*>(local), &module)) {
    return nullptr;
  }
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(module, path, MAX_PATH);
  BYTE* remote_base = RemoteModuleBase(process_id, LowerBaseName(path));
  if (!remote_base) return nullptr;
  return remote_base + (static_cast<const BYTE*>(local) - reinterpret_cast<const BYTE*>(module));
}

// Runs `entry(parameter)` on a new thread of the process and waits for its end.
bool RunRemoteThread(HANDLE process, void* entry, void* parameter) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0,
                                     reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                                     parameter, 0, nullptr);
  if (!thread) return false;
  const bool ended = WaitForSingleObject(thread, kDefaultWaitMs) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  return ended;
}

class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE)) {}
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;
  void* get() const { return address_; }
  bool Write(const void* data, size_t size) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address_, data, size, &done) && done == size;
  }
  bool Read(void* data, size_t size) const {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, address_, data, size, &done) && done == size;
  }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

std::vector<std::optional<LOGFONTW>> ReadControlFonts(HANDLE process,
                                                      const std::vector<HWND>& windows,
                                                      std::string* problem) {
  auto fail = [&](const char* what) {
    if (problem) *problem = what;
    return std::vector<std::optional<LOGFONTW>>{};
  };
  if (windows.size() > kFontProbeMaxWindows) return fail("too many windows");
  const DWORD process_id = GetProcessId(process);
  const std::wstring library = OwnFolder() + L"\\" + kFontProbeLibrary;

  // Load the probe into the program: LoadLibraryW lies in the same system module there
  // as here.
  auto* load_library =
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW"));
  void* remote_load_library = RemoteAddress(process_id, load_library);
  if (!remote_load_library) return fail("LoadLibraryW not found in the program");
  const size_t path_bytes = (library.size() + 1) * sizeof(wchar_t);
  RemoteBlock remote_path(process, path_bytes);
  if (!remote_path.get() || !remote_path.Write(library.c_str(), path_bytes)) {
    return fail("cannot write into the program's memory");
  }
  if (!RunRemoteThread(process, remote_load_library, remote_path.get())) {
    return fail("the program did not load the font probe");
  }

  // The probe's entry: the same offset from the probe's base as in a copy loaded here.
  HMODULE local_probe = LoadLibraryW(library.c_str());
  if (!local_probe) return fail("cannot load the font probe here");
  void* local_entry = reinterpret_cast<void*>(GetProcAddress(local_probe, kFontProbeEntry));
  void* remote_entry = local_entry ? RemoteAddress(process_id, local_entry) : nullptr;
  FreeLibrary(local_probe);
  if (!remote_entry) return fail("the font probe is not loaded in the program");

  FontProbeBlock block{};
  block.count = static_cast<std::uint32_t>(windows.size());
  for (size_t i = 0; i < windows.size(); ++i) {
    block.windows[i] = reinterpret_cast<ULONG_PTR>(windows[i]);
  }
  RemoteBlock remote_block(process, sizeof block);
  if (!remote_block.get() || !remote_block.Write(&block, sizeof block)) {
    return fail("cannot write the request into the program's memory");
  }
  if (!RunRemoteThread(process, remote_entry, remote_block.get()) ||
      !remote_block.Read(&block, sizeof block)) {
    return fail("the font probe did not answer");
  }
  std::vector<std::optional<LOGFONTW>> fonts;
  for (size_t i = 0; i < windows.size(); ++i) {
    if (!block.answered[i]) return fail("a control did not answer WM_GETFONT");
    fonts.push_back(block.has_font[i] ? std::optional<LOGFONTW>(block.fonts[i]) : std::nullopt);
  }
  return fonts;
}

}  // namespace marlivo::e2e
