// Fuzzes the material header codec. The input's first byte picks where the rest is cut
// into a file's content and a new name. Decoding must never fail, and a rewrite must
// keep every byte outside the header, leave the header where it was and, in hex form,
// read back as the new name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/material_header.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string PassThrough(std::string_view utf8) { return std::string(utf8); }

// A conversion that changes lengths, as UTF-8 to GBK does.
std::string Widening(std::string_view utf8) {
  std::string out;
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      out.append("\xA1\xA1?");
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace marlivo::engine;
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t cut = rest.empty() ? 0 : data[0] % (rest.size() + 1);
  const std::string_view content = rest.substr(0, cut);
  const std::string_view name = rest.substr(cut);

  const std::string decoded = DecodeHeaderName(content, PassThrough);
  Check(decoded.size() <= content.size());
  (void)DecodeHeaderName(content, Widening);
  (void)DecodeMaterialName(rest, Widening);

  const auto header = FindMaterialHeader(content);
  const auto rewritten = RewriteMaterialHeader(content, name);
  Check(header.has_value() == rewritten.has_value());
  if (!header) return 0;

  const std::string_view old_field = content.substr(header->field_at, header->field_size);
  const std::size_t old_end = header->field_at + header->field_size + 1;
  const std::string_view before = content.substr(0, header->keyword_at);
  const std::string_view after = content.substr(old_end);
  const std::string encoded = EncodeMaterialName(old_field, name);
  Check(*rewritten == std::string(before) + "#define material " + encoded + " {" +
                          std::string(after));

  const auto again = FindMaterialHeader(*rewritten);
  Check(again && again->keyword_at == header->keyword_at);
  if (old_field.find('"') == std::string_view::npos) {
    Check(DecodeHeaderName(*rewritten, PassThrough) == name.substr(0, name.find('\0')));
  }
  return 0;
}
