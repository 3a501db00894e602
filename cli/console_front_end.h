// The console tool's side of the rename job: the window's inputs as the command line set
// them, and the status and progress shown on the console (one redrawn bar line) or, when
// the output is not a console, as plain lines.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <string_view>

#include "engine/job_front_end.h"

namespace marlivo::cli {

// Standard output, as UTF-16 to a console or as UTF-8 to a file or pipe.
class ConsoleOutput {
 public:
  // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
  explicit ConsoleOutput(DWORD which = STD_OUTPUT_HANDLE);
  bool IsConsole() const { return console_; }
  // Writes `text` (UTF-16) as it is.
  void Write(std::wstring_view text);
  // The console's width in characters (80 when it cannot be asked).
  int Width() const;

 private:
  HANDLE handle_;
  bool console_ = false;
};

class ConsoleFrontEnd final : public engine::JobFrontEnd {
 public:
  explicit ConsoleFrontEnd(ConsoleOutput& output) : output_(output) {}

  std::string GetMaterialFolderText() override;
  void SetMaterialFolderText(std::string_view text) override;
  std::string GetDicFileText() override;
  int GetCheckState(engine::JobInput input) override;
  void SetCheckState(engine::JobInput input, int state) override;
  void SetInputEnabled(engine::JobInput input, bool enabled) override;
  void ShowStatus(std::string_view text) override;
  void ShowProgress(int position) override;

  void SetDicFileText(std::string_view text);

  // Prints one line (GBK), above the bar when there is one.
  void PrintLine(std::string_view gbk_line);
  // Ends the bar line, if one is drawn.
  void FinishBar();
  // The job's last status when it was "done it!" or "stopped!"; those are printed by the
  // tool after the run log, so that they come last.
  std::string FinalStatus();

 private:
  void DrawBar();

  ConsoleOutput& output_;
  std::mutex mutex_;
  std::string material_folder_;
  std::string dic_file_;
  int check_states_[10] = {};
  bool running_ = false;  // between the lock and the unlock of the inputs
  bool bar_drawn_ = false;
  int position_ = 0;
  std::string status_;
  std::string final_status_;
};

}  // namespace marlivo::cli
