// The Start command: checks the two paths and starts the rename job on its worker.
#pragma once

#include <string_view>

#include "engine/job_front_end.h"
#include "engine/job_state.h"

namespace marlivo::engine {

enum class StartResult {
  kStarted,   // the worker runs the job
  kRejected,  // a check failed; "error!" is shown
  kBusy,      // a run is still under way; nothing changed
};

// The checks of the Start command on the two fields' texts (GBK, as typed): the trimmed
// materials folder is an existing folder that is not empty, the trimmed dictionary is an
// existing file or folder whose extension is exactly ".ini".
bool StartChecksPass(std::string_view material_folder, std::string_view dic_file);

// Runs on the window thread. On a failed check shows "error!"; otherwise starts a
// worker that runs RenameJob and returns at once. A second Start while a run is under
// way (before the worker has locked the inputs, say) does nothing.
StartResult StartCommand(JobFrontEnd& front_end, JobState& state);

}  // namespace marlivo::engine
