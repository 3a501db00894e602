// The end-to-end tests' shared set-up.
#include "tests/app/e2e/e2e_fixture.h"

#include <cstdio>

#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"

namespace marlivo::e2e {
namespace {

constexpr wchar_t kLuxionKey[] = L"SOFTWARE\\Luxion";
constexpr wchar_t kProgramName[] = L"Marlivo.exe";

std::string HexOf(std::string_view bytes) {
  std::string hex;
  char pair[3];
  for (unsigned char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

std::string MaterialWithField(std::string_view field) {
  std::string content = "// made by the end-to-end tests\r\n#define material ";
  content.append(field);
  content.append(" {\r\n  shader \"metal\"\r\n  roughness 0.25\r\n}\r\n");
  return content;
}

}  // namespace

ProgramFolder::ProgramFolder() {
  const std::wstring source = OwnFolder() + L"\\" + kProgramName;
  if (!CopyFileW(source.c_str(), executable().c_str(), FALSE)) {
    ADD_FAILURE() << "cannot copy the program beside the test's files";
  }
}

std::wstring ProgramFolder::executable() const {
  return Wide(temp_.path()) + L"\\" + kProgramName;
}

void ProgramFolder::WriteDictionary(std::string_view content) const {
  temp_.WriteFile("dic.ini", content);
}

::testing::AssertionResult RunningProgram::Start() {
  if (!process_.Start(folder_.executable())) {
    return ::testing::AssertionFailure() << "the program did not start";
  }
  HWND main = process_.WaitForMainWindow();
  if (!main) {
    return ::testing::AssertionFailure()
           << (process_.IsRunning() ? "no main window appeared" : "the program ended at start");
  }
  window_ = std::make_unique<MainWindow>(main);
  std::string problem;
  if (!window_->FindControls(&problem)) return ::testing::AssertionFailure() << problem;
  return ::testing::AssertionSuccess();
}

std::optional<DWORD> RunningProgram::CloseAndWait() {
  if (window_) process_.Close(window_->window());
  return process_.WaitForExit();
}

::testing::AssertionResult RunToTheEnd(MainWindow& window) {
  std::string problem;
  if (window.RunToTheEnd(&problem)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << problem << "; the status line shows \"" << Gbk(window.Text(Control::kStatusLabel))
         << "\"";
}

// A 64-bit process sees the 64-bit view of the registry by default, the view that the
// 64-bit program reads too.
KeyShotInstallations::KeyShotInstallations() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kLuxionKey); }

KeyShotInstallations::~KeyShotInstallations() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kLuxionKey); }

void KeyShotInstallations::Add(int version, const std::wstring& resource_folder, DWORD type) {
  const std::wstring path = std::wstring(kLuxionKey) + L"\\KeyShot " + std::to_wstring(version);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                            KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  if (type == REG_DWORD) {
    const DWORD number = 9;
    RegSetValueExW(key, L"ResourceFolder", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
  } else {
    RegSetValueExW(key, L"ResourceFolder", 0, type,
                   reinterpret_cast<const BYTE*>(resource_folder.c_str()),
                   static_cast<DWORD>((resource_folder.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

std::string QuotedMaterial(std::string_view utf8_name) {
  std::string field(1, '"');
  field.append(utf8_name);
  field.push_back('"');
  return MaterialWithField(field);
}

std::string HexMaterial(std::string_view utf8_name) {
  std::string field = "xX";
  field.append(HexOf(utf8_name));
  return MaterialWithField(field);
}

std::optional<std::string> HeaderName(std::string_view content) {
  constexpr std::string_view kKeyword = "#define material";
  const size_t keyword = content.find(kKeyword);
  if (keyword == std::string_view::npos) return std::nullopt;
  const size_t brace = content.find('{', keyword);
  if (brace == std::string_view::npos) return std::nullopt;
  std::string_view field = content.substr(keyword + kKeyword.size(),
                                          brace - keyword - kKeyword.size());
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
    return std::string(field.substr(1, field.size() - 2));
  }
  if (field.substr(0, 2) == "xX") {
    std::string bytes;
    for (size_t at = 2; at + 1 < field.size(); at += 2) {
      bytes += static_cast<char>(std::stoi(std::string(field.substr(at, 2)), nullptr, 16));
    }
    return bytes;
  }
  return std::string(field);
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::wstring Wide(std::string_view gbk) { return text::GbkToWide(gbk); }
std::string Gbk(std::wstring_view wide) { return text::WideToGbk(wide); }
std::string Utf8(std::wstring_view wide) { return text::WideToUtf8(wide); }

std::optional<std::string> ReadFileBytes(std::string_view gbk_path) {
  return files::ReadWholeFile(gbk_path);
}

bool PathExists(std::string_view gbk_path) {
  return GetFileAttributesW(files::ToSystemPath(gbk_path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace marlivo::e2e
