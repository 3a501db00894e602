// A fresh folder under the system's temporary folder for one test, deleted with
// everything in it (also beyond MAX_PATH, read-only files included) when the test ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marlivo::testing {

class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  // The folder's path, GBK, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + relative.
  std::string Join(std::string_view relative) const;

  // Writes `content` to the file (GBK path relative to the folder) as a plain write;
  // folders on the way are made.
  void WriteFile(std::string_view relative, std::string_view content) const;
  // The names in the folder (GBK, relative path of a subfolder), sorted; "." and ".."
  // left out.
  std::vector<std::string> List(std::string_view relative = {}) const;

 private:
  std::string path_;
};

// Makes every missing folder of a GBK path; true when it exists afterwards.
bool MakeFolders(std::string_view gbk_path);

// Deletes a folder tree (GBK path), read-only files included.
void RemoveTree(std::string_view gbk_path);

}  // namespace marlivo::testing
