#include "results/ResultsStore.h"

#include <sys/stat.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "core/Catalogue.h"
#include "core/KindCode.h"
#include "results/CourseMaterial.h"
#include "shared/DateTime.h"
#include "shared/Paths.h"
#include "shared/Text.h"
#include "shared/TextFile.h"

namespace tess {

namespace {

// Field offsets of the 204-byte record.
constexpr size_t kNameAt = 0;
constexpr size_t kTitleAt = 26;
constexpr size_t kKindAt = 167;
constexpr size_t kItemAt = 168;
constexpr size_t kLevelAt = 169;
constexpr size_t kLastDateAt = 172;
constexpr size_t kScoreAt = 180;
constexpr size_t kAttemptsAt = 184;
constexpr size_t kFinishedAt = 188;
constexpr size_t kGroupAt = 189;

// A results file holds at most 204 000 bytes; one this large is not read into memory.
constexpr size_t kMostBytesRead = 64 * 1024 * 1024;

void PutShortString(std::uint8_t* at, size_t width, std::string_view text) {
  const size_t length = text.size() < width ? text.size() : width;
  at[0] = static_cast<std::uint8_t>(length);
  std::memcpy(at + 1, text.data(), length);
}

std::string GetShortString(const std::uint8_t* at, size_t width) {
  const size_t length = at[0] < width ? at[0] : width;
  return std::string(reinterpret_cast<const char*>(at + 1), length);
}

void PutLittleEndian(std::uint8_t* at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(const std::uint8_t* at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(at[i]) << (8 * i);
  return value;
}

std::string Cut(std::string text, size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

std::string ThreeNames(const std::string& language0, const std::string& language1,
                       const std::string& language2) {
  return language0 + " = " + language1 + " = " + language2 + " = ";
}

std::string WithoutLeadingZeros(const std::string& code) {
  const size_t first = code.find_first_not_of('0');
  return first == std::string::npos ? std::string() : code.substr(first);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Appends records while the store has room; remembers whether anything was left out.
class RecordBuilder {
 public:
  RecordBuilder(ResultsStore& store, const GroupList& groups, double now)
      : store_(store), groups_(groups), now_(now) {}

  void Add(std::string name, std::string title, int kind, int level, int group, bool ownItem) {
    if (store_.Full()) {
      complete_ = false;
      return;
    }
    ResultRecord record;
    record.Name = Cut(std::move(name), ResultRecord::kNameWidth);
    record.Title = Cut(std::move(title), ResultRecord::kTitleWidth);
    record.Kind = static_cast<std::uint8_t>(kind);
    record.Item = ownItem ? static_cast<std::uint8_t>(store_.Count() + 1) : 0;
    record.Level = static_cast<std::uint8_t>(level);
    record.LastDate = now_;
    record.Group = Cut(groups_.ShortName(group), ResultRecord::kGroupWidth);
    store_.Append(std::move(record));
  }

  bool Complete() const { return complete_; }

 private:
  ResultsStore& store_;
  const GroupList& groups_;
  double now_;
  bool complete_ = true;
};

}  // namespace

ResultRecordBytes SerialiseResultRecord(const ResultRecord& record) {
  ResultRecordBytes bytes{};
  std::uint8_t* b = bytes.data();
  PutShortString(b + kNameAt, ResultRecord::kNameWidth, record.Name);
  PutShortString(b + kTitleAt, ResultRecord::kTitleWidth, record.Title);
  b[kKindAt] = record.Kind;
  b[kItemAt] = record.Item;
  b[kLevelAt] = record.Level;
  PutLittleEndian(b + kLastDateAt, std::bit_cast<std::uint64_t>(record.LastDate), 8);
  b[kScoreAt] = record.Score;
  PutLittleEndian(b + kAttemptsAt, static_cast<std::uint32_t>(record.Attempts), 4);
  b[kFinishedAt] = record.Finished;
  PutShortString(b + kGroupAt, ResultRecord::kGroupWidth, record.Group);
  return bytes;
}

ResultRecord DeserialiseResultRecord(const std::uint8_t* b) {
  ResultRecord record;
  record.Name = GetShortString(b + kNameAt, ResultRecord::kNameWidth);
  record.Title = GetShortString(b + kTitleAt, ResultRecord::kTitleWidth);
  record.Kind = b[kKindAt];
  record.Item = b[kItemAt];
  record.Level = b[kLevelAt];
  record.LastDate = std::bit_cast<double>(GetLittleEndian(b + kLastDateAt, 8));
  record.Score = b[kScoreAt];
  record.Attempts =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLittleEndian(b + kAttemptsAt, 4)));
  record.Finished = b[kFinishedAt];
  record.Group = GetShortString(b + kGroupAt, ResultRecord::kGroupWidth);
  return record;
}

bool ResultsStore::Append(ResultRecord record) {
  if (Full()) return false;
  records_.push_back(std::move(record));
  return true;
}

std::string ResultsFilePath(const std::string& userDir, const std::string& settingsTag) {
  return userDir + settingsTag;
}

bool LoadResults(const std::string& path, ResultsStore& store, std::string* error) {
  store.Clear();
  store.unreadBytes_.clear();
  store.saveable_ = true;
  if (!FileExists(path)) return true;
  auto fail = [&](const std::string& reason) {
    store.saveable_ = false;
    if (error) *error = reason;
    return false;
  };
  const FileBytes read = ReadFileBytes(path, kMostBytesRead);
  switch (read.Result) {
    case FileBytes::Outcome::Read:
      break;
    case FileBytes::Outcome::CannotOpen:
      return fail(std::string("nie można otworzyć pliku: ") + std::strerror(read.Error));
    case FileBytes::Outcome::TooLarge:
      return fail("plik jest za duży na plik wyników (ponad 64 MB)");
    case FileBytes::Outcome::CannotRead:
      return fail("nie można odczytać pliku");
  }
  const std::string& bytes = read.Bytes;

  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  size_t at = 0;
  while (!store.Full() && bytes.size() - at >= kResultRecordSize) {
    store.Append(DeserialiseResultRecord(data + at));
    at += kResultRecordSize;
  }
  // Records past the store and a cut-off record are kept as bytes, to be written back.
  store.unreadBytes_ = bytes.substr(at);
  return true;
}

bool SaveResults(const std::string& path, const ResultsStore& store, std::string* error) {
  if (!store.Saveable()) {
    if (error) *error = "wyniki nie zostały z niego wczytane, więc plik nie zostanie nadpisany";
    return false;
  }
  std::string bytes;
  bytes.reserve(static_cast<size_t>(store.Count()) * kResultRecordSize +
                store.UnreadBytes().size());
  for (const ResultRecord& record : store.Records()) {
    const ResultRecordBytes one = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(one.data()), one.size());
  }
  bytes += store.UnreadBytes();
  return WriteFileAtomically(path, bytes, error);
}

bool BuildResults(const CourseMaterial& material, double now, ResultsStore& store) {
  store.Clear();
  const CourseCatalogue& catalogue = material.Catalogue;
  const GroupList& groups = catalogue.Groups;
  RecordBuilder builder(store, groups, now);

  // Each exercise's text number and kind are read once, not once for every text. An exercise
  // whose text number is not a number belongs to no text.
  struct TextExercise {
    std::optional<int> Number;
    int Kind = 0;
  };
  std::vector<TextExercise> exercises;
  exercises.reserve(material.Exercises.Entries().size());
  for (const ExerciseEntry& exercise : material.Exercises.Entries()) {
    exercises.push_back({ParseInt(Trim(exercise.HeaderField(2))), KindCodeOf(exercise.KindCode())});
  }
  for (const TextEntry& text : catalogue.Texts.Entries()) {
    const std::string name = "tek_" + std::to_string(text.Number);
    const std::string title = ThreeNames(text.NamePl, text.NameEn, text.NameDe);
    for (const TextExercise& exercise : exercises) {
      if (exercise.Number != text.Number) continue;
      builder.Add(name, title, exercise.Kind, text.Level, text.GroupNumber, true);
    }
  }

  for (int n = 1; n <= catalogue.Comprehension.Count(); ++n) {
    const ComprehensionExercise& entry = *catalogue.Comprehension.At(n);
    builder.Add("rpg_" + std::to_string(n), ThreeNames(entry.Name(0), entry.Name(1), entry.Name(2)),
                KindCode::Comprehension, entry.Level, entry.GroupNumber, false);
  }

  const SentencePackages& packages = catalogue.Sentences.Packages();
  for (int n = 1; n <= packages.Count(); ++n) {
    const SentencePackage& package = *packages.At(n);
    const std::string code = "(" + WithoutLeadingZeros(package.Code) + ")";
    const int g = package.GroupNumber;
    const std::string title = groups.LongName(g, 0) + " - zdania " + code + " = " +
                              groups.LongName(g, 1) + " " + code + " = " + groups.LongName(g, 2) +
                              " " + code + " = ";
    for (int kind : {KindCode::SentencePuzzle, KindCode::SentenceDictation}) {
      builder.Add("zda_" + std::to_string(n), title, kind, package.Level, g, false);
    }
  }

  for (int n = 1; n <= material.Conversations.Count(); ++n) {
    const Conversation& conversation = *material.Conversations.At(n);
    for (int mode = 1; mode <= 5; ++mode) {
      if (!conversation.OffersMode(mode)) continue;
      builder.Add("dia_" + std::to_string(n),
                  ThreeNames(conversation.TitlePl, conversation.TitleEn, conversation.TitleDe),
                  KindCode::ConversationFirst + mode - 1, conversation.LevelNumber,
                  conversation.GroupNumber, false);
    }
  }
  return builder.Complete();
}

int RecordResult(ResultsStore& store, int score, std::string_view name, std::uint8_t kind,
                 std::uint8_t item, std::uint8_t finished, const RecordContext& context) {
  const std::string key = LowerAZ(name);
  int matched = 0;
  for (int position = 1; position <= store.Count(); ++position) {
    const ResultRecord& record = store.At(position);
    if (record.Name == key && record.Kind == kind && record.Item == item) matched = position;
  }
  if (matched == 0) return 0;

  ResultRecord& record = store.At(matched);
  record.LastDate = context.Now;
  record.Score = static_cast<std::uint8_t>(score < 0 ? 0 : score > 100 ? 100 : score);
  record.Finished = finished;
  // A count wrapped to a negative number would show the item as never done.
  constexpr std::int32_t kMostAttempts = std::numeric_limits<std::int32_t>::max();
  if (record.Attempts < 0) {
    record.Attempts = 1;
  } else if (record.Attempts < kMostAttempts) {
    record.Attempts += 1;
  }
  store.recordedAttempts_.push_back(record);
  if (context.RunMode == 1 && context.Reporter) context.Reporter->ReportResult(record);
  return matched;
}

std::string ResultsSummary(const ResultsStore& store, std::string_view name, int kind,
                           int courseLanguage, const InterfaceTexts& texts) {
  const std::string key = LowerAZ(name);
  const bool everyKind =
      StartsWith(key, "tek_") || StartsWith(key, "zda_") || StartsWith(key, "dia_");
  std::string summary;
  for (const ResultRecord& record : store.Records()) {
    if (record.Name != key) continue;
    if (!everyKind && record.Kind != kind) continue;
    summary += KindName(record.Kind, courseLanguage, texts);
    if (record.Attempts > 0) {
      // A stored value that is no date is left out rather than shown as a nonsense date.
      const std::string date = FormatDate(record.LastDate);
      if (!date.empty()) summary += ", " + date;
      summary += ", " + std::to_string(record.Score) + "%, (" + std::to_string(record.Attempts) +
                 ") " + (record.Finished != 1 ? ", !" : "");
    }
    summary += '\r';
  }
  return summary;
}

}  // namespace tess
