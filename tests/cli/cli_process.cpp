// Process start and output capture for the console tool's tests.
#include "tests/cli/cli_process.h"

#include <atomic>
#include <stdexcept>
#include <string>

#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"

namespace marlivo::testing {
namespace {

std::atomic<unsigned> output_counter{0};

std::wstring BuiltToolPath() {
  wchar_t self[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"marlivo-cli.exe";
}

std::wstring Quote(const std::wstring& arg) {
  // CommandLineToArgvW's rules: backslashes before a quote are doubled.
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') quoted.append(backslashes * 2 + 1, L'\\');
    else quoted.append(backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

HANDLE InheritableFile(const std::wstring& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

PROCESS_INFORMATION Launch(const std::wstring& exe, const std::wstring& folder,
                           const std::vector<std::wstring>& args, HANDLE out, HANDLE err) {
  std::wstring command = Quote(exe);
  for (const std::wstring& arg : args) command += L" " + Quote(arg);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = INVALID_HANDLE_VALUE;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  // Under Wine, starting the freshly copied tool has been seen to fail once in a long
  // while when other tests keep the wineserver busy. How the tool starts is not what
  // these tests look at, so a failed start is tried again a few times before the test
  // gives up with the system's error code.
  DWORD error = 0;
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, folder.c_str(), &startup, &process)) {
      return process;
    }
    error = GetLastError();
    Sleep(200);
  }
  throw std::runtime_error("cannot start marlivo-cli.exe: error " + std::to_string(error));
}

}  // namespace

CliTool::CliTool(const std::string& folder) : folder_(text::GbkToWide(folder)) {
  exe_ = folder_ + L"\\marlivo-cli.exe";
  if (!CopyFileW(BuiltToolPath().c_str(), exe_.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy marlivo-cli.exe");
  }
}

CliResult CliTool::Run(const std::vector<std::wstring>& args) const {
  const unsigned serial = output_counter.fetch_add(1);
  const std::wstring out_path = folder_ + L"\\stdout-" + std::to_wstring(serial) + L".txt";
  const std::wstring err_path = folder_ + L"\\stderr-" + std::to_wstring(serial) + L".txt";
  const HANDLE out = InheritableFile(out_path);
  const HANDLE err = InheritableFile(err_path);
  const PROCESS_INFORMATION process = Launch(exe_, folder_, args, out, err);
  CloseHandle(out);
  CloseHandle(err);
  WaitForSingleObject(process.hProcess, INFINITE);
  CliResult result;
  GetExitCodeProcess(process.hProcess, &result.exit_code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  result.output = files::ReadWholeFile(out_path).value_or("");
  result.errors = files::ReadWholeFile(err_path).value_or("");
  DeleteFileW(out_path.c_str());
  DeleteFileW(err_path.c_str());
  return result;
}

PROCESS_INFORMATION CliTool::Start(const std::vector<std::wstring>& args) const {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE null_out = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherit, OPEN_EXISTING, 0, nullptr);
  const PROCESS_INFORMATION process = Launch(exe_, folder_, args, null_out, null_out);
  CloseHandle(null_out);
  return process;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace marlivo::testing
