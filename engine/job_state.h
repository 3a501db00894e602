// The state that one rename job shares with its passes, and the control of the worker
// thread that runs it. The front end (the window program, the console tool) owns one
// and keeps it for the program's life.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "engine/disk_changes.h"
#include "engine/run_log.h"

namespace marlivo::engine {

inline constexpr std::string_view kNameSeparator = " - ";

class JobState {
 public:
  JobState() = default;
  JobState(const JobState&) = delete;
  JobState& operator=(const JobState&) = delete;
  // Asks a running job to stop and waits for it.
  ~JobState();

  // Full paths (GBK) of the material files collected by the current or latest run, in
  // collection order.
  std::vector<std::string> MaterialFileList;
  // The messages of the current or latest run.
  ::marlivo::engine::RunLog RunLog;
  // Joins and splits double-language names.
  std::string NameSeparator{kNameSeparator};
  // The program's folder + "\dic.ini"; the folder pass reads its dictionary here.
  std::string DefaultDictionaryPath;

  // Saves the settings into the dictionary file of the front end's field, the job's
  // first step; false when they could not all be written. Empty: nothing is saved (the
  // dry run).
  std::function<bool()> save_settings;
  // Where the passes' changes go; null: the disk.
  JobChanges* changes = nullptr;

  JobChanges& Changes() { return changes ? *changes : disk_changes_; }

  // A stop request: the passes finish the item at hand and take no further one.
  void RequestStop() { stop_requested_.store(true); }
  bool StopRequested() const { return stop_requested_.load(); }

  // True from an accepted Start until the worker has ended.
  bool IsRunning() const { return running_.load(); }
  // Waits until the worker of the latest Start has ended.
  void WaitForRun();

  // Claims the job for a new run; false while one is running. Clears the stop request.
  bool BeginRun();
  // Marks the run as ended; called last by the worker.
  void EndRun() { running_.store(false); }
  // Runs `work` on the job's worker thread (after BeginRun).
  void StartWorker(std::function<void()> work);

 private:
  DiskChanges disk_changes_;
  std::atomic<bool> stop_requested_{false};
  std::atomic<bool> running_{false};
  std::thread worker_;
};

}  // namespace marlivo::engine
