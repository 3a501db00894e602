// Saving the run log: "log.txt" beside the program, exactly the log's bytes.
#pragma once

#include <string>
#include <string_view>

#include "engine/job_front_end.h"
#include "engine/job_state.h"

namespace marlivo::engine {

// Writes `log_text` to the file, replacing it safely; true when it was written.
bool WriteLogFile(const std::wstring& path, std::string_view log_text);

// The handler of the status line's double click. Does nothing when the log is empty;
// otherwise writes a copy of it (taken under its lock, so a running job may go on
// appending) to "log.txt" in the program's folder and shows "saved successfully!", or
// "error!" when the file could not be written (the log stays in memory for another try).
void SaveLog(JobFrontEnd& front_end, const JobState& state);

}  // namespace marlivo::engine
