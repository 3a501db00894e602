// The passes' changes made on the disk: safe replacement of material files and renames
// of folders that never replace an existing one.
#pragma once

#include "engine/job_changes.h"

namespace marlivo::engine {

class DiskChanges final : public JobChanges {
 public:
  ChangeOutcome ReplaceMaterial(const std::string& path, std::string_view old_name,
                                std::string_view new_name, std::string_view content) override;
  ChangeOutcome RenameFolder(const std::string& old_path,
                             const std::string& new_path) override;
  void RemoveLeftovers(const std::string& folder) override;
};

}  // namespace marlivo::engine
