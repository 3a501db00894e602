// The backtracking matcher.
//
// A failed step pops the stack: undo entries put back what the failed path changed
// (group texts, loop counters), and the first entry that offers another way to go on
// resumes there. Lookaheads are atomic: when one succeeds, the ways to go on inside it
// are dropped and only its undo entries stay, so that backtracking past it still puts
// back the groups it set.
#include "engine/regex/matcher.h"

#include <algorithm>

#include "engine/regex/case_fold.h"

namespace marlivo::regex {
namespace {

constexpr char16_t kLf = u'\n';
constexpr char16_t kCr = u'\r';

constexpr std::int32_t kSlotsPerGroup = 3;

bool IsLineBreak(char16_t c) { return c == kLf || c == kCr; }

std::size_t SlotIndex(std::int32_t group, std::int32_t which) {
  return static_cast<std::size_t>((group - 1) * kSlotsPerGroup + which);
}

constexpr std::int32_t kStart = 0;
constexpr std::int32_t kEnd = 1;
constexpr std::int32_t kOpen = 2;

}  // namespace

Matcher::Matcher(const Program& program, std::u16string_view subject, std::uint64_t step_budget)
    : program_(program),
      subject_(subject),
      length_(static_cast<std::int32_t>(subject.size())),
      budget_(step_budget),
      slots_(static_cast<std::size_t>(program.group_count) * kSlotsPerGroup, -1),
      loop_count_(program.loops.size(), 0),
      loop_start_(program.loops.size(), -1) {}

bool Matcher::Spend(std::uint64_t steps) {
  steps_ += steps;
  if (steps_ > budget_ || stack_.size() > kMaxBacktrackEntries) gave_up_ = true;
  return !gave_up_;
}

char16_t Matcher::Fold(char16_t c) const { return program_.ignore_case ? UpperCase(c) : c; }

bool Matcher::IsLineBreakAt(std::int32_t pos) const {
  return IsLineBreak(subject_[static_cast<std::size_t>(pos)]);
}

bool Matcher::IsWordAt(std::int32_t pos) const {
  return pos >= 0 && pos < length_ && IsWordChar(subject_[static_cast<std::size_t>(pos)]);
}

bool Matcher::MatchesOne(const Inst& inst, char16_t c) const {
  switch (inst.op) {
    case Op::kChar: return Fold(c) == static_cast<char16_t>(inst.a);
    case Op::kAny: return c != kLf;
    case Op::kClass:
      return program_.classes[static_cast<std::size_t>(inst.a)].Contains(c, program_.ignore_case);
    default: return false;
  }
}

void Matcher::SetSlot(std::int32_t slot, std::int32_t value) {
  std::int32_t& current = slots_[static_cast<std::size_t>(slot)];
  if (current == value) return;
  Push(EntryKind::kRestoreSlot, slot, current);
  current = value;
}

void Matcher::Undo(const Entry& entry) {
  if (entry.kind == EntryKind::kRestoreSlot) {
    slots_[static_cast<std::size_t>(entry.pc)] = entry.pos;
  } else if (entry.kind == EntryKind::kRestoreLoop) {
    loop_count_[static_cast<std::size_t>(entry.pc)] = entry.pos;
    loop_start_[static_cast<std::size_t>(entry.pc)] = entry.extra;
  }
}

// Where a match may start, at or after `from`, judged by the program's first
// instruction alone; length_ + 1 when nowhere.
std::int32_t Matcher::NextCandidate(std::int32_t from) const {
  const Inst& first = program_.code.front();
  if (first.op == Op::kLineStart) {
    if (!program_.multiline) return from == 0 ? 0 : length_ + 1;
    std::int32_t pos = from;
    while (pos > 0 && pos <= length_ && !IsLineBreakAt(pos - 1)) ++pos;
    return pos;
  }
  if (first.op == Op::kChar && !program_.ignore_case) {
    const std::size_t found =
        subject_.find(static_cast<char16_t>(first.a), static_cast<std::size_t>(from));
    return found == std::u16string_view::npos ? length_ + 1 : static_cast<std::int32_t>(found);
  }
  return from;
}

Matcher::Outcome Matcher::Find(std::size_t from, Match& match) {
  if (gave_up_) return Outcome::kGaveUp;
  for (std::int32_t start = static_cast<std::int32_t>(from); start <= length_; ++start) {
    start = NextCandidate(start);
    if (start > length_) break;
    std::int32_t end = 0;
    if (TryAt(start, end)) {
      match.whole = {static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)};
      match.groups.assign(static_cast<std::size_t>(program_.group_count), Span{});
      for (std::int32_t g = 1; g <= program_.group_count; ++g) {
        const std::int32_t group_start = slots_[SlotIndex(g, kStart)];
        const std::int32_t group_end = slots_[SlotIndex(g, kEnd)];
        if (group_start >= 0 && group_end >= group_start) {
          match.groups[static_cast<std::size_t>(g - 1)] = {
              static_cast<std::size_t>(group_start),
              static_cast<std::size_t>(group_end - group_start)};
        }
      }
      return Outcome::kFound;
    }
    if (gave_up_ || !Spend(1)) return Outcome::kGaveUp;
  }
  return Outcome::kNotFound;
}

bool Matcher::TryAt(std::int32_t start, std::int32_t& end) {
  stack_.clear();
  std::fill(slots_.begin(), slots_.end(), -1);
  const std::vector<Inst>& code = program_.code;
  std::int32_t pc = 0;
  std::int32_t pos = start;
  for (;;) {
    if (!Spend(1)) return false;
    const Inst& inst = code[static_cast<std::size_t>(pc)];
    bool ok = true;
    switch (inst.op) {
      case Op::kChar:
      case Op::kAny:
      case Op::kClass:
        ok = pos < length_ && MatchesOne(inst, subject_[static_cast<std::size_t>(pos)]);
        if (ok) {
          ++pos;
          ++pc;
        }
        break;
      case Op::kSplit:
        Push(EntryKind::kBranch, inst.b, pos);
        pc = inst.a;
        break;
      case Op::kJump:
        pc = inst.a;
        break;
      case Op::kGroupOpen:
        SetSlot(static_cast<std::int32_t>(SlotIndex(inst.a, kOpen)), pos);
        ++pc;
        break;
      case Op::kGroupClose:
        SetSlot(static_cast<std::int32_t>(SlotIndex(inst.a, kStart)),
                slots_[SlotIndex(inst.a, kOpen)]);
        SetSlot(static_cast<std::int32_t>(SlotIndex(inst.a, kEnd)), pos);
        ++pc;
        break;
      case Op::kResetGroups:
        if (!Spend(static_cast<std::uint64_t>(inst.b))) return false;
        for (std::int32_t g = inst.a; g < inst.a + inst.b; ++g) {
          SetSlot(static_cast<std::int32_t>(SlotIndex(g, kStart)), -1);
          SetSlot(static_cast<std::int32_t>(SlotIndex(g, kEnd)), -1);
        }
        ++pc;
        break;
      case Op::kLineStart:
        ok = pos == 0 || (program_.multiline && IsLineBreakAt(pos - 1));
        ++pc;
        break;
      case Op::kLineEnd:
        ok = pos == length_ || (program_.multiline && IsLineBreakAt(pos));
        ++pc;
        break;
      case Op::kWordBoundary:
      case Op::kNotWordBoundary:
        ok = (IsWordAt(pos - 1) != IsWordAt(pos)) == (inst.op == Op::kWordBoundary);
        ++pc;
        break;
      case Op::kBackReference: {
        const std::int32_t group_start = slots_[SlotIndex(inst.a, kStart)];
        const std::int32_t group_end = slots_[SlotIndex(inst.a, kEnd)];
        ++pc;
        if (group_start < 0 || group_end < group_start) break;  // no text: matches empty
        const std::int32_t count = group_end - group_start;
        if (count > length_ - pos || !Spend(static_cast<std::uint64_t>(count))) {
          ok = false;
          break;
        }
        for (std::int32_t i = 0; i < count && ok; ++i) {
          ok = Fold(subject_[static_cast<std::size_t>(group_start + i)]) ==
               Fold(subject_[static_cast<std::size_t>(pos + i)]);
        }
        pos += count;
        break;
      }
      case Op::kLookStart:
        Push(EntryKind::kLook, inst.a, pos, inst.b);
        ++pc;
        break;
      case Op::kLookEnd:
        ok = FinishLook(pc, pos);
        break;
      case Op::kRepeatInit: {
        const auto loop = static_cast<std::size_t>(inst.a);
        Push(EntryKind::kRestoreLoop, inst.a, loop_count_[loop], loop_start_[loop]);
        loop_count_[loop] = 0;
        ++pc;
        break;
      }
      case Op::kRepeatTest: {
        const Loop& loop = program_.loops[static_cast<std::size_t>(inst.a)];
        const std::int32_t done = loop_count_[static_cast<std::size_t>(inst.a)];
        if (done < loop.min) {
          ++pc;
        } else if (done >= loop.max) {
          pc = inst.b;
        } else if (loop.greedy) {
          Push(EntryKind::kBranch, inst.b, pos);
          ++pc;
        } else {
          Push(EntryKind::kBranch, pc + 1, pos);
          pc = inst.b;
        }
        break;
      }
      case Op::kRepeatEnter: {
        const auto loop = static_cast<std::size_t>(inst.a);
        Push(EntryKind::kRestoreLoop, inst.a, loop_count_[loop], loop_start_[loop]);
        loop_start_[loop] = pos;
        ++pc;
        break;
      }
      case Op::kRepeatNext: {
        const auto loop = static_cast<std::size_t>(inst.a);
        // A round that matched nothing once the minimum is reached would repeat for
        // ever; it fails instead.
        if (loop_count_[loop] >= program_.loops[loop].min && pos == loop_start_[loop]) {
          ok = false;
          break;
        }
        Push(EntryKind::kRestoreLoop, inst.a, loop_count_[loop], loop_start_[loop]);
        ++loop_count_[loop];
        pc = inst.b;
        break;
      }
      case Op::kCharLoop: {
        const Loop& loop = program_.loops[static_cast<std::size_t>(inst.a)];
        const Inst& atom = code[static_cast<std::size_t>(pc + 1)];
        const std::int32_t limit = loop.greedy ? std::min(loop.max, length_ - pos)
                                               : std::min(loop.min, length_ - pos);
        std::int32_t taken = 0;
        while (taken < limit && MatchesOne(atom, subject_[static_cast<std::size_t>(pos + taken)])) {
          ++taken;
        }
        if (!Spend(static_cast<std::uint64_t>(taken)) || taken < loop.min) {
          ok = false;
          break;
        }
        if (loop.greedy && taken > loop.min) {
          Push(EntryKind::kGiveBack, pc + 2, pos + taken, pos + loop.min);
        } else if (!loop.greedy && loop.min < loop.max) {
          Push(EntryKind::kTakeMore, pc, pos + taken, taken);
        }
        pos += taken;
        pc += 2;
        break;
      }
      case Op::kMatch:
        end = pos;
        return true;
      case Op::kNop:
        ++pc;
        break;
    }
    if (!ok && !Backtrack(pc, pos)) return false;
  }
}

bool Matcher::Backtrack(std::int32_t& pc, std::int32_t& pos) {
  while (!stack_.empty()) {
    if (!Spend(1)) return false;
    Entry& entry = stack_.back();
    switch (entry.kind) {
      case EntryKind::kBranch:
        pc = entry.pc;
        pos = entry.pos;
        stack_.pop_back();
        return true;
      case EntryKind::kRestoreSlot:
      case EntryKind::kRestoreLoop:
        Undo(entry);
        stack_.pop_back();
        break;
      case EntryKind::kGiveBack:
        pc = entry.pc;
        pos = --entry.pos;
        if (entry.pos <= entry.extra) stack_.pop_back();
        return true;
      case EntryKind::kTakeMore: {
        const Inst& loop_inst = program_.code[static_cast<std::size_t>(entry.pc)];
        const Loop& loop = program_.loops[static_cast<std::size_t>(loop_inst.a)];
        const Inst& atom = program_.code[static_cast<std::size_t>(entry.pc + 1)];
        if (entry.extra < loop.max && entry.pos < length_ &&
            MatchesOne(atom, subject_[static_cast<std::size_t>(entry.pos)])) {
          ++entry.pos;
          ++entry.extra;
          pc = entry.pc + 2;
          pos = entry.pos;
          if (entry.extra >= loop.max) stack_.pop_back();
          return true;
        }
        stack_.pop_back();
        break;
      }
      case EntryKind::kLook: {
        const Entry look = entry;
        stack_.pop_back();
        if (look.extra != 0) {  // the body of "(?!" failed: the lookahead holds
          pc = look.pc;
          pos = look.pos;
          return true;
        }
        break;
      }
    }
  }
  return false;
}

// The body of a lookahead has matched. "(?=" holds: the search goes on where the
// lookahead began, keeping the groups it set. "(?!" fails, and what its body changed
// is put back before backtracking goes on. Returns false for a failure.
bool Matcher::FinishLook(std::int32_t& pc, std::int32_t& pos) {
  std::size_t marker = stack_.size();
  while (marker > 0 && stack_[marker - 1].kind != EntryKind::kLook) --marker;
  if (marker == 0 || !Spend(stack_.size() - marker + 1)) return false;
  const Entry look = stack_[marker - 1];
  if (look.extra != 0) {
    for (std::size_t i = stack_.size(); i > marker; --i) Undo(stack_[i - 1]);
    stack_.resize(marker - 1);
    return false;
  }
  std::size_t kept = marker - 1;
  for (std::size_t i = marker; i < stack_.size(); ++i) {
    if (stack_[i].kind == EntryKind::kRestoreSlot || stack_[i].kind == EntryKind::kRestoreLoop) {
      stack_[kept++] = stack_[i];
    }
  }
  stack_.resize(kept);
  pc = look.pc;
  pos = look.pos;
  return true;
}

}  // namespace marlivo::regex
