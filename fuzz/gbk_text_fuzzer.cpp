// Fuzzes the GBK text and byte slicing helpers: the input is cut into a text and two
// markers at its first two zero bytes. Every result must be a slice of the text at
// character boundaries, and trimming must be idempotent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/text/gbk_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsBoundary(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  while (i < index) i = marlivo::text::NextCharIndex(text, i);
  return i == index;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marlivo::text;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut1 = input.find('\0');
  const std::size_t cut2 = cut1 == std::string_view::npos ? cut1 : input.find('\0', cut1 + 1);
  const std::string_view text = input.substr(0, cut1);
  const std::string_view start =
      cut1 == std::string_view::npos ? "[" : input.substr(cut1 + 1, cut2 - cut1 - 1);
  const std::string_view end = cut2 == std::string_view::npos ? "]" : input.substr(cut2 + 1);

  const std::size_t found = FindText(text, start);
  if (found != std::string_view::npos) {
    Check(IsBoundary(text, found));
    Check(text.substr(found, start.size()) == start);
  }
  const std::size_t last = FindLastChar(text, '\\');
  if (last != std::string_view::npos) Check(IsBoundary(text, last) && text[last] == '\\');

  const std::string between = TextBetween(text, start, end);
  Check(between.empty() || text.find(between) != std::string_view::npos);

  const std::string trimmed = Trim(text);
  Check(Trim(trimmed) == trimmed);
  Check(trimmed.size() <= text.size());
  Check(IsBlank(text) == trimmed.empty());

  const std::string bytes = BytesBetween(text, start, end);
  Check(bytes.empty() || text.find(bytes) != std::string_view::npos);

  const std::string replaced = ReplaceAll(text, start, end);
  if (start.empty() || found == std::string_view::npos) Check(replaced == text);
  return 0;
}
