// The rename job: what the worker thread of one Start does, in its order.
#pragma once

#include <string_view>

#include "engine/job_front_end.h"
#include "engine/job_state.h"

namespace marlivo::engine {

// Shown instead of "done it!" when a stop request ended the run early.
inline constexpr std::string_view kStoppedStatus = "stopped!";

// Saves the settings, locks the ten inputs, empties the log and the file list, collects
// the material files, runs the material and folder passes as ticked, shows "done it!"
// and unlocks the inputs. Does nothing when neither "Material Name" nor "Folder Name"
// is ticked.
void RenameJob(JobFrontEnd& front_end, JobState& state);

}  // namespace marlivo::engine
