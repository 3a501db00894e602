// The dictionary file's bytes as the GBK text that both lookups work on.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::dictionary {

// A file that begins with a UTF-8 byte order mark, or with a UTF-16 one (either byte
// order), is read as the system's profile reader reads it, in that encoding, and turned
// into GBK (characters GBK lacks become "?"); any other file already is GBK text.
std::string DecodeDictionaryText(std::string_view bytes);

}  // namespace marlivo::dictionary
