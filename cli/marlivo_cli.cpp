// marlivo-cli.exe: runs the rename job that the Start button runs, from the command line.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "app/materials_folder_detection.h"
#include "app/settings_store.h"
#include "cli/cli_options.h"
#include "cli/console_front_end.h"
#include "engine/files/system_path.h"
#include "engine/job_state.h"
#include "engine/job_status.h"
#include "engine/planned_changes.h"
#include "engine/program_folder.h"
#include "engine/rename_job.h"
#include "engine/save_log.h"
#include "engine/start_command.h"
#include "engine/text/code_page.h"

namespace {

using marlivo::engine::JobInput;

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;      // the run ended but the log file could not be written
constexpr int kExitRejected = 2;    // a check of the Start command failed
constexpr int kExitUsage = 64;      // EX_USAGE
constexpr int kExitStopped = 130;   // Ctrl+C, as a shell reports SIGINT

marlivo::engine::JobState* g_running_job = nullptr;

// Ctrl+C and Ctrl+Break stop the run after the item at hand, so that no file is left
// half done; the tool then ends normally.
BOOL WINAPI OnConsoleBreak(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (g_running_job) g_running_job->RequestStop();
  return TRUE;
}

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  if (argv) LocalFree(argv);
  return args;
}

bool Exists(const std::string& gbk_path) {
  return GetFileAttributesW(marlivo::files::ToSystemPath(gbk_path).c_str()) !=
         INVALID_FILE_ATTRIBUTES;
}

void PrintLog(marlivo::cli::ConsoleFrontEnd& front_end, const std::string& log_text) {
  std::size_t start = 0;
  while (start < log_text.size()) {
    std::size_t end = log_text.find("\r\n", start);
    if (end == std::string::npos) end = log_text.size();
    front_end.PrintLine(std::string_view(log_text).substr(start, end - start));
    start = end + 2;
  }
}

}  // namespace

int main() {
  using namespace marlivo;
  cli::ConsoleOutput output;
  cli::ConsoleOutput errors(STD_ERROR_HANDLE);

  const cli::ParseResult parsed = cli::ParseCliOptions(Arguments());
  if (!parsed.options) {
    errors.Write(L"marlivo-cli: " + parsed.error + L"\n");
    errors.Write(cli::UsageText());
    return kExitUsage;
  }
  const cli::CliOptions& options = *parsed.options;
  if (options.help) {
    output.Write(cli::UsageText());
    return kExitDone;
  }

  engine::JobState state;
  state.NameSeparator = std::string(engine::kNameSeparator);
  state.DefaultDictionaryPath = engine::DefaultDictionaryPathOfProgram();

  cli::ConsoleFrontEnd front_end(output);
  front_end.SetCheckState(JobInput::kMaterialNameCheck, options.material_name);
  front_end.SetCheckState(JobInput::kFolderNameCheck, options.folder_name);
  front_end.SetCheckState(JobInput::kMaterialDoubleLangCheck, options.material_double_lang);
  front_end.SetCheckState(JobInput::kFolderDoubleLangCheck, options.folder_double_lang);
  front_end.SetCheckState(JobInput::kInvertCheck, options.invert);
  front_end.SetCheckState(JobInput::kFromFilenameRadio, !options.from_properties);
  front_end.SetCheckState(JobInput::kFromPropertiesRadio, options.from_properties);

  // The paths are taken as typed. One that code page 936 cannot hold could only be
  // given to the job as another path, so it fails like a path that does not exist.
  bool paths_held = true;
  if (options.dic) {
    const std::optional<std::string> dic = text::WideToGbkExact(*options.dic);
    paths_held = paths_held && dic.has_value();
    front_end.SetDicFileText(dic.value_or(""));
  } else if (!state.DefaultDictionaryPath.empty() && Exists(state.DefaultDictionaryPath)) {
    front_end.SetDicFileText(state.DefaultDictionaryPath);
  }
  if (options.materials) {
    const std::optional<std::string> folder = text::WideToGbkExact(*options.materials);
    paths_held = paths_held && folder.has_value();
    front_end.SetMaterialFolderText(folder.value_or(""));
  } else {
    app::DetectMaterialsFolder(front_end);
  }
  if (!paths_held) {
    engine::SetStatus(front_end, engine::kErrorStatus);
    return kExitRejected;
  }

  std::optional<engine::PlannedChanges> plan;
  if (options.dry_run) {
    plan.emplace([&front_end](std::string_view line) { front_end.PrintLine(line); });
    state.changes = &*plan;
  } else {
    state.save_settings = [&front_end] { return app::SaveSettings(front_end); };
  }

  g_running_job = &state;
  SetConsoleCtrlHandler(OnConsoleBreak, TRUE);
  const engine::StartResult started = engine::StartCommand(front_end, state);
  if (started != engine::StartResult::kStarted) {
    g_running_job = nullptr;
    return kExitRejected;
  }
  state.WaitForRun();
  g_running_job = nullptr;
  front_end.FinishBar();

  const std::string log_text = state.RunLog.Copy();
  PrintLog(front_end, log_text);
  int exit_code = state.StopRequested() ? kExitStopped : kExitDone;
  if (options.log && !engine::WriteLogFile(*options.log, log_text)) {
    errors.Write(L"marlivo-cli: cannot write the log file " + *options.log + L"\n");
    exit_code = kExitFailed;
  }
  const std::string final_status = front_end.FinalStatus();
  if (!final_status.empty()) front_end.PrintLine(final_status);
  return exit_code;
}
