#include "lookup/WordLookup.h"

#include <algorithm>

#include "dictionary/DictionaryLanguage.h"
#include "dictionary/LearningList.h"
#include "dictionary/Recordings.h"
#include "shared/Text.h"
#include "shared/TextFile.h"
#include "users/Users.h"

namespace tess::lookup {

namespace {

constexpr size_t kListHeaderLines = 10;

// "Poziom 1, 2", as the dictionary notes an entry of levels 1 and 2.
constexpr const char* kLevelNote = "Poziom 1, 2";
// "Dopisano do listy słówek do nauki."
constexpr const char* kAdded = "Dopisano do listy s\xB3\xF3wek do nauki.";
// "To słowo jest już na liście słówek do nauki."
constexpr const char* kAlreadyListed =
    "To s\xB3owo jest ju\xBF na li\x9C"
    "cie s\xB3\xF3wek do nauki.";
// "Nie można dopisać słowa do listy słówek do nauki."
constexpr const char* kNotAdded =
    "Nie mo\xBFna dopisa\xE6 s\xB3owa do listy s\xB3\xF3wek do nauki.";

bool Relative(const std::string& path) {
  return !path.empty() && path.front() != '/' && path.front() != '\\';
}

}  // namespace

std::vector<TranslationWord> TranslationWords(std::string_view translation, int language) {
  std::vector<TranslationWord> words;
  size_t start = 0;
  while (start < translation.size()) {
    const std::string token = NextWord(translation.substr(start));
    start += token.size() + 1;
    if (token.empty()) continue;
    dictionary::WordClassTag tag;
    if (!dictionary::WordClassTagOf(language, token, tag)) {
      words.push_back({token, false, {}});
    } else if (!tag.Shown.empty()) {
      words.push_back({tag.Shown, true, tag.Hint});
    }
  }
  return words;
}

WordLookup::WordLookup(std::string programDir, dictionary::DictionaryConfig config)
    : programDir_(std::move(programDir)), config_(std::move(config)) {}

std::unique_ptr<WordLookup> WordLookup::Open(const std::string& programDir, int courseLanguage) {
  dictionary::DictionaryConfig config;
  if (dictionary::LoadDictionaryConfig(programDir, config) != dictionary::ConfigError::None) {
    return nullptr;
  }
  // A dictionary of another language would find look-alikes, not the word.
  const int language = config.DictionaryLanguage;
  if (language != courseLanguage) return nullptr;
  std::unique_ptr<WordLookup> lookup(new WordLookup(programDir, config));
  dictionary::LoadEntries(programDir, language, lookup->table_);
  if (lookup->table_.WordCount() == 0) return nullptr;
  lookup->index_.emplace(lookup->table_, language);
  return lookup;
}

LookupEntry WordLookup::EntryAt(int position) const {
  LookupEntry entry;
  entry.Position = position;
  entry.EntryNo = table_.EntryNo(position);
  entry.Headword = table_.Headword(position);
  entry.Translation = TranslationWords(table_.Translation(position), Language());
  entry.Plural = Trim(table_.Plural(position));
  if (entry.Plural == "-") entry.Plural.clear();
  if (table_.LevelMark(position) == 1) entry.Note = kLevelNote;
  entry.Recording = dictionary::RecordingPath(table_, position, config_, programDir_);
  // The dictionary runs in its folder; the course program may not, so a relative recordings
  // root is taken from the program's folder.
  if (Relative(entry.Recording)) entry.Recording = programDir_ + entry.Recording;
  return entry;
}

std::vector<LookupEntry> WordLookup::Look(std::string_view rawWord) const {
  std::vector<LookupEntry> entries;
  if (!index_) return entries;
  for (int position : index_->Find(rawWord)) {
    if (entries.size() == kMaxShownEntries) break;
    entries.push_back(EntryAt(position));
  }
  return entries;
}

std::string LearningListFolder(const std::string& dataFolder, const std::string& userDir,
                               const std::string& userName, bool classroom) {
  if (!classroom) return userDir.empty() ? dataFolder : userDir;
  UserList users;
  if (!LoadUsers(dataFolder, users)) return dataFolder;
  const int position = users.Find(Trim(userName));
  return position == 0 ? dataFolder : UserDirOf(dataFolder, users.At(position).Id);
}

std::vector<int> ReadLearningList(const std::string& path) {
  std::vector<int> numbers;
  const std::optional<std::vector<std::string>> lines = ReadTextLines(path);
  if (!lines) return numbers;
  for (size_t i = kListHeaderLines; i < lines->size(); ++i) {
    if (const std::optional<int> number = ParseInt(Trim((*lines)[i]))) numbers.push_back(*number);
  }
  return numbers;
}

LearnResult AddToLearning(const std::string& listPath, int entryNo) {
  const std::vector<int> listed = ReadLearningList(listPath);
  if (std::find(listed.begin(), listed.end(), entryNo) != listed.end()) {
    return {LearnOutcome::AlreadyListed, kAlreadyListed, {}};
  }
  std::string reason;
  if (!dictionary::AppendToLearningList(listPath, entryNo, &reason)) {
    return {LearnOutcome::Failed, kNotAdded, reason};
  }
  return {LearnOutcome::Added, kAdded, {}};
}

}  // namespace tess::lookup
