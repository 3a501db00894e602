// The console tool's command line: flags that mirror the main window's inputs.
// Platform-free (the arguments are UTF-16, as the system gives them).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace marlivo::cli {

struct CliOptions {
  std::optional<std::wstring> materials;  // --materials DIR; detected when absent
  std::optional<std::wstring> dic;        // --dic FILE; "dic.ini" beside the tool when absent
  std::optional<std::wstring> log;        // --log FILE
  // The window's initial states: both names ticked unless one or both are asked for,
  // "From Filename", no "Double Lang", no "Invert".
  bool material_name = true;
  bool folder_name = true;
  bool from_properties = false;
  bool material_double_lang = false;
  bool folder_double_lang = false;
  bool invert = false;
  bool dry_run = false;
  bool help = false;
};

struct ParseResult {
  std::optional<CliOptions> options;  // nothing on a usage error
  std::wstring error;                 // what was wrong, for the usage message
};

// Parses the arguments after the program's name.
ParseResult ParseCliOptions(const std::vector<std::wstring>& args);

// The usage text, lines ended by "\n".
const wchar_t* UsageText();

}  // namespace marlivo::cli
