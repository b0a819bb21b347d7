#include "playback/macro_text_recognizer.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrix {
namespace {

MacroElement At(std::string_view text, std::size_t position = 0) { return RecognizeElement(text, position); }

// The kinds and lengths of the elements of a whole text, one after another.
std::vector<std::pair<ElementKind, std::size_t>> Walk(std::string_view text) {
  std::vector<std::pair<ElementKind, std::size_t>> elements;
  for (std::size_t p = 0; p < text.size();) {
    const MacroElement e = RecognizeElement(text, p);
    elements.emplace_back(e.kind, e.length);
    p += e.length;
  }
  return elements;
}

TEST(MacroTextRecognizer, PlainCharactersAndAnUnknownTagAreOneCharacterEach) {
  const auto elements = Walk("a<b>c");
  ASSERT_EQ(elements.size(), 5u);
  for (const auto& [kind, length] : elements) {
    EXPECT_EQ(kind, ElementKind::Character);
    EXPECT_EQ(length, 1u);
  }
  EXPECT_EQ(At("<").kind, ElementKind::Character);
  EXPECT_EQ(At("x<", 1).character, '<');
}

TEST(MacroTextRecognizer, CarriageReturnLineFeedIsOneEnter) {
  const MacroElement pair = At("\r\nx");
  EXPECT_EQ(pair.kind, ElementKind::Character);
  EXPECT_EQ(pair.character, '\r');
  EXPECT_EQ(pair.length, 2u);
  EXPECT_EQ(At("\rx").length, 1u);
  EXPECT_EQ(At("\n\r").length, 1u);
  EXPECT_EQ(At("\n\r").character, '\n');
}

TEST(MacroTextRecognizer, SingleKeyTagsIncludeTheirClosingBracket) {
  EXPECT_EQ(At("<F1>").key, 112);
  EXPECT_EQ(At("<F1>").length, 4u);
  EXPECT_EQ(At("<F10>").key, 121);
  EXPECT_EQ(At("<F10>").length, 5u);
  EXPECT_EQ(At("<F24>").key, 135);
  EXPECT_EQ(At("<F25>").kind, ElementKind::Character);
  EXPECT_EQ(At("<END>").key, 35);
  EXPECT_EQ(At("<ENDREP>").kind, ElementKind::EndRepeat);
  EXPECT_EQ(At("<KEYP->").key, 109);
  EXPECT_EQ(At("<PA1>").key, 253);
  EXPECT_EQ(At("<LEFT ARROW>").key, 37);
  EXPECT_EQ(At("<RIGHT MOUSE>").kind, ElementKind::MouseKey);
  EXPECT_EQ(At("<RIGHT MOUSE>").key, 2);
  EXPECT_EQ(At("<enter>").kind, ElementKind::Character);  // names are case-sensitive
}

TEST(MacroTextRecognizer, ModifierTags) {
  EXPECT_EQ(At("<CTLD>").kind, ElementKind::KeyDown);
  EXPECT_EQ(At("<CTLD>").key, 17);
  EXPECT_EQ(At("<ALTU>").kind, ElementKind::KeyUp);
  EXPECT_EQ(At("<ALTU>").key, 18);
  EXPECT_EQ(At("<WIND>").key, 91);
  EXPECT_EQ(At("<SHIFT>").kind, ElementKind::OneShotShift);
  EXPECT_EQ(At("<CTRL>").kind, ElementKind::OneShotCtrl);
  EXPECT_EQ(At("<ALT>").kind, ElementKind::OneShotAlt);
}

TEST(MacroTextRecognizer, FixedWidthTagsNeedTheirBracketAtItsOffset) {
  EXPECT_EQ(At("<ALT:0169>").kind, ElementKind::Character);
  const MacroElement alt4 = At("<ALT4:0169>");
  EXPECT_EQ(alt4.kind, ElementKind::AltCode);
  EXPECT_EQ(alt4.field, "0169");
  EXPECT_EQ(alt4.length, 11u);
  EXPECT_EQ(At("<ALT:169>").field, "169");
  EXPECT_EQ(At("<DELAY:1.5>").kind, ElementKind::Character);
  const MacroElement delay = At("<DELAY:01.50>");
  EXPECT_EQ(delay.kind, ElementKind::Delay);
  EXPECT_EQ(delay.field, "01.50");
  EXPECT_EQ(delay.length, 13u);
  EXPECT_EQ(At("<MSD:0250>").number, 250);
  EXPECT_EQ(At("<MSD:250>").kind, ElementKind::Character);
  EXPECT_EQ(At("<SPKEY:0100>").number, 100);
  EXPECT_EQ(At("<SPMSE:0100>").kind, ElementKind::MouseDelay);
  EXPECT_EQ(At("<REPEAT:0003>").number, 3);
  EXPECT_EQ(At("<REPEAT:0003>").length, 13u);
  EXPECT_EQ(At("<WFW:003>").number, 3);
  EXPECT_EQ(At("<WBW:012>").kind, ElementKind::WheelBackward);
  EXPECT_EQ(At("<SPEED:00.50>").field, "00.50");
  EXPECT_EQ(At("<DELAY:01.50").kind, ElementKind::Character);  // text ends before the ">"
}

TEST(MacroTextRecognizer, NonDigitFieldsReadAsTheirLeadingDigits) {
  EXPECT_EQ(At("<MSD:12a4>").number, 12);
  EXPECT_EQ(At("<MSD:x123>").number, 0);
  EXPECT_EQ(At("<MMS:0010x,00020>").number, 10);
  EXPECT_EQ(At("<MMS:0010x,00020>").number2, 20);
}

TEST(MacroTextRecognizer, PointerMoves) {
  const MacroElement move = At("<MMS:01024,00768>");
  EXPECT_EQ(move.kind, ElementKind::MoveOnScreen);
  EXPECT_EQ(move.number, 1024);
  EXPECT_EQ(move.number2, 768);
  EXPECT_EQ(move.length, 17u);
  EXPECT_EQ(At("<MMW:00001,00002>").kind, ElementKind::MoveInWindow);
  EXPECT_EQ(At("<MMS:1024,768>").kind, ElementKind::Character);
}

TEST(MacroTextRecognizer, MouseButtons) {
  const MacroElement click = At("<RDCLK>");
  EXPECT_EQ(click.kind, ElementKind::MouseButton);
  EXPECT_EQ(click.button, MouseButtonId::Right);
  EXPECT_EQ(click.action, MouseAction::DoubleClick);
  EXPECT_EQ(At("<MUP>").button, MouseButtonId::Middle);
  EXPECT_EQ(At("<MUP>").action, MouseAction::Up);
  EXPECT_EQ(At("<LCLK>").action, MouseAction::Click);
}

TEST(MacroTextRecognizer, FreeTextRunsToTheNextBracketOrTheEnd) {
  const MacroElement remark = At("<REM:a>b>");
  EXPECT_EQ(remark.kind, ElementKind::Remark);
  EXPECT_EQ(remark.text, "a");
  EXPECT_EQ(remark.length, 7u);
  const MacroElement open = At("<TFILE:notes.txt and more");
  EXPECT_EQ(open.text, "notes.txt and more");
  EXPECT_EQ(open.length, 25u);
  const MacroElement empty = At("<ACTIVATE:>x");
  EXPECT_EQ(empty.kind, ElementKind::Activate);
  EXPECT_TRUE(empty.text.empty());
  EXPECT_EQ(empty.length, 11u);
}

TEST(MacroTextRecognizer, FreeTextKeepsOnly255CharactersButScansOn) {
  const std::string title(300, 't');
  const std::string text = "<ACTIVATE:" + title + ">x";
  const MacroElement e = At(text);
  EXPECT_EQ(e.text.size(), 255u);
  EXPECT_EQ(e.length, text.size() - 1);
}

TEST(MacroTextRecognizer, FilePairsSplitAtTheFirstSemicolon) {
  const MacroElement copy = At("<COPYFILE:a.txt;b;c.txt>");
  EXPECT_EQ(copy.kind, ElementKind::CopyFile);
  EXPECT_EQ(copy.text, "a.txt");
  EXPECT_EQ(copy.text2, "b;c.txt");
  const MacroElement rename = At("<RENFILE:only>");
  EXPECT_EQ(rename.text, "only");
  EXPECT_TRUE(rename.text2.empty());
}

TEST(MacroTextRecognizer, PauseWithMessageHasFixedFieldsThenText) {
  const MacroElement pause = At("<PAUSE:100,200Insert the disk>");
  EXPECT_EQ(pause.kind, ElementKind::PauseMessage);
  EXPECT_EQ(pause.number, 100);
  EXPECT_EQ(pause.number2, 200);
  EXPECT_EQ(pause.text, "Insert the disk");
  EXPECT_EQ(At("<PAUSE>").kind, ElementKind::Pause);
  // The fixed fields are not searched for the closing ">".
  const MacroElement early = At("<PAUSE:1>2,345ok>");
  EXPECT_EQ(early.text, "ok");
  EXPECT_EQ(early.number, 1);
}

TEST(MacroTextRecognizer, WindowGeometryTags) {
  const MacroElement size = At("<WSIZE:0640,0480\"CURRENT\">");
  EXPECT_EQ(size.kind, ElementKind::WindowSize);
  EXPECT_EQ(size.number, 640);
  EXPECT_EQ(size.number2, 480);
  EXPECT_EQ(size.text, "\"CURRENT\"");
  const MacroElement pos = At("<WPOS:0010,0020Notepad>");
  EXPECT_EQ(pos.kind, ElementKind::WindowPosition);
  EXPECT_EQ(pos.number, 10);
  EXPECT_EQ(pos.number2, 20);
  EXPECT_EQ(pos.text, "Notepad");
}

TEST(MacroTextRecognizer, LaunchSplitsTheParametersAtParam) {
  const MacroElement plain = At("<LAUNCH:notepad.exe>x");
  EXPECT_EQ(plain.kind, ElementKind::Launch);
  EXPECT_EQ(plain.text, "notepad.exe");
  EXPECT_EQ(plain.length, 20u);
  const MacroElement withParameters = At("<LAUNCH:notepad.exe<PARAM>readme.txt>x");
  EXPECT_EQ(withParameters.text, "notepad.exe");
  EXPECT_EQ(withParameters.text2, "readme.txt");
  EXPECT_EQ(withParameters.length, 37u);
}

// The program scan goes on past the ">" of "<PARAM>" even when no further
// ">" follows: the parameters are then empty, the program stays the program.
TEST(MacroTextRecognizer, ParamAtTheEndOfTheTextLeavesEmptyParameters) {
  const MacroElement plain = At("<LAUNCH:notepad.exe<PARAM>");
  EXPECT_EQ(plain.text, "notepad.exe");
  EXPECT_TRUE(plain.text2.empty());
  EXPECT_EQ(plain.length, 26u);
  const MacroElement titled = At("<LAUNCHYES:05Notepad<LAUNCH:notepad.exe<PARAM>");
  EXPECT_EQ(titled.title, "Notepad");
  EXPECT_EQ(titled.text, "notepad.exe");
  EXPECT_TRUE(titled.text2.empty());
  EXPECT_EQ(titled.length, 46u);
}

TEST(MacroTextRecognizer, LaunchAndWaitTagsCarryTitleProgramAndParameters) {
  const std::string_view text = "<LAUNCHNO:05Untitled - Notepad<LAUNCH:notepad.exe<PARAM>a.txt>rest";
  const MacroElement e = At(text);
  EXPECT_EQ(e.kind, ElementKind::LaunchWait);
  EXPECT_EQ(e.number, 5);
  EXPECT_EQ(e.title, "Untitled - Notepad");
  EXPECT_EQ(e.text, "notepad.exe");
  EXPECT_EQ(e.text2, "a.txt");
  EXPECT_EQ(text.substr(e.length), "rest");
  const MacroElement yes = At("<LAUNCHYES:10Calc<LAUNCH:calc.exe>");
  EXPECT_EQ(yes.kind, ElementKind::LaunchOrActivate);
  EXPECT_EQ(yes.number, 10);
  EXPECT_EQ(yes.title, "Calc");
  EXPECT_EQ(yes.text, "calc.exe");
  EXPECT_TRUE(yes.text2.empty());
  const MacroElement cut = At("<LAUNCHNO:05Title only");
  EXPECT_EQ(cut.title, "Title only");
  EXPECT_TRUE(cut.text.empty());
  EXPECT_EQ(cut.length, 22u);
}

TEST(MacroTextRecognizer, ClipboardBlockRunsUpToEndClip) {
  const std::string_view text = "<BEGCLIP>a<b>c<ENDCLIP>x";
  const MacroElement block = At(text);
  EXPECT_EQ(block.kind, ElementKind::ClipboardBlock);
  EXPECT_TRUE(block.terminated);
  EXPECT_EQ(block.text, "a<b>c");
  EXPECT_EQ(text.substr(block.length, 9), "<ENDCLIP>");
  EXPECT_EQ(At(text, block.length).kind, ElementKind::EndClipboard);
  const MacroElement open = At("<BEGCLIP>abc");
  EXPECT_FALSE(open.terminated);
  EXPECT_EQ(open.length, 12u);
}

TEST(MacroTextRecognizer, ClipboardBlockHoldsAtMost5000Characters) {
  const std::string text = "<BEGCLIP>" + std::string(6000, 'z') + "<ENDCLIP>";
  const MacroElement block = At(text);
  EXPECT_EQ(block.text.size(), 5000u);
  EXPECT_EQ(block.length, 6009u);
}

TEST(MacroTextRecognizer, DateTagsWithShortAndLongTails) {
  const MacroElement longTail = At("<MM/DD/YY{NP001}>x");
  EXPECT_EQ(longTail.kind, ElementKind::Date);
  EXPECT_EQ(longTail.number, 1);
  EXPECT_FALSE(longTail.leadingZeros);
  EXPECT_EQ(longTail.number2, -1);
  EXPECT_EQ(longTail.length, 17u);
  const MacroElement future = At("<DD MMM YYYY{YF012}>");
  EXPECT_EQ(future.number, 23);
  EXPECT_TRUE(future.leadingZeros);
  EXPECT_EQ(future.number2, 12);
  const MacroElement shortTail = At("<YYYY{Y}>x");
  EXPECT_EQ(shortTail.number, 47);
  EXPECT_TRUE(shortTail.leadingZeros);
  EXPECT_EQ(shortTail.number2, 0);
  EXPECT_EQ(shortTail.length, 9u);
  EXPECT_EQ(At("<Day of Week 3{YP001}>").number, 50);
  // The long tail's "}>" is not checked: seven characters follow the name.
  EXPECT_EQ(At("<MM{Y?123??abc").length, 11u);
  EXPECT_EQ(At("<MM/DD/YY[NP001]>").kind, ElementKind::Character);
}

TEST(MacroTextRecognizer, TimeTagsTryEveryFormatWithNThenWithY) {
  const MacroElement time = At("<hh:mm{Y}>");
  EXPECT_EQ(time.kind, ElementKind::Time);
  EXPECT_EQ(time.number, 1);
  EXPECT_TRUE(time.leadingZeros);
  EXPECT_EQ(time.length, 10u);
  const MacroElement suffix = At("<hh:mma{N}>");
  EXPECT_EQ(suffix.number, 24);
  EXPECT_FALSE(suffix.leadingZeros);
  EXPECT_EQ(At("<hh:mm:ss AM{N}>").number, 21);
  EXPECT_EQ(At("<hh:mm{X}>").kind, ElementKind::Character);
  EXPECT_EQ(At("<HH:MM{Y}>").kind, ElementKind::Character);
}

TEST(MacroTextRecognizer, NoTagLiteralIsAPrefixOfAnother) {
  for (std::size_t i = 0; i < TagLiteralCount(); ++i) {
    for (std::size_t j = 0; j < TagLiteralCount(); ++j) {
      if (i == j) continue;
      EXPECT_NE(TagLiteral(j).substr(0, TagLiteral(i).size()), TagLiteral(i))
          << TagLiteral(i) << " starts " << TagLiteral(j);
    }
  }
}

TEST(MacroTextRecognizer, EveryTagOfTheLanguageIsKnown) {
  const char* tags[] = {
      "<TAB>", "<ENTER>", "<BACKSPACE>", "<ESC>", "<SPACE>", "<UP ARROW>", "<DOWN ARROW>", "<HOME>", "<INSERT>",
      "<DELETE>", "<PAGE UP>", "<PAGE DOWN>", "<LEFTWIN>", "<RIGHTWIN>", "<APP>", "<PRTSCR>", "<KEYP0>",
      "<KEYP.>", "<KEYP/>", "<KEYP*>", "<KEYP+>", "<ATTN>", "<CRSEL>", "<EXSEL>", "<EREOF>", "<PLAY>",
      "<ZOOM>", "<MIDDLE MOUSE>", "<SHFD>", "<SHFU>", "<WINU>", "<CTLU>", "<ALTD>", "<PROMPTREP>", "<I>",
      "<II>", "<III>", "<IIII>", "<TEST>", "<ENDCLIP>", "<SWAP:x.tvx>", "<WSHUT:x>", "<WHIDE:x>", "<WSHOW:x>",
      "<WMAX:x>", "<WMIN:x>", "<WRES:x>", "<WCLS:x>", "<LDN>", "<LUP>", "<RDN>", "<RUP>", "<RCLK>", "<MDN>",
      "<MCLK>", "<MDCLK>", "<LDCLK>", "<CLIPC>", "<CLIPP>", "<CLIPF:x>", "<HTTP:x>", "<FTP:x>", "<WAV1:x>",
      "<WAV2:x>", "<BEEP>", "<CHDIR:x>", "<DELFILE:x>", "<SPMSE:0001>",
  };
  for (const std::string_view tag : tags) {
    const MacroElement e = At(tag);
    EXPECT_NE(e.kind, ElementKind::Character) << tag;
    EXPECT_EQ(e.length, tag.size()) << tag;
  }
}

TEST(MacroTextRecognizer, ScanningAnyPrefixOfATagNeverReadsPastTheText) {
  const std::string full = "<LAUNCHYES:05Title<LAUNCH:prog<PARAM>args><MM/DD/YY{NP001}><PAUSE:100,200msg>";
  for (std::size_t cut = 1; cut <= full.size(); ++cut) {
    const std::string text = full.substr(0, cut);
    for (std::size_t p = 0; p < text.size();) {
      const MacroElement e = RecognizeElement(text, p);
      ASSERT_GE(e.length, 1u);
      ASSERT_LE(p + e.length, text.size());
      p += e.length;
    }
  }
}

}  // namespace
}  // namespace tavrix
