// Start and stop of the run from the window thread.
#include "app/run_control.h"

#include "app/program_objects.h"
#include "engine/start_command.h"

namespace marlivo::app {
namespace {

// How long the window thread sleeps at most between two looks at a stopping run, when
// no message of the worker arrives to wake it.
constexpr DWORD kStopPollMs = 20;

void SetInputsEnabled(bool enabled) {
  for (const engine::JobInput input : engine::kLockedInputs) {
    Program().FrontEnd->SetInputEnabled(input, enabled);
  }
}

}  // namespace

void StartFromWindow() {
  ProgramObjects& o = Program();
  if (o.Job->IsRunning()) return;
  const bool will_run =
      (o.MaterialNameCheck->Checked() != 0 || o.FolderNameCheck->Checked() != 0) &&
      engine::StartChecksPass(o.MaterialFolderEdit->Text(), o.DicFileEdit->Text());
  if (will_run) SetInputsEnabled(false);
  const engine::StartResult result = engine::StartCommand(*o.FrontEnd, *o.Job);
  // The paths changed on disk between the two looks: nothing runs, so nothing stays locked.
  if (will_run && result != engine::StartResult::kStarted) SetInputsEnabled(true);
}

void StopRunAndWait() {
  engine::JobState& job = *Program().Job;
  if (!job.IsRunning()) return;
  job.RequestStop();
  while (job.IsRunning()) {
    // Wakes for a message that the worker sends, and handles only sent messages: the
    // user's input and the window's own traffic wait until the close is done.
    MsgWaitForMultipleObjectsEx(0, nullptr, kStopPollMs, QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  job.WaitForRun();
}

}  // namespace marlivo::app
