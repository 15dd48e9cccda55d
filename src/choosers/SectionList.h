#pragma once
// The list of the section chooser: the records of the results store that belong to the video,
// recordings, sentences or conversations section, their order, and what scrolling, the mouse
// and the arrow keys do to the list's top, selected row and buttons. The window only paints
// this state and forwards its events.
#include <string>
#include <vector>

#include "results/ResultsStore.h"

namespace tess {

class ExerciseList;

/// Section codes: the kind codes a section lists.
inline constexpr int kSectionVideo = 40;  ///< videos and recordings, told apart by the film file
inline constexpr int kSectionSentences = 50;
inline constexpr int kSectionConversations = 70;

/// The record's title in an interface language: field 1, 2 or 3 of `Title` for language 0, 1
/// or 2, trimmed; empty for any other language.
std::string RecordTitle(const ResultRecord& record, int interfaceLanguage);

/// The kind's place in the lists' order: "1" texts, "2" conversations, "3" comprehension
/// exercises, "4" sentence packages, empty for any other kind.
const char* KindDigit(int kind);

/// Whether the lists show the item at `position` as done: for texts, sentence packages and
/// conversations some record of the same name has attempts; for a comprehension exercise its
/// own record has; other kinds never.
bool ItemDone(const ResultsStore& store, int position);

/// ProgramDir + "Teksty_mpg_r\" + text number + ".mpg".
std::string TextFilmPath(const std::string& programDir, const std::string& textNumber);

class SectionList {
 public:
  static constexpr int kMaxItems = 200;
  static constexpr int kPageRows = 20;
  static constexpr int kRowHeight = 18;

  /// What the section lists and where its files are; set before `Build`.
  int SectionCode = kSectionVideo;
  bool VideoSection = true;  ///< for code 40: videos, else recordings
  int InterfaceLanguage = 0;
  std::string ProgramDir;

  /// Store positions of the entries, in display order.
  std::vector<int> SectionItems;
  int SectionTop = 1;  ///< 1-based entry shown in row 1
  int SectionRow = 1;  ///< selected row on screen, 1-based

  // What the window shows.
  bool UpShown = false;
  bool DownShown = false;
  bool HighlightShown = false;  ///< the row highlight and its focus frame
  bool OkShown = false;
  bool InfoShown = false;

  int Count() const { return static_cast<int>(SectionItems.size()); }
  /// Store position of entry `entry` (1-based), or 0 when there is none.
  int PositionOfEntry(int entry) const;
  /// Store position of the entry under the selected row, or 0.
  int SelectedPosition() const { return PositionOfEntry(SectionTop + SectionRow - 1); }

  /// The window is shown: top back to 1, the list rebuilt, the selection on row 1 (the
  /// highlight keeps its visibility).
  void Show(const ResultsStore& store, const ExerciseList& exercises);

  /// Lists the records of the section, at most 200, sorted by level, kind, title and
  /// position; the up button hides, the down button shows when more than a page is listed,
  /// and the information text hides.
  void Build(const ResultsStore& store, const ExerciseList& exercises);

  /// Mouse down at height `y` in the list: the row under it becomes the selected row; when it
  /// holds an entry the highlight, OK and the information show and true is returned.
  bool PressAt(int y);

  /// One entry down or up; false when the list cannot move. The highlight moves with its entry
  /// and hides when it leaves the page.
  bool ScrollDown();
  bool ScrollUp();

  /// The arrow keys, while the highlight shows; the selection moves to the next or previous
  /// entry, scrolling first at the edge of the page.
  void ArrowDown();
  void ArrowUp();

  /// Sets the store's current result from the selected entry's record and returns the
  /// record's position, or 0 (nothing set) when no entry is selected.
  int OpenSectionItem(ResultsStore& store) const;

  /// The sort key of the record at `position`.
  static std::string SortKey(const ResultsStore& store, int position, int interfaceLanguage);
};

}  // namespace tess
