// The program's settings: six controls of the main window mirrored in section "configs"
// of the dictionary file. The controls are reached only through the job's front end.
#pragma once

#include <string_view>

#include "engine/job_front_end.h"

namespace marlivo::app {

// Sets the materials folder field, the "Material Name"/"Folder Name" and the two
// "Double Lang" check boxes and the "From Filename"/"From Properties" pair from the file
// (GBK path). A file that is missing or cannot be read reads as one without settings.
void LoadSettings(engine::JobFrontEnd& front_end, std::string_view path);

// Writes the six keys from the controls into the file named by the dictionary file
// field (fetched again before each key, untrimmed), each key in place and every other
// byte of the file kept. True when every key reached the file; a file that cannot be
// read (other than missing) is not written, so that nothing of it is lost.
bool SaveSettings(engine::JobFrontEnd& front_end);

}  // namespace marlivo::app
