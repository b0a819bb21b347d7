// The pause box's and the repeat prompt's models: their layout and what
// their buttons do, without any window.
#include <gtest/gtest.h>

#include "playback/pause_box.h"
#include "playback/repeat_prompt.h"

namespace tavrix {
namespace {

bool Inside(const Bounds& b, const Form& form) {
  return b.left >= 0 && b.top >= 0 && b.Right() <= form.clientWidth && b.Bottom() <= form.clientHeight;
}

bool Overlap(const Bounds& a, const Bounds& b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

TEST(PauseBox, MessageHeightIsOneNineteenPixelLinePerThirtyCharactersBegun) {
  EXPECT_EQ(TPauseMacro::MessageHeight(""), 0);
  EXPECT_EQ(TPauseMacro::MessageHeight("x"), 19);
  EXPECT_EQ(TPauseMacro::MessageHeight(std::string(29, 'x')), 19);
  EXPECT_EQ(TPauseMacro::MessageHeight(std::string(30, 'x')), 38);
  EXPECT_EQ(TPauseMacro::MessageHeight(std::string(65, 'x')), 57);
}

TEST(PauseBox, GrowsByItsMessageAndKeepsTheButtonsFiftyTwoPixelsAboveTheBottom) {
  const TPauseMacro basic("Pause", "Nick", "", std::nullopt, 1024, 768);
  const TPauseMacro tall("Pause", "Nick", std::string(65, 'm'), Point{0, 0}, 1024, 768);
  EXPECT_FALSE(basic.messageLabel.visible);
  EXPECT_TRUE(tall.messageLabel.visible);
  EXPECT_EQ(tall.messageLabel.bounds.height, 57);
  EXPECT_EQ(tall.clientHeight - basic.clientHeight, 57);
  EXPECT_EQ(basic.clientWidth, tall.clientWidth);
  EXPECT_EQ(tall.resumeButton.bounds.top, 94 + 57 - 52);
  EXPECT_EQ(tall.abortButton.bounds.top, tall.resumeButton.bounds.top);
  EXPECT_GE(tall.resumeButton.bounds.top, tall.messageLabel.bounds.Bottom());
  for (const Control* control : tall.Controls()) EXPECT_TRUE(Inside(control->bounds, tall)) << control->name;
  EXPECT_TRUE(basic.topMost);
  EXPECT_EQ(basic.activeControl, &basic.resumeButton);
}

TEST(PauseBox, ResumeAndEnterResumeAbortAndTheCloseBoxStopEscapeDoesNothing) {
  struct Case {
    const char* what;
    FormReply (*press)(TPauseMacro&);
    ModalResult result;
  };
  const Case cases[] = {
      {"resume", [](TPauseMacro& b) { return b.Click(b.resumeButton); }, ModalResult::Ok},
      {"enter", [](TPauseMacro& b) { return b.PressEnter(); }, ModalResult::Ok},
      {"abort", [](TPauseMacro& b) { return b.Click(b.abortButton); }, ModalResult::Cancel},
      {"close box", [](TPauseMacro& b) { return b.PressCloseBox(); }, ModalResult::Cancel},
      {"escape", [](TPauseMacro& b) { return b.PressEscape(); }, ModalResult::None},
  };
  for (const Case& c : cases) {
    TPauseMacro box("Pause", "Nick", "", std::nullopt, 1024, 768);
    c.press(box);
    EXPECT_EQ(box.modalResult, c.result) << c.what;
    EXPECT_EQ(box.Resumed(), c.result == ModalResult::Ok) << c.what;
  }
}

TEST(RepeatPrompt, AcceptsAWholeNumberAndRefusesAnythingElseWithTheFocusInTheEdit) {
  struct Case {
    const char* text;
    bool accepted;
    std::uint16_t count;
  };
  const Case cases[] = {{"12", true, 12}, {" 7 ", true, 7}, {"-1", true, 65535}, {"abc", false, 0}, {"", false, 0}};
  for (const Case& c : cases) {
    TRepeatPrompt prompt;
    prompt.countEdit.text = c.text;
    const FormReply reply = prompt.PressEnter();
    EXPECT_EQ(prompt.Closed(), c.accepted) << c.text;
    EXPECT_EQ(prompt.count, c.count) << c.text;
    if (!c.accepted) {
      EXPECT_EQ(reply.caption, "Error");
      EXPECT_EQ(reply.message, "Invalid numeric value entered.  Please Correct");
      EXPECT_EQ(reply.focus, &prompt.countEdit);
    }
  }
  // Escape and the close box try the text as Ok does.
  TRepeatPrompt prompt;
  prompt.countEdit.text = "3";
  prompt.PressEscape();
  EXPECT_EQ(prompt.count, 3);
  TRepeatPrompt closed;
  closed.countEdit.text = "x";
  EXPECT_EQ(closed.PressCloseBox().kind, FormReply::Kind::Refuse);
}

// Font sizes from small to very large: the label is as wide and high as its
// measured text, nothing overlaps, and everything lies inside the box.
TEST(RepeatPrompt, LaysItselfOutFromTheMeasuredLabelAtEveryFontSize) {
  for (const double scale : {0.8, 1.0, 1.25, 1.5, 2.0, 3.0}) {
    const TextMeasure measure = [scale](std::string_view text) {
      return TextSize{static_cast<int>(text.size() * 6 * scale), static_cast<int>(13 * scale)};
    };
    TRepeatPrompt prompt;
    prompt.FormShow(measure);
    const TextSize label = measure("Times To Repeat");
    EXPECT_GE(prompt.timesLabel.bounds.width, label.width) << scale;
    EXPECT_GE(prompt.timesLabel.bounds.height, label.height) << scale;
    EXPECT_GE(prompt.clientWidth, TRepeatPrompt::kClientWidth) << scale;
    EXPECT_GE(prompt.clientHeight, TRepeatPrompt::kClientHeight) << scale;
    EXPECT_FALSE(Overlap(prompt.timesLabel.bounds, prompt.countEdit.bounds)) << scale;
    EXPECT_FALSE(Overlap(prompt.timesLabel.bounds, prompt.okButton.bounds)) << scale;
    EXPECT_FALSE(Overlap(prompt.countEdit.bounds, prompt.okButton.bounds)) << scale;
    for (const Control* control : prompt.Controls()) EXPECT_TRUE(Inside(control->bounds, prompt)) << scale;
  }
}

TEST(RepeatPrompt, KeepsItsOwnSizeWhenTheLabelFits) {
  TRepeatPrompt prompt;
  prompt.FormShow([](std::string_view text) { return TextSize{static_cast<int>(text.size()) * 5, 13}; });
  EXPECT_EQ(prompt.clientWidth, 167);
  EXPECT_EQ(prompt.clientHeight, 56);
  EXPECT_EQ(prompt.countEdit.bounds.top, 6);
  EXPECT_EQ(prompt.okButton.bounds.top, 30);
}

}  // namespace
}  // namespace tavrix
