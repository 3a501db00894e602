// The reverse search made by the pattern engine, and the reverse lookup made entirely
// the plain way (file read anew, pattern run over the section), which the index must
// always agree with.
#pragma once

#include <string>
#include <string_view>

#include "engine/dictionary/reverse_search.h"

namespace marlivo::engine {
class RunLog;
}

namespace marlivo::dictionary {

// Runs ReversePattern(name) over `section_text` (multiline, global, case-sensitive)
// through RegexObject: the number of matches and the first group of the first one.
ReverseResult PatternReverseSearch(std::string_view section_text, std::string_view name);

// The reverse lookup without any index or cache: reads the file (read-only), takes its
// section and runs the pattern, every time.
std::string PlainReverseLookup(std::string_view file, std::string_view name,
                               engine::RunLog& log);

// The result of a reverse search as the lookup gives it: the key of the one match, or
// the empty text, with the multiple-results line in `log` for more than one.
std::string ReverseLookupResult(const ReverseResult& result, std::string_view name,
                                engine::RunLog& log);

}  // namespace marlivo::dictionary
