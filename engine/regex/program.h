// The compiled form of a pattern: instructions for the backtracking matcher
// (matcher.h). Jump targets are indexes into Program::code.
// Platform-free: no Windows header.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "engine/regex/char_class.h"

namespace marlivo::regex {

enum class Op : std::uint8_t {
  kNop,              // a free slot while compiling; none is left in a finished program
  kChar,             // a: the character; its upper-case form when the pattern ignores case
  kAny,              // any character but LF
  kClass,            // a: index into Program::classes
  kSplit,            // go on at a; on backtracking at b
  kJump,             // go on at a
  kGroupOpen,        // a: group; notes where the group's text starts
  kGroupClose,       // a: group; the group's text becomes everything since kGroupOpen
  kResetGroups,      // a: first group, b: count; a loop's new round forgets their texts
  kLineStart,        // "^"
  kLineEnd,          // "$"
  kWordBoundary,     // "\b"
  kNotWordBoundary,  // "\B"
  kBackReference,    // a: group
  kLookStart,        // a: the instruction after its kLookEnd; b: 1 for "(?!", 0 for "(?="
  kLookEnd,
  kRepeatInit,       // a: loop; its round count starts at 0
  kRepeatTest,       // a: loop, b: the loop's exit; another round or the exit
  kRepeatEnter,      // a: loop; notes where the round starts
  kRepeatNext,       // a: loop, b: its kRepeatTest; ends a round
  kCharLoop,         // a: loop; repeats the one-character instruction that follows it
  kMatch,
};

struct Inst {
  Op op;
  std::int32_t a = 0;
  std::int32_t b = 0;
};

inline constexpr std::int32_t kUnbounded = std::numeric_limits<std::int32_t>::max();

struct Loop {
  std::int32_t min = 0;
  std::int32_t max = kUnbounded;
  bool greedy = true;
};

struct Program {
  std::vector<Inst> code;  // ends with kMatch
  std::vector<CharClass> classes;
  std::vector<Loop> loops;
  std::int32_t group_count = 0;  // capturing groups, numbered from 1
  bool ignore_case = false;
  bool multiline = false;
};

}  // namespace marlivo::regex
