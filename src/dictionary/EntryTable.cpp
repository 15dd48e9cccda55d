#include "dictionary/EntryTable.h"

#include <array>
#include <unordered_set>
#include <utility>

#include "dictionary/DictionaryLanguage.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess::dictionary {

namespace {

constexpr size_t kShortestLine = 8;
constexpr int kFieldCount = 8;  // the text before the first "=" and fields 2 to 8

// Control characters and blanks off both ends, without a copy.
std::string_view TrimmedView(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

// Characters `from` (1-based) on, at most `count` of them, trimmed.
std::string_view Columns(std::string_view line, size_t from, size_t count) {
  if (from > line.size()) return {};
  return TrimmedView(line.substr(from - 1, count));
}

// The text before the first "=" and fields 2 to 8, trimmed. Field k lies between the
// (k-1)-th and the k-th "=", or runs to the end of the line when the k-th is missing (the
// lists end their last field without one); it is empty when the (k-1)-th is missing.
std::array<std::string_view, kFieldCount> SplitFields(std::string_view line) {
  std::array<std::string_view, kFieldCount> fields{};
  size_t start = 0;
  for (int k = 0; k < kFieldCount; ++k) {
    const size_t end = line.find('=', start);
    fields[static_cast<size_t>(k)] = TrimmedView(line.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

void CapText(std::string& text, size_t cap) {
  if (text.size() > cap) text.replace(cap - 3, std::string::npos, "...");
}

// A field that reads an empty text as 0.
std::optional<int> NumberOrZero(std::string_view text) {
  if (text.empty()) return 0;
  return ParseInt(text);
}

}  // namespace

std::optional<Entry> ParseEntryLine(std::string_view raw, ListKind kind) {
  const std::string_view line = TrimmedView(raw);
  if (line.size() < kShortestLine) return std::nullopt;

  const std::optional<int> group = ParseInt(Columns(line, 1, 2));
  const std::optional<int> own = NumberOrZero(Columns(line, 4, 1));
  const std::optional<int> number = ParseInt(Columns(line, 5, 5));
  const std::optional<int> difficulty = ParseInt(Columns(line, 11, 1));
  const std::optional<int> wordClass = ParseInt(Columns(line, 12, 1));
  if (!group || !own || !number || !difficulty || !wordClass) return std::nullopt;

  const auto fields = SplitFields(line);
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
  if (equals != std::string_view::npos) {
    end = kind == ListKind::Words && equals > 0 ? equals - 1 : equals;
  }
  if (end > 13) entry.Headword = TrimmedView(line.substr(13, end - 13));

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

void EntryTable::Reserve() {
  // The lists fill the table nearly always; growing a column at a time moves every text.
  const auto capacity = static_cast<size_t>(kEntryCapacity);
  for (auto* numbers :
       {&groupNo_, &ownRecording_, &entryNo_, &difficulty_, &wordClass_, &levelMark_}) {
    numbers->reserve(capacity);
  }
  for (auto* texts : {&headword_, &translation_, &plural_, &synonyms_, &comment_, &recording_}) {
    texts->reserve(capacity);
  }
}

bool EntryTable::Add(Entry entry) {
  if (Full()) return false;
  groupNo_.push_back(entry.GroupNo);
  ownRecording_.push_back(entry.OwnRecording);
  entryNo_.push_back(entry.EntryNo);
  difficulty_.push_back(entry.Difficulty);
  wordClass_.push_back(entry.WordClass);
  levelMark_.push_back(entry.LevelMark);
  headword_.push_back(std::move(entry.Headword));
  translation_.push_back(std::move(entry.Translation));
  plural_.push_back(std::move(entry.Plural));
  synonyms_.push_back(std::move(entry.Synonyms));
  comment_.push_back(std::move(entry.Comment));
  recording_.push_back(std::move(entry.Recording));
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

namespace {

// Lists up to this size are read in one go and parsed in place; a larger (damaged) file is
// read line by line, so it never has to fit in memory.
constexpr size_t kWholeReadLimit = 64u << 20;

// Calls `take` with each line of the file, without its line end, while it returns true.
// False when the file cannot be read.
template <typename Take>
bool ForEachLine(const std::string& path, Take take) {
  const FileBytes file = ReadFileBytes(path, kWholeReadLimit);
  if (file.Result == FileBytes::Outcome::TooLarge) {
    TextFileReader reader;
    if (!reader.Open(path)) return false;
    std::string line;
    while (reader.ReadLine(line) && take(std::string_view(line))) {
    }
    return true;
  }
  if (file.Result != FileBytes::Outcome::Read) return false;
  const std::string_view bytes = file.Bytes;
  for (size_t start = 0; start < bytes.size();) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!take(line)) break;
  }
  return true;
}

}  // namespace

bool LoadList(const std::string& path, ListKind kind, EntryTable& table) {
  return ForEachLine(path, [&](std::string_view line) {
    if (table.Full()) return false;
    std::optional<Entry> entry = ParseEntryLine(line, kind);
    if (!entry) return true;
    if (kind == ListKind::Words) {
      if (entry->EntryNo < 1) return true;
      const std::optional<int> recording = ParseInt(entry->Recording);
      if (entry->OwnRecording == 0 && !(recording && *recording > 0)) entry->Recording.clear();
    }
    table.Add(std::move(*entry));
    return true;
  });
}

void LoadEntries(const std::string& programDir, int language, EntryTable& table) {
  const LanguageFiles files = FilesOf(language);
  table.Clear();
  table.Reserve();
  LoadList(programDir + files.WordList, ListKind::Words, table);
  table.EndWordList();
  LoadList(programDir + files.SentenceList, ListKind::Sentences, table);
  table.Finish();
}

}  // namespace tess::dictionary
