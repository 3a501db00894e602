// Waiting for the program the way a patient user waits: look again and again until
// what should happen has happened, and give up after a bound so that a hung program
// fails its test instead of hanging the suite.
#pragma once

#include <windows.h>

namespace marlivo::e2e {

// Generous, because the machine that runs the suite is small and shared: the bound only
// ends a wait that would otherwise never end; a passing wait returns as soon as its
// condition holds.
inline constexpr DWORD kDefaultWaitMs = 60000;
inline constexpr DWORD kPollIntervalMs = 20;

// True as soon as `done()` is true; false when it is still false after `timeout_ms`.
template <class Condition>
bool WaitUntil(Condition done, DWORD timeout_ms = kDefaultWaitMs) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return done();
    Sleep(kPollIntervalMs);
  }
}

}  // namespace marlivo::e2e
