// The pattern parser and code generator in one pass.
//
// Groups nest through an explicit stack of frames, never through recursion, so a deeply
// nested pattern cannot exhaust the C++ stack. Every term is emitted with a few free
// slots in front of it: a quantifier that follows fills them with its loop's head and
// adds the loop's tail after the term, so no code is ever moved. Alternatives get a
// free slot for their split in the same way. The free slots are squeezed out at the end.
#include "engine/regex/compiler.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/regex/case_fold.h"

namespace marlivo::regex {
namespace {

// Free slots in front of every term: room for kRepeatInit, kRepeatTest, kRepeatEnter
// and kResetGroups, or for kCharLoop in the last one.
constexpr std::int32_t kTermSlots = 4;

constexpr char16_t kBackspace = 0x08;

// Counts above this are refused, as the regular-expression object refuses them; it
// also keeps every loop counter small.
constexpr std::int32_t kMaxCount = 65535;

struct Term {
  std::int32_t begin = 0;        // index of its first free slot; the term runs to the end
  std::int32_t first_group = 0;  // groups opened inside the term, [first, first + count)
  std::int32_t group_count = 0;
  bool quantifiable = true;      // false for assertions and for terms already quantified
};

enum class GroupKind { kTop, kCapture, kNonCapture, kLookAhead, kNegativeLookAhead };

// An open group, or the whole pattern at the bottom of the stack.
struct Frame {
  GroupKind kind = GroupKind::kTop;
  std::int32_t term_begin = 0;
  std::int32_t group = 0;        // its number when it captures
  std::int32_t first_group = 0;
  std::int32_t look_start = -1;  // its kLookStart, patched when the group closes
  std::int32_t split_slot = 0;   // the free slot in front of the current alternative
  std::vector<std::int32_t> jump_slots;  // each earlier alternative's jump to the end
  std::optional<Term> last;      // the term a quantifier would apply to
};

// One element of a class: a character, or a set such as \d.
struct ClassAtom {
  bool is_set = false;
  char16_t c = 0;
  CharClass set;
};

bool IsOctalDigit(char16_t c) { return c >= u'0' && c <= u'7'; }
bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool IsOneCharOp(Op op) { return op == Op::kChar || op == Op::kAny || op == Op::kClass; }

// The number of capturing groups, counted before parsing: "\5" is a back-reference
// only when the pattern has at least five groups, wherever they stand.
std::int32_t CountGroups(std::u16string_view pattern) {
  std::int32_t count = 0;
  bool in_class = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'\\') {
      ++i;
    } else if (in_class) {
      in_class = c != u']';
    } else if (c == u'[') {
      in_class = true;
      if (i + 1 < pattern.size() && pattern[i + 1] == u'^') ++i;
    } else if (c == u'(' && (i + 1 >= pattern.size() || pattern[i + 1] != u'?')) {
      ++count;
    }
  }
  return count;
}

CharClass EscapeSet(char16_t letter) {
  CharClass set;
  switch (letter) {
    case u'd': case u'D': set = CharClass::Digits(); break;
    case u'w': case u'W': set = CharClass::WordChars(); break;
    default: set = CharClass::Spaces(); break;
  }
  if (letter == u'D' || letter == u'W' || letter == u'S') set.Negate();
  return set;
}

bool IsSetEscape(char16_t c) {
  return c == u'd' || c == u'D' || c == u'w' || c == u'W' || c == u's' || c == u'S';
}

class Compiler {
 public:
  Compiler(std::u16string_view pattern, bool ignore_case, bool multiline) : pattern_(pattern) {
    program_.ignore_case = ignore_case;
    program_.multiline = multiline;
  }

  std::optional<Program> Run() {
    if (pattern_.size() > kMaxPatternLength) return std::nullopt;
    total_groups_ = CountGroups(pattern_);
    frames_.emplace_back();
    frames_.back().split_slot = Emit({Op::kNop});
    while (pos_ < pattern_.size()) {
      if (!Step()) return std::nullopt;
    }
    if (frames_.size() != 1) return std::nullopt;  // a group left open
    CloseAlternatives(frames_.back());
    Emit({Op::kMatch});
    Squeeze();
    program_.group_count = next_group_ - 1;
    return std::move(program_);
  }

 private:
  bool AtEnd() const { return pos_ >= pattern_.size(); }
  char16_t Peek() const { return pattern_[pos_]; }
  Frame& Top() { return frames_.back(); }
  std::vector<Inst>& Code() { return program_.code; }

  std::int32_t Emit(Inst inst) {
    Code().push_back(inst);
    return static_cast<std::int32_t>(Code().size() - 1);
  }
  std::int32_t Here() const { return static_cast<std::int32_t>(program_.code.size()); }

  bool Step() {
    const char16_t c = pattern_[pos_++];
    switch (c) {
      case u'|': NewAlternative(); return true;
      case u'(': return OpenGroup();
      case u')': return CloseGroup();
      case u'^': AddTerm({Op::kLineStart}, false); return true;
      case u'$': AddTerm({Op::kLineEnd}, false); return true;
      case u'.': AddTerm({Op::kAny}, true); return true;
      case u'[': return ParseClass();
      case u'\\': return ParseEscape();
      case u'*': return Quantify(0, kUnbounded);
      case u'+': return Quantify(1, kUnbounded);
      case u'?': return Quantify(0, 1);
      case u'{': {
        std::int32_t min = 0;
        std::int32_t max = 0;
        if (ParseCount(min, max)) return Quantify(min, max);
        AddChar(c);  // a "{" that starts no count is an ordinary character
        return true;
      }
      default: AddChar(c); return true;
    }
  }

  void AddTerm(Inst inst, bool quantifiable) {
    Term term;
    term.begin = Here();
    term.first_group = next_group_;
    term.quantifiable = quantifiable;
    for (std::int32_t i = 0; i < kTermSlots; ++i) Emit({Op::kNop});
    Emit(inst);
    Top().last = term;
  }

  void AddChar(char16_t c) {
    AddTerm({Op::kChar, program_.ignore_case ? UpperCase(c) : c}, true);
  }

  void AddSet(CharClass set) {
    set.Seal();
    program_.classes.push_back(std::move(set));
    AddTerm({Op::kClass, static_cast<std::int32_t>(program_.classes.size() - 1)}, true);
  }

  void NewAlternative() {
    Frame& frame = Top();
    frame.last.reset();
    frame.jump_slots.push_back(Emit({Op::kNop}));
    const std::int32_t slot = Emit({Op::kNop});
    Code()[static_cast<std::size_t>(frame.split_slot)] = {Op::kSplit, frame.split_slot + 1, slot};
    frame.split_slot = slot;
  }

  void CloseAlternatives(const Frame& frame) {
    for (std::int32_t slot : frame.jump_slots) {
      Code()[static_cast<std::size_t>(slot)] = {Op::kJump, Here()};
    }
  }

  bool OpenGroup() {
    Frame frame;
    if (!AtEnd() && Peek() == u'?') {
      if (pos_ + 1 >= pattern_.size()) return false;
      switch (pattern_[pos_ + 1]) {
        case u':': frame.kind = GroupKind::kNonCapture; break;
        case u'=': frame.kind = GroupKind::kLookAhead; break;
        case u'!': frame.kind = GroupKind::kNegativeLookAhead; break;
        default: return false;
      }
      pos_ += 2;
    } else {
      frame.kind = GroupKind::kCapture;
    }
    frame.term_begin = Here();
    for (std::int32_t i = 0; i < kTermSlots; ++i) Emit({Op::kNop});
    frame.first_group = next_group_;
    if (frame.kind == GroupKind::kCapture) {
      frame.group = next_group_++;
      Emit({Op::kGroupOpen, frame.group});
    } else if (frame.kind != GroupKind::kNonCapture) {
      frame.look_start =
          Emit({Op::kLookStart, 0, frame.kind == GroupKind::kNegativeLookAhead ? 1 : 0});
    }
    frame.split_slot = Emit({Op::kNop});
    frames_.push_back(std::move(frame));
    return true;
  }

  bool CloseGroup() {
    if (frames_.size() == 1) return false;  // ")" without "("
    Frame frame = std::move(frames_.back());
    frames_.pop_back();
    CloseAlternatives(frame);
    if (frame.kind == GroupKind::kCapture) {
      Emit({Op::kGroupClose, frame.group});
    } else if (frame.look_start >= 0) {
      Emit({Op::kLookEnd});
      Code()[static_cast<std::size_t>(frame.look_start)].a = Here();
    }
    Term term;
    term.begin = frame.term_begin;
    term.first_group = frame.first_group;
    term.group_count = next_group_ - frame.first_group;
    Top().last = term;
    return true;
  }

  // "{n}", "{n,}" or "{n,m}" after the "{"; leaves pos_ alone when there is none.
  bool ParseCount(std::int32_t& min, std::int32_t& max) {
    std::size_t at = pos_;
    if (!ReadNumber(at, min)) return false;
    max = min;
    if (at < pattern_.size() && pattern_[at] == u',') {
      ++at;
      max = kUnbounded;
      if (at < pattern_.size() && IsDecimalDigit(pattern_[at]) && !ReadNumber(at, max)) {
        return false;
      }
    }
    if (at >= pattern_.size() || pattern_[at] != u'}') return false;
    pos_ = at + 1;
    return true;
  }

  // Decimal digits at `at`. A number above kMaxCount reads as kMaxCount + 1: too big for
  // a count, and for a group number.
  bool ReadNumber(std::size_t& at, std::int32_t& value) const {
    if (at >= pattern_.size() || !IsDecimalDigit(pattern_[at])) return false;
    std::int32_t number = 0;
    while (at < pattern_.size() && IsDecimalDigit(pattern_[at])) {
      number = std::min(number * 10 + (pattern_[at] - u'0'), kMaxCount + 1);
      ++at;
    }
    value = number;
    return true;
  }

  bool Quantify(std::int32_t min, std::int32_t max) {
    Frame& frame = Top();
    if (!frame.last || !frame.last->quantifiable) return false;
    bool greedy = true;
    if (!AtEnd() && Peek() == u'?') {
      greedy = false;
      ++pos_;
    }
    if (min > max || min > kMaxCount || (max != kUnbounded && max > kMaxCount)) return false;
    Term& term = *frame.last;
    term.quantifiable = false;
    if (min == 1 && max == 1) return true;

    const auto loop = static_cast<std::int32_t>(program_.loops.size());
    program_.loops.push_back({min, max, greedy});
    const std::int32_t begin = term.begin;
    const std::int32_t body = begin + kTermSlots;
    auto& code = Code();
    if (Here() - body == 1 && IsOneCharOp(code[static_cast<std::size_t>(body)].op)) {
      code[static_cast<std::size_t>(body - 1)] = {Op::kCharLoop, loop};
      return true;
    }
    code[static_cast<std::size_t>(begin)] = {Op::kRepeatInit, loop};
    code[static_cast<std::size_t>(begin + 1)] = {Op::kRepeatTest, loop};
    code[static_cast<std::size_t>(begin + 2)] = {Op::kRepeatEnter, loop};
    if (term.group_count > 0) {
      code[static_cast<std::size_t>(begin + 3)] = {Op::kResetGroups, term.first_group,
                                                   term.group_count};
    }
    Emit({Op::kRepeatNext, loop, begin + 1});
    Code()[static_cast<std::size_t>(begin + 1)].b = Here();
    return true;
  }

  bool ParseEscape() {
    if (AtEnd()) return false;  // a backslash ends the pattern
    const char16_t c = Peek();
    if (c == u'b' || c == u'B') {
      ++pos_;
      AddTerm({c == u'b' ? Op::kWordBoundary : Op::kNotWordBoundary}, false);
      return true;
    }
    if (IsSetEscape(c)) {
      ++pos_;
      AddSet(EscapeSet(c));
      return true;
    }
    if (c >= u'1' && c <= u'9') {
      std::size_t at = pos_;
      std::int32_t number = 0;
      ReadNumber(at, number);
      if (number <= total_groups_) {
        pos_ = at;
        AddTerm({Op::kBackReference, number}, true);
        return true;
      }
      if (c >= u'8') {
        // "\8" and "\9" that name no group: a backslash, and the digit follows as itself.
        AddChar(u'\\');
        return true;
      }
      // More groups than the pattern has: an octal escape.
    }
    AddChar(CharacterEscape());
    return true;
  }

  // The character that the escape at pos_ (just after the backslash) stands for.
  // Inside a class, "\c" also takes a digit or "_" as its control letter.
  char16_t CharacterEscape(bool in_class = false) {
    const char16_t c = pattern_[pos_++];
    switch (c) {
      case u'f': return 0x0C;
      case u'n': return 0x0A;
      case u'r': return 0x0D;
      case u't': return 0x09;
      case u'v': return 0x0B;
      case u'c':
        if (!AtEnd() && (IsAsciiLetter(Peek()) ||
                         (in_class && (IsDecimalDigit(Peek()) || Peek() == u'_')))) {
          return static_cast<char16_t>(pattern_[pos_++] % 32);
        }
        --pos_;  // "\c" without a letter is a backslash, and the "c" follows as itself
        return u'\\';
      case u'x': return HexEscape(2, c);
      case u'u': return HexEscape(4, c);
      default: break;
    }
    if (IsOctalDigit(c)) {
      int value = c - u'0';
      if (!AtEnd() && IsOctalDigit(Peek())) {
        value = value * 8 + (pattern_[pos_++] - u'0');
        if (c <= u'3' && !AtEnd() && IsOctalDigit(Peek())) {
          value = value * 8 + (pattern_[pos_++] - u'0');
        }
      }
      return static_cast<char16_t>(value);
    }
    return c;  // any other escaped character stands for itself
  }

  // \xhh or \uhhhh; without enough hex digits the letter stands for itself.
  char16_t HexEscape(int digits, char16_t letter) {
    if (pattern_.size() - pos_ < static_cast<std::size_t>(digits)) return letter;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
      const int digit = HexValue(pattern_[pos_ + static_cast<std::size_t>(i)]);
      if (digit < 0) return letter;
      value = value * 16 + digit;
    }
    pos_ += static_cast<std::size_t>(digits);
    return static_cast<char16_t>(value);
  }

  bool ParseClass() {
    CharClass set;
    bool negate = false;
    if (!AtEnd() && Peek() == u'^') {
      negate = true;
      ++pos_;
    }
    for (;;) {
      if (AtEnd()) return false;  // no closing "]"
      if (Peek() == u']') {
        ++pos_;
        break;
      }
      ClassAtom first;
      if (!ParseClassAtom(first)) return false;
      const bool range = pos_ + 1 < pattern_.size() && Peek() == u'-' && pattern_[pos_ + 1] != u']';
      if (!range) {
        AddClassAtom(set, first);
        continue;
      }
      ++pos_;  // the "-"
      ClassAtom last;
      if (!ParseClassAtom(last)) return false;
      if (first.is_set || last.is_set) {
        // A set cannot bound a range: the "-" is an ordinary member.
        AddClassAtom(set, first);
        set.Add(u'-');
        AddClassAtom(set, last);
      } else {
        if (first.c > last.c) return false;
        set.Add(first.c, last.c);
      }
    }
    if (negate) set.Negate();
    AddSet(std::move(set));
    return true;
  }

  static void AddClassAtom(CharClass& set, const ClassAtom& atom) {
    if (atom.is_set) {
      set.Add(atom.set);
    } else {
      set.Add(atom.c);
    }
  }

  bool ParseClassAtom(ClassAtom& atom) {
    const char16_t c = pattern_[pos_++];
    if (c != u'\\') {
      atom.c = c;
      return true;
    }
    if (AtEnd()) return false;
    const char16_t e = Peek();
    if (IsSetEscape(e)) {
      ++pos_;
      atom.is_set = true;
      atom.set = EscapeSet(e);
      return true;
    }
    if (e == u'b') {  // inside a class, "\b" is a backspace
      ++pos_;
      atom.c = kBackspace;
      return true;
    }
    atom.c = CharacterEscape(true);
    return true;
  }

  // Drops the free slots and moves every jump target to the instruction that followed
  // its slot.
  void Squeeze() {
    auto& code = Code();
    std::vector<std::int32_t> new_index(code.size() + 1);
    std::int32_t next = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
      new_index[i] = next;
      if (code[i].op != Op::kNop) ++next;
    }
    new_index[code.size()] = next;
    auto moved = [&new_index](std::int32_t target) {
      return new_index[static_cast<std::size_t>(target)];
    };
    std::vector<Inst> squeezed;
    squeezed.reserve(static_cast<std::size_t>(next));
    for (Inst inst : code) {
      switch (inst.op) {
        case Op::kNop: continue;
        case Op::kSplit: inst.a = moved(inst.a); inst.b = moved(inst.b); break;
        case Op::kJump:
        case Op::kLookStart: inst.a = moved(inst.a); break;
        case Op::kRepeatTest:
        case Op::kRepeatNext: inst.b = moved(inst.b); break;
        default: break;
      }
      squeezed.push_back(inst);
    }
    code = std::move(squeezed);
  }

  std::u16string_view pattern_;
  std::size_t pos_ = 0;
  Program program_;
  std::vector<Frame> frames_;
  std::int32_t total_groups_ = 0;
  std::int32_t next_group_ = 1;
};

}  // namespace

std::optional<Program> Compile(std::u16string_view pattern, bool ignore_case, bool multiline) {
  return Compiler(pattern, ignore_case, multiline).Run();
}

}  // namespace marlivo::regex
