// Starting a run from the window and ending one when the window closes.
#pragma once

namespace marlivo::app {

// "Start": when the two paths pass and a pass is ticked, the ten inputs are locked here,
// on the window thread, before the worker starts, so that nothing can change the options
// of the run and no second click can start another one; then the Start command. Paths
// that fail show "error!" and lock nothing; with no pass ticked nothing is locked either.
void StartFromWindow();

// The main window is closing: a run under way is asked to stop after the material or
// folder at hand, and the window thread waits for its worker, answering the worker's
// calls meanwhile (they are messages to this thread; a plain wait would never end). The
// close then goes on and the exit sequence finds no run left.
void StopRunAndWait();

}  // namespace marlivo::app
