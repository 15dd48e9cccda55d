#include "classroomserver/ServerResults.h"

#include <cmath>

#include "results/ResultsStore.h"
#include "shared/Text.h"

namespace tess {
namespace {

ResultRecord RecordAt(const std::string& records, std::size_t position) {
  return DeserialiseResultRecord(
      reinterpret_cast<const std::uint8_t*>(records.data()) + (position - 1) * kResultRecordSize);
}

void PutRecordAt(std::string& records, std::size_t position, const ResultRecord& record) {
  const ResultRecordBytes bytes = SerialiseResultRecord(record);
  records.replace((position - 1) * kResultRecordSize, kResultRecordSize,
                  reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string WholeRecords(std::string_view upload) {
  return std::string(upload.substr(0, upload.size() - upload.size() % kResultRecordSize));
}

bool ApplyReportedResult(std::string& records, const ReportedResult& result, double now,
                         std::string* error) {
  const std::size_t count = records.size() / kResultRecordSize;
  const std::string name = LowerAZ(result.Name);
  const auto matches = [&](std::size_t position) {
    const ResultRecord record = RecordAt(records, position);
    return record.Name == name && record.Kind == result.Kind;
  };
  std::size_t found = 0;
  if (name.rfind("tek_", 0) == 0) {
    for (std::size_t position = result.Item == 0 ? 256 : result.Item; position <= count;
         position += 256) {
      if (matches(position)) {
        found = position;
        break;
      }
    }
  } else {
    for (std::size_t position = 1; position <= count; ++position) {
      if (matches(position)) found = position;
    }
  }
  if (found == 0) {
    if (error) *error = "no record " + name + " of kind " + std::to_string(result.Kind);
    return false;
  }
  ResultRecord record = RecordAt(records, found);
  record.Score = result.Score;
  record.Attempts = result.Attempts;
  record.Finished = result.Finished;
  if (result.Date) {
    const double day = EncodeDateTime(*result.Date);
    record.LastDate = std::floor(now) == day ? now : day;
  } else {
    record.LastDate = now;
  }
  PutRecordAt(records, found, record);
  return true;
}

std::string ResultsCsv(const std::vector<StoredResults>& results, const TextDecoder& toUtf8) {
  std::string csv = "learner,tag,name,title,kind,item,level,date,score,attempts,finished,group\n";
  for (const StoredResults& file : results) {
    const std::string learner = CsvField(toUtf8(file.Learner));
    const std::string tag = CsvField(toUtf8(file.Tag));
    const std::size_t count = file.Records.size() / kResultRecordSize;
    for (std::size_t position = 1; position <= count; ++position) {
      const ResultRecord r = RecordAt(file.Records, position);
      csv += learner + ',' + tag + ',' + CsvField(toUtf8(r.Name)) + ',' +
             CsvField(toUtf8(r.Title)) + ',' + std::to_string(r.Kind) + ',' +
             std::to_string(r.Item) + ',' + std::to_string(r.Level) + ',' +
             FormatDate(r.LastDate) + ',' + std::to_string(r.Score) + ',' +
             std::to_string(r.Attempts) + ',' + std::to_string(r.Finished) + ',' +
             CsvField(toUtf8(r.Group)) + '\n';
    }
  }
  return csv;
}

}  // namespace tess
