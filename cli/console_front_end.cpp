// The console tool's front end.
#include "cli/console_front_end.h"

#include "engine/job_status.h"
#include "engine/rename_job.h"
#include "engine/text/code_page.h"

namespace marlivo::cli {
namespace {

constexpr int kBarCells = 20;
constexpr int kDefaultConsoleWidth = 80;

std::size_t Index(engine::JobInput input) { return static_cast<std::size_t>(input); }

}  // namespace

ConsoleOutput::ConsoleOutput(DWORD which) : handle_(GetStdHandle(which)) {
  DWORD mode = 0;
  console_ = handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr &&
             GetConsoleMode(handle_, &mode);
}

void ConsoleOutput::Write(std::wstring_view text) {
  if (text.empty() || handle_ == INVALID_HANDLE_VALUE || handle_ == nullptr) return;
  if (console_) {
    DWORD written = 0;
    WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const std::string utf8 = text::WideToUtf8(text);
  DWORD written = 0;
  WriteFile(handle_, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

int ConsoleOutput::Width() const {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!console_ || !GetConsoleScreenBufferInfo(handle_, &info)) return kDefaultConsoleWidth;
  const int width = info.srWindow.Right - info.srWindow.Left + 1;
  return width > 0 ? width : kDefaultConsoleWidth;
}

std::string ConsoleFrontEnd::GetMaterialFolderText() {
  std::lock_guard<std::mutex> lock(mutex_);
  return material_folder_;
}

void ConsoleFrontEnd::SetMaterialFolderText(std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  material_folder_ = text;
}

std::string ConsoleFrontEnd::GetDicFileText() {
  std::lock_guard<std::mutex> lock(mutex_);
  return dic_file_;
}

void ConsoleFrontEnd::SetDicFileText(std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  dic_file_ = text;
}

int ConsoleFrontEnd::GetCheckState(engine::JobInput input) {
  std::lock_guard<std::mutex> lock(mutex_);
  return check_states_[Index(input)];
}

void ConsoleFrontEnd::SetCheckState(engine::JobInput input, int state) {
  std::lock_guard<std::mutex> lock(mutex_);
  check_states_[Index(input)] = state;
}

void ConsoleFrontEnd::SetInputEnabled(engine::JobInput input, bool enabled) {
  // The first input locked and the last one unlocked bracket the run.
  std::lock_guard<std::mutex> lock(mutex_);
  if (!enabled && input == engine::kLockedInputs[0]) running_ = true;
  if (enabled && input == engine::kLockedInputs[std::size(engine::kLockedInputs) - 1]) {
    running_ = false;
  }
}

void ConsoleFrontEnd::ShowProgress(int position) {
  std::lock_guard<std::mutex> lock(mutex_);
  position_ = position;
}

void ConsoleFrontEnd::ShowStatus(std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (text == engine::kDoneStatus || text == engine::kStoppedStatus) {
    final_status_ = text;
    return;
  }
  status_ = text;
  if (output_.IsConsole()) {
    if (running_) {
      DrawBar();
    } else if (!text.empty()) {
      output_.Write(text::GbkToWide(text) + L"\n");
    }
    return;
  }
  if (text.empty()) return;
  std::wstring line;
  if (running_) {
    wchar_t prefix[16];
    swprintf(prefix, std::size(prefix), L"[%3d%%] ", position_);
    line = prefix;
  }
  line += text::GbkToWide(text);
  line += L'\n';
  output_.Write(line);
}

void ConsoleFrontEnd::DrawBar() {
  const int filled = position_ * kBarCells / 100;
  std::wstring line = L"\r[";
  line.append(static_cast<std::size_t>(filled), L'#');
  line.append(static_cast<std::size_t>(kBarCells - filled), L' ');
  wchar_t percent[16];
  swprintf(percent, std::size(percent), L"] %3d%% ", position_);
  line += percent;
  // The item's name cut to the console's width, and the rest of the line blanked, so
  // that the carriage return redraws the line whole. One column stays free: writing
  // into the last one makes some consoles wrap.
  const std::size_t room = static_cast<std::size_t>(output_.Width()) - 1;
  const std::size_t used = line.size() - 1;
  std::wstring name = text::GbkToWide(status_);
  if (used < room) {
    if (name.size() > room - used) name.resize(room - used);
    line += name;
    line.append(room - used - name.size(), L' ');
  }
  output_.Write(line);
  bar_drawn_ = true;
}

void ConsoleFrontEnd::PrintLine(std::string_view gbk_line) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::wstring line;
  if (bar_drawn_) {
    line = L"\r";
    line.append(static_cast<std::size_t>(output_.Width()) - 1, L' ');
    line += L"\r";
  }
  line += text::GbkToWide(gbk_line);
  line += L'\n';
  output_.Write(line);
  if (bar_drawn_) DrawBar();
}

void ConsoleFrontEnd::FinishBar() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (bar_drawn_) output_.Write(L"\n");
  bar_drawn_ = false;
}

std::string ConsoleFrontEnd::FinalStatus() {
  std::lock_guard<std::mutex> lock(mutex_);
  return final_status_;
}

}  // namespace marlivo::cli
