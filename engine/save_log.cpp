// The run log's file.
#include "engine/save_log.h"

#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/job_status.h"
#include "engine/program_folder.h"

namespace marlivo::engine {

bool WriteLogFile(const std::wstring& path, std::string_view log_text) {
  files::ReplaceOptions options;
  options.if_missing = files::IfMissing::kCreate;
  return files::ReplaceFileContent(files::ToSystemPath(std::wstring_view(path)), log_text,
                                   options).outcome ==
         files::ReplaceOutcome::kReplaced;
}

void SaveLog(JobFrontEnd& front_end, const JobState& state) {
  const std::string log_text = state.RunLog.Copy();
  if (log_text.empty()) return;
  const std::wstring folder = ProgramFolder();
  const bool written = !folder.empty() && WriteLogFile(folder + L"\\log.txt", log_text);
  SetStatus(front_end, written ? kSavedStatus : kErrorStatus);
}

}  // namespace marlivo::engine
