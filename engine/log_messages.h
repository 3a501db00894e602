// The prefixes of the run log's lines. Each line is a prefix, then a name or path
// between double quotes (QuotedLogLine).
#pragma once

#include <string_view>

namespace marlivo::engine {

// The program's own lines.
inline constexpr std::string_view kNotFindDicPrefix = "not find dic ";
inline constexpr std::string_view kErrorNotFindDicPrefix = "error:not find dic ";

// Lines that say why an item was left as it was, where silence would let "done it!"
// hide a failure.
inline constexpr std::string_view kNoHeaderPrefix = "error:no material header ";
inline constexpr std::string_view kCannotReadPrefix = "error:cannot read ";
inline constexpr std::string_view kReadOnlyPrefix = "error:file is read-only ";
inline constexpr std::string_view kInUsePrefix = "error:file is in use ";
inline constexpr std::string_view kCannotWritePrefix = "error:cannot write ";
inline constexpr std::string_view kBadFolderNamePrefix = "error:bad folder name ";
inline constexpr std::string_view kFolderExistsPrefix = "error:folder exists ";
inline constexpr std::string_view kCannotRenamePrefix = "error:cannot rename folder ";
inline constexpr std::string_view kCannotSaveSettingsPrefix = "error:cannot save settings ";
inline constexpr std::string_view kNotInCodePagePrefix = "error:name not in code page 936 ";

}  // namespace marlivo::engine
