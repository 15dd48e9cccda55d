#include "choosers/SectionList.h"

#include <algorithm>
#include <utility>

#include "core/Catalogue.h"
#include "core/ExerciseList.h"
#include "core/KindCode.h"
#include "shared/Paths.h"
#include "shared/Text.h"

namespace tess {
namespace {

bool BelongsToSection(int sectionCode, int kind) {
  return kind == sectionCode ||
         (sectionCode == kSectionSentences && kind == KindCode::Comprehension) ||
         (sectionCode == kSectionVideo && kind >= KindCode::TrueFalse &&
          kind <= KindCode::Ordering);
}

}  // namespace

const char* KindDigit(int kind) {
  if (KindCode::IsExercise(kind)) return "1";
  if (KindCode::IsConversation(kind)) return "2";
  if (kind == KindCode::Comprehension) return "3";
  if (KindCode::IsSentenceDrill(kind)) return "4";
  return "";
}

std::string RecordTitle(const ResultRecord& record, int interfaceLanguage) {
  const int language = NamesLanguage(interfaceLanguage);
  if (language < 0 || language > 2) return {};
  return Trim(CutFields(record.Title, '=', 3)[static_cast<size_t>(language)]);
}

bool ItemDone(const ResultsStore& store, int position) {
  if (position < 1 || position > store.Count()) return false;
  const ResultRecord& record = store.At(position);
  if (record.Kind == KindCode::Comprehension) return record.Attempts >= 1;
  if (!KindCode::IsExercise(record.Kind) && !KindCode::IsSentenceDrill(record.Kind) &&
      !KindCode::IsConversation(record.Kind)) {
    return false;
  }
  return std::any_of(store.Records().begin(), store.Records().end(), [&](const ResultRecord& other) {
    return other.Name == record.Name && other.Attempts > 0;
  });
}

std::string TextFilmPath(const std::string& programDir, const std::string& textNumber) {
  return programDir + "Teksty_mpg_r\\" + textNumber + ".mpg";
}

int SectionList::PositionOfEntry(int entry) const {
  if (entry < 1 || entry > Count()) return 0;
  return SectionItems[static_cast<size_t>(entry - 1)];
}

void SectionList::Show(const ResultsStore& store, const ExerciseList& exercises) {
  SectionTop = 1;
  Build(store, exercises);
  SectionRow = 1;
}

std::string SectionList::SortKey(const ResultsStore& store, int position, int interfaceLanguage) {
  const ResultRecord& record = store.At(position);
  return std::to_string(record.Level) + KindDigit(record.Kind) +
         RecordTitle(record, interfaceLanguage) + "=" + std::to_string(position) + "=";
}

void SectionList::Build(const ResultsStore& store, const ExerciseList& exercises) {
  SectionItems.clear();
  InfoShown = false;
  const std::string* previousName = nullptr;
  for (int position = 1; position <= store.Count(); ++position) {
    const ResultRecord& record = store.At(position);
    if (!BelongsToSection(SectionCode, record.Kind)) continue;
    if (SectionCode == kSectionVideo) {
      // One entry per text: its exercises' records follow one another.
      const bool sameText = previousName && *previousName == record.Name;
      previousName = &record.Name;
      if (sameText) continue;
      const ExerciseEntry* entry = exercises.At(position);
      const std::string textNumber = entry ? entry->HeaderField(2) : std::string();
      if (FileExists(TextFilmPath(ProgramDir, textNumber)) != VideoSection) continue;
    }
    if (Count() >= kMaxItems) break;
    SectionItems.push_back(position);
  }
  UpShown = false;
  DownShown = Count() > kPageRows;

  // Keys hold the position, so they are unique and any ordering sort gives the order that
  // repeated neighbour swaps would.
  std::vector<std::pair<std::string, int>> keyed;
  keyed.reserve(SectionItems.size());
  for (int position : SectionItems) {
    keyed.emplace_back(SortKey(store, position, InterfaceLanguage), position);
  }
  std::sort(keyed.begin(), keyed.end());
  for (size_t i = 0; i < keyed.size(); ++i) SectionItems[i] = keyed[i].second;
}

bool SectionList::PressAt(int y) {
  if (y < 0) return false;
  SectionRow = y / kRowHeight + 1;
  if (SelectedPosition() == 0) return false;
  OkShown = true;
  HighlightShown = true;
  InfoShown = true;
  return true;
}

bool SectionList::ScrollDown() {
  if (SectionTop + kPageRows > Count()) return false;
  ++SectionTop;
  UpShown = true;
  // Hidden once the last entry is on the page, where a further step would do nothing.
  if (SectionTop + kPageRows > Count()) DownShown = false;
  --SectionRow;
  if (SectionRow < 1) HighlightShown = false;
  return true;
}

bool SectionList::ScrollUp() {
  if (SectionTop < 2) return false;
  --SectionTop;
  if (SectionTop == 1) UpShown = false;
  DownShown = true;
  ++SectionRow;
  if (SectionRow > kPageRows) HighlightShown = false;
  return true;
}

void SectionList::ArrowDown() {
  if (!HighlightShown) return;
  if (DownShown && SectionRow + SectionTop - 1 > kPageRows - 1 &&
      SectionTop + kPageRows - 1 < Count()) {
    ScrollDown();
  }
  if (SectionRow < kPageRows && SectionRow < Count()) ++SectionRow;
  HighlightShown = true;
}

void SectionList::ArrowUp() {
  if (!HighlightShown) return;
  if (SectionRow == 1 && SectionTop > 1) ScrollUp();
  if (SectionRow > 1) --SectionRow;
  HighlightShown = true;
}

int SectionList::OpenSectionItem(ResultsStore& store) const {
  const int position = SelectedPosition();
  if (position == 0 || position > store.Count()) return 0;
  const ResultRecord& record = store.At(position);
  store.CurrentResultName = record.Name;
  store.CurrentResultItem = record.Item;
  store.CurrentResultKind = record.Kind;
  return position;
}

}  // namespace tess
