// The "#define material" header of a material file: finding its name field, decoding
// the name it holds (quoted or "xX" hex form, UTF-8) and writing a new one in its place.
// Platform-free byte work only: the conversions between UTF-8 and the engine's GBK text
// are Windows calls, so the decoder takes the one it needs as a parameter.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace marlivo::engine {

inline constexpr std::string_view kMaterialKeyword = "#define material";
inline constexpr std::string_view kMaterialFieldEnd = "{";
inline constexpr std::string_view kHexPrefix = "xX";

// Converts UTF-8 bytes to the engine's GBK text.
using Utf8ToGbkFunction = std::string (*)(std::string_view utf8);

// The header found in a file's content: the first "#define material" and the first "{"
// after it. The name field is everything strictly between the two.
struct MaterialHeader {
  std::size_t keyword_at = 0;  // offset of "#define material"
  std::size_t field_at = 0;    // offset of the name field, just after the keyword
  std::size_t field_size = 0;  // bytes up to, not including, the "{"
};

// The header of `content`; nothing when the keyword or the "{" after it is missing.
std::optional<MaterialHeader> FindMaterialHeader(std::string_view content);

// The material name that a name field holds, as GBK text: the field up to its first zero
// byte, converted, trimmed; the text between its first two double quotes when it starts
// with one; then, when it starts with "xX", the hex digits after it decoded to UTF-8
// bytes and converted. The empty text when there is no name.
std::string DecodeMaterialName(std::string_view name_field, Utf8ToGbkFunction utf8_to_gbk);

// The name of `content`'s header decoded as above; the empty text when there is no header.
std::string DecodeHeaderName(std::string_view content, Utf8ToGbkFunction utf8_to_gbk);

// The encoded form of a new name (UTF-8 bytes) for a header whose old name field is
// `old_field`: between double quotes, unescaped, when the old field held a double quote
// anywhere; otherwise "xX" and two lower-case hex digits per byte.
std::string EncodeMaterialName(std::string_view old_field, std::string_view utf8_name);

// `content` with its header replaced by "#define material " + encoded name + " {"; every
// other byte unchanged. Nothing when the content has no header.
std::optional<std::string> RewriteMaterialHeader(std::string_view content,
                                                 std::string_view utf8_name);

}  // namespace marlivo::engine
