// The material pass: gives each collected material file the translation of its name
// in its "#define material" header; the file keeps its name and every other byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/job_front_end.h"
#include "engine/job_state.h"

namespace marlivo::engine {

// Runs the pass over `files` (full GBK paths, in order) with the dictionary `dictionary`
// (a GBK path), the name source, "Invert" and the materials' "Double Lang" read from the
// front end.
void RunMaterialPass(JobFrontEnd& front_end, JobState& state,
                     const std::vector<std::string>& files, std::string_view dictionary);

// The material name that the header of the file at `path` (GBK) holds, GBK; the empty
// text when the file cannot be read or has no name in its header.
std::string ReadMaterialName(std::string_view path);

}  // namespace marlivo::engine
