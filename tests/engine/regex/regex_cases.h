// Searches with their expected results, shared by the engine's own test and by the test
// that compares the engine with Wine's regular-expression object. Where Wine's object
// gives something else, the row says what and why.
#pragma once

#include <string_view>

namespace marlivo::testing {

// Not given to Wine's object at all: a global search in which a pattern other than the
// empty one matches the empty text never returns there, and its memory grows until
// the system kills the process.
inline constexpr const char* kNotSentToWine = "(not sent)";
inline constexpr const char* kWineEndless =
    "Wine's global search does not end after an empty match of a non-empty pattern";

struct SearchCase {
  const char* flags;  // "g" global, "i" ignore case, "m" multiline
  std::u16string_view pattern;
  std::u16string_view subject;
  const char* expected;        // as Describe writes it (describe.h)
  const char* wine = nullptr;  // Wine's result where it differs from `expected`
  const char* why = nullptr;   // the reason for that difference
};

// "." is any character but LF, and "^" and "$" see a line break only in CR and LF.
inline constexpr const char* kWineLineEnds =
    "Wine also ends lines at CR for \".\" and at U+2028 and U+2029 for \".\", \"^\" and \"$\"";

inline constexpr SearchCase kSearchCases[] = {
    // The cases of Wine's own test file for this object.
    {"", u"a+", u" aabaaa", "1:aa"},
    {"g", u"a+", u" aabaaa", "1:aa 4:aaa"},
    {"", u"^[^<]*(<(.|\\s)+>)[^>]*$|^#(\\w+)$",
     u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
     u"xxxxxxxxxxxxxxxxxxxxxxxxxxxx",
     ""},
    {"", u"(a|b)+|(c)", u"aa", "0:aa(a,-)"},
    {"", u"(a|b)+|(c)", u"  a ", "2:a(a,-)"},
    {"g", u"\\[([^\\[]+)\\]", u" [test]  ", "1:[test](test)"},
    {"gi", u"Ab", u"abcaBc", "0:ab 3:aB"},
    {"g", u"a+b", u"aaabcabc", "0:aaab 5:ab"},
    {"g", u"\\\\", u"aaa\\\\cabc", "3:\\ 4:\\"},
    {"g", u"(a)(b)cabc", u"abcabc", "0:abcabc(a,b)"},
    {"", u"", u"test", "0:"},
    {"g", u"", u"test", "0: 1: 2: 3: 4:"},

    // Characters and escapes.
    {"g", u"a.c", u"abc a-c ac", "0:abc 4:a-c"},
    {"", u"\\x41\\u0042\\cC\\t\\n\\v\\f\\r", u"AB\x03\t\n\v\f\r",
     "0:AB\\u0003\\u0009\\u000a\\u000b\\u000c\\u000d"},
    {"", u"\\q\\-\\/\\=", u"q-/=", "0:q-/="},
    {"", u"\\07\\10", u"\x07\x08", "0:\\u0007\\u0008"},
    {"", u"(a)\\12", u"a\n", "0:a\\u000a(a)"},
    {"", u"\\8\\9", u"\\8\\9", "0:\\8\\9"},
    {"", u"\\c_\\c1", u"\\c_\\c1", "0:\\c_\\c1"},
    {"", u"\\x4g\\u12g", u"x4gu12g", "0:x4gu12g"},
    {"", u"\\xg\\u00e9", u"xg\u00e9", "0:xg\\u00e9"},
    {"", u"\\u4E2D", u"\u4e2d", "0:\\u4e2d"},
    {"", u"\\x4", u"x4",
     "0:x4", "", "Wine reads a short \\x or \\u escape at the very end of the pattern as a code"},
    {"", u"\\400", u" 0",
     "0: 0", "0: ", "an octal escape above 0377 takes two digits; Wine drops the third"},
    {"", u"\\0", std::u16string_view(u"\0", 1),
     "0:\\u0000", "0:#1", "Wine's match values end at a NUL character"},

    // Classes.
    {"g", u"[a-c]+", u"xabcd", "1:abc"},
    {"g", u"[^a-c]+", u"xabcd", "0:x 4:d"},
    {"", u"[]a]", u"a]", ""},
    {"", u"[^]a", u"\na", "0:\\u000aa"},
    {"g", u"[\\d-z]+", u"1-z", "0:1-z"},
    {"", u"[a-\\d]", u"-", "0:-", "error", "Wine refuses a range that ends in a set"},
    {"g", u"[a-c-e]", u"-e", "0:- 1:e"},
    {"", u"[\\b][\\]][\\\\][\\c1][\\c_]", u"\b]\\\x11\x1f", "0:\\u0008]\\\\u0011\\u001f"},
    {"", u"[*+?{}()|.]+", u"*+?{}()|.", "0:*+?{}()|."},
    {"", u"[\\u4e00-\\u9fa5]+", u"ab\u4e2d\u6587cd", "2:\\u4e2d\\u6587"},
    {"g", u"\\d+", u"a12b3", "1:12 4:3"},
    {"g", u"\\D+", u"a12b3", "0:a 3:b"},
    {"g", u"\\w+", u"\u4e2d\u6587 ab_1", "3:ab_1"},
    {"", u"\\W+", u"\u4e2d\u6587 ab", "0:\\u4e2d\\u6587 "},
    {"g", u"\\s", u" \t\n\v\f\r", "0:  1:\\u0009 2:\\u000a 3:\\u000b 4:\\u000c 5:\\u000d"},
    {"g", u"\\s", u"\u00a0\u3000x",
     "", "0:\\u00a0 1:\\u3000", "\\s is [ \\f\\n\\r\\t\\v]; Wine adds the Unicode spaces"},
    {"", u"\\S+", u"a\vb", "0:a"},

    // Quantifiers.
    {"g", u"a{2}", u"aaaaa", "0:aa 2:aa"},
    {"g", u"a{2,}", u"aaaaa a", "0:aaaaa"},
    {"g", u"a{2,3}", u"aaaaaaa", "0:aaa 3:aaa"},
    {"", u"a{2,3}?", u"aaaa", "0:aa"},
    {"", u"x*?y", u"xxy", "0:xxy"},
    {"", u"x+?", u"xx", "0:x"},
    {"", u"x??", u"x", "0:"},
    {"", u"\\d{1,3}?\\d", u"1234", "0:12"},
    {"", u"(x|y)*?z", u"xyz", "0:xyz(y)"},
    {"", u"a{0}", u"a", "0:"},
    {"", u"a{0,0}b", u"ab", "1:b"},
    {"", u"x{65535}", u"x", ""},
    {"", u"x{0,65535}", u"xx", "0:xx"},
    {"", u"a{", u"a{", "0:a{"},
    {"", u"x{,2}", u"x{,2}", "0:x{,2}"},
    {"", u"x{2a}", u"x{2a}", "0:x{2a}"},
    {"", u"}]", u"}]", "0:}]"},
    {"", u"(a*)*", u"b", "0:(-)"},
    {"", u"(a*)+", u"b", "0:()"},
    {"", u"(a*)*b", u"aab", "0:aab(aa)"},
    {"", u"(?=a)*a", u"a", "0:a"},

    // Groups and alternation.
    {"", u"(a|ab)(c|bcd)(d*)", u"abcd", "0:abcd(a,bcd,)"},
    {"", u"a|ab", u"ab", "0:a"},
    {"", u"ab|a", u"ab", "0:ab"},
    {"", u"a|b|c", u"xc", "1:c"},
    {"", u"|a", u"a", "0:"},
    {"", u"a|", u"b", "0:"},
    {"", u"()", u"a", "0:()"},
    {"", u"(|a)+", u"a", "0:a(a)"},
    {"", u"(?:ab)*c", u"ababc", "0:ababc"},
    {"", u"(a)|(b)", u"b", "0:b(-,b)"},
    {"", u"((a)|b)+", u"ab", "0:ab(b,-)"},
    {"", u"(z)((a+)?(b+)?(c))*", u"zaacbbbcac", "0:zaacbbbcac(z,ac,a,-,c)"},
    {"", u"(a|(b))+", u"ba", "0:ba(a,-)", "0:ba(a,)",
     "a group of an earlier round takes no part in the last one; Wine leaves it an empty text"},

    // Back-references.
    {"", u"(a)\\1", u"aa", "0:aa(a)"},
    {"g", u"\\1(a)", u"aa", "0:a(a) 1:a(a)"},
    {"", u"(a)|b\\1", u"b", "0:b(-)"},
    {"", u"(x)?\\1y", u"y", "0:y(-)"},
    {"", u"(a)\\2", u"a\x02", "0:a\\u0002(a)"},
    {"i", u"(a)\\1", u"aA", "0:aA(a)"},

    // Lookahead.
    {"", u"a(?=b)", u"ab ac", "0:a"},
    {"", u"a(?!b)", u"ab ac", "3:a"},
    {"", u"(?=(a+))a*b\\1", u"baaabac", "3:aba(a)"},
    {"", u"(.*?)a(?!(a+)b\\2c)\\2(.*)", u"baaabaac", "0:baaabaac(ba,-,abaac)"},
    {"", u"(?!(a))b", u"b", "0:b(-)"},
    {"", u"(?=(a+))", u"baaabac", "1:(aaa)", kNotSentToWine,
     "Wine gives unset memory as the text of a group inside a lookahead that matched empty"},

    // Anchors, lines and word boundaries.
    {"", u"^abc", u"x\rabc", ""},
    {"m", u"^abc", u"x\rabc", "2:abc"},
    {"", u"abc$", u"abc\r\n", ""},
    {"m", u"abc$", u"abc\r\n", "0:abc"},
    {"", u"\\bfoo\\b", u"foobar foo", "7:foo"},
    {"", u"\\bfoo", u"\u4e2dfoo", "1:foo"},
    {"", u"o\\B.", u"foo", "1:oo"},
    {"gm", u"^b", u"a\rb a\nb a\u2028b", "2:b 6:b", "2:b 6:b 10:b", kWineLineEnds},
    {"gm", u"a$", u"a\rb a\nb a\u2028a", "0:a 4:a 10:a", "0:a 4:a 8:a 10:a", kWineLineEnds},
    {"g", u"a.c", u"a\rc a\nc a\u2028c", "0:a\\u000dc 8:a\\u2028c", "", kWineLineEnds},
    {"m", u"^.*$", u"abc\r\ndef", "0:abc\\u000d", "0:abc", kWineLineEnds},

    // The reverse dictionary lookup: "^(.*?)=" + name + "$" over a section.
    {"gm", u"^(.*?)=b$", u"a=b\r\nc=b\r\n", "0:a=b(a) 5:c=b(c)"},
    {"gm", u"^(.*?)=b$", u"a=b\rc=b\r", "0:a=b(a) 4:c=b(c)"},
    {"gm", u"^(.*?)=\u4e2d$", u"a=b\r\nkey=\u4e2d\r\n[", "5:key=\\u4e2d(key)"},
    {"gm", u"^(.*?)=c$", u" a=b=c\r\nx=b=c", "0: a=b=c( a=b) 8:x=b=c(x=b)"},
    {"gm", u"^(.*?)=b=c$", u" a=b=c\r\nx=b=c", "0: a=b=c( a) 8:x=b=c(x)"},
    {"gm", u"^(.*?)=a\\(1\\)$", u"k=a(1)\r\nl=a1", "0:k=a(1)(k)"},
    {"gm", u"^(.*?)=.$", u"k=x\r\nl=y", "0:k=x(k) 5:l=y(l)"},
    {"gm", u"^(.*?)=$", u"k=\r\nl=y", "0:k=(k)"},
    {"gm", u"^(.*?)=value$", u"key = value\r\nkey=value \r\n", ""},

    // Letter case.
    {"gi", u"[a-z]+", u"ABC", "0:ABC"},
    {"gi", u"[^a-z]", u"ABC1", "3:1"},
    {"gi", u"\u03c3", u"\u03a3\u03c2",
     "0:\\u03a3 1:\\u03c2", "", "Wine ignores the case of ASCII letters only"},
    {"gi", u"[\uff41-\uff5a]", u"\uff21",
     "0:\\uff21", "", "Wine ignores the case of ASCII letters only"},

    // Empty matches in a global search: the next search starts one character on.
    {"g", u"a*", u"baa", "0: 1:aa 3:", kNotSentToWine, kWineEndless},
    {"g", u"x*", u"ab", "0: 1: 2:", kNotSentToWine, kWineEndless},
    {"gm", u"$", u"ab\r\ncd", "2: 3: 6:", kNotSentToWine, kWineEndless},
    {"g", u"\\b", u"ab cd", "0: 2: 3: 5:", kNotSentToWine, kWineEndless},

    // Patterns the language rejects.
    {"", u"a**", u"aa", "error"},
    {"", u"*a", u"aa", "error"},
    {"", u"a|*", u"a", "error"},
    {"", u"{2}", u"a", "error"},
    {"", u"a{2}{3}", u"aaa", "error"},
    {"", u"a{3,2}", u"aaa", "error"},
    {"", u"a*??", u"aaa", "error"},
    {"", u"x{65536}", u"x", "error"},
    {"", u"x{0,65536}", u"x", "error"},
    {"", u"^*", u"a", "error"},
    {"", u"$+", u"a", "error"},
    {"", u"\\b*", u"a", "error"},
    {"", u"(", u"a", "error"},
    {"", u"(a))", u"a", "error"},
    {"", u"(?", u"a", "error"},
    {"", u"(?x)", u"a", "error"},
    {"", u"a\\", u"a", "error"},
    {"", u"[a", u"a", "error"},
    {"", u"[z-a]", u"a", "error"},
};

struct ReplaceCase {
  bool global;
  std::u16string_view pattern;
  std::u16string_view subject;
  std::u16string_view replacement;
  std::u16string_view expected;
  const char* not_sent_because = nullptr;  // why Wine's object is not given this row
};

// Wine's own test file also passes a logical and a number as the replacement; those
// rows test VBScript's conversion of the argument, and the facade passes text only.
inline constexpr ReplaceCase kReplaceCases[] = {
    // The cases of Wine's own test file.
    {true, u"xxx", u"xxxx", u"y", u"yx"},
    {true, u"\\[([^\\[]+)\\]", u"- [test] -", u"success", u"- success -"},
    {true, u"\\[([^\\[]+)\\]", u"[test] [test]", u"aa", u"aa aa"},
    {true, u"(\\&(\\d))", u"abc &1 123", u"$'", u"abc  123 123"},
    {true, u"(\\&(\\d))", u"abc &1 123", u"$`", u"abc abc  123"},
    {true, u"(\\&(\\d))", u"abc &1 123", u"$3", u"abc $3 123"},
    {true, u"(\\$(\\d))", u"$1,$2", u"$$1-$1$2", u"$1-$11,$1-$22"},
    {true, u"b", u"abc", u"x$&z", u"axbzc"},
    {false, u"\\[([^\\[]+)\\]", u"[test] [test]", u"aa", u"aa [test]"},
    {false, u"", u"xxx", u"y", u"yxxx"},
    {true, u"", u"xxx", u"y", u"yxyxyxy"},

    // Group numbers: two digits when they name a group, else one.
    {true, u"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)", u"abcdefghijk", u"$11$10$1$12$0$", u"kjaa2$0$"},
    {true, u"(a)", u"a", u"$01$9$", u"a$9$"},
    {true, u"(a)", u"a",
     u"$00", u"$00", "Wine's Replace reads the group before the first for $00 and crashes"},
    {true, u"(a)|b", u"ab", u"[$1]", u"[a][]"},
    {true, u"a", u"bab", u"$", u"b$b"},
    {true, u"\\w+", u"\u4e2d ab \u6587", u"<$&>", u"\u4e2d <ab> \u6587"},
};

}  // namespace marlivo::testing
