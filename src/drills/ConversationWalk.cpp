#include "drills/ConversationWalk.h"

#include <algorithm>

#include "drills/OwnRecordings.h"
#include "media/SoundService.h"

namespace tess {

ConversationWalk::ConversationWalk(std::string& playbackMode, const OwnRecordings& sounds)
    : mode_(playbackMode), sounds_(sounds) {}

void ConversationWalk::Reset(std::vector<int> roles, std::vector<int> textLengths) {
  roles_ = std::move(roles);
  lengths_ = std::move(textLengths);
  lengths_.resize(roles_.size(), 0);
  current_ = 0;
  highlighted_ = 0;
  ++chain_;
  running_ = false;
  leading_ = false;
  looping_ = false;
}

bool ConversationWalk::Stop() {
  mode_.clear();
  ++chain_;
  running_ = false;
  leading_ = false;
  looping_ = false;
  const bool repaint = current_ >= 1 && current_ <= Count();
  if (repaint) highlighted_ = 0;
  return repaint;
}

std::string ConversationWalk::RoleMode(int role) {
  switch (role) {
    case 1:
      return playback_mode::kRoleA;
    case 2:
      return playback_mode::kRoleB;
    case 3:
      return playback_mode::kRoleC;
    case 4:
      return playback_mode::kRoleD;
    default:
      return {};
  }
}

int ConversationWalk::Role() const {
  for (int role = 1; role <= 4; ++role) {
    if (mode_ == RoleMode(role)) return role;
  }
  return 0;
}

bool ConversationWalk::RoleAhead(int role, int from) const {
  for (int k = std::max(from, 1); k <= Count(); ++k) {
    if (roles_[static_cast<size_t>(k - 1)] == role) return true;
  }
  return false;
}

WalkStep ConversationWalk::Begin(const std::string& mode, int k) {
  Stop();
  mode_ = mode;
  running_ = true;
  current_ = k;
  highlighted_ = k;
  WalkStep step;
  step.What = WalkStep::Kind::Play;
  step.Phrase = k;
  step.Sound = sounds_.SoundOf(k);
  step.Chain = chain_;
  return step;
}

WalkStep ConversationWalk::PlayAll() {
  if (Count() == 0) return {};
  WalkStep step = Begin(playback_mode::kWholeConversation, 1);
  step.KeepVisible = true;
  return step;
}

WalkStep ConversationWalk::PlayRole(int role) {
  const std::string mode = RoleMode(role);
  if (mode.empty() || mode_ == mode || !RoleAhead(role)) return {};
  Begin(mode, 1);
  leading_ = true;
  return StepAt(1);
}

WalkStep ConversationWalk::PlayPhrase(int k) {
  if (k < 1 || k > Count()) return {};
  return Begin(playback_mode::kSinglePhrase, k);
}

WalkStep ConversationWalk::PlayOwnThenLecturer(int k) {
  if (k < 1 || k > Count()) return {};
  WalkStep step = Begin(std::string(playback_mode::kLecturerAfter) + sounds_.LecturerSound(k), k);
  step.Sound = OwnRecordings::RecordingSound(k);
  return step;
}

WalkStep ConversationWalk::LoopPhrase(int k) {
  if (k < 1 || k > Count()) return {};
  WalkStep step = Begin(playback_mode::kSinglePhrase, k);
  looping_ = true;
  return step;
}

WalkStep ConversationWalk::PlayQuestion(int k) {
  if (k < 1 || k > Count()) return {};
  WalkStep step = Begin(playback_mode::kNothing, k);
  highlighted_ = 0;
  return step;
}

// Phrase k of a role walk is reached: played when it has the walk's role, else waited through.
WalkStep ConversationWalk::StepAt(int k) {
  current_ = k;
  highlighted_ = k;
  WalkStep step;
  step.Phrase = k;
  step.Chain = chain_;
  step.KeepVisible = true;
  if (roles_[static_cast<size_t>(k - 1)] == Role()) {
    leading_ = false;
    step.What = WalkStep::Kind::Play;
    step.Sound = sounds_.SoundOf(k);
    return step;
  }
  step.What = WalkStep::Kind::WaitThrough;
  step.Slices = lengths_[static_cast<size_t>(k - 1)];
  // Before the first phrase of the role the walk does not scroll.
  step.KeepVisible = !leading_;
  return step;
}

WalkStep ConversationWalk::AfterWait(const WalkStep& step) {
  if (looping_ && IsCurrent(step) && step.What == WalkStep::Kind::WaitThrough) {
    // The mode text is still "dialog": the next end comes back to SinglePhraseEnded.
    WalkStep again;
    again.What = WalkStep::Kind::Play;
    again.Phrase = current_;
    again.Sound = sounds_.SoundOf(current_);
    again.Chain = chain_;
    return again;
  }
  if (!IsCurrent(step) || step.What != WalkStep::Kind::WaitThrough || Role() == 0) return {};
  highlighted_ = 0;
  if (step.Phrase >= Count()) {
    mode_.clear();
    running_ = false;
    WalkStep end;
    end.What = WalkStep::Kind::End;
    end.Phrase = step.Phrase;
    end.Chain = chain_;
    return end;
  }
  return StepAt(step.Phrase + 1);
}

WalkStep ConversationWalk::Continue() {
  const bool whole = mode_ == playback_mode::kWholeConversation;
  if (!running_ || (!whole && Role() == 0)) return {};
  highlighted_ = 0;
  if (current_ >= Count()) {
    mode_.clear();
    running_ = false;
    WalkStep end;
    end.What = WalkStep::Kind::End;
    end.Phrase = current_;
    end.Chain = chain_;
    return end;
  }
  if (!whole) return StepAt(current_ + 1);
  ++current_;
  highlighted_ = current_;
  WalkStep step;
  step.What = WalkStep::Kind::Play;
  step.Phrase = current_;
  step.Sound = sounds_.SoundOf(current_);
  step.KeepVisible = true;
  step.Chain = chain_;
  return step;
}

WalkStep ConversationWalk::SinglePhraseEnded() {
  if (looping_ && running_) {
    WalkStep pause;
    pause.What = WalkStep::Kind::WaitThrough;
    pause.Phrase = current_;
    pause.Slices = WalkStep::kLoopPauseSlices;
    pause.Chain = chain_;
    return pause;
  }
  highlighted_ = 0;
  mode_.clear();
  running_ = false;
  return {};
}

}  // namespace tess
