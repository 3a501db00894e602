// Fuzzes the pattern engine. The input is: one byte of options (bit 0 ignore case,
// bit 1 multiline, bit 2 global, bit 3 the default step budget), then the pattern, a
// zero byte, the subject, a zero byte and a replacement. Bytes below 0xF0 are the code units 0 to 0xEF; a byte from
// 0xF0 up takes the next two bytes as one code unit, so that any UTF-16 text can be
// reached. Every search must end, stay inside the subject and report matches in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/regex/regex.h"

namespace {

// Small, so that the fuzzer spends its time on many inputs rather than on the runaway
// ones; an option bit asks for the default budget, which the program uses.
constexpr std::uint64_t kSmallStepBudget = 200'000;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Reads UTF-16 from `data` up to a zero byte (or the end), advancing `at` past it.
std::u16string ReadText(const std::uint8_t* data, std::size_t size, std::size_t& at) {
  std::u16string text;
  while (at < size && data[at] != 0) {
    const std::uint8_t byte = data[at++];
    if (byte >= 0xF0 && at + 1 < size) {
      text.push_back(static_cast<char16_t>((data[at] << 8) | data[at + 1]));
      at += 2;
    } else {
      text.push_back(byte);
    }
  }
  if (at < size) ++at;  // the zero byte
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marlivo::regex;
  if (size == 0) return 0;
  Options options;
  options.ignore_case = (data[0] & 1) != 0;
  options.multiline = (data[0] & 2) != 0;
  options.global = (data[0] & 4) != 0;
  std::size_t at = 1;
  const std::u16string pattern = ReadText(data, size, at);
  const std::u16string subject = ReadText(data, size, at);
  const std::u16string replacement = ReadText(data, size, at);

  const Regex regex(pattern, options);
  const bool default_budget = (data[0] & 8) != 0;
  const SearchResult result =
      regex.Search(subject, default_budget ? DefaultStepBudget(subject.size()) : kSmallStepBudget);
  if (!regex.IsValid() || result.gave_up) Check(result.matches.empty());
  if (!options.global) Check(result.matches.size() <= 1);

  std::size_t next_from = 0;
  for (const Match& match : result.matches) {
    Check(match.whole.index >= next_from);
    Check(match.whole.end() <= subject.size());
    next_from = match.whole.end() + (match.whole.length == 0 ? 1 : 0);
    Check(match.groups.size() == static_cast<std::size_t>(regex.GroupCount()));
    for (const Span& group : match.groups) {
      if (group.matched()) Check(group.end() <= subject.size());
    }
  }

  const std::u16string replaced =
      ReplaceMatches(subject, result.matches, regex.GroupCount(), replacement);
  if (result.matches.empty()) Check(replaced == subject);
  return 0;
}
