// Upper and lower case for the scripts listed in case_fold.h.
#include "engine/regex/case_fold.h"

namespace marlivo::regex {
namespace {

constexpr char16_t kCapitalSigma = 0x03A3;
constexpr char16_t kSmallSigma = 0x03C3;
constexpr char16_t kFinalSigma = 0x03C2;
constexpr char16_t kLatinSmallYDiaeresis = 0x00FF;
constexpr char16_t kLatinCapitalYDiaeresis = 0x0178;

// Latin Extended-A pairs a capital and its small letter in neighbouring code points;
// in these runs the capital is the even one, elsewhere in the block the odd one.
bool CapitalIsEven(char16_t c) {
  return (c >= 0x0100 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177);
}

bool InPairedLatinRun(char16_t c) {
  return (c >= 0x0100 && c <= 0x012F) || (c >= 0x0132 && c <= 0x0137) ||
         (c >= 0x0139 && c <= 0x0148) || (c >= 0x014A && c <= 0x0177) ||
         (c >= 0x0179 && c <= 0x017E);
}

}  // namespace

char16_t UpperCase(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
  if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7) return static_cast<char16_t>(c - 32);
  if (c == kLatinSmallYDiaeresis) return kLatinCapitalYDiaeresis;
  if (InPairedLatinRun(c)) {
    const bool is_capital = ((c % 2) == 0) == CapitalIsEven(c);
    return is_capital ? c : static_cast<char16_t>(c - 1);
  }
  if (c == kFinalSigma) return kCapitalSigma;
  if (c >= 0x03B1 && c <= 0x03C9) return static_cast<char16_t>(c - 32);
  if (c >= 0x0430 && c <= 0x044F) return static_cast<char16_t>(c - 32);
  if (c >= 0x0450 && c <= 0x045F) return static_cast<char16_t>(c - 80);
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 32);
  return c;
}

char16_t LowerCase(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<char16_t>(c + 32);
  if (c == kLatinCapitalYDiaeresis) return kLatinSmallYDiaeresis;
  if (InPairedLatinRun(c)) {
    const bool is_capital = ((c % 2) == 0) == CapitalIsEven(c);
    return is_capital ? static_cast<char16_t>(c + 1) : c;
  }
  if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) return static_cast<char16_t>(c + 32);
  if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 32);
  if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 80);
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<char16_t>(c + 32);
  return c;
}

int CaseVariants(char16_t c, char16_t out[3]) {
  const char16_t upper = UpperCase(c);
  int count = 0;
  out[count++] = c;
  if (upper != c) out[count++] = upper;
  const char16_t lower = LowerCase(upper);
  if (lower != c && lower != upper) out[count++] = lower;
  // Sigma has two small forms; the one that is not c's own lower form is still the
  // same letter.
  if (upper == kCapitalSigma && count < 3) {
    out[count++] = (c == kFinalSigma || lower == kFinalSigma) ? kSmallSigma : kFinalSigma;
  }
  return count;
}

}  // namespace marlivo::regex
