#include "choosers/LessonChoice.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "choosers/SectionList.h"
#include "core/Catalogue.h"
#include "shared/Percent.h"
#include "shared/TextMeasurer.h"

namespace tess {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Texts, conversations and packages have several records that follow one another in the store.
bool GroupedName(std::string_view name) {
  return StartsWith(name, "tek_") || StartsWith(name, "dia_") || StartsWith(name, "zda_");
}

bool ValidPosition(const ResultsStore& store, int position) {
  return position >= 1 && position <= store.Count();
}

}  // namespace

const char* const kEmptyStoreMessage = "brak info o cw - wygeneruj!";
const char* const kNoLessonsWholeMaterialMessage =
    "Nie ma \xBF"
    "adnych zadanych dost\xEA"
    "pnych lekcji. Mo\xBF"
    "esz pracowac na ca\xB3"
    "ym materiale";
const char* const kNoLessonsMessage =
    "Nie ma \xBF"
    "adnych zadanych dost\xEA"
    "pnych lekcji.";

bool AssignmentAvailable(const LessonAssignment& assignment, double now) {
  return now <= assignment.DO && (now >= assignment.OD || assignment.OdRazu);
}

int CountAvailableAssignments(const ClassroomLessons& classroom, double now) {
  return static_cast<int>(std::count_if(
      classroom.Assignments.begin(), classroom.Assignments.end(),
      [now](const LessonAssignment& assignment) { return AssignmentAvailable(assignment, now); }));
}

const LeftEntry* LessonChoice::LeftAt(int entry) const {
  if (entry < 1 || entry > LeftCount()) return nullptr;
  return &LeftItems[static_cast<size_t>(entry - 1)];
}

const RightEntry* LessonChoice::RightAt(int entry) const {
  if (entry < 1 || entry > RightCount()) return nullptr;
  return &RightItems[static_cast<size_t>(entry - 1)];
}

int LessonChoice::SelectedPosition() const {
  const RightEntry* entry = RightAt(RightTop + RightRow);
  return entry ? entry->Position : 0;
}

bool LessonChoice::WholeMaterialListing(const ClassroomLessons& classroom) const {
  return RunMode != 1 || (classroom.WholeMaterial && WholeMaterialChosen);
}

std::string LessonChoice::Show(const ChooserSources& sources) {
  LeftTop = 0;
  ResetLeftScroll();
  ResetRightScroll();
  if (sources.Store.Count() == 0) return kEmptyStoreMessage;
  return BuildLeftList(1, sources);
}

void LessonChoice::PrepareLessonChoice(const ClassroomLessons& classroom, double now) {
  ChoiceShown = false;
  if (RunMode != 1) return;
  ChoiceShown = CountAvailableAssignments(classroom, now) >= 1 && classroom.WholeMaterial;
}

std::string LessonChoice::BuildLeftList(int mode, const ChooserSources& sources) {
  ChooserMode = mode;
  LeftItems.clear();
  const ResultsStore& store = sources.Store;
  const ClassroomLessons& classroom = sources.Classroom;

  if (WholeMaterialListing(classroom)) {
    for (int g = 1; g <= sources.Groups.Count() && LeftCount() < kMaxLeftItems; ++g) {
      const std::string shortName = sources.Groups.ShortName(g);
      long sum = 0;
      int count = 0;
      for (const ResultRecord& record : store.Records()) {
        if (record.Group != shortName) continue;
        sum += record.Score;
        ++count;
      }
      const int percent = count == 0 ? 0 : RoundHalfEven(static_cast<double>(sum) / count);
      LeftItems.push_back({g, sources.Groups.LongName(g, InterfaceLanguage), percent});
    }
    LeftListShown = true;
  } else {
    RightListShown = false;
    RightItems.clear();
    for (const LessonAssignment& assignment : classroom.Assignments) {
      if (LeftCount() >= kMaxLeftItems) break;
      if (!AssignmentAvailable(assignment, sources.Now)) continue;
      const int id = assignment.ID;
      const bool known = id >= 1 && id <= static_cast<int>(classroom.Lessons.size());
      LeftItems.push_back(
          {id, known ? classroom.Lessons[static_cast<size_t>(id - 1)].Name : std::string(), 0});
    }
    if (LeftItems.empty()) {
      std::string message;
      if (classroom.WholeMaterial) {
        message = kNoLessonsWholeMaterialMessage;
        ChooseWholeMaterial(true, sources);
      } else {
        message = kNoLessonsMessage;
      }
      LeftUpShown = LeftDownShown = RightUpShown = RightDownShown = false;
      LeftHighlightShown = RightHighlightShown = FocusShown = false;
      return message;
    }
    LeftListShown = true;
  }

  if (LeftRow <= LeftCount()) SelectLeft(sources);
  return {};
}

std::string LessonChoice::ChooseWholeMaterial(bool wholeMaterial, const ChooserSources& sources) {
  if (WholeMaterialChosen == wholeMaterial) return {};
  WholeMaterialChosen = wholeMaterial;
  LeftTop = 0;
  ResetLeftScroll();
  ResetRightScroll();
  return BuildLeftList(ChooserMode, sources);
}

void LessonChoice::SelectLeft(const ChooserSources& sources) {
  LeftHighlightShown = true;
  FocusShown = true;
  FocusList = 1;

  const LeftEntry* left = SelectedLeft();
  if (!left) {
    RightItems.clear();
  } else if (WholeMaterialListing(sources.Classroom)) {
    RightItems =
        BuildWholeMaterialItems(sources.Store, sources.Groups, left->Value, InterfaceLanguage);
  } else {
    RightItems = BuildLessonItems(sources.Store, sources.Classroom, left->Value);
  }
  SortTextItems(sources.Store, RightItems);

  InfoText.clear();
  RightHighlightShown = false;
  OkShown = false;
  RightTop = 0;
  ResetRightScroll();
  RightListShown = true;
}

std::string LessonChoice::SortKey(const ResultsStore& store, int position, int percent,
                                  int interfaceLanguage) {
  const ResultRecord& record = store.At(position);
  return std::string(KindDigit(record.Kind)) + std::to_string(record.Level) +
         RecordTitle(record, interfaceLanguage) + "=" + std::to_string(position) + "=" +
         std::to_string(percent) + "=";
}

std::vector<RightEntry> LessonChoice::BuildWholeMaterialItems(const ResultsStore& store,
                                                              const GroupList& groups, int g,
                                                              int interfaceLanguage) {
  std::vector<RightEntry> items;
  const std::string shortName = groups.ShortName(g);
  long sum = 0;
  int count = 0;
  for (int position = 1; position <= store.Count(); ++position) {
    const ResultRecord& record = store.At(position);
    if (record.Group != shortName) continue;
    sum += record.Score;
    ++count;
    if (GroupedName(record.Name) && position < store.Count() &&
        store.At(position + 1).Name == record.Name) {
      continue;
    }
    if (static_cast<int>(items.size()) >= kMaxRightItems) break;
    items.push_back({position, static_cast<int>(sum / count)});
    sum = 0;
    count = 0;
  }

  // Keys hold the position, so they are unique and any ordering sort gives the order that
  // repeated neighbour swaps would.
  std::vector<std::pair<std::string, RightEntry>> keyed;
  keyed.reserve(items.size());
  for (const RightEntry& item : items) {
    keyed.emplace_back(SortKey(store, item.Position, item.Percent, interfaceLanguage), item);
  }
  std::sort(keyed.begin(), keyed.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) items[i] = keyed[i].second;
  return items;
}

std::vector<RightEntry> LessonChoice::BuildLessonItems(const ResultsStore& store,
                                                       const ClassroomLessons& classroom,
                                                       int lesson) {
  std::vector<RightEntry> items;
  if (lesson < 1 || lesson > static_cast<int>(classroom.Lessons.size())) return items;
  for (int position : classroom.Lessons[static_cast<size_t>(lesson - 1)].Positions) {
    if (static_cast<int>(items.size()) >= kMaxRightItems) break;
    // The server promises positions of the user's records; others would read past the store.
    if (!ValidPosition(store, position)) continue;
    const ResultRecord& record = store.At(position);
    int percent = record.Score;
    if (StartsWith(record.Name, "tek_")) {
      long sum = 0;
      int count = 0;
      for (int p = position; p >= 1 && store.At(p).Name == record.Name; --p) {
        sum += store.At(p).Score;
        ++count;
      }
      percent = static_cast<int>(sum / count);
    }
    items.push_back({position, percent});
  }
  return items;
}

void LessonChoice::SortTextItems(const ResultsStore& store, std::vector<RightEntry>& items) {
  auto isText = [&](const RightEntry& item) {
    return ValidPosition(store, item.Position) && StartsWith(store.At(item.Position).Name, "tek_");
  };
  const auto firstText = std::find_if(items.begin(), items.end(), isText);
  const auto firstOther = std::find_if_not(items.begin(), items.end(), isText);
  if (firstText == items.end() || firstOther < firstText) return;
  // Neighbour swaps of strictly greater levels keep equal levels in their order.
  std::stable_sort(firstText, firstOther, [&](const RightEntry& a, const RightEntry& b) {
    return store.At(a.Position).Level < store.At(b.Position).Level;
  });
}

void LessonChoice::ShowItemInfo(const ResultsStore& store, int courseLanguage,
                                const InterfaceTexts& texts) {
  RightHighlightShown = true;
  FocusShown = true;
  FocusList = 2;
  OkShown = true;
  const int position = SelectedPosition();
  if (!ValidPosition(store, position)) {
    InfoText.clear();
    return;
  }
  const ResultRecord& record = store.At(position);
  InfoText = ResultsSummary(store, record.Name, record.Kind, courseLanguage, texts);
}

int LessonChoice::OpenItem(ResultsStore& store) const {
  const int position = SelectedPosition();
  if (!ValidPosition(store, position)) return 0;
  const ResultRecord& record = store.At(position);
  store.CurrentResultName = record.Name;
  store.CurrentResultItem = record.Item;
  store.CurrentResultKind = record.Kind;
  return position;
}

void LessonChoice::LeftListDrawn() {
  if (!LeftScrollResetPending) return;
  LeftScrollResetPending = false;
  LeftUpShown = false;
  LeftDownShown = LeftCount() + LeftTop >= kPageRows + 1;
}

void LessonChoice::RightListDrawn() {
  if (!RightScrollResetPending) return;
  RightScrollResetPending = false;
  RightUpShown = false;
  RightDownShown = RightCount() + RightTop >= kPageRows + 1;
}

bool LessonChoice::LeftScrollDown() {
  if (LeftTop + kPageRows >= LeftCount()) return false;
  if (LeftTop + kPageRows + 1 >= LeftCount()) LeftDownShown = false;
  ++LeftTop;
  LeftUpShown = true;
  --LeftRow;
  if (LeftRow < 1 || LeftRow > kPageRows) LeftHighlightShown = FocusShown = false;
  return true;
}

bool LessonChoice::LeftScrollUp() {
  if (LeftTop == 0) return false;
  --LeftTop;
  if (LeftTop == 0) LeftUpShown = false;
  LeftDownShown = true;
  ++LeftRow;
  if (LeftRow < 1 || LeftRow > kPageRows) {
    LeftHighlightShown = FocusShown = false;
  } else {
    OkShown = true;
  }
  return true;
}

bool LessonChoice::RightScrollDown() {
  if (RightTop + kPageRows >= RightCount()) return false;
  if (RightTop + kPageRows + 1 >= RightCount()) RightDownShown = false;
  ++RightTop;
  RightUpShown = true;
  --RightRow;
  if (RightRow < 1 || RightRow > kPageRows) RightHighlightShown = FocusShown = OkShown = false;
  return true;
}

bool LessonChoice::RightScrollUp() {
  if (RightTop == 0) return false;
  --RightTop;
  if (RightTop == 0) RightUpShown = false;
  RightDownShown = true;
  ++RightRow;
  if (RightRow < 1 || RightRow > kPageRows) RightHighlightShown = FocusShown = OkShown = false;
  return true;
}

bool LessonChoice::LeftRowHasEntry(int y) const {
  return y >= 0 && LeftAt(LeftTop + y / kRowHeight + 1) != nullptr;
}

bool LessonChoice::RightRowHasEntry(int y) const {
  return y >= 0 && RightAt(RightTop + y / kRowHeight + 1) != nullptr;
}

// A row without an entry selects nothing, so the selected row stays the highlighted one and
// OK or the arrows go on from there.
bool LessonChoice::PressLeft(int y, const ChooserSources& sources) {
  if (!LeftRowHasEntry(y)) return false;
  LeftRow = y / kRowHeight + 1;
  SelectLeft(sources);
  return true;
}

bool LessonChoice::PressRight(int y, const ResultsStore& store, int courseLanguage,
                              const InterfaceTexts& texts) {
  if (!RightRowHasEntry(y)) return false;
  RightRow = y / kRowHeight + 1;
  ShowItemInfo(store, courseLanguage, texts);
  return true;
}

void LessonChoice::Tab(const ChooserSources& sources, int courseLanguage,
                       const InterfaceTexts& texts) {
  if (FocusList == 1) {
    FocusList = 2;
    if (RightHighlightShown) {
      FocusShown = true;
    } else {
      // An empty list has no row to select; the focus moves all the same.
      RightRow = 1;
      if (SelectedPosition() != 0) ShowItemInfo(sources.Store, courseLanguage, texts);
    }
  } else {
    FocusList = 1;
    if (LeftHighlightShown) {
      FocusShown = true;
    } else {
      LeftRow = 1;
      if (SelectedLeft()) SelectLeft(sources);
    }
  }
}

void LessonChoice::ArrowUp(const ChooserSources& sources, int courseLanguage,
                           const InterfaceTexts& texts) {
  if (FocusList == 2) {
    if (!RightHighlightShown) return;
    if (RightRow == 1 && RightTop > 0 && RightUpShown) RightScrollUp();
    if (RightRow > 1) --RightRow;
    ShowItemInfo(sources.Store, courseLanguage, texts);
  } else {
    if (!LeftHighlightShown) return;
    if (LeftRow == 1 && LeftTop > 0 && LeftUpShown) LeftScrollUp();
    if (LeftRow > 1) --LeftRow;
    SelectLeft(sources);
  }
}

void LessonChoice::ArrowDown(const ChooserSources& sources, int courseLanguage,
                             const InterfaceTexts& texts) {
  if (FocusList == 2) {
    if (!RightHighlightShown) return;
    if (RightDownShown && RightRow + RightTop > kPageRows - 1 &&
        RightTop + kPageRows < RightCount()) {
      RightScrollDown();
    }
    if (RightRow < kPageRows && RightRow < RightCount()) ++RightRow;
    ShowItemInfo(sources.Store, courseLanguage, texts);
  } else {
    if (!LeftHighlightShown) return;
    if (LeftDownShown && LeftRow + LeftTop > kPageRows - 1 && LeftTop + kPageRows < LeftCount()) {
      LeftScrollDown();
    }
    if (LeftRow < kPageRows && LeftRow < LeftCount()) ++LeftRow;
    SelectLeft(sources);
  }
}

void LessonChoice::Reactivated(const ChooserSources& sources, int courseLanguage,
                               const InterfaceTexts& texts) {
  const int top = RightTop;
  const bool keepRow = RightListShown && RightHighlightShown;
  const int row = RightRow;
  if (RightListShown && LeftHighlightShown && SelectedLeft()) SelectLeft(sources);
  if (!keepRow) return;
  if (top > 0) {
    RightTop = top;
    RightScrollResetPending = false;  // the buttons keep the state they had
  }
  RightRow = row;
  if (SelectedPosition() != 0) ShowItemInfo(sources.Store, courseLanguage, texts);
}

int LessonChoice::ProgressWidth(int percent) { return RoundHalfEven(percent * 0.75); }

std::string LessonChoice::ShortenForDisplay(const std::string& name, int limit,
                                            const TextMeasurer& measurer) {
  // Every character is at least a pixel wide: a name longer than the limit is cut before it is
  // measured, so a long name costs no more than a short one.
  std::string shown = name.substr(0, static_cast<size_t>(std::max(limit, 0)));
  while (!shown.empty() && measurer.Width(shown + "...", false, false) >= limit) {
    shown.pop_back();
  }
  return shown.size() == name.size() ? name : shown + "...";
}

}  // namespace tess
