// Starting the real marlivo-cli.exe from a test as a user would: a copy of the tool in
// a folder of its own (the folder pass reads "dic.ini" beside it), its output captured.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace marlivo::testing {

struct CliResult {
  DWORD exit_code = 0;
  std::string output;  // standard output, UTF-8 as the tool writes it to a file
  std::string errors;  // standard error
};

class CliTool {
 public:
  // Copies the tool that was built beside the test into `folder` (GBK).
  explicit CliTool(const std::string& folder);

  // Runs the tool with `args` to its end.
  CliResult Run(const std::vector<std::wstring>& args) const;

  // Starts the tool; the caller waits for or ends the returned process.
  PROCESS_INFORMATION Start(const std::vector<std::wstring>& args) const;

  const std::wstring& path() const { return exe_; }

 private:
  std::wstring folder_;
  std::wstring exe_;
};

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace marlivo::testing
