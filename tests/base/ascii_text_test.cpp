#include "base/ascii_text.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

// Upper-casing and comparisons touch ASCII letters only: a letter of another
// code page (0xE9, e acute in Windows-1252) stays as it is.
TEST(AsciiText, UpperCasingAndComparisonsTouchAsciiLettersOnly) {
  EXPECT_EQ(ToUpperAscii("abc XYZ 09 <tag>"), "ABC XYZ 09 <TAG>");
  EXPECT_EQ(ToUpperAscii("caf\xe9"), "CAF\xe9");
  EXPECT_TRUE(EqualsIgnoringCase("Notepad.EXE", "NOTEPAD.exe"));
  EXPECT_FALSE(EqualsIgnoringCase("caf\xe9", "CAF\xc9"));
  EXPECT_FALSE(EqualsIgnoringCase("abc", "abcd"));
}

TEST(AsciiText, EndsWithIgnoringCase) {
  struct Case {
    const char* text;
    const char* suffix;
    bool expected;
  };
  for (const Case& c : {Case{"C:\\TVA\\P.tvx", ".TVX", true}, Case{"P.TVS", ".TVX", false},
                        Case{"TVX", ".TVX", false}, Case{".tvx", ".TVX", true},
                        Case{"", "", true}}) {
    EXPECT_EQ(EndsWithIgnoringCase(c.text, c.suffix), c.expected) << c.text << " / " << c.suffix;
  }
}

TEST(AsciiText, TrimBlanksRemovesTheProfileBlanksFromBothEnds) {
  EXPECT_EQ(TrimBlanks(" \t\v\f\x1a" "a b\x1a \t"), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(CutText("abcdef", 3), "abc");
  EXPECT_EQ(CutText("ab", 3), "ab");
}

}  // namespace
}  // namespace tavrix
