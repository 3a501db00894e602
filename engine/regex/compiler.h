// Turns a pattern into a Program for the matcher. Platform-free: no Windows header.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/regex/program.h"

namespace marlivo::regex {

// Longer patterns are refused: no dictionary name comes near it, and it bounds the
// program's size.
inline constexpr std::size_t kMaxPatternLength = std::size_t{1} << 20;

// The program for `pattern`, or nothing when the pattern language rejects it (a
// quantifier with nothing to repeat or after another quantifier, an unbalanced
// parenthesis, an unclosed class, a reversed range or count, "(?" with an unknown
// letter, a backslash at the end).
std::optional<Program> Compile(std::u16string_view pattern, bool ignore_case, bool multiline);

}  // namespace marlivo::regex
