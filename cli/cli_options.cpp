// Parsing of the console tool's flags.
#include "cli/cli_options.h"

namespace marlivo::cli {

ParseResult ParseCliOptions(const std::vector<std::wstring>& args) {
  CliOptions options;
  bool names_asked = false;
  bool material_name = false;
  bool folder_name = false;
  bool source_given = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    auto take_value = [&](std::optional<std::wstring>& target) -> bool {
      if (i + 1 >= args.size()) return false;
      target = args[++i];
      return true;
    };
    if (arg == L"--materials" || arg == L"--dic" || arg == L"--log") {
      std::optional<std::wstring>& target =
          arg == L"--materials" ? options.materials : arg == L"--dic" ? options.dic : options.log;
      if (target) return {std::nullopt, arg + L" is given twice"};
      if (!take_value(target)) return {std::nullopt, arg + L" needs a value"};
    } else if (arg == L"--material-name") {
      names_asked = material_name = true;
    } else if (arg == L"--folder-name") {
      names_asked = folder_name = true;
    } else if (arg == L"--from-filename" || arg == L"--from-properties") {
      const bool properties = arg == L"--from-properties";
      if (source_given && properties != options.from_properties) {
        return {std::nullopt, L"--from-filename and --from-properties exclude each other"};
      }
      source_given = true;
      options.from_properties = properties;
    } else if (arg == L"--material-double-lang") {
      options.material_double_lang = true;
    } else if (arg == L"--folder-double-lang") {
      options.folder_double_lang = true;
    } else if (arg == L"--invert") {
      options.invert = true;
    } else if (arg == L"--dry-run") {
      options.dry_run = true;
    } else if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
      options.help = true;
    } else {
      return {std::nullopt, L"unknown argument: " + arg};
    }
  }
  if (names_asked) {
    options.material_name = material_name;
    options.folder_name = folder_name;
  }
  return {options, {}};
}

const wchar_t* UsageText() {
  return L"usage: marlivo-cli [options]\n"
         L"Translates the material names of a material library and its folder names\n"
         L"through a dictionary, as the Start button of Marlivo does.\n"
         L"\n"
         L"  --materials DIR          the materials folder (default: the installed one)\n"
         L"  --dic FILE               the dictionary (default: dic.ini beside this tool)\n"
         L"  --material-name          rename materials (default: both, unless one is asked)\n"
         L"  --folder-name            rename folders\n"
         L"  --from-filename          material names from the file names (default)\n"
         L"  --from-properties        material names from the files' headers\n"
         L"  --material-double-lang   material names become \"name - translation\"\n"
         L"  --folder-double-lang     folder names become \"name - translation\"\n"
         L"  --invert                 translate backward\n"
         L"  --log FILE               write the run log to FILE at the end\n"
         L"  --dry-run                change nothing; print each change a run would make\n"
         L"  --help                   print this text\n"
         L"\n"
         L"Exit status: 0 done, 2 a path check failed (\"error!\"), 64 usage error,\n"
         L"130 stopped by Ctrl+C.\n";
}

}  // namespace marlivo::cli
