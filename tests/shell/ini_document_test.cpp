#include "shell/config/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrix {
namespace {

TEST(IniDocumentTest, FindsSectionsAndKeysWithoutRegardToCase) {
  const IniDocument document = IniDocument::Parse("[Misc]\r\nUse Tray=Yes\r\n[capture]\r\nKEYS=No\r\n");
  EXPECT_EQ(document.Get("MISC", "use tray"), "Yes");
  EXPECT_EQ(document.Get("Capture", "Keys"), "No");
  EXPECT_EQ(document.Get("Misc", "Keys"), std::nullopt);
  EXPECT_EQ(document.Get("Network", "Use Tray"), std::nullopt);
}

TEST(IniDocumentTest, TrimsBlanksAndOnePairOfQuotes) {
  const IniDocument document = IniDocument::Parse(
      "  [ Misc ]  \n"
      "\tCurrent File  =   C:\\A B\\X.TVX  \n"
      "Wave File=\"C:\\Sounds\\Bell.wav\"\n"
      "Prefix Keys=';'\n"
      "Primary Sort=\"123'\n"
      "Empty=\n");
  EXPECT_EQ(document.Get("Misc", "Current File"), "C:\\A B\\X.TVX");
  EXPECT_EQ(document.Get("Misc", "Wave File"), "C:\\Sounds\\Bell.wav");
  EXPECT_EQ(document.Get("Misc", "Prefix Keys"), ";");
  EXPECT_EQ(document.Get("Misc", "Primary Sort"), "\"123'") << "quotes that do not match stay";
  EXPECT_EQ(document.Get("Misc", "Empty"), "");
}

TEST(IniDocumentTest, FirstSectionAndFirstKeyOfANameWin) {
  const IniDocument document = IniDocument::Parse(
      "[Misc]\nShow Date=Yes\nshow date=No\n[MISC]\nShow Date=Later\nUse Tray=Yes\n");
  EXPECT_EQ(document.Get("Misc", "Show Date"), "Yes");
  EXPECT_EQ(document.Get("Misc", "Use Tray"), std::nullopt) << "only the first [Misc] is searched";
}

TEST(IniDocumentTest, CommentsLinesWithoutEqualsAndLinesBeforeAnySectionNeverMatch) {
  const IniDocument document = IniDocument::Parse(
      "Orphan=1\n"
      "[Misc]\n"
      ";Use Tray=Yes\n"
      "Show Date\n"
      "[Broken\n"
      "Sort Header=No\n");
  EXPECT_EQ(document.Get("Misc", "Orphan"), std::nullopt);
  EXPECT_EQ(document.Get("Misc", ";Use Tray"), std::nullopt);
  EXPECT_EQ(document.Get("Misc", "Use Tray"), std::nullopt);
  EXPECT_EQ(document.Get("Misc", "Show Date"), std::nullopt);
  EXPECT_EQ(document.Get("Misc", "Sort Header"), "No") << "a header without ']' does not end the section";
}

TEST(IniDocumentTest, AcceptsAnyLineEndAndWritesCrLf) {
  const IniDocument document = IniDocument::Parse("[A]\rone=1\n\ntwo=2\r\nthree=3");
  EXPECT_EQ(document.Get("A", "one"), "1");
  EXPECT_EQ(document.Get("A", "two"), "2");
  EXPECT_EQ(document.Get("A", "three"), "3");
  EXPECT_EQ(document.Text(), "[A]\r\none=1\r\n\r\ntwo=2\r\nthree=3\r\n");
}

TEST(IniDocumentTest, ChangingAValueKeepsEverythingElseAsItWas) {
  const std::string original =
      "; my settings\r\n"
      "[Misc]\r\n"
      "Use Tray = No\r\n"
      "Custom=keep me\r\n"
      "\r\n"
      "[Other Program]\r\n"
      "Use Tray=Yes\r\n";
  IniDocument document = IniDocument::Parse(original);
  document.Set("MISC", "use tray", "Yes");
  EXPECT_EQ(document.Text(),
            "; my settings\r\n"
            "[Misc]\r\n"
            "Use Tray=Yes\r\n"
            "Custom=keep me\r\n"
            "\r\n"
            "[Other Program]\r\n"
            "Use Tray=Yes\r\n");
}

TEST(IniDocumentTest, NewKeysFollowTheLastEntryOfTheirSectionAndNewSectionsGoLast) {
  IniDocument document = IniDocument::Parse("[Misc]\r\nA=1\r\n\r\n[Capture]\r\nKeys=Yes\r\n");
  document.Set("Misc", "B", "2");
  document.Set("Network", "Auto Sync", "No");
  document.Set("Network", "Sync Minutes", "5");
  EXPECT_EQ(document.Text(),
            "[Misc]\r\nA=1\r\nB=2\r\n\r\n[Capture]\r\nKeys=Yes\r\n"
            "\r\n[Network]\r\nAuto Sync=No\r\nSync Minutes=5\r\n");
}

TEST(IniDocumentTest, EmptyDocumentStartsWithItsFirstSection) {
  IniDocument document;
  document.Set("Misc", "System Menu", "1");
  EXPECT_EQ(document.Text(), "[Misc]\r\nSystem Menu=1\r\n");
}

TEST(IniDocumentTest, AValueCannotBreakIntoANewLine) {
  IniDocument document;
  document.Set("Misc", "Current File", "C:\\A.TVX\r\n[Evil]\r\nX=1");
  EXPECT_EQ(document.Text(), "[Misc]\r\nCurrent File=C:\\A.TVX\r\n");
  EXPECT_EQ(document.Get("Evil", "X"), std::nullopt);
}

TEST(IniDocumentTest, KeepsAByteOrderMarkInFrontOfTheFirstSection) {
  IniDocument document = IniDocument::Parse("\xEF\xBB\xBF[Misc]\r\nA=1\r\n");
  EXPECT_EQ(document.Get("Misc", "A"), "1");
  document.Set("Misc", "A", "2");
  EXPECT_EQ(document.Text(), "\xEF\xBB\xBF[Misc]\r\nA=2\r\n");
}

}  // namespace
}  // namespace tavrix
