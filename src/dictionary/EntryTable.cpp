#include "dictionary/EntryTable.h"

#include <unordered_set>

#include "dictionary/DictionaryLanguage.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

constexpr size_t kShortestLine = 8;
constexpr int kFieldCount = 8;  // the text before the first "=" and fields 2 to 8

// Characters `from` (1-based) on, at most `count` of them, trimmed.
std::string Columns(std::string_view line, size_t from, size_t count) {
  if (from > line.size()) return {};
  return Trim(line.substr(from - 1, count));
}

// The text before the first "=" and fields 2 to 8, trimmed. Field k lies between the
// (k-1)-th and the k-th "=", or runs to the end of the line when the k-th is missing (the
// lists end their last field without one); it is empty when the (k-1)-th is missing.
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields(kFieldCount);
  size_t start = 0;
  for (int k = 0; k < kFieldCount; ++k) {
    const size_t end = line.find('=', start);
    fields[static_cast<size_t>(k)] = Trim(line.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

void CapText(std::string& text, size_t cap) {
  if (text.size() > cap) text.replace(cap - 3, std::string::npos, "...");
}

// A field that reads an empty text as 0.
std::optional<int> NumberOrZero(const std::string& text) {
  if (text.empty()) return 0;
  return ParseInt(text);
}

}  // namespace

std::optional<Entry> ParseEntryLine(std::string_view raw, ListKind kind) {
  const std::string line = Trim(raw);
  if (line.size() < kShortestLine) return std::nullopt;

  const std::optional<int> group = ParseInt(Columns(line, 1, 2));
  const std::optional<int> own = NumberOrZero(Columns(line, 4, 1));
  const std::optional<int> number = ParseInt(Columns(line, 5, 5));
  const std::optional<int> difficulty = ParseInt(Columns(line, 11, 1));
  const std::optional<int> wordClass = ParseInt(Columns(line, 12, 1));
  if (!group || !own || !number || !difficulty || !wordClass) return std::nullopt;

  const std::vector<std::string> fields = SplitFields(line);
  Entry entry;
  entry.Translation = fields[1];
  entry.Plural = fields[2];
  entry.Synonyms = fields[3];
  entry.Comment = fields[4];
  entry.Recording = fields[5];
  const std::optional<int> flag = NumberOrZero(fields[6]);
  const std::optional<int> level = NumberOrZero(fields[7]);
  if (!flag || !level) return std::nullopt;

  // The headword starts at column 14 and ends before the first "=", or one character
  // earlier in a word list, whose lines keep a separator there.
  const size_t equals = line.find('=');
  size_t end = line.size();  // 0-based, not included
  if (equals != std::string::npos) {
    end = kind == ListKind::Words && equals > 0 ? equals - 1 : equals;
  }
  if (end > 13) entry.Headword = Trim(std::string_view(line).substr(13, end - 13));

  CapText(entry.Headword, kMaxHeadwordBytes);
  CapText(entry.Translation, kMaxTranslationBytes);
  entry.GroupNo = *group;
  entry.OwnRecording = *own;
  entry.EntryNo = *number;
  entry.Difficulty = *difficulty;
  entry.WordClass = *wordClass;
  entry.Flag = *flag;
  entry.LevelMark = *level;
  return entry;
}

void EntryTable::Clear() {
  wordCount_ = 0;
  for (auto* numbers :
       {&groupNo_, &ownRecording_, &entryNo_, &difficulty_, &wordClass_, &levelMark_}) {
    numbers->clear();
  }
  for (auto* texts : {&headword_, &translation_, &plural_, &synonyms_, &comment_, &recording_}) {
    texts->clear();
  }
  standsForNumber_.clear();
  Changed();
}

bool EntryTable::Add(const Entry& entry) {
  if (Full()) return false;
  groupNo_.push_back(entry.GroupNo);
  ownRecording_.push_back(entry.OwnRecording);
  entryNo_.push_back(entry.EntryNo);
  difficulty_.push_back(entry.Difficulty);
  wordClass_.push_back(entry.WordClass);
  levelMark_.push_back(entry.LevelMark);
  headword_.push_back(entry.Headword);
  translation_.push_back(entry.Translation);
  plural_.push_back(entry.Plural);
  synonyms_.push_back(entry.Synonyms);
  comment_.push_back(entry.Comment);
  recording_.push_back(entry.Recording);
  Changed();
  return true;
}

void EntryTable::Finish() {
  standsForNumber_.assign(entryNo_.size(), 0);
  std::unordered_set<int> seenLater;
  seenLater.reserve(entryNo_.size());
  for (size_t i = entryNo_.size(); i-- > 0;) {
    standsForNumber_[i] = seenLater.insert(entryNo_[i]).second ? 1 : 0;
  }
}

const EntryTable::FoldedSide& EntryTable::FoldedHeadwords() const {
  return Folded(foldedHeadwords_, headword_);
}

const EntryTable::FoldedSide& EntryTable::FoldedTranslations() const {
  return Folded(foldedTranslations_, translation_);
}

const EntryTable::FoldedSide& EntryTable::Folded(std::optional<FoldedSide>& side,
                                                 const std::vector<std::string>& fields) const {
  if (side) return *side;
  side.emplace();
  const size_t listed = static_cast<size_t>(wordCount_);
  size_t bytes = 0;
  for (size_t i = 0; i < listed; ++i) bytes += fields[i].size() + 1;
  side->Text.reserve(bytes);
  side->Starts.reserve(listed + 1);
  for (size_t i = 0; i < listed; ++i) {
    side->Starts.push_back(side->Text.size());
    side->Text += fields[i];
    side->Text += '\n';
  }
  side->Starts.push_back(side->Text.size());
  for (char& c : side->Text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return *side;
}

bool LoadList(const std::string& path, ListKind kind, EntryTable& table) {
  TextFileReader reader;
  if (!reader.Open(path)) return false;
  std::string line;
  while (!table.Full() && reader.ReadLine(line)) {
    std::optional<Entry> entry = ParseEntryLine(line, kind);
    if (!entry) continue;
    if (kind == ListKind::Words) {
      if (entry->EntryNo < 1) continue;
      const std::optional<int> recording = ParseInt(entry->Recording);
      if (entry->OwnRecording == 0 && !(recording && *recording > 0)) entry->Recording.clear();
    }
    table.Add(*entry);
  }
  return true;
}

void LoadEntries(const std::string& programDir, int language, EntryTable& table) {
  const LanguageFiles files = FilesOf(language);
  table.Clear();
  LoadList(programDir + files.WordList, ListKind::Words, table);
  table.EndWordList();
  LoadList(programDir + files.SentenceList, ListKind::Sentences, table);
  table.Finish();
}

}  // namespace tess::dictionary
