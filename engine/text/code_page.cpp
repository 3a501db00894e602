// The one place where the program converts between code pages.
#include "engine/text/code_page.h"

#include <windows.h>

#include <climits>

namespace marlivo::text {
namespace {

std::wstring ToWide(unsigned code_page, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length, wide.data(), needed);
  return wide;
}

// flags and the default-character output apply to code page 936 only: UTF-8 allows
// neither.
std::string FromWide(unsigned code_page, std::wstring_view wide, DWORD flags,
                     BOOL* used_default) {
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(wide.size());
  const int needed = WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0,
                                         nullptr, used_default);
  if (needed <= 0) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(code_page, flags, wide.data(), length, bytes.data(), needed, nullptr,
                      used_default);
  return bytes;
}

}  // namespace

std::wstring GbkToWide(std::string_view gbk) { return ToWide(kGbkCodePage, gbk); }

std::string WideToGbk(std::wstring_view wide) {
  return FromWide(kGbkCodePage, wide, 0, nullptr);
}

// wchar_t is UTF-16 on Windows: the two kinds of text differ in type only.
std::u16string GbkToUtf16(std::string_view gbk) {
  const std::wstring wide = GbkToWide(gbk);
  return std::u16string(wide.begin(), wide.end());
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  return WideToGbk(std::wstring(utf16.begin(), utf16.end()));
}

std::optional<std::string> WideToGbkExact(std::wstring_view wide) {
  BOOL used_default = FALSE;
  std::string gbk = FromWide(kGbkCodePage, wide, WC_NO_BEST_FIT_CHARS, &used_default);
  if (used_default || (gbk.empty() && !wide.empty())) return std::nullopt;
  // A round trip catches what the flags alone let through.
  if (GbkToWide(gbk) != wide) return std::nullopt;
  return gbk;
}

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(kUtf8CodePage, utf8); }

std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(kUtf8CodePage, wide, 0, nullptr);
}

std::string Utf8ToGbk(std::string_view utf8) { return WideToGbk(Utf8ToWide(utf8)); }

std::string GbkToUtf8(std::string_view gbk) { return WideToUtf8(GbkToWide(gbk)); }

}  // namespace marlivo::text
