// Where the passes' changes to the disk go: the disk itself, or (for the console tool's
// dry run) a plan that only says what a real run would do.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::engine {

enum class ChangeOutcome {
  kDone,      // the file holds its new content, the folder has its new name
  kReadOnly,  // the file has the read-only attribute; left unchanged
  kInUse,     // another program held the file or folder; left unchanged
  kExists,    // a folder rename whose target name is taken; left unchanged
  kFailed,    // any other failure; left unchanged
};

class JobChanges {
 public:
  virtual ~JobChanges() = default;

  // Puts `content` in place of the material file at `path` (GBK), as one safe
  // replacement. `old_name` and `new_name` are the header's names before and after, GBK.
  virtual ChangeOutcome ReplaceMaterial(const std::string& path, std::string_view old_name,
                                        std::string_view new_name,
                                        std::string_view content) = 0;

  // Renames the folder `old_path` to `new_path` (both full GBK paths, same parent).
  virtual ChangeOutcome RenameFolder(const std::string& old_path,
                                     const std::string& new_path) = 0;

  // Deletes what a killed run left in `folder` (a GBK path ending in "\").
  virtual void RemoveLeftovers(const std::string& folder) = 0;
};

}  // namespace marlivo::engine
