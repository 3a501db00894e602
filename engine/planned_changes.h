// The dry run's changes: nothing on the disk changes; each change that a real run would
// make becomes a line, in the order a real run makes it. Folder renames are played on a
// picture of the names they free and take, so that a later rename in the same run sees
// what a real run would see.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "engine/job_changes.h"

namespace marlivo::engine {

class PlannedChanges final : public JobChanges {
 public:
  // Receives each line, GBK text without a line end:
  //   material <full path>: <old header name> -> <new header name>
  //   folder <old full path> -> <new full path>
  using LineSink = std::function<void(std::string_view line)>;

  explicit PlannedChanges(LineSink sink) : sink_(std::move(sink)) {}

  ChangeOutcome ReplaceMaterial(const std::string& path, std::string_view old_name,
                                std::string_view new_name, std::string_view content) override;
  ChangeOutcome RenameFolder(const std::string& old_path,
                             const std::string& new_path) override;
  void RemoveLeftovers(const std::string&) override {}

 private:
  bool Exists(const std::wstring& key, const std::string& path) const;

  LineSink sink_;
  std::set<std::wstring> freed_;  // upper-cased paths that planned renames gave up
  std::set<std::wstring> taken_;  // upper-cased paths that planned renames took
};

}  // namespace marlivo::engine
