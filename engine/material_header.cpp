// Decoding and rewriting of the material header's name field.
#include "engine/material_header.h"

#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

// The value of one hex digit, or -1 for any other character.
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view UpToFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

// Pairs of characters from the start, each pair one byte made of the hex digits in it
// (any other character skipped), a last single character a pair of its own.
std::string DecodeHexPairs(std::string_view digits) {
  std::string bytes;
  bytes.reserve(digits.size() / 2 + 1);
  std::size_t i = 0;
  while (i < digits.size()) {
    unsigned value = 0;
    for (int k = 0; k < 2 && i < digits.size(); ++k) {
      const std::size_t next = text::NextCharIndex(digits, i);
      if (next == i + 1) {
        const int digit = HexDigitValue(digits[i]);
        if (digit >= 0) value = value * 16 + static_cast<unsigned>(digit);
      }
      i = next;
    }
    bytes.push_back(static_cast<char>(value % 256));
  }
  return bytes;
}

}  // namespace

std::optional<MaterialHeader> FindMaterialHeader(std::string_view content) {
  const std::size_t keyword_at = content.find(kMaterialKeyword);
  if (keyword_at == std::string_view::npos) return std::nullopt;
  const std::size_t field_at = keyword_at + kMaterialKeyword.size();
  const std::size_t end_at = content.find(kMaterialFieldEnd, field_at);
  if (end_at == std::string_view::npos) return std::nullopt;
  return MaterialHeader{keyword_at, field_at, end_at - field_at};
}

std::string DecodeMaterialName(std::string_view name_field, Utf8ToGbkFunction utf8_to_gbk) {
  // Trimmed after the conversion: stepping GBK characters over UTF-8 bytes could pair
  // the last byte of a Chinese character with the space after it.
  std::string name = text::Trim(utf8_to_gbk(UpToFirstZero(name_field)));
  if (!name.empty() && name.front() == '"') name = text::TextBetween(name, "\"", "\"");
  if (name.compare(0, kHexPrefix.size(), kHexPrefix) == 0) {
    std::string marked = name;
    marked.append("$]");
    const std::string bytes = DecodeHexPairs(text::TextBetween(marked, kHexPrefix, "$]"));
    name = utf8_to_gbk(UpToFirstZero(bytes));
  }
  return name;
}

std::string DecodeHeaderName(std::string_view content, Utf8ToGbkFunction utf8_to_gbk) {
  const std::optional<MaterialHeader> header = FindMaterialHeader(content);
  if (!header) return {};
  return DecodeMaterialName(content.substr(header->field_at, header->field_size),
                            utf8_to_gbk);
}

std::string EncodeMaterialName(std::string_view old_field, std::string_view utf8_name) {
  std::string encoded;
  if (old_field.find('"') != std::string_view::npos) {
    encoded.reserve(utf8_name.size() + 2);
    encoded.push_back('"');
    encoded.append(utf8_name);
    encoded.push_back('"');
    return encoded;
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  encoded.reserve(kHexPrefix.size() + 2 * utf8_name.size());
  encoded.append(kHexPrefix);
  for (const char c : utf8_name) {
    const auto byte = static_cast<unsigned char>(c);
    encoded.push_back(kDigits[byte >> 4]);
    encoded.push_back(kDigits[byte & 0x0F]);
  }
  return encoded;
}

std::optional<std::string> RewriteMaterialHeader(std::string_view content,
                                                 std::string_view utf8_name) {
  const std::optional<MaterialHeader> header = FindMaterialHeader(content);
  if (!header) return std::nullopt;
  const std::string_view old_field = content.substr(header->field_at, header->field_size);
  const std::size_t old_end = header->field_at + header->field_size + kMaterialFieldEnd.size();
  const std::string encoded = EncodeMaterialName(old_field, utf8_name);

  std::string result;
  result.reserve(content.size() - (old_end - header->keyword_at) + kMaterialKeyword.size() +
                 encoded.size() + 3);
  result.append(content.substr(0, header->keyword_at));
  result.append(kMaterialKeyword);
  result.push_back(' ');
  result.append(encoded);
  result.append(" {");
  result.append(content.substr(old_end));
  return result;
}

}  // namespace marlivo::engine
