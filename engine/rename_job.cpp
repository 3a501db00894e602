// The job's steps in their order.
#include "engine/rename_job.h"

#include "engine/folder_pass.h"
#include "engine/job_status.h"
#include "engine/log_messages.h"
#include "engine/material_collection.h"
#include "engine/material_pass.h"
#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

void SetInputsEnabled(JobFrontEnd& front_end, bool enabled) {
  for (const JobInput input : kLockedInputs) front_end.SetInputEnabled(input, enabled);
}

}  // namespace

void RenameJob(JobFrontEnd& front_end, JobState& state) {
  const bool rename_materials = front_end.GetCheckState(JobInput::kMaterialNameCheck) != 0;
  const bool rename_folders = front_end.GetCheckState(JobInput::kFolderNameCheck) != 0;
  if (!rename_materials && !rename_folders) return;

  const bool settings_saved = !state.save_settings || state.save_settings();
  SetInputsEnabled(front_end, false);
  state.RunLog.Clear();
  state.MaterialFileList.clear();
  if (!settings_saved) {
    state.RunLog.AppendLog(QuotedLogLine(kCannotSaveSettingsPrefix, front_end.GetDicFileText()));
  }

  CollectMaterialFiles(state, text::Trim(front_end.GetMaterialFolderText()));
  if (rename_materials && !state.StopRequested()) {
    RunMaterialPass(front_end, state, state.MaterialFileList,
                    text::Trim(front_end.GetDicFileText()));
  }
  if (rename_folders && !state.StopRequested()) {
    // As typed: the Start command checked the trimmed text, the folder pass gets it whole.
    RunFolderPass(front_end, state, front_end.GetMaterialFolderText());
  }
  SetStatus(front_end, state.StopRequested() ? kStoppedStatus : kDoneStatus);
  SetInputsEnabled(front_end, true);
}

}  // namespace marlivo::engine
