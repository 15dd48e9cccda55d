#pragma once
// The results of the logged-in user: one `ResultRecord` record per gradable item of the course,
// kept in memory in the `ResultsStore` and on disk in the results file, UserDir + SettingsTag,
// as 204-byte records back to back.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/InterfaceTexts.h"

namespace tess {

struct CourseMaterial;
struct RecordContext;

/// The results record of one gradable item. Text fields hold cp1250 bytes.
struct ResultRecord {
  static constexpr size_t kNameWidth = 25;
  static constexpr size_t kTitleWidth = 140;
  static constexpr size_t kGroupWidth = 12;

  std::string Name;   ///< result key, lower case: "tek_", "rpg_", "zda_" or "dia_" + number
  std::string Title;  ///< names for interface languages 0, 1 and 2, each followed by " = "
  std::uint8_t Kind = 0;
  std::uint8_t Item = 0;  ///< "tek_" records: own position in the store, low 8 bits; else 0
  std::uint8_t Level = 0;
  double LastDate = 0;  ///< TDateTime: creation, then the last recorded attempt
  std::uint8_t Score = 0;
  std::int32_t Attempts = 0;
  std::uint8_t Finished = 0;  ///< 1 when the last attempt was taken to its end
  std::string Group;          ///< short name of the item's group

  friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

inline constexpr size_t kResultRecordSize = 204;
using ResultRecordBytes = std::array<std::uint8_t, kResultRecordSize>;

/// The file form of a record: little-endian, length-prefixed strings cut to their widths with
/// zero bytes past the length, zero padding.
ResultRecordBytes SerialiseResultRecord(const ResultRecord& record);
/// A length byte beyond its field's width is taken as the width.
ResultRecord DeserialiseResultRecord(const std::uint8_t* bytes);

class ResultsStore {
 public:
  static constexpr int kMaxRecords = 1000;

  int Count() const { return static_cast<int>(records_.size()); }
  bool Full() const { return Count() >= kMaxRecords; }
  /// Record at position 1 to Count().
  const ResultRecord& At(int position) const { return records_[static_cast<size_t>(position - 1)]; }
  ResultRecord& At(int position) { return records_[static_cast<size_t>(position - 1)]; }
  const std::vector<ResultRecord>& Records() const { return records_; }

  /// Empties the records; bytes of the file that were not understood stay (see UnreadBytes).
  void Clear() { records_.clear(); }
  /// Appends at the next position; false when the store is full.
  bool Append(ResultRecord record);

  /// The bytes of the loaded file past its last record that the store holds: records beyond
  /// the 1000th, part of a record. `SaveResults` writes them back after the records
  /// unchanged, so a save never shortens the file.
  const std::string& UnreadBytes() const { return unreadBytes_; }
  /// False after a load that failed: the file is still the user's, so it must not be
  /// replaced by what the store holds. The next successful load clears it.
  bool Saveable() const { return saveable_; }

  /// Copies of the records as `RecordResult` left them, one per attempt in the order of the
  /// attempts, until the attempts log takes them.
  const std::vector<ResultRecord>& RecordedAttempts() const { return recordedAttempts_; }
  std::vector<ResultRecord> TakeRecordedAttempts() { return std::exchange(recordedAttempts_, {}); }

  /// The record opened last, set by the choosers and passed back to `RecordResult`.
  std::string CurrentResultName;
  std::uint8_t CurrentResultKind = 0;
  std::uint8_t CurrentResultItem = 0;

 private:
  friend bool LoadResults(const std::string&, ResultsStore&, std::string*);
  friend int RecordResult(ResultsStore&, int, std::string_view, std::uint8_t, std::uint8_t,
                          std::uint8_t, const RecordContext&);

  std::vector<ResultRecord> records_;
  std::vector<ResultRecord> recordedAttempts_;
  std::string unreadBytes_;
  bool saveable_ = true;
};

/// UserDir + SettingsTag.
std::string ResultsFilePath(const std::string& userDir, const std::string& settingsTag);

/// Empties the store and reads the file's whole records, at most 1000, keeping the bytes
/// after them; a missing file leaves the store empty. False (with `error`, Polish) when the
/// file exists but cannot be read or is far larger than any results file; the store is then
/// empty and refuses to be saved.
bool LoadResults(const std::string& path, ResultsStore& store, std::string* error = nullptr);

/// Rewrites the file with records 1 to Count() and then the store's unread bytes, through a
/// temporary file and a rename. Refused (false, with a Polish `error`) for a store whose load
/// failed.
bool SaveResults(const std::string& path, const ResultsStore& store, std::string* error = nullptr);

/// Empties the store and creates a new user's records from the course material: the
/// exercises of the texts, the comprehension exercises, two drills per sentence package and
/// the offered modes of each conversation. `now` stamps every record. Stops adding at 1000
/// records; false when something was left out.
bool BuildResults(const CourseMaterial& material, double now, ResultsStore& store);

/// Receives the record that `RecordResult` changed, for the classroom server.
class ResultReporter {
 public:
  virtual ~ResultReporter() = default;
  virtual void ReportResult(const ResultRecord& record) = 0;
};

/// What `RecordResult` needs besides the attempt.
struct RecordContext {
  double Now = 0;                      ///< the time of the attempt, from the program's clock
  int RunMode = -1;                    ///< -1 local, 1 classroom
  ResultReporter* Reporter = nullptr;  ///< told about the changed record in classroom mode
};

/// Stores one attempt on the last record whose name (after lower-casing `name`), kind and
/// item match: date, score (negative gives 0, above 100 gives 100), finished mark, one more
/// attempt (a damaged negative count gives 1; the count stops at its maximum), and keeps a copy
/// for the attempts log. Returns its position, or 0 when nothing matched (nothing changes,
/// nothing is reported).
int RecordResult(ResultsStore& store, int score, std::string_view name, std::uint8_t kind,
                 std::uint8_t item, std::uint8_t finished, const RecordContext& context);

/// One line per record of the key, each ended by CR: every record of a "tek_", "zda_" or
/// "dia_" key, only the given kind for other keys. A never-done record gives its kind name;
/// a done one adds date (left out when the stored value is no date), score, attempts and
/// ", !" when it was not finished.
std::string ResultsSummary(const ResultsStore& store, std::string_view name, int kind,
                           int courseLanguage, const InterfaceTexts& texts);

}  // namespace tess
