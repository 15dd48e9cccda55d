#pragma once
// The lists of the lesson and exercise chooser: the groups of the course (or a classroom user's
// available lessons) on the left, the gradable items of the chosen one on the right, their
// percents and order, and the show and hide state of the window's controls. The window paints
// this state, shows the returned messages and opens the chosen record.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ClassroomLessons.h"
#include "results/ResultsStore.h"

namespace tess {

class GroupList;
class TextMeasurer;

/// Not later than `DO`, and not earlier than `OD` unless `OdRazu`.
bool AssignmentAvailable(const LessonAssignment& assignment, double now);
int CountAvailableAssignments(const ClassroomLessons& classroom, double now);

/// The message of a showing with an empty results store.
extern const char* const kEmptyStoreMessage;
/// The message texts of an empty lesson listing (cp1250).
extern const char* const kNoLessonsWholeMaterialMessage;
extern const char* const kNoLessonsMessage;

/// A left entry: a group number, or a lesson number in lesson listing.
struct LeftEntry {
  int Value = 0;
  std::string Name;
  int Percent = 0;

  friend bool operator==(const LeftEntry&, const LeftEntry&) = default;
};

/// A right entry: a record of the store and its percent.
struct RightEntry {
  int Position = 0;
  int Percent = 0;

  friend bool operator==(const RightEntry&, const RightEntry&) = default;
};

/// What the lists are built from; the window fills it before each call.
struct ChooserSources {
  const ResultsStore& Store;
  const GroupList& Groups;
  const ClassroomLessons& Classroom;
  double Now = 0;  ///< TDateTime, from the program's clock
};

class LessonChoice {
 public:
  static constexpr int kMaxLeftItems = 100;
  static constexpr int kMaxRightItems = 150;
  static constexpr int kPageRows = 18;
  static constexpr int kRowHeight = 18;

  int RunMode = -1;  ///< -1 local, 1 classroom
  int InterfaceLanguage = 0;

  int ChooserMode = 1;  ///< 1 exercises, 2 results
  std::vector<LeftEntry> LeftItems;
  int LeftTop = 0;  ///< left entries scrolled past
  int LeftRow = 1;  ///< selected left row on screen, 1-based
  std::vector<RightEntry> RightItems;
  int RightTop = 0;
  int RightRow = 0;   ///< 0 = none
  int FocusList = 1;  ///< 1 left, 2 right
  bool WholeMaterialChosen = false;

  // What the window shows.
  bool ChoiceShown = false;  ///< the lessons / whole material check pictures and captions
  bool LeftListShown = false;
  bool RightListShown = false;
  bool LeftHighlightShown = false;
  bool RightHighlightShown = false;
  bool FocusShown = false;
  bool OkShown = false;
  bool LeftUpShown = false;
  bool LeftDownShown = false;
  bool RightUpShown = false;
  bool RightDownShown = false;
  /// Set by a rebuild; the scroll buttons are reset when the list is next drawn.
  bool LeftScrollResetPending = false;
  bool RightScrollResetPending = false;
  std::string InfoText;  ///< the information text under the lists

  int LeftCount() const { return static_cast<int>(LeftItems.size()); }
  int RightCount() const { return static_cast<int>(RightItems.size()); }
  /// Left entry `entry` (1-based), or nullptr.
  const LeftEntry* LeftAt(int entry) const;
  const RightEntry* RightAt(int entry) const;
  const LeftEntry* SelectedLeft() const { return LeftAt(LeftTop + LeftRow); }
  /// Store position of the selected right entry, or 0.
  int SelectedPosition() const;

  /// Local users always get the whole material; classroom users when they may and chose it.
  bool WholeMaterialListing(const ClassroomLessons& classroom) const;

  /// The window is shown (after the results store was reloaded): the left list scrolls back
  /// to its top and, when the store holds records, the lists are built in exercises mode.
  /// Returns the message to show: the empty store's, or that of `BuildLeftList`.
  std::string Show(const ChooserSources& sources);

  /// Shows the lesson / whole material choice only to a classroom user with the whole material
  /// and at least one available assignment.
  void PrepareLessonChoice(const ClassroomLessons& classroom, double now);

  /// Rebuilds the left list in `mode` and selects its row. Returns the text the window must
  /// show in the message window, or empty.
  std::string BuildLeftList(int mode, const ChooserSources& sources);

  /// A click on the lessons or the whole material check picture; nothing happens when it is
  /// already checked. Returns the message of the rebuild, as `BuildLeftList`.
  std::string ChooseWholeMaterial(bool wholeMaterial, const ChooserSources& sources);

  /// The selected left entry changed: its right list is rebuilt and nothing is selected in it.
  void SelectLeft(const ChooserSources& sources);

  /// The right entries of group `g`: one per record, or one per text, conversation or package
  /// whose records follow one another; sorted by kind, level and title.
  static std::vector<RightEntry> BuildWholeMaterialItems(const ResultsStore& store,
                                                         const GroupList& groups, int g,
                                                         int interfaceLanguage);
  /// The right entries of lesson `lesson` (1-based), in the lesson's order.
  static std::vector<RightEntry> BuildLessonItems(const ResultsStore& store,
                                                  const ClassroomLessons& classroom, int lesson);
  /// Sorts the leading run of text exercises by level.
  static void SortTextItems(const ResultsStore& store, std::vector<RightEntry>& items);
  /// The whole-material sort key of the record at `position` with `percent`.
  static std::string SortKey(const ResultsStore& store, int position, int percent,
                             int interfaceLanguage);

  /// Highlights the right row `RightRow` and shows the summary of its record.
  void ShowItemInfo(const ResultsStore& store, int courseLanguage, const InterfaceTexts& texts);

  /// One entry down or up with the scroll buttons; false when the list cannot move. The
  /// selection moves with its entry and its highlight hides when it leaves the page.
  bool LeftScrollDown();
  bool LeftScrollUp();
  bool RightScrollDown();
  bool RightScrollUp();

  /// Mouse down at height `y` in a list: when the row under it holds an entry, it becomes the
  /// selected row and true is returned; a row without one changes nothing.
  bool PressLeft(int y, const ChooserSources& sources);
  bool PressRight(int y, const ResultsStore& store, int courseLanguage,
                  const InterfaceTexts& texts);
  /// Whether the row at height `y` holds an entry (a pointing hand over it).
  bool LeftRowHasEntry(int y) const;
  bool RightRowHasEntry(int y) const;

  /// Tab: the focus goes to the other list, selecting its first row when nothing is selected
  /// there.
  void Tab(const ChooserSources& sources, int courseLanguage, const InterfaceTexts& texts);
  /// The arrow keys in the focused list, while its highlight shows: the previous or next
  /// entry is selected, the list scrolling first at the edge of the page.
  void ArrowUp(const ChooserSources& sources, int courseLanguage, const InterfaceTexts& texts);
  void ArrowDown(const ChooserSources& sources, int courseLanguage, const InterfaceTexts& texts);

  /// The window is active again after an item's window closed: the right list is rebuilt
  /// from the store and keeps its scrolling and selected row.
  void Reactivated(const ChooserSources& sources, int courseLanguage, const InterfaceTexts& texts);

  /// Whether left rows show their percent: in results mode for local users.
  bool LeftPercentShown() const { return ChooserMode == 2 && RunMode != 1; }
  /// Pixels of the progress picture shown for `percent`.
  static int ProgressWidth(int percent);
  /// `name` cut from its end until it and "..." are narrower than `limit`, then followed by
  /// "..."; unchanged when it already fits. The left list uses 125, the right 195.
  static std::string ShortenForDisplay(const std::string& name, int limit,
                                       const TextMeasurer& measurer);
  static constexpr int kLeftNameLimit = 125;
  static constexpr int kRightTitleLimit = 195;

  /// Sets the store's current result from the selected right entry and returns its position,
  /// or 0 (nothing set) when no entry is selected.
  int OpenItem(ResultsStore& store) const;

  /// The lists are drawn: a pending reset hides the up button and shows the down button only
  /// when the entries and the top make at least a page and one.
  void LeftListDrawn();
  void RightListDrawn();

 private:
  void ResetLeftScroll() { LeftScrollResetPending = true; }
  void ResetRightScroll() { RightScrollResetPending = true; }
};

}  // namespace tess
