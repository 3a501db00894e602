// Replacing a file's whole content so that it is never left half written.
//
// The new content goes to a temporary file in the same folder, every byte of it, and
// only then takes the original's place in one rename: a run killed at any moment leaves
// the old content or the new one, never a mixture. A file that is read-only or held by
// another program is left as it was, and the caller is told which.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace marlivo::files {

enum class ReplaceOutcome {
  kReplaced,  // the file now holds the new content
  kReadOnly,  // the file has the read-only attribute; left unchanged
  kLocked,    // another program held the file through every retry; left unchanged
  kFailed,    // anything else (missing file, full disk, no right to the folder...)
};

struct ReplaceResult {
  ReplaceOutcome outcome = ReplaceOutcome::kFailed;
  unsigned long error = 0;  // the system's error code when not replaced, else 0
};

// What to do when the file does not exist (yet).
enum class IfMissing { kFail, kCreate };

struct ReplaceOptions {
  IfMissing if_missing = IfMissing::kFail;
  // FlushFileBuffers on the temporary file before the rename, and a rename that is
  // written through: the new content survives a power loss once the call returns.
  bool flush = true;
};

ReplaceResult ReplaceFileContent(std::string_view gbk_path, std::string_view content,
                                 const ReplaceOptions& options = {});
ReplaceResult ReplaceFileContent(const std::wstring& system_path, std::string_view content,
                                 const ReplaceOptions& options = {});

// A number that grows whenever this process has replaced a file through
// ReplaceFileContent, so that caches of file contents can tell a write of our own at
// once, without asking the file system.
std::uint64_t ReplaceGeneration();

// True for the names of the temporary files that ReplaceFileContent makes, such as
// ".marlivo-00001a2c00000003.tmp". Such a name never matches "*.mtl", not even through
// its 8.3 short name (whose extension is "TMP").
bool IsReplaceLeftoverName(std::wstring_view name);

// Deletes the temporary files that a killed run left in `gbk_folder` (that folder only,
// not its subfolders), recognised by their name alone; returns how many were deleted.
// A temporary file that another run still has open cannot be deleted and stays.
std::size_t RemoveReplaceLeftovers(std::string_view gbk_folder);

// "replaced", "read-only", "locked" or "failed", for log lines.
std::string_view ReplaceOutcomeName(ReplaceOutcome outcome);

}  // namespace marlivo::files
