// Byte order marks of dictionary files, and the conversion of such files to GBK.
#include "engine/dictionary/dictionary_text.h"

#include "engine/text/code_page.h"

namespace marlivo::dictionary {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

std::wstring Utf16(std::string_view bytes, bool big_endian) {
  std::wstring wide;
  wide.reserve(bytes.size() / 2);
  // A last odd byte is no character; the system's reader drops it too.
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned char first = static_cast<unsigned char>(bytes[i]);
    const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
    wide.push_back(static_cast<wchar_t>(big_endian ? (first << 8) | second
                                                   : (second << 8) | first));
  }
  return wide;
}

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

}  // namespace

std::string DecodeDictionaryText(std::string_view bytes) {
  if (StartsWith(bytes, kUtf8Mark)) {
    return text::Utf8ToGbk(bytes.substr(kUtf8Mark.size()));
  }
  if (StartsWith(bytes, kUtf16LittleMark)) {
    return text::WideToGbk(Utf16(bytes.substr(kUtf16LittleMark.size()), false));
  }
  if (StartsWith(bytes, kUtf16BigMark)) {
    return text::WideToGbk(Utf16(bytes.substr(kUtf16BigMark.size()), true));
  }
  return std::string(bytes);
}

}  // namespace marlivo::dictionary
