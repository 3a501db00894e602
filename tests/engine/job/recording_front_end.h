// A front end for the engine's tests: the inputs as plain fields, every call the job
// makes recorded in order.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "engine/job_front_end.h"

namespace marlivo::testing {

class RecordingFrontEnd final : public engine::JobFrontEnd {
 public:
  RecordingFrontEnd() {
    // The window's initial states.
    Check(engine::JobInput::kMaterialNameCheck, 1);
    Check(engine::JobInput::kFolderNameCheck, 1);
    Check(engine::JobInput::kFromFilenameRadio, 1);
  }

  void Check(engine::JobInput input, int state) { checks_[static_cast<int>(input)] = state; }
  void FromProperties() {
    Check(engine::JobInput::kFromFilenameRadio, 0);
    Check(engine::JobInput::kFromPropertiesRadio, 1);
  }

  std::string material_folder;
  std::string dic_file;

  std::string GetMaterialFolderText() override { return material_folder; }
  void SetMaterialFolderText(std::string_view text) override {
    material_folder = text;
    Record("folder:" + std::string(text));
  }
  std::string GetDicFileText() override { return dic_file; }
  int GetCheckState(engine::JobInput input) override {
    return checks_[static_cast<int>(input)];
  }
  void SetCheckState(engine::JobInput input, int state) override { Check(input, state); }
  void SetInputEnabled(engine::JobInput input, bool enabled) override {
    Record((enabled ? "enable:" : "disable:") + std::to_string(static_cast<int>(input)));
  }
  void ShowStatus(std::string_view text) override { Record("status:" + std::string(text)); }
  void ShowProgress(int position) override { Record("progress:" + std::to_string(position)); }

  void Record(std::string event) {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(std::move(event));
  }
  std::vector<std::string> Events() {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }
  // The events that start with `prefix`, the prefix cut off.
  std::vector<std::string> Events(std::string_view prefix) {
    std::vector<std::string> picked;
    for (const std::string& event : Events()) {
      if (event.compare(0, prefix.size(), prefix) == 0) picked.push_back(event.substr(prefix.size()));
    }
    return picked;
  }
  void ClearEvents() {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
  }

 private:
  int checks_[10] = {};
  std::mutex mutex_;
  std::vector<std::string> events_;
};

// A material file's content with the given name field.
inline std::string MaterialContent(std::string_view field) {
  return "// material\r\n#define material" + std::string(field) +
         "{\r\n  diffuse 0.5 0.5 0.5\r\n}\r\n";
}

}  // namespace marlivo::testing
