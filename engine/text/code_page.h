// Conversions between the program's 8-bit GBK text, UTF-16 and UTF-8.
//
// The program's 8-bit texts are always code page 936, whatever the system's ANSI code
// page: on an English or Japanese Windows the A functions would read GBK bytes as
// another code page and garble every Chinese name. So 8-bit text meets the system only
// through these conversions and the W functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace marlivo::text {

inline constexpr unsigned kGbkCodePage = 936;
inline constexpr unsigned kUtf8CodePage = 65001;

// GBK to UTF-16. Bytes that GBK does not define become U+FFFD or the system's
// replacement, as MultiByteToWideChar decides.
std::wstring GbkToWide(std::string_view gbk);

// UTF-16 to GBK; a character that GBK lacks becomes the default character "?".
std::string WideToGbk(std::wstring_view wide);

// The same two conversions for the pattern engine, whose UTF-16 text is char16_t so
// that it builds without a platform header.
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);

// UTF-16 to GBK only when every character has an exact GBK form (no best fit, no
// default character); nothing otherwise. For names that must not turn into another.
std::optional<std::string> WideToGbkExact(std::wstring_view wide);

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Through UTF-16; a character that GBK lacks becomes "?".
std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

}  // namespace marlivo::text
