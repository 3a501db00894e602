// What the end-to-end tests share: a copy of the program in a folder of its own (so that
// "dic.ini" and "log.txt" beside it belong to one test), the program started from it with
// its window and controls found, the renderer's registry keys, and material files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tests/app/e2e/driver/main_window.h"
#include "tests/app/e2e/driver/marlivo_process.h"
#include "tests/support/temp_folder.h"

namespace marlivo::e2e {

// The status texts, as the program shows them.
inline constexpr wchar_t kDone[] = L"done it!";
inline constexpr wchar_t kError[] = L"error!";
inline constexpr wchar_t kSaved[] = L"saved successfully!";

// A temporary folder holding a copy of Marlivo.exe.
class ProgramFolder {
 public:
  ProgramFolder();

  const testing::TempFolder& temp() const { return temp_; }
  // A path inside the folder, GBK.
  std::string Join(std::string_view relative) const { return temp_.Join(relative); }
  std::wstring executable() const;

  // Writes "dic.ini" beside the program (GBK bytes as given).
  void WriteDictionary(std::string_view content) const;
  std::string DictionaryPath() const { return Join("dic.ini"); }

 private:
  testing::TempFolder temp_;
};

// The program started from a folder, its main window found and its controls located.
class RunningProgram {
 public:
  explicit RunningProgram(const ProgramFolder& folder) : folder_(folder) {}

  // Starts the program and waits for its window; the failure says what went wrong.
  ::testing::AssertionResult Start();

  MainWindow& window() { return *window_; }
  MarlivoProcess& process() { return process_; }

  // Closes the main window as the close box does and waits for the process's end.
  std::optional<DWORD> CloseAndWait();

 private:
  const ProgramFolder& folder_;
  MarlivoProcess process_;
  std::unique_ptr<MainWindow> window_;
};

// MainWindow::RunToTheEnd as a test's assertion.
::testing::AssertionResult RunToTheEnd(MainWindow& window);

// The renderer's installations as the registry records them: HKLM "SOFTWARE\Luxion\KeyShot
// <version>", value "ResourceFolder". The whole "SOFTWARE\Luxion" key is removed when this
// is made and when it goes, so each case sees only its own keys.
class KeyShotInstallations {
 public:
  KeyShotInstallations();
  ~KeyShotInstallations();
  KeyShotInstallations(const KeyShotInstallations&) = delete;
  KeyShotInstallations& operator=(const KeyShotInstallations&) = delete;

  void Add(int version, const std::wstring& resource_folder, DWORD type = REG_SZ);
};

// A material file's content with the header naming `name` (UTF-8) in the quoted form, or
// in the "xX" hex form.
std::string QuotedMaterial(std::string_view utf8_name);
std::string HexMaterial(std::string_view utf8_name);

// The name in a material file's header, decoded from either form (UTF-8); nothing when
// the file has no header.
std::optional<std::string> HeaderName(std::string_view content);

bool StartsWith(std::wstring_view text, std::wstring_view prefix);

// GBK to UTF-16 and back, for texts that go between files and the window.
std::wstring Wide(std::string_view gbk);
std::string Gbk(std::wstring_view wide);
std::string Utf8(std::wstring_view wide);

// Reads a whole file (GBK path); nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(std::string_view gbk_path);
bool PathExists(std::string_view gbk_path);

}  // namespace marlivo::e2e
