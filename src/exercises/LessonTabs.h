#pragma once
// The lesson's tab strip and the launcher's decisions. The windows act on what these return
// (show a message, close the open window, load a kind), so the rules are tested without them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ExerciseList.h"
#include "exercises/ExerciseLayout.h"

namespace tess {

inline constexpr int kMaxLessonTabs = 8;
/// `CurrentTab` before the lesson's first tab is opened.
inline constexpr int kNoTabShown = 999;
/// Interface texts the launcher shows in the message window.
inline constexpr int kTextTypingTabLast = 84;
inline constexpr int kTextExerciseHint = 63;

/// Lesson state shared by the chooser, the launcher and the exercise windows. Arrays are
/// indexed by tab number 1..8 through the accessors.
struct LessonState {
  std::array<int, kMaxLessonTabs> LessonTabs{};
  int TabCount = 0;
  std::array<std::uint8_t, kMaxLessonTabs> TabResultSlot{};
  std::array<bool, kMaxLessonTabs> TabOpened{};
  int CurrentTab = kNoTabShown;
  int CurrentExercise = 0;
  std::uint8_t CurrentResultKind = 0;
  std::uint8_t CurrentResultItem = 0;
  std::string CurrentResultName;
  int TextMediaMode = kTextMediaSound;

  int ExerciseOfTab(int tab) const { return LessonTabs[Index(tab)]; }
  std::uint8_t ResultSlotOfTab(int tab) const { return TabResultSlot[Index(tab)]; }
  bool Opened(int tab) const { return TabOpened[Index(tab)]; }
  bool ValidTab(int tab) const { return tab >= 1 && tab <= TabCount; }

  /// What the chooser does before opening tab 1: the text's exercises (at most 8 are kept)
  /// with their results items, every opened mark cleared, no tab shown.
  void BeginLesson(const std::vector<int>& exercises, const std::vector<std::uint8_t>& slots,
                   std::string resultName, int textMediaMode);

  static size_t Index(int tab) { return static_cast<size_t>(tab - 1); }
};

/// What `OpenExerciseTab` asks of the windows.
struct TabSwitch {
  enum class Action {
    Nothing,      ///< the tab is shown already, or there is no such tab
    ShowMessage,  ///< the typing tab waits for the others: InterfaceText(Message), modal
    Launch,       ///< stop the sound, close the open exercise window, launch Exercise
  };
  Action What = Action::Nothing;
  int Message = 0;
  int Exercise = 0;
};

/// The decision of `OpenExerciseTab(n)`; on Launch it has already marked tab n opened and made
/// it the current tab.
TabSwitch OpenExerciseTab(LessonState& lesson, const ExerciseList& list, int tab,
                          bool typingTabLast);

/// What `LaunchExercise(k)` asks of the windows.
struct LaunchPlan {
  bool Opens = false;    ///< false for an unknown kind code or a missing entry
  std::string KindCode;  ///< "MC", "TF", "DD", "HH", "WP", "DF" or "DV"
  std::uint8_t KindByte = 0;
  LayoutValues Layout;
  bool LayoutError = false;  ///< a layout value is not a number: the conversion error
  int HintMessage = 0;       ///< InterfaceText number to show after the window, 0 for none
};

/// Sets CurrentExercise, CurrentResultItem and, for a known kind, CurrentResultKind; clears
/// `exerciseHintPending` when it asks for the hint.
LaunchPlan LaunchExercise(LessonState& lesson, const ExerciseList& list, int exercise,
                          bool& exerciseHintPending);

}  // namespace tess
