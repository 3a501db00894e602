// Detection of the installed renderer's materials folder from the registry, for a
// materials folder field that is still empty at start.
#pragma once

#include "engine/job_front_end.h"

namespace marlivo::app {

// Shows "waiting...", then looks for HKLM "SOFTWARE\Luxion\KeyShot " + version (9 down
// to 1), value "ResourceFolder": the first version whose value exists and whose
// value + "\Materials" is an existing folder fills the materials folder field. Shows the
// empty text at the end.
void DetectMaterialsFolder(engine::JobFrontEnd& front_end);

}  // namespace marlivo::app
