#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "drills/ConversationFixture.h"
#include "drills/ConversationSession.h"

namespace tess {
namespace {

using testing_drills::FixedWidthMeasurer;
using testing_drills::Line;
using testing_drills::MakeConversation;
using testing_drills::WithRoles;
using Answer = ListeningQuestions::Answer;
using Kind = WalkStep::Kind;

constexpr int kMarkWidth = 20;
constexpr int kMarkHeight = 16;

class SessionRig {
 public:
  explicit SessionRig(const Conversation& c, std::vector<int> script = {})
      : conversation(c), random(std::move(script)), session(mode, random, measurer) {
    session.Open(conversation, kMarkWidth, kMarkHeight);
  }

  // A point inside phrase k's hit rectangle, in text-area coordinates.
  Point OnPhrase(int k) const {
    const DropArea& hit = session.Picture().Phrases.at(static_cast<size_t>(k - 1)).Hit;
    return {hit.Left + 1, session.Scroll().AreaY(hit.Top + 1)};
  }
  Point OnGap(int i) const {
    const DropArea& area = session.Gaps().At(i).Area;
    return {area.Left + 1, session.Scroll().AreaY(area.Top + 1)};
  }

  Conversation conversation;
  std::string mode;
  FixedWidthMeasurer measurer;
  ScriptedRandom random;
  ConversationSession session;
};

Conversation SixPhrases() {
  std::vector<Line> lines;
  for (int k = 1; k <= 6; ++k) {
    lines.push_back({k % 2 ? 1 : 2, "Al: words of phrase " + std::to_string(k), ""});
  }
  return MakeConversation(lines);
}

TEST(ConversationSessionTest, ListeningComprehensionAsksRoundTheQuestionsAndCounts) {
  SessionRig rig(SixPhrases(), {1, 1});  // questions 1 and 2
  ASSERT_TRUE(rig.session.ChangeMode(conversation_mode::kListeningComprehension));
  EXPECT_EQ(rig.session.Questions().Remaining(), 2);
  EXPECT_EQ(rig.session.Picture().Marks.size(), 2u);

  WalkStep first = rig.session.FirstStep();
  EXPECT_EQ(first.What, Kind::Play);
  EXPECT_EQ(first.Sound, "d1_1");
  EXPECT_EQ(rig.mode, "NIC");
  EXPECT_TRUE(rig.session.Tally().Attempted);

  TextClick click = rig.session.ClickText(rig.OnPhrase(3));
  EXPECT_EQ(click.Answer, Answer::Ignored);  // a phrase that is no question

  click = rig.session.ClickText(rig.OnPhrase(2));
  EXPECT_EQ(click.Answer, Answer::Wrong);
  EXPECT_EQ(click.Cues, (std::vector<SoundCue>{{SoundCue::Kind::File, "Wav_r\\no.wav", true}}));
  EXPECT_EQ(click.Step.What, Kind::None);

  click = rig.session.ClickText(rig.OnPhrase(1));
  EXPECT_EQ(click.Answer, Answer::Right);
  EXPECT_EQ(click.Cues, (std::vector<SoundCue>{{SoundCue::Kind::File, "Wav_r\\ok.wav", false},
                                               {SoundCue::Kind::File, "Wav_r\\ok.wav", true}}));
  EXPECT_EQ(click.Step.Sound, "d1_2");
  EXPECT_EQ(rig.session.Picture().Marks.size(), 1u);  // phrase 1 is shown again
  EXPECT_FALSE(rig.session.Controls().Next);

  click = rig.session.ClickText(rig.OnPhrase(2));
  EXPECT_EQ(click.Answer, Answer::Right);
  EXPECT_EQ(click.Cues.back().What, SoundCue::Kind::StopPlayer);
  EXPECT_EQ(click.Step.What, Kind::None);
  EXPECT_TRUE(rig.session.Tally().Completed);
  EXPECT_EQ(rig.session.Tally().Percent(), 67);
  EXPECT_TRUE(rig.session.Controls().Next);
  EXPECT_FALSE(rig.session.Controls().Replay);
  EXPECT_EQ(rig.session.Replay().What, Kind::None);
}

TEST(ConversationSessionTest, ModesWithoutEnoughPhrasesSaySoAndDoNothing) {
  SessionRig rig(WithRoles({1, 2}));
  rig.session.ChangeMode(conversation_mode::kListeningComprehension);
  EXPECT_FALSE(rig.session.ShortMessage().empty());
  EXPECT_EQ(rig.session.FirstStep().What, Kind::None);
  EXPECT_FALSE(rig.session.Tally().Attempted);
  rig.session.ChangeMode(conversation_mode::kDragDrop);  // three-word phrases: no gap
  EXPECT_EQ(rig.session.Gaps().Count(), 0);
  EXPECT_FALSE(rig.session.ShortMessage().empty());
  rig.session.ChangeMode(conversation_mode::kTranslation);
  EXPECT_EQ(rig.session.DrawnPhrase(), 1);
  EXPECT_TRUE(rig.session.ShortMessage().empty());
  rig.session.DrawAgain();
  EXPECT_EQ(rig.session.DrawnPhrase(), 1);  // the only phrase to offer
}

TEST(ConversationSessionTest, TranslationShowsTheDrawnPhraseInPolishAndPlaysLearnerThenLecturer) {
  SessionRig rig(
      MakeConversation(
          {{1, "A: Good morning", "Dzie\xF1 dobry"}, {2, "B: Hi", ""}, {1, "A: Bye", ""}}),
      {2});
  rig.session.ChangeMode(conversation_mode::kTranslation);
  ASSERT_EQ(rig.session.DrawnPhrase(), 2);
  EXPECT_EQ(rig.session.Controls().DrawnRecordButton, 2);
  std::string second;
  for (const PhraseRun& run : rig.session.Picture().Runs) {
    if (run.Phrase == 2 && !run.Bold) second += run.Text;
  }
  EXPECT_EQ(second, "pl 2 ");

  EXPECT_FALSE(rig.session.StartRecording(1));
  EXPECT_EQ(rig.session.ClickText(rig.OnPhrase(2)).Step.What, Kind::None);  // nothing recorded
  EXPECT_TRUE(rig.session.StartRecording(2));
  EXPECT_TRUE(rig.session.StopRecording());
  EXPECT_FALSE(rig.session.StopRecording());
  EXPECT_FALSE(rig.session.Recorded(2, 299, "/course/"));
  EXPECT_FALSE(rig.session.Tally().Attempted);
  EXPECT_TRUE(rig.session.Recorded(2, 300, "/course/"));
  EXPECT_EQ(rig.session.Recordings().RecordedFile(2), "/course/save_2");
  EXPECT_TRUE(rig.session.Tally().Completed);

  const TextClick click = rig.session.ClickText(rig.OnPhrase(2));
  EXPECT_EQ(click.Step.Sound, "save_2.wav");
  EXPECT_EQ(rig.mode, "PotemLektor:d1_2");
  EXPECT_EQ(rig.session.ClickText(rig.OnPhrase(1)).Step.Sound, "d1_1");
}

TEST(ConversationSessionTest, RightClickLoopsAPhraseInTheModesThatPlayOne) {
  struct Row {
    const char* name;
    int mode;
    int phrase;  // 0: beside every phrase
    int looped;
    bool counted;
  };
  const std::vector<Row> rows = {
      {"listening", conversation_mode::kListening, 2, 2, true},
      {"speaking", conversation_mode::kSpeaking, 3, 3, true},
      {"translation, another phrase", conversation_mode::kTranslation, 1, 1, false},
      {"translation, the phrase to translate", conversation_mode::kTranslation, 2, 0, false},
      {"beside every phrase", conversation_mode::kListening, 0, 0, false},
      {"listening comprehension", conversation_mode::kListeningComprehension, 3, 0, false},
      {"drag and drop", conversation_mode::kDragDrop, 3, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SessionRig rig(WithRoles({1, 2, 1}), {2});
    if (row.mode != conversation_mode::kListening) rig.session.ChangeMode(row.mode);
    const Point at = row.phrase != 0 ? rig.OnPhrase(row.phrase) : Point{1, 400};
    const TextClick click = rig.session.LoopText(at);
    EXPECT_EQ(rig.session.Walk().LoopedPhrase(), row.looped);
    EXPECT_EQ(click.Step.What, row.looped != 0 ? Kind::Play : Kind::None);
    if (row.looped != 0) {
      EXPECT_EQ(click.Step.Sound, "d1_" + std::to_string(row.looped));
      EXPECT_EQ(rig.mode, "dialog");
      EXPECT_TRUE(rig.session.Highlighted(row.looped));
    }
    if (row.mode != conversation_mode::kListeningComprehension) {
      EXPECT_EQ(rig.session.Tally().Attempted, row.counted);
    }
  }
}

TEST(ConversationSessionTest, AClickOrASecondRightClickEndsTheLoop) {
  const SoundCue stop{SoundCue::Kind::StopPlayer, {}, false};
  SessionRig rig(WithRoles({1, 2, 1}));
  const Point away{1, 400};

  ASSERT_EQ(rig.session.LoopText(rig.OnPhrase(2)).Step.What, Kind::Play);
  TextClick click = rig.session.LoopText(rig.OnPhrase(2));
  EXPECT_EQ(click.Step.What, Kind::None);
  EXPECT_EQ(click.Cues, std::vector<SoundCue>{stop});
  EXPECT_TRUE(click.Repaint);
  EXPECT_EQ(rig.session.Walk().LoopedPhrase(), 0);
  EXPECT_EQ(rig.mode, "");

  for (const Point at : {rig.OnPhrase(2), away}) {
    rig.session.LoopText(rig.OnPhrase(2));
    click = rig.session.ClickText(at);
    EXPECT_EQ(click.Step.What, Kind::None) << "the click only ends the loop";
    EXPECT_EQ(click.Cues, std::vector<SoundCue>{stop});
    EXPECT_FALSE(rig.session.Highlighted(2));
    EXPECT_EQ(rig.session.Walk().LoopedPhrase(), 0);
  }

  // A click on another phrase ends the loop and plays that phrase once.
  rig.session.LoopText(rig.OnPhrase(2));
  click = rig.session.ClickText(rig.OnPhrase(3));
  EXPECT_EQ(click.Step.Sound, "d1_3");
  EXPECT_EQ(rig.session.Walk().LoopedPhrase(), 0);
  EXPECT_EQ(rig.session.Walk().SinglePhraseEnded().What, Kind::None);
  // A right click on another phrase moves the loop there.
  rig.session.LoopText(rig.OnPhrase(2));
  EXPECT_EQ(rig.session.LoopText(rig.OnPhrase(1)).Step.Sound, "d1_1");
  EXPECT_EQ(rig.session.Walk().LoopedPhrase(), 1);
  // Without a loop, a click beside the phrases still does nothing at all.
  rig.session.StopPlayback();
  EXPECT_TRUE(rig.session.ClickText(away).Cues.empty());
}

TEST(ConversationSessionTest, SpeakingSwitchesBetweenLearnerAndLecturerUntilTheModeIsLeft) {
  SessionRig rig(WithRoles({1, 2, 1}));
  rig.session.ChangeMode(conversation_mode::kSpeaking);
  EXPECT_FALSE(rig.session.ToggleOwn(2));  // nothing recorded yet
  ASSERT_TRUE(rig.session.StartRecording(2));
  rig.session.StopRecording();
  ASSERT_TRUE(rig.session.Recorded(2, 1200, "/course/"));
  EXPECT_TRUE(rig.session.Recordings().UsesOwn(2));
  WalkStep step = rig.session.PlayAll();
  step = rig.session.Walk().Continue();
  EXPECT_EQ(step.Sound, "save_2.wav");
  EXPECT_TRUE(rig.session.ToggleOwn(2));
  EXPECT_EQ(rig.session.Walk().PlayPhrase(2).Sound, "d1_2");
  EXPECT_TRUE(rig.session.ToggleOwn(2));
  EXPECT_EQ(rig.session.Walk().PlayPhrase(2).Sound, "save_2.wav");

  EXPECT_FALSE(rig.session.ChangeMode(conversation_mode::kSpeaking));
  rig.session.ChangeMode(conversation_mode::kListening);
  rig.session.ChangeMode(conversation_mode::kSpeaking);
  EXPECT_FALSE(rig.session.Recordings().UsesOwn(2));
  EXPECT_FALSE(rig.session.ToggleOwn(2));
}

TEST(ConversationSessionTest, ControlsFollowTheModeAndTheRoles) {
  struct Row {
    const char* name;
    std::vector<int> roles;
    int mode;
    std::array<bool, 4> playRole;
    bool recordButtons;
  };
  const std::vector<Row> rows = {
      {"listening two roles", {1, 2}, 1, {true, true, false, false}, false},
      {"listening four roles", {1, 2, 3, 4}, 1, {true, true, true, true}, false},
      {"speaking two roles", {1, 2}, 2, {true, true, false, false}, true},
      {"speaking four roles", {1, 4, 3}, 2, {true, true, true, false}, true},
      {"speaking one role", {1, 1}, 2, {true, true, true, false}, true},
      {"translation", {1, 2, 3, 4}, 3, {false, false, false, false}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SessionRig rig(WithRoles(row.roles));
    rig.session.ChangeMode(row.mode);
    const ModeControls controls = rig.session.Controls();
    EXPECT_EQ(controls.PlayRole, row.playRole);
    EXPECT_EQ(controls.PlayAll, row.mode <= 2);
    EXPECT_EQ(controls.Next, row.mode == 3);
    EXPECT_EQ(controls.RecordButtons, row.recordButtons);
  }
}

TEST(ConversationSessionTest, RoleButtonsNoticeOnceAndIgnoreRolesWithoutPhrases) {
  SessionRig rig(WithRoles({1, 2, 1}));
  ConversationSession::RolePress press = rig.session.PlayRole(3);
  EXPECT_EQ(press.Step.What, Kind::None);
  EXPECT_FALSE(press.ShowRolesNotice);
  EXPECT_FALSE(rig.session.Tally().Attempted);
  EXPECT_EQ(rig.mode, "");

  press = rig.session.PlayRole(2);
  EXPECT_TRUE(press.ShowRolesNotice);
  EXPECT_EQ(press.Step.What, Kind::WaitThrough);
  EXPECT_TRUE(rig.session.Tally().Completed);
  EXPECT_EQ(rig.session.PlayRole(2).Step.What, Kind::None);
  rig.session.StopPlayback();
  EXPECT_FALSE(rig.session.PlayRole(2).ShowRolesNotice);
}

TEST(ConversationSessionTest, HoverShowsTheTranslationOnlyWhileListening) {
  SessionRig rig(MakeConversation({{1, "A: one", std::string(301, 't')}, {2, "B: two", ""}}));
  TextHover hover = rig.session.HoverText(rig.OnPhrase(1));
  EXPECT_EQ(hover.Phrase, 1);
  EXPECT_TRUE(hover.ShowTranslation);
  EXPECT_EQ(hover.Box.Background, TranslationBackground::Medium);
  EXPECT_EQ(rig.session.HoverText({400, 400}).Phrase, 0);
  rig.session.ChangeMode(conversation_mode::kSpeaking);
  hover = rig.session.HoverText(rig.OnPhrase(2));
  EXPECT_EQ(hover.Phrase, 2);
  EXPECT_FALSE(hover.ShowTranslation);
  EXPECT_EQ(rig.session.ControlTop(2), TextArea::kTop + 21 + 2);
}

TEST(ConversationSessionTest, DragAndDropFillsGapsAndCountsWrongDrops) {
  // Two phrases of four words: one gap each, the first word of each.
  SessionRig rig(
      MakeConversation({{1, "A: one two three four", ""}, {2, "B: five six seven eight", ""}}));
  rig.session.ChangeMode(conversation_mode::kDragDrop);
  ASSERT_EQ(rig.session.Gaps().Count(), 2);
  EXPECT_EQ(rig.session.Texts()[0], "<!!TU>one two three four");
  EXPECT_EQ(rig.session.HoverText(rig.OnGap(1)).Phrase, 0);
  EXPECT_EQ(rig.session.ClickText(rig.OnGap(1)).Step.What, Kind::None);
  const std::vector<Point> homes = rig.session.PlaceLabels({10, 520, 690, 590}, {40, 40}, 15);
  EXPECT_EQ(homes.size(), 2u);

  EXPECT_TRUE(rig.session.LiftLabel(2));
  EXPECT_TRUE(rig.session.Tally().Attempted);
  LabelDrop drop = rig.session.DropLabel(2, rig.OnGap(1));
  EXPECT_EQ(drop.Result.What, GapDrop::Kind::Wrong);
  EXPECT_EQ(drop.Cues, (std::vector<SoundCue>{{SoundCue::Kind::File, "Wav_r\\no.wav", true}}));
  drop = rig.session.DropLabel(1, rig.OnGap(1));
  EXPECT_EQ(drop.Result.What, GapDrop::Kind::Right);
  EXPECT_FALSE(rig.session.LabelShown(1));
  EXPECT_TRUE(rig.session.LabelShown(2));
  EXPECT_EQ(rig.session.Texts()[0], "one two three four");
  drop = rig.session.DropLabel(2, rig.OnGap(2));
  EXPECT_TRUE(drop.Result.AllFilled);
  EXPECT_TRUE(rig.session.Tally().Completed);
  EXPECT_EQ(rig.session.Tally().Percent(), 67);
  EXPECT_TRUE(rig.session.Controls().Next);
  EXPECT_FALSE(rig.session.Controls().WordPanel);
  EXPECT_FALSE(rig.session.LabelShown(2));
}

TEST(ConversationSessionTest, EachModeRecordsUnderItsOwnKind) {
  ResultsStore store;
  for (int kind = 70; kind <= 74; ++kind) {
    ResultRecord record;
    record.Name = "dia_3";
    record.Kind = static_cast<std::uint8_t>(kind);
    ASSERT_TRUE(store.Append(record));
  }
  const RecordContext context{2.5, -1, nullptr};
  SessionRig rig(SixPhrases(), {1, 1});

  // Listening: a phrase was clicked. Speaking: nothing done, nothing recorded.
  rig.session.ClickText(rig.OnPhrase(1));
  std::optional<ModeAttempt> left = rig.session.ChangeMode(conversation_mode::kSpeaking);
  ASSERT_TRUE(left);
  EXPECT_EQ(RecordConversationMode(store, left->Tally, left->Mode, "DIA_3", context), 1);
  left = rig.session.ChangeMode(conversation_mode::kListeningComprehension);
  EXPECT_EQ(RecordConversationMode(store, left->Tally, left->Mode, "dia_3", context), 0);

  // Listening comprehension: one wrong click, then the tab is left half done.
  rig.session.FirstStep();
  rig.session.ClickText(rig.OnPhrase(2));
  left = rig.session.ChangeMode(conversation_mode::kListening);
  EXPECT_EQ(RecordConversationMode(store, left->Tally, left->Mode, "dia_3", context), 4);

  const ModeAttempt closing = rig.session.Close();
  EXPECT_EQ(closing.Mode, 1);
  EXPECT_FALSE(closing.Tally.Attempted);

  EXPECT_EQ(store.At(1).Attempts, 1);
  EXPECT_EQ(store.At(1).Score, 100);
  EXPECT_EQ(store.At(1).Finished, 1);
  EXPECT_EQ(store.At(1).LastDate, 2.5);
  EXPECT_EQ(store.At(2).Attempts, 0);
  EXPECT_EQ(store.At(4).Attempts, 1);
  EXPECT_EQ(store.At(4).Score, 0);
  EXPECT_EQ(store.At(4).Finished, 0);
  EXPECT_EQ(ConversationKind(5), 74);
}

}  // namespace
}  // namespace tess
