// Marlivo.exe: the process's start, its main routine and its exit sequence.
#include <windows.h>
#include <objbase.h>

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "app/program_objects.h"
#include "ui/framework/process_heap.h"

namespace marlivo::app {
namespace {

// Destroys every object in construction order, then ends the process with exit code 0.
// Also what the out-of-memory rule runs.
[[noreturn]] void ExitSequence() {
  ProgramObjects& o = Program();
  // A run whose window went another way than through the close (the close waits for
  // it) ends here: with the window gone, its calls to the window return at once, so it
  // finishes the item at hand and stops before an object it uses is destroyed.
  if (o.Job) {
    o.Job->RequestStop();
    o.Job->WaitForRun();
  }
  o.Destroy();
  CoUninitialize();
  ExitProcess(0);
}

void RunExitSequence() { ExitSequence(); }

int MainRoutine() {
  ProgramObjects& o = Program();
  o.App->Initialise();
  // Bound before the window exists: the form calls it from inside its creation.
  o.MainForm->SetOnCreate(CreateMainWindow);
  o.MainForm->CreateForm(nullptr, kMainWindowTitle, kMainWindowPosition, kMainWindowSize,
                         kMainWindowStyle, kMainWindowExStyle, 0, "");
  o.App->Run(*o.MainForm);
  return 0;
}

}  // namespace
}  // namespace marlivo::app

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The first thread is the window thread, in the single-threaded apartment.
  CoInitialize(nullptr);
  marlivo::app::Program().Construct();
  marlivo::ui::SetExitSequence(marlivo::app::RunExitSequence);
  marlivo::app::MainRoutine();
  marlivo::app::ExitSequence();
}
