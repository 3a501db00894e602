// The bytes of text files that the tests write in encodings other than GBK.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::testing {

// UTF-16 text as a file holds it: its byte order mark, then every unit in that order.
inline std::string Utf16FileBytes(std::wstring_view text, bool big_endian = false) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (wchar_t ch : text) {
    const char high = static_cast<char>((ch >> 8) & 0xFF);
    const char low = static_cast<char>(ch & 0xFF);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace marlivo::testing
