#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/fixed_field.h"
#include "base/round_even.h"

namespace fibwick {
namespace {

TEST(Cp1251, CardBytesAndCyrillicRoundTrip) {
  // King of spades and ten of hearts as they travel on the wire.
  EXPECT_EQ(Cp1251ToUtf8("\xCA\xEF"), "\xD0\x9A\xD0\xBF");  // "Кп"
  EXPECT_EQ(Cp1251ToUtf8("1\xF7"), "1\xD1\x87");            // "1ч"
  const std::string all = [] {
    std::string s;
    for (int b = 1; b < 256; ++b) {
      if (b != 0x98) s += static_cast<char>(b);
    }
    return s;
  }();
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Cp1251, OnlyByte0x98IsUndefined) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(DefinedInCp1251(one), b != 0x98) << b;
  }
  EXPECT_TRUE(DefinedInCp1251(""));
  EXPECT_TRUE(DefinedInCp1251("\xC8\xE2\xE0\xED \x88"));  // "Иван €"
  EXPECT_FALSE(DefinedInCp1251("\xC8\xE2\x98\xE0\xED"));
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");  // what the service used to store
}

TEST(Cp1251, CharactersWithoutFormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("\xE4\xB8\xAD\xE6\x96\x87"), "??");  // Chinese
  EXPECT_EQ(Utf8ToCp1251("\xC3\xA9t\xC3\xA9"), "?t?");        // é has no form here
  EXPECT_EQ(Utf8ToCp1251("a\xE2\x82"), "a?");                 // cut sequence
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82\xAC"), "\x88");            // euro sign
}

// Every maximal piece of a malformed sequence becomes one "?"; the byte that broke a sequence
// is read again as the start of the next one.
TEST(Cp1251, MalformedUtf8BecomesQuestionMarks) {
  struct Case {
    std::string in;
    std::string out;
  };
  for (const Case& c : {
           Case{"\xC0\x80", "??"},            // overlong NUL
           Case{"\xC1\x81", "??"},            // overlong "A"
           Case{"\xE0\x80\xAF", "???"},       // overlong "/"
           Case{"\xE0\x9F\xBF", "???"},       // overlong U+07FF
           Case{"\xF0\x80\x80\xAF", "????"},  // overlong "/" in four bytes
           Case{"\xF0\x8F\xBF\xBF", "????"},  // overlong U+FFFF
           Case{"\xED\xA0\x80", "???"},       // first surrogate
           Case{"\xED\xBF\xBF", "???"},       // last surrogate
           Case{"\xF4\x90\x80\x80", "????"},  // past U+10FFFF
           Case{"\xF5\x80\x80\x80", "????"},  // lead bytes F5..FF begin nothing
           Case{"\xFF", "?"},                 // no lead byte at all
           Case{"\xFE\xFF", "??"},            // two of them
           Case{"\x80", "?"},                 // stray continuation
           Case{"a\xBF\x62", "a?b"},          // stray continuation between letters
           Case{"\xD0", "?"},                 // cut at the end
           Case{"\xF0\x9F\x98", "?"},         // cut after three of four
           Case{"\xE2\x82\x41", "?A"},        // broken by a plain character
           Case{"\xD0\xD0\x9A", "?\xCA"},     // broken by a new lead
       }) {
    EXPECT_EQ(Utf8ToCp1251(c.in), c.out) << testing::PrintToString(c.in);
  }
}

TEST(Cp1251, WellFormedEdgesAreRead) {
  struct Case {
    std::string in;
    std::string out;
  };
  for (const Case& c : {
           Case{std::string("\0", 1), std::string("\0", 1)},  // NUL in its one-byte form
           Case{"\x7F", "\x7F"},                              // last one-byte form
           Case{"\xC2\x80", "?"},                             // U+0080: well formed, no form here
           Case{"\xC2\xA0", "\xA0"},                          // no-break space
           Case{"\xE0\xA0\x80", "?"},                         // U+0800
           Case{"\xED\x9F\xBF", "?"},                         // U+D7FF, just below the surrogates
           Case{"\xEE\x80\x80", "?"},                         // U+E000, just above them
           Case{"\xEF\xBF\xBD", "?"},                         // U+FFFD itself
           Case{"\xF0\x90\x80\x80", "?"},                     // U+10000
           Case{"\xF4\x8F\xBF\xBF", "?"},                     // U+10FFFF
           Case{"\xE2\x84\x96", "\xB9"},                      // numero sign
       }) {
    EXPECT_EQ(Utf8ToCp1251(c.in), c.out) << testing::PrintToString(c.in);
  }
}

TEST(RoundEven, TiesGoToTheEvenNeighbour) {
  struct Case {
    double in;
    int out;
  };
  for (const Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-0.5, 0}, Case{-1.5, -2},
                       Case{2.4999, 2}, Case{2.5001, 3}, Case{-2.6, -3}, Case{130.0, 130}}) {
    EXPECT_EQ(RoundEven(c.in), c.out) << c.in;
  }
}

TEST(FixedField, PadCutAndAlign) {
  EXPECT_EQ(FitLeft("Ann", 6), "Ann   ");
  EXPECT_EQ(FitLeft("Bartholomew", 4), "Bart");
  EXPECT_EQ(FitLeft("", 3, '#'), "###");
  EXPECT_EQ(PadLeft("45", 5), "   45");
  EXPECT_EQ(PadLeft("123456", 3), "123456");
  EXPECT_EQ(Columns("abcdef", 2, 4), "bcd");
  EXPECT_EQ(Columns("abc", 2, 9), "bc");
  EXPECT_EQ(Columns("abc", 5, 9), "");
  EXPECT_EQ(TrimRight("PC   "), "PC");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
}

}  // namespace
}  // namespace fibwick
