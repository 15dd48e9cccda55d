#include "results/ProgressCharts.h"

#include <map>

#include "core/Catalogue.h"
#include "results/ResultsStore.h"
#include "shared/Percent.h"

namespace tess {
namespace {

struct Tally {
  long Sum = 0;
  int Count = 0;
  int Done = 0;

  void Add(const ResultRecord& record) {
    Sum += record.Score;
    ++Count;
    if (record.Attempts > 0) ++Done;
  }
  ProgressBar Bar(std::string label) const {
    const int percent = Count == 0 ? 0 : RoundHalfEven(static_cast<double>(Sum) / Count);
    return {std::move(label), percent, Done, Count};
  }
};

}  // namespace

std::vector<ProgressBar> GroupBars(const ResultsStore& store, const GroupList& groups,
                                   int interfaceLanguage) {
  std::vector<ProgressBar> bars;
  for (int g = 1; g <= groups.Count(); ++g) {
    const std::string shortName = groups.ShortName(g);
    Tally tally;
    for (const ResultRecord& record : store.Records()) {
      if (record.Group == shortName) tally.Add(record);
    }
    if (tally.Count > 0) bars.push_back(tally.Bar(groups.LongName(g, interfaceLanguage)));
  }
  return bars;
}

std::vector<ProgressBar> KindBars(const ResultsStore& store, int courseLanguage,
                                  const InterfaceTexts& texts) {
  std::map<int, Tally> kinds;
  for (const ResultRecord& record : store.Records()) kinds[record.Kind].Add(record);
  std::vector<ProgressBar> bars;
  for (const auto& [kind, tally] : kinds) {
    bars.push_back(tally.Bar(KindName(kind, courseLanguage, texts)));
  }
  return bars;
}

std::vector<ProgressDay> DailyLine(const std::vector<LoggedAttempt>& attempts) {
  // "yyyy-mm-dd" sorts as the days follow each other.
  std::map<std::string, std::pair<long, int>> days;
  for (const LoggedAttempt& attempt : attempts) {
    auto& [sum, count] = days[attempt.Day()];
    sum += attempt.Percent;
    ++count;
  }
  std::vector<ProgressDay> line;
  for (const auto& [day, tally] : days) {
    line.push_back(
        {day, RoundHalfEven(static_cast<double>(tally.first) / tally.second), tally.second});
  }
  return line;
}

bool AnyAttempt(const ResultsStore& store) {
  for (const ResultRecord& record : store.Records()) {
    if (record.Attempts > 0) return true;
  }
  return false;
}

}  // namespace tess
