#include "drills/ConversationSession.h"

#include "core/ConversationTable.h"
#include "drills/PhraseDraw.h"

namespace tess {
namespace {

using conversation_mode::kDragDrop;
using conversation_mode::kListening;
using conversation_mode::kListeningComprehension;
using conversation_mode::kSpeaking;
using conversation_mode::kTranslation;

std::string TooShortMessage() { return "Ta rozmowa jest za kr\xF3tka na to \xE6wiczenie."; }

}  // namespace

ConversationSession::ConversationSession(std::string& playbackMode, RandomSource& random,
                                         const TextMeasurer& measurer)
    : random_(random), measurer_(measurer), walk_(playbackMode, recordings_) {}

void ConversationSession::Open(const Conversation& conversation, int markWidth, int markHeight) {
  script_ = ConversationScript(conversation);
  area_ = TextAreaFor(conversation.TextLayout);
  markWidth_ = markWidth;
  markHeight_ = markHeight;
  mode_ = 0;
  lastDrawn_ = -1;
  walk_.Stop();
  Prepare(kListening);
}

std::optional<ModeAttempt> ConversationSession::ChangeMode(int mode) {
  if (mode == mode_ || mode < kListening || mode > kDragDrop) return std::nullopt;
  ModeAttempt left{mode_, tally_};
  walk_.Stop();
  lastDrawn_ = -1;
  Prepare(mode);
  return left;
}

void ConversationSession::DrawAgain() {
  walk_.Stop();
  Prepare(mode_);
}

ModeAttempt ConversationSession::Close() {
  walk_.Stop();
  recording_ = false;
  return {mode_, tally_};
}

void ConversationSession::Prepare(int mode) {
  mode_ = mode;
  recording_ = false;
  tally_.Reset();
  shortMessage_.clear();
  drawn_ = 0;
  homes_.clear();
  recordings_.Reset(script_);
  texts_.clear();
  std::vector<int> lengths;
  std::vector<std::string> translations;
  for (int k = 1; k <= script_.Count(); ++k) {
    texts_.push_back(script_.Phrase(k).Text);
    lengths.push_back(static_cast<int>(script_.Phrase(k).Text.size()));
    translations.push_back(script_.Phrase(k).Translation);
  }
  walk_.Reset(script_.Roles(), std::move(lengths));
  speakerWidth_ = script_.SpeakerWidth(measurer_);
  questions_.Prepare({}, script_.Count());
  gaps_ = ConversationGaps();
  if (mode == kTranslation) {
    drawn_ = DrawTranslationPhrase(script_.Count(), lastDrawn_, random_);
    lastDrawn_ = drawn_;
    if (drawn_ == 0) shortMessage_ = TooShortMessage();
  } else if (mode == kListeningComprehension) {
    questions_.Prepare(DrawQuestions(translations, random_), script_.Count());
    if (questions_.Finished()) shortMessage_ = TooShortMessage();
  } else if (mode == kDragDrop) {
    gaps_.Draw(texts_, random_);
    if (gaps_.Count() == 0) shortMessage_ = TooShortMessage();
  }
  Layout();
  scroll_.Relayout(picture_, TextArea::kHeight);
}

void ConversationSession::Layout() {
  std::vector<LayoutPhrase> phrases;
  for (int k = 1; k <= script_.Count(); ++k) {
    LayoutPhrase phrase;
    phrase.Speaker = script_.Phrase(k).Speaker;
    if (mode_ == kListeningComprehension && questions_.IsHidden(k)) {
      phrase.QuestionMark = true;
    } else if (mode_ == kTranslation && k == drawn_) {
      phrase.Words = script_.Phrase(k).Translation;
    } else {
      phrase.Words = texts_[static_cast<size_t>(k - 1)];
    }
    phrases.push_back(std::move(phrase));
  }
  LayoutSettings settings;
  settings.AreaWidth = area_.Width;
  settings.SpeakerWidth = speakerWidth_;
  settings.GapMode = mode_ == kDragDrop;
  settings.MarkWidth = markWidth_;
  settings.MarkHeight = markHeight_;
  picture_ = LayoutConversation(phrases, settings, measurer_);
  if (mode_ == kDragDrop) gaps_.Take(picture_);
}

WalkStep ConversationSession::FirstStep() {
  if (mode_ != kListeningComprehension) return {};
  return Replay();
}

ModeControls ConversationSession::Controls() const {
  ModeControls controls;
  const int maxRole = script_.MaxRole();
  switch (mode_) {
    case kListening:
      controls.PlayAll = true;
      controls.PlayRole = {true, true, maxRole >= 3, maxRole >= 4};
      break;
    case kSpeaking:
      controls.PlayAll = true;
      controls.PlayRole = {true, true, maxRole != 2, false};
      controls.RecordButtons = true;
      break;
    case kTranslation:
      controls.Next = true;
      controls.DrawnRecordButton = drawn_;
      break;
    case kListeningComprehension:
      controls.Next = tally_.Completed;
      controls.Replay = !tally_.Completed;
      break;
    case kDragDrop:
      controls.Next = tally_.Completed;
      controls.WordPanel = !tally_.Completed;
      break;
    default:
      break;
  }
  return controls;
}

int ConversationSession::ControlTop(int k) const {
  if (k < 1 || k > static_cast<int>(picture_.Phrases.size())) return 0;
  return TextArea::kTop + scroll_.AreaY(picture_.Phrases[static_cast<size_t>(k - 1)].Top) + 2;
}

WalkStep ConversationSession::PlayAll() {
  if (Studying()) tally_.UsedInFull();
  scroll_.ToTop();
  return walk_.PlayAll();
}

ConversationSession::RolePress ConversationSession::PlayRole(int role) {
  RolePress press;
  // A second press while the role is walked, or a role without phrases, changes nothing.
  press.Step = walk_.PlayRole(role);
  if (press.Step.What == WalkStep::Kind::None) return press;
  if ((role == 2 || role == 3) && !rolesNoticeShown_) {
    rolesNoticeShown_ = true;
    press.ShowRolesNotice = true;
  }
  if (Studying()) tally_.UsedInFull();
  scroll_.ToTop();
  return press;
}

TextClick ConversationSession::ClickText(Point areaPoint) {
  TextClick click;
  if (mode_ == kDragDrop) return click;
  const int k = picture_.PhraseAt(scroll_.ToContent(areaPoint));
  const int looped = walk_.LoopedPhrase();
  if (looped != 0) {
    EndLoop(click);
    if (k == looped) return click;
  }
  if (k == 0) return click;
  if (Studying()) tally_.UsedInFull();
  if (mode_ == kListeningComprehension) {
    click.Answer = questions_.Click(k);
    if (click.Answer == ListeningQuestions::Answer::Wrong) {
      click.Cues.push_back({SoundCue::Kind::File, kWrongSound, true});
      ++tally_.Bad;
      tally_.Attempted = true;
    } else if (click.Answer == ListeningQuestions::Answer::Right) {
      ++tally_.Good;
      tally_.Attempted = true;
      Layout();
      scroll_.GrowAfterAnswer(picture_, TextArea::kHeight);
      click.Repaint = true;
      click.Cues.push_back({SoundCue::Kind::File, kRightSound, false});
      if (!questions_.Finished()) {
        click.Cues.push_back({SoundCue::Kind::File, kRightSound, true});
        click.Step = Replay();
      } else {
        tally_.Completed = true;
        click.Cues.push_back({SoundCue::Kind::StopPlayer, {}, false});
      }
    }
    return click;
  }
  if (mode_ == kTranslation && k == drawn_) {
    if (recordings_.UsesOwn(k)) click.Step = walk_.PlayOwnThenLecturer(k);
  } else {
    click.Step = walk_.PlayPhrase(k);
  }
  click.Repaint = click.Repaint || click.Step.What != WalkStep::Kind::None;
  return click;
}

TextClick ConversationSession::LoopText(Point areaPoint) {
  TextClick click;
  if (mode_ == kDragDrop || mode_ == kListeningComprehension) return click;
  const int k = picture_.PhraseAt(scroll_.ToContent(areaPoint));
  if (k == 0 || (mode_ == kTranslation && k == drawn_)) return click;
  if (walk_.LoopedPhrase() == k) {
    EndLoop(click);
    return click;
  }
  if (Studying()) tally_.UsedInFull();
  click.Step = walk_.LoopPhrase(k);
  click.Repaint = true;
  return click;
}

void ConversationSession::EndLoop(TextClick& click) {
  walk_.Stop();
  click.Cues.push_back({SoundCue::Kind::StopPlayer, {}, false});
  click.Repaint = true;
}

TextHover ConversationSession::HoverText(Point areaPoint) const {
  TextHover hover;
  if (mode_ == kDragDrop) return hover;
  hover.Phrase = picture_.PhraseAt(scroll_.ToContent(areaPoint), true);
  if (hover.Phrase != 0 && mode_ == kListening) {
    hover.ShowTranslation = true;
    hover.Translation = script_.Phrase(hover.Phrase).Translation;
    hover.Box = TranslationBoxFor(hover.Translation.size());
  }
  return hover;
}

bool ConversationSession::StartRecording(int k) {
  const bool allowed = (mode_ == kSpeaking && k >= 1 && k <= script_.Count()) ||
                       (mode_ == kTranslation && k == drawn_ && k != 0);
  if (!allowed) return false;
  walk_.Stop();
  recording_ = true;
  return true;
}

bool ConversationSession::StopRecording() {
  const bool was = recording_;
  recording_ = false;
  return was;
}

bool ConversationSession::Recorded(int k, std::int64_t lengthMs, const std::string& programDir) {
  if (!recordings_.Accept(k, lengthMs, programDir)) return false;
  if (mode_ == kSpeaking || mode_ == kTranslation) tally_.UsedInFull();
  return true;
}

bool ConversationSession::ToggleOwn(int k) { return recordings_.Toggle(k); }

WalkStep ConversationSession::Replay() {
  if (mode_ != kListeningComprehension || questions_.Asked() == 0) return {};
  tally_.Attempted = true;
  return walk_.PlayQuestion(questions_.Asked());
}

const std::vector<Point>& ConversationSession::PlaceLabels(DropArea panel,
                                                           const std::vector<int>& widths,
                                                           int height) {
  homes_ = gaps_.PlaceLabels(panel, widths, height, random_);
  return homes_;
}

bool ConversationSession::LabelShown(int i) const {
  return mode_ == kDragDrop && i >= 1 && i <= gaps_.Count() && !gaps_.At(i).Filled &&
         !tally_.Completed;
}

bool ConversationSession::LiftLabel(int label) {
  if (!LabelShown(label)) return false;
  tally_.Attempted = true;
  return true;
}

LabelDrop ConversationSession::DropLabel(int label, Point areaPoint) {
  LabelDrop drop;
  if (!LabelShown(label)) return drop;
  drop.Result = gaps_.Drop(label, scroll_.ToContent(areaPoint), texts_);
  if (drop.Result.What == GapDrop::Kind::Wrong) {
    ++tally_.Bad;
    drop.Cues.push_back({SoundCue::Kind::File, kWrongSound, true});
  } else if (drop.Result.What == GapDrop::Kind::Right) {
    Layout();
    ++tally_.Good;
    drop.Cues.push_back({SoundCue::Kind::File, kRightSound, false});
    if (drop.Result.AllFilled) tally_.Completed = true;
  }
  return drop;
}

}  // namespace tess
