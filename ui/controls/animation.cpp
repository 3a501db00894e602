// The animation thread and the state it shares with the picture box's window thread.
#include "ui/controls/animation.h"

#include <span>
#include <utility>

#include "ui/controls/frame_delay.h"

namespace marlivo::ui {
namespace {

// SRWLOCK held for a scope.
class Locked {
 public:
  explicit Locked(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  ~Locked() { ::ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK& lock_;
};

bool IsShowing(HWND window) {
  return !::IsIconic(window) && (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

Animation* Animation::Start(HWND window, std::vector<std::uint32_t> delays, int frameCount) {
  auto* animation = new Animation();
  animation->window_ = window;
  animation->delays_ = std::move(delays);
  animation->frameCount_ = frameCount;
  animation->play_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  animation->stop_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (animation->play_ == nullptr || animation->stop_ == nullptr) {
    delete animation;
    return nullptr;
  }
  ::SetEvent(animation->play_);
  const HANDLE thread =
      ::CreateThread(nullptr, 0, &Animation::ThreadMain, animation, 0, &animation->threadId_);
  if (thread == nullptr) {
    delete animation;
    return nullptr;
  }
  // Nobody waits for the thread: it ends by itself once "stop" is set.
  ::CloseHandle(thread);
  return animation;
}

Animation::~Animation() {
  if (play_ != nullptr) ::CloseHandle(play_);
  if (stop_ != nullptr) ::CloseHandle(stop_);
}

void Animation::Show(std::vector<std::uint32_t> delays, int frameCount) {
  {
    Locked locked(lock_);
    delays_ = std::move(delays);
    frameCount_ = frameCount;
    nextFrame_ = 0;
    ++generation_;
  }
  ::SetEvent(play_);
}

void Animation::Idle() {
  ::ResetEvent(play_);
  Locked locked(lock_);
  delays_.clear();
  frameCount_ = 0;
  nextFrame_ = 0;
  ++generation_;
}

void Animation::Play(bool play) {
  bool playable = false;
  {
    Locked locked(lock_);
    playable = frameCount_ > 1;
  }
  if (play && playable) {
    ::SetEvent(play_);
  } else {
    ::ResetEvent(play_);
  }
}

void Animation::End() {
  {
    Locked locked(lock_);
    window_ = nullptr;
  }
  ::SetEvent(stop_);
  ReleaseReference();
}

const std::uint32_t* Animation::Delays() const {
  Locked locked(lock_);
  return delays_.data();
}

void Animation::ReleaseReference() {
  if (::InterlockedDecrement(&references_) == 0) delete this;
}

DWORD WINAPI Animation::ThreadMain(void* parameter) {
  auto* animation = static_cast<Animation*>(parameter);
  animation->Run();
  animation->ReleaseReference();
  return 0;
}

bool Animation::Stopped(DWORD waitMs) const {
  return ::WaitForSingleObject(stop_, waitMs) == WAIT_OBJECT_0;
}

void Animation::Run() {
  for (;;) {
    HWND window = nullptr;
    {
      Locked locked(lock_);
      window = window_;
    }
    if (window == nullptr || !::IsWindow(window)) return;
    if (!IsShowing(window)) {
      if (Stopped(kHiddenPollMs)) return;
      continue;
    }
    const HANDLE events[2] = {stop_, play_};
    const DWORD woken = ::WaitForMultipleObjects(2, events, FALSE, INFINITE);
    if (woken == WAIT_OBJECT_0) return;
    if (woken != WAIT_OBJECT_0 + 1) {
      if (Stopped(kHiddenPollMs)) return;  // cannot happen while the events live
      continue;
    }

    int frame = 0;
    unsigned generation = 0;
    DWORD delay = 0;
    {
      Locked locked(lock_);
      if (frameCount_ < 2) continue;  // nothing to play after all
      frame = nextFrame_ >= frameCount_ ? 0 : nextFrame_;
      generation = generation_;
      delay = FrameDelayMs(std::span<const std::uint32_t>(delays_),
                           static_cast<std::size_t>(frame));
    }
    const LRESULT failed =
        ::SendMessageW(window, kSelectFrameMessage, static_cast<WPARAM>(frame), 0);
    if (failed != 0) {
      // The frame cannot be shown: start again from the first one, at once.
      Locked locked(lock_);
      if (generation == generation_) nextFrame_ = 0;
      continue;
    }
    if (Stopped(delay)) return;
    Locked locked(lock_);
    if (generation == generation_) nextFrame_ = frame + 1;
  }
}

}  // namespace marlivo::ui
