// The dictionary's two lookups. The dictionary is an ini-style GBK text file whose
// section "dic" holds lines source name=target name.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::engine {

class RunLog;

// The value of key `name` in section "dic" of `file`, found as the system's ini reader
// finds it (section and key without regard to case, blanks around keys and values not
// counted, first matching key of the first matching section); the empty text when the
// key, the section or the file is missing. `file` and `name` are GBK text.
std::string ForwardLookup(std::string_view file, std::string_view name);

// The key of the one entry of section "dic" whose value is `name` (read as a pattern);
// the empty text when there is none or more than one. More than one also appends
// "error:multiple results " and the name in double quotes to `log`.
std::string ReverseLookup(std::string_view file, std::string_view name, RunLog& log);

}  // namespace marlivo::engine
