// File name, extension, base name and parent of GBK paths, character by character.
#include "engine/path_parts.h"

#include "engine/text/gbk_text.h"

namespace marlivo::engine {

std::string_view FileNamePart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); i = text::NextCharIndex(path, i)) {
    const char c = path[i];
    if (c == '\\' || c == '/' || c == ':') start = i + 1;
  }
  return path.substr(start);
}

std::string_view ExtensionPart(std::string_view path) {
  const std::string_view name = FileNamePart(path);
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < name.size(); i = text::NextCharIndex(name, i)) {
    if (name[i] == '.') {
      dot = i;
    } else if (name[i] == ' ') {
      dot = std::string_view::npos;
    }
  }
  if (dot == std::string_view::npos) return {};
  return name.substr(dot);
}

std::string BaseName(std::string_view path) {
  const std::string_view name = FileNamePart(path);
  const std::string_view extension = ExtensionPart(name);
  return std::string(name.substr(0, name.size() - extension.size()));
}

std::string ParentPath(std::string_view path) {
  const std::size_t last = text::FindLastChar(path, '\\');
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

}  // namespace marlivo::engine
