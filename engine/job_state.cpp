// The job's worker thread: one at a time, joined before the next starts and at the end.
#include "engine/job_state.h"

namespace marlivo::engine {

JobState::~JobState() {
  RequestStop();
  WaitForRun();
}

void JobState::WaitForRun() {
  if (worker_.joinable()) worker_.join();
}

bool JobState::BeginRun() {
  bool expected = false;
  if (!running_.compare_exchange_strong(expected, true)) return false;
  stop_requested_.store(false);
  return true;
}

void JobState::StartWorker(std::function<void()> work) {
  // The previous worker has ended (running_ was false), so joining it does not wait.
  WaitForRun();
  worker_ = std::thread(std::move(work));
}

}  // namespace marlivo::engine
