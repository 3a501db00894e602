// The forward lookup: source name to target name through our ini reader.
#include "engine/dictionary.h"
#include "engine/dictionary/dictionary_cache.h"

namespace marlivo::engine {

std::string ForwardLookup(std::string_view file, std::string_view name) {
  const auto dictionary = dictionary::LoadDictionary(file);
  return dictionary ? dictionary->Forward(name) : std::string();
}

}  // namespace marlivo::engine
