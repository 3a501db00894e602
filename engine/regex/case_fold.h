// Letter case for patterns that ignore case. Two characters are the same letter when
// their upper-case forms are equal. The table covers the scripts that dictionary names
// are written in besides Chinese: ASCII, Latin-1 and Latin Extended-A, Greek, Cyrillic
// and the full-width Latin letters of GBK. Characters outside it have no case.
// Platform-free: no Windows header.
#pragma once

namespace marlivo::regex {

// The upper-case form of `c`; `c` itself when it has none.
char16_t UpperCase(char16_t c);

// The lower-case form of `c`; `c` itself when it has none.
char16_t LowerCase(char16_t c);

// Every character that is the same letter as `c`, `c` among them, written to `out`;
// returns how many (1 to 3).
int CaseVariants(char16_t c, char16_t out[3]);

}  // namespace marlivo::regex
