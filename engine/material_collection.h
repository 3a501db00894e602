// Collection of the material files (*.mtl) under the materials folder, depth first.
#pragma once

#include <string_view>

#include "engine/job_state.h"

namespace marlivo::engine {

// Appends to state.MaterialFileList the full path of every material file under
// `folder` (GBK): a folder's own files in listing order, then each subfolder's whole
// tree in listing order. Hidden folders and folders whose name begins with "." are
// walked like any other; a folder that is a link (a reparse point) is not entered, so
// that a link back to an ancestor cannot make the walk endless. A folder that cannot be
// listed adds nothing. Leftovers of a killed run are deleted on the way and never
// collected; a name that code page 936 cannot hold is logged and left out.
void CollectMaterialFiles(JobState& state, std::string_view folder);

// True when a file name (UTF-16) ends in ".mtl", in any letter case. Only the real name
// counts: a name that matches "*.mtl" only through its short 8.3 alias does not.
bool IsMaterialFileName(std::wstring_view name);

}  // namespace marlivo::engine
