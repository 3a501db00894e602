// marlivo_driver.exe: runs the program once as a user would and takes pictures of it,
// for the screenshot test and for the demonstration that scripts/run gives without a
// display. Meant to run inside a Wine virtual desktop, where Wine draws the whole window,
// frame and caption included:
//
//   explorer /desktop=NAME,800x600 marlivo_driver.exe PROGRAM LIBRARY DICTIONARY OUTDIR
//
// It starts PROGRAM (Marlivo.exe), saves OUTDIR\start.png, sets the materials folder
// field to LIBRARY (and the dictionary field to DICTIONARY unless that is "-"), clicks
// "Start", waits for "done it!", saves OUTDIR\after-run.png, closes the program and
// writes OUTDIR\report.txt with what it saw. Exit code 0 when all of it went well.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/app/e2e/driver/main_window.h"
#include "tests/app/e2e/driver/marlivo_process.h"
#include "tests/app/e2e/driver/screen_image.h"

namespace {

using marlivo::e2e::Control;

struct Report {
  std::wstring path;
  std::string text;

  void Add(const std::string& line) { text += line + "\r\n"; }
  void Write() const {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }
};

std::string Narrow(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
  return text;
}

bool Shoot(const marlivo::e2e::MainWindow& window, const std::wstring& path, Report& report,
           const char* name) {
  const std::optional<marlivo::e2e::Picture> picture =
      marlivo::e2e::CaptureScreen(window.WindowRect());
  const bool saved = picture && marlivo::e2e::SavePng(*picture, path);
  report.Add(std::string(name) + "=" + (saved ? Narrow(path) : std::string("(not saved)")));
  return saved;
}

int Run(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: marlivo_driver PROGRAM LIBRARY DICTIONARY|- OUTDIR\n");
    return 64;
  }
  const std::wstring program_path = argv[1];
  const std::wstring library = argv[2];
  const std::wstring dictionary = argv[3];
  const std::wstring out = argv[4];
  CreateDirectoryW(out.c_str(), nullptr);
  Report report{out + L"\\report.txt", {}};
  auto finish = [&](int code) {
    report.Add("result=" + std::to_string(code));
    report.Write();
    return code;
  };

  marlivo::e2e::MarlivoProcess program;
  if (!program.Start(program_path)) return finish(2);
  HWND main = program.WaitForMainWindow();
  if (!main) return finish(3);
  marlivo::e2e::MainWindow window(main);
  std::string problem;
  if (!window.FindControls(&problem)) {
    report.Add("controls=" + problem);
    return finish(4);
  }
  window.WaitUntilPainted();
  const RECT rect = window.WindowRect();
  const RECT client = window.ClientRectOnScreen();
  report.Add("window=" + std::to_string(rect.right - rect.left) + "x" +
             std::to_string(rect.bottom - rect.top));
  report.Add("client=" + std::to_string(client.left - rect.left) + "," +
             std::to_string(client.top - rect.top));
  bool good = Shoot(window, out + L"\\start.png", report, "start");

  window.SetText(Control::kMaterialFolderEdit, library);
  if (dictionary != L"-") window.SetText(Control::kDicFileEdit, dictionary);
  const bool ran = window.RunToTheEnd(&problem);
  report.Add("run=" + (ran ? std::string("done") : problem));
  window.WaitUntilPainted();
  good = Shoot(window, out + L"\\after-run.png", report, "after-run") && good && ran;
  report.Add("status=" + Narrow(window.Text(Control::kStatusLabel)));
  report.Add("progress=" + std::to_string(window.ProgressPosition()));

  program.Close(main);
  const std::optional<DWORD> code = program.WaitForExit();
  report.Add("exit=" + (code ? std::to_string(*code) : std::string("(still running)")));
  return finish(good && code == std::optional<DWORD>(0) ? 0 : 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return Run(argc, argv); }
