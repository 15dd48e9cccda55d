#pragma once
// The server's copy of a learner's results file: a reported result written into it, the whole
// records of an upload, and the CSV export for the teacher.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "classroomserver/ClassroomStorage.h"
#include "classroomserver/ServerRequest.h"

namespace tess {

/// An upload cut to its whole 204-byte records (a client's file may carry a torn tail).
std::string WholeRecords(std::string_view upload);

/// Writes a reported attempt into the results file: a "tek_" result into the record at the
/// position its Item names (positions are counted mod 256, so the first of them with the same
/// name and kind), any other into the last record of the same name and kind. Score, attempts,
/// finished mark and date change; title, level and group stay the server's. The date has no
/// time: an attempt of today (by `now`) takes `now`, an earlier day its midnight. False, with
/// `error`, when no record matches.
bool ApplyReportedResult(std::string& records, const ReportedResult& result, double now,
                         std::string* error = nullptr);

/// Text fields of the records are cp1250; `toUtf8` turns them into the CSV's UTF-8.
using TextDecoder = std::function<std::string(std::string_view cp1250)>;

/// One line per record: learner, tag, name, title, kind, item, level, date, score, attempts,
/// finished, group, after a header line; fields quoted where they hold a comma, quote or line
/// break; lines end with LF.
std::string ResultsCsv(const std::vector<StoredResults>& results, const TextDecoder& toUtf8);

}  // namespace tess
