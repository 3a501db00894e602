// The folder pass: renames every folder below the materials folder through the
// dictionary beside the program, deepest folders first.
#pragma once

#include <string>
#include <string_view>

#include "engine/job_front_end.h"
#include "engine/job_state.h"

namespace marlivo::engine {

// Runs the pass over the folders below `material_folder` (GBK, as typed), with the
// options "Invert" and the folders' "Double Lang" read from the front end.
void RunFolderPass(JobFrontEnd& front_end, JobState& state, std::string_view material_folder);

// True when renaming to `parent` + `new_name` keeps the folder in `parent` (a GBK path
// ending with "\"): the name passes IsAcceptableFolderName and the full path that the
// system makes of parent + name has `parent` as its parent.
bool StaysInParent(std::string_view parent, std::string_view new_name);

}  // namespace marlivo::engine
