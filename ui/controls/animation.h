// The animation of one picture box: a thread that steps the frames of an animated image,
// and the state it shares with the window's thread.
//
// The thread never touches the picture box's bag or the window registry (neither is
// guarded); it reads only this state, under its lock. It shows a frame by sending the
// picture box kSelectFrameMessage, so the frame changes on the window's own thread, then
// waits the frame's delay. Two manual-reset events drive it: "play" (set: frames advance;
// reset: the thread waits, paused on the frame it showed last) and "stop", which ends
// every wait at once when the window goes. The state lives until both threads have let
// go of it, so no thread ever waits on a closed event.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/framework/win32.h"

namespace marlivo::ui {

// Sent by the animation thread to its picture box: wParam = the frame to show.
inline constexpr UINT kSelectFrameMessage = 0x800;
// How often the thread looks again at a hidden or minimised picture box.
inline constexpr DWORD kHiddenPollMs = 100;

class Animation {
 public:
  // The state for the window, playing the frames with their delays (hundredths of a
  // second), and its thread; none when the events or the thread cannot be made.
  static Animation* Start(HWND window, std::vector<std::uint32_t> delays, int frameCount);

  Animation(const Animation&) = delete;
  Animation& operator=(const Animation&) = delete;

  // A new animated image: its frames from the first one, playing.
  void Show(std::vector<std::uint32_t> delays, int frameCount);
  // A still image (or none): nothing to play; the thread waits.
  void Idle();
  // Plays (when there is something to play) or pauses.
  void Play(bool play);
  // The window goes: the thread ends at once (every wait is cut short) and this
  // reference is given up. The object must not be used afterwards.
  void End();

  // The "play" event; the picture box shows it under "hEvent".
  HANDLE PlayEvent() const { return play_; }
  DWORD ThreadId() const { return threadId_; }
  // The delays as they are now; valid until the next Show or Idle.
  const std::uint32_t* Delays() const;

 private:
  Animation() = default;
  ~Animation();
  void ReleaseReference();
  static DWORD WINAPI ThreadMain(void* parameter);
  void Run();
  bool Stopped(DWORD waitMs) const;

  mutable SRWLOCK lock_ = SRWLOCK_INIT;
  // Guarded by lock_:
  HWND window_ = nullptr;                // 0 once the window went
  std::vector<std::uint32_t> delays_;    // hundredths of a second, one per entry
  int frameCount_ = 0;
  int nextFrame_ = 0;                    // the frame the thread shows next
  unsigned generation_ = 0;              // changes with every Show and Idle
  // Fixed from Start on:
  HANDLE play_ = nullptr;
  HANDLE stop_ = nullptr;
  DWORD threadId_ = 0;
  volatile LONG references_ = 2;         // the window's and the thread's
};

}  // namespace marlivo::ui
