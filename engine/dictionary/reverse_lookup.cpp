// The reverse lookup: target name back to source name. Plain names are answered by the
// dictionary's index, every other name by the pattern engine over the same section.
#include "engine/dictionary.h"
#include "engine/dictionary/dictionary_cache.h"
#include "engine/dictionary/dictionary_text.h"
#include "engine/dictionary/pattern_search.h"
#include "engine/files/whole_file.h"
#include "engine/regex_object.h"
#include "engine/run_log.h"

#include <algorithm>

namespace marlivo::dictionary {

ReverseResult PatternReverseSearch(std::string_view section_text, std::string_view name) {
  engine::RegexObject regex;
  regex.Execute(ReversePattern(name), section_text, /*case_sensitive=*/true);
  ReverseResult result;
  result.count = static_cast<std::size_t>(std::max(0, regex.GetMatchCount()));
  if (result.count == 1) result.first_key = regex.GetSubMatchText(1, 1);
  regex.Destroy();
  return result;
}

std::string ReverseLookupResult(const ReverseResult& result, std::string_view name,
                                engine::RunLog& log) {
  if (result.count > 1) {
    log.AppendLog(engine::QuotedLogLine("error:multiple results ", name));
    return {};
  }
  return result.first_key;
}

std::string PlainReverseLookup(std::string_view file, std::string_view name,
                               engine::RunLog& log) {
  // Read-only: a write-protected dictionary must still be searchable.
  const std::string text = DecodeDictionaryText(files::ReadFileOrEmpty(file));
  return ReverseLookupResult(PatternReverseSearch(ReverseSearchText(text), name), name, log);
}

}  // namespace marlivo::dictionary

namespace marlivo::engine {

std::string ReverseLookup(std::string_view file, std::string_view name, RunLog& log) {
  const auto dictionary = dictionary::LoadDictionary(file);
  // An unreadable file has no section "dic": the pattern has nothing to match.
  if (!dictionary) return {};
  const dictionary::ReverseResult result =
      dictionary::IsPlainReverseName(name)
          ? dictionary->Reverse().Find(name)
          : dictionary::PatternReverseSearch(dictionary->ReverseText(), name);
  return dictionary::ReverseLookupResult(result, name, log);
}

}  // namespace marlivo::engine
