// Runs a compiled Program over a subject by backtracking. The backtracking state lives
// in an explicit stack, never in C++ recursion, and every step is paid for out of a
// budget: a search that spends it, or whose stack passes its limit, gives up.
// Platform-free: no Windows header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/regex/match.h"
#include "engine/regex/program.h"

namespace marlivo::regex {

// Entries beyond this make the search give up, whatever is left of its budget: it
// bounds the memory of one search to a few hundred megabytes.
inline constexpr std::size_t kMaxBacktrackEntries = std::size_t{1} << 23;

class Matcher {
 public:
  enum class Outcome { kFound, kNotFound, kGaveUp };

  // `program` and `subject` must outlive the matcher. The subject may hold at most
  // INT32_MAX - 1 code units.
  Matcher(const Program& program, std::u16string_view subject, std::uint64_t step_budget);

  // The first match that starts at or after `from`. The budget is shared by every call.
  Outcome Find(std::size_t from, Match& match);

 private:
  enum class EntryKind : std::uint8_t {
    kBranch,      // go on at pc, pos
    kRestoreSlot, // slots_[pc] was pos
    kRestoreLoop, // loop pc had count pos and round start extra
    kGiveBack,    // a greedy kCharLoop: its end pos may move back down to extra, then pc
    kTakeMore,    // a lazy kCharLoop at pc has taken extra characters up to pos
    kLook,        // a lookahead started at pos; pc is past it, extra 1 when negative
  };
  struct Entry {
    EntryKind kind;
    std::int32_t pc;
    std::int32_t pos;
    std::int32_t extra;
  };

  bool TryAt(std::int32_t start, std::int32_t& end);
  bool Backtrack(std::int32_t& pc, std::int32_t& pos);
  bool Spend(std::uint64_t steps);
  std::int32_t NextCandidate(std::int32_t from) const;

  bool MatchesOne(const Inst& inst, char16_t c) const;
  char16_t Fold(char16_t c) const;
  bool IsLineBreakAt(std::int32_t pos) const;
  bool IsWordAt(std::int32_t pos) const;
  void SetSlot(std::int32_t slot, std::int32_t value);
  void Push(EntryKind kind, std::int32_t pc, std::int32_t pos, std::int32_t extra = 0) {
    stack_.push_back({kind, pc, pos, extra});
  }
  void Undo(const Entry& entry);
  bool FinishLook(std::int32_t& pc, std::int32_t& pos);

  const Program& program_;
  std::u16string_view subject_;
  std::int32_t length_;
  std::uint64_t budget_;
  std::uint64_t steps_ = 0;
  bool gave_up_ = false;
  std::vector<Entry> stack_;
  // Per group g, from 3 * (g - 1): start, end, and the start of a group still open.
  std::vector<std::int32_t> slots_;
  std::vector<std::int32_t> loop_count_;  // rounds done, per kRepeat loop
  std::vector<std::int32_t> loop_start_;  // where the current round began
};

}  // namespace marlivo::regex
