#include "coursebook/OptionsEdit.h"

#include <gtest/gtest.h>

#include "support/CourseFixture.h"

namespace tess {
namespace {

UserOptions SomeOptions() {
  UserOptions o;
  o.CaseSensitive = true;
  o.SentenceDragDrop = true;
  o.SentenceHintPending = true;
  o.UseDictionary = true;
  o.Animations = true;
  return o;
}

TEST(OptionsEditTest, ShowTakesTheOptionsAndAnyClickOffersOk) {
  OptionsEdit edit;
  edit.Show(SomeOptions(), 2, {0, 2, 3});
  EXPECT_TRUE(edit.Checked(OptionBox::CaseSensitive));
  EXPECT_FALSE(edit.Checked(OptionBox::KeepPunctuation));
  EXPECT_TRUE(edit.Checked(OptionBox::UseDictionary));
  EXPECT_EQ(edit.LanguageAtShow(), 2);
  EXPECT_EQ(edit.LanguagePosition(), 1);
  EXPECT_FALSE(edit.Changed());

  // A box clicked twice is back as it was, but the learner touched it.
  edit.Toggle(OptionBox::TypingTabLast);
  edit.Toggle(OptionBox::TypingTabLast);
  EXPECT_FALSE(edit.Checked(OptionBox::TypingTabLast));
  EXPECT_TRUE(edit.Changed());

  edit.Show(SomeOptions(), 2, {0, 2, 3});
  EXPECT_FALSE(edit.Changed()) << "a new showing starts unchanged";
  edit.ChooseLanguage(7);
  EXPECT_FALSE(edit.Changed()) << "no such entry";
  edit.ChooseLanguage(1);
  EXPECT_TRUE(edit.Changed());
}

TEST(OptionsEditTest, ConfirmTakesTheBoxesAndKeepsTheHintFlags) {
  UserOptions current = SomeOptions();
  current.ExerciseHintPending = true;
  current.SentenceHintPending = false;
  OptionsEdit edit;
  edit.Show(current, 0, {0});
  edit.Toggle(OptionBox::CaseSensitive);
  edit.SetChecked(OptionBox::KeepPunctuation, true);
  edit.Toggle(OptionBox::TypingTabLast);
  edit.Toggle(OptionBox::Animations);
  edit.Toggle(OptionBox::UseDictionary);

  // A hint shown meanwhile clears its flag in memory; OK must not bring it back.
  current.ExerciseHintPending = false;
  const UserOptions expected{false, true, true, true, false, false, false, false};
  EXPECT_EQ(edit.Confirm(current).Options, expected);
}

TEST(OptionsEditTest, OnlyAnotherLanguageIsSwitchedTo) {
  struct Row {
    const char* name;
    std::vector<int> choices;
    int language;
    std::vector<int> picks;  // entries picked by the learner, in order
    int expected;
  };
  const Row rows[] = {
      {"untouched", {0, 1, 2, 3}, 1, {}, -1},
      {"same_entry_picked", {0, 1, 2, 3}, 1, {1}, -1},
      {"other_entry", {0, 1, 2, 3}, 1, {3}, 3},
      {"positions_are_not_numbers", {0, 2}, 0, {1}, 1},
      {"back_to_the_language_at_show", {0, 2}, 2, {0, 1}, -1},
      {"current_not_installed", {0, 2}, 3, {}, -1},
      {"current_not_installed_then_chosen", {0, 2}, 3, {0}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    OptionsEdit edit;
    edit.Show(UserOptions{}, row.language, row.choices);
    for (const int pick : row.picks) edit.ChooseLanguage(pick);
    EXPECT_EQ(edit.Confirm(UserOptions{}).LanguagePosition, row.expected);
  }
}

TEST(OptionsEditTest, DictionaryProgramIsTheWordbookFileBesideTheCourse) {
  testing::CourseFolder folder;
  EXPECT_FALSE(DictionaryProgramPresent(folder.ProgramDir()));
  folder.Write("wordbook.exe", "MZ");
  folder.MakeFolder("wordbook/x");
  EXPECT_FALSE(DictionaryProgramPresent(folder.ProgramDir()));
  testing::CourseFolder other;
  other.Write("WordBook",
              "\x7F"
              "ELF");
  EXPECT_TRUE(DictionaryProgramPresent(other.ProgramDir()));
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

TEST(OptionsEditTest, SoundDevicesAreStoredOnlyWhenThePickDiffers) {
  OptionsEdit edit;
  edit.Show(UserOptions::Defaults(), 0, {0});
  edit.ShowSoundDevices({"Speakers", ""});
  edit.ChooseSoundDevices({"Speakers", ""});
  EXPECT_FALSE(edit.Changed());
  EXPECT_FALSE(edit.Confirm(UserOptions::Defaults()).SoundDevices.has_value());

  edit.ChooseSoundDevices({"Headset", "Headset mic"});
  EXPECT_TRUE(edit.Changed());
  const auto stored = edit.Confirm(UserOptions::Defaults()).SoundDevices;
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(*stored, (SoundDeviceChoice{"Headset", "Headset mic"}));

  // Showing the window again starts from what is stored.
  edit.ShowSoundDevices(*stored);
  EXPECT_FALSE(edit.Confirm(UserOptions::Defaults()).SoundDevices.has_value());
}

}  // namespace
}  // namespace tess
