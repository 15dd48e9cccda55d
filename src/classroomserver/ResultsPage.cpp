#include "classroomserver/ResultsPage.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "results/ResultsStore.h"
#include "shared/DateTime.h"
#include "shared/Percent.h"

namespace tess {
namespace {

// Texts of the page, cp1250 like every other Polish text of the programs.
constexpr const char* kClassTitle = "Wyniki klasy";
constexpr const char* kLearnerTitle = "Wyniki ucznia";
constexpr const char* kWholeClass =
    "Ca\xB3"
    "a klasa";
constexpr const char* kLearners = "Uczniowie";
constexpr const char* kByKind = "Wed\xB3ug rodzaju \xE6wiczenia";
constexpr const char* kByGroup = "Wed\xB3ug grupy";
constexpr const char* kByLesson = "Wed\xB3ug lekcji";
constexpr const char* kByDay =
    "Wed\xB3ug dnia ostatniej pr\xF3"
    "by";
constexpr const char* kMean = "\x8Credni wynik";
constexpr const char* kDone = "wykonane";
constexpr const char* kOf = "z";
constexpr const char* kNothing = "Brak wynik\xF3w.";
constexpr const char* kNoGroup = "(bez grupy)";
constexpr const char* kExercises = "\xC6wiczenia";
constexpr const char* kDate = "Data";
constexpr const char* kExercise = "\xC6wiczenie";
constexpr const char* kKind = "Rodzaj";
constexpr const char* kGroup = "Grupa";
constexpr const char* kScore = "Wynik";
constexpr const char* kAttempts =
    "Pr\xF3"
    "by";
constexpr const char* kUnfinished =
    "nieuko\xF1"
    "czone";
constexpr const char* kNoSuchLearner = "Nie ma ucznia";
constexpr const char* kReadOnly =
    "Strona tylko do odczytu; dane z serwera klasy. Daty to dni ostatnich pr\xF3"
    "b.";

constexpr std::size_t kMostLabel = 34;  // characters of a bar's label; the tooltip has it whole

struct Sum {
  long long Scores = 0;
  int Done = 0;
  int Items = 0;

  void Add(const ResultRecord& record) {
    ++Items;
    if (record.Attempts <= 0) return;
    ++Done;
    Scores += record.Score;
  }
  int Percent() const { return Done == 0 ? 0 : RoundHalfEven(static_cast<double>(Scores) / Done); }
  PercentBar Bar(std::string label) const { return {std::move(label), Percent(), Done, Items}; }
};

ResultRecord RecordAt(const std::string& records, std::size_t position) {
  return DeserialiseResultRecord(reinterpret_cast<const std::uint8_t*>(records.data()) +
                                 (position - 1) * kResultRecordSize);
}

std::size_t CountOf(const StoredResults& file) { return file.Records.size() / kResultRecordSize; }

std::string Utf8(const TextDecoder& toUtf8, std::string_view cp1250) { return toUtf8(cp1250); }

// The first of the title's three names: the one of the Polish interface.
std::string FirstTitle(const std::string& title) {
  const std::size_t end = title.find(" = ");
  return end == std::string::npos ? title : title.substr(0, end);
}

// At most `most` characters of UTF-8 text, an ellipsis marking the cut.
std::string Shortened(const std::string& utf8, std::size_t most) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (characters == most) return utf8.substr(0, i) + "\xE2\x80\xA6";
    ++characters;
  }
  return utf8;
}

std::string Number(double value) {
  return std::to_string(static_cast<long long>(std::lround(value)));
}

std::string DoneText(const PercentBar& bar, const TextDecoder& toUtf8) {
  return Utf8(toUtf8, kDone) + " " + std::to_string(bar.Done) + " " + Utf8(toUtf8, kOf) + " " +
         std::to_string(bar.Items);
}

std::string BarChart(const std::vector<PercentBar>& bars, const std::string& caption,
                     const TextDecoder& toUtf8) {
  if (bars.empty()) return "<p class=\"empty\">" + HtmlEscaped(Utf8(toUtf8, kNothing)) + "</p>\n";
  constexpr int kWidth = 720, kRow = 28, kLabelEnd = 250, kBarStart = 260, kBarWidth = 300;
  const int height = kRow * static_cast<int>(bars.size()) + 8;
  std::string svg = "<svg class=\"chart bars\" role=\"img\" width=\"" + std::to_string(kWidth) +
                    "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
                    std::to_string(kWidth) + " " + std::to_string(height) +
                    "\" xmlns=\"http://www.w3.org/2000/svg\" aria-label=\"" + HtmlEscaped(caption) +
                    "\">\n<title>" + HtmlEscaped(caption) + "</title>\n";
  int y = 4;
  for (const PercentBar& bar : bars) {
    const std::string label = HtmlEscaped(bar.Label);
    const std::string figure = std::to_string(bar.Percent) + "%";
    const std::string done = HtmlEscaped(DoneText(bar, toUtf8));
    svg += "<g class=\"bar\"><title>" + label + ": " + figure + ", " + done + "</title>";
    svg += "<text class=\"label\" x=\"" + std::to_string(kLabelEnd) + "\" y=\"" +
           std::to_string(y + 18) + "\" text-anchor=\"end\">" +
           HtmlEscaped(Shortened(bar.Label, kMostLabel)) + "</text>";
    svg += "<rect class=\"track\" x=\"" + std::to_string(kBarStart) + "\" y=\"" +
           std::to_string(y + 4) + "\" width=\"" + std::to_string(kBarWidth) + "\" height=\"18\"/>";
    svg += "<rect class=\"fill\" x=\"" + std::to_string(kBarStart) + "\" y=\"" +
           std::to_string(y + 4) + "\" width=\"" + Number(kBarWidth * bar.Percent / 100.0) +
           "\" height=\"18\"/>";
    svg += "<text class=\"figure\" x=\"" + std::to_string(kBarStart + kBarWidth + 8) + "\" y=\"" +
           std::to_string(y + 18) + "\">" + figure + " (" + std::to_string(bar.Done) + "/" +
           std::to_string(bar.Items) + ")</text></g>\n";
    y += kRow;
  }
  return svg + "</svg>\n";
}

std::string LineChart(const std::vector<DayPercent>& days, const std::string& caption,
                      const TextDecoder& toUtf8) {
  if (days.empty()) return "<p class=\"empty\">" + HtmlEscaped(Utf8(toUtf8, kNothing)) + "</p>\n";
  constexpr int kWidth = 720, kHeight = 260, kLeft = 52, kRight = 24, kTop = 16, kBottom = 40;
  constexpr double kPlotWidth = kWidth - kLeft - kRight;
  constexpr double kPlotHeight = kHeight - kTop - kBottom;
  const int first = days.front().Day;
  const int last = days.back().Day;
  const auto x = [&](int day) {
    return first == last ? kLeft + kPlotWidth / 2
                         : kLeft + kPlotWidth * (day - first) / static_cast<double>(last - first);
  };
  const auto y = [&](int percent) { return kTop + kPlotHeight * (100 - percent) / 100.0; };
  std::string svg = "<svg class=\"chart line\" role=\"img\" width=\"" + std::to_string(kWidth) +
                    "\" height=\"" + std::to_string(kHeight) + "\" viewBox=\"0 0 " +
                    std::to_string(kWidth) + " " + std::to_string(kHeight) +
                    "\" xmlns=\"http://www.w3.org/2000/svg\" aria-label=\"" + HtmlEscaped(caption) +
                    "\">\n<title>" + HtmlEscaped(caption) + "</title>\n";
  for (int percent = 0; percent <= 100; percent += 25) {
    svg += "<line class=\"grid\" x1=\"" + std::to_string(kLeft) + "\" x2=\"" +
           std::to_string(kWidth - kRight) + "\" y1=\"" + Number(y(percent)) + "\" y2=\"" +
           Number(y(percent)) + "\"/><text class=\"axis\" x=\"" + std::to_string(kLeft - 8) +
           "\" y=\"" + Number(y(percent) + 4) + "\" text-anchor=\"end\">" +
           std::to_string(percent) + "%</text>\n";
  }
  std::string points;
  for (const DayPercent& day : days) {
    if (!points.empty()) points += ' ';
    points += Number(x(day.Day)) + "," + Number(y(day.Percent));
  }
  svg += "<polyline class=\"trend\" points=\"" + points + "\"/>\n";
  for (const DayPercent& day : days) {
    svg += "<circle class=\"point\" cx=\"" + Number(x(day.Day)) + "\" cy=\"" +
           Number(y(day.Percent)) + "\" r=\"4\"><title>" + day.Date + ": " +
           std::to_string(day.Percent) + "% (" + std::to_string(day.Done) + ")</title></circle>\n";
  }
  const std::string bottom = std::to_string(kHeight - kBottom + 20);
  svg += "<text class=\"axis\" x=\"" + Number(x(first)) + "\" y=\"" + bottom + "\" text-anchor=\"" +
         (first == last ? "middle" : "start") + "\">" + days.front().Date + "</text>\n";
  if (first != last) {
    svg += "<text class=\"axis\" x=\"" + Number(x(last)) + "\" y=\"" + bottom +
           "\" text-anchor=\"end\">" + days.back().Date + "</text>\n";
  }
  return svg + "</svg>\n";
}

std::string Section(const std::string& id, const std::string& heading, const std::string& body) {
  return "<section id=\"" + id + "\"><h2>" + HtmlEscaped(heading) + "</h2>\n" + body +
         "</section>\n";
}

std::string LearnerLink(const std::string& utf8Name) { return "/?learner=" + UrlEncoded(utf8Name); }

// The learner's done items, the latest first.
std::string ExerciseTable(const LearnerResults& learner, const TextDecoder& toUtf8) {
  std::vector<ResultRecord> done;
  for (const StoredResults& file : learner.Files) {
    for (std::size_t position = 1; position <= CountOf(file); ++position) {
      ResultRecord record = RecordAt(file.Records, position);
      if (record.Attempts > 0) done.push_back(std::move(record));
    }
  }
  if (done.empty()) return "<p class=\"empty\">" + HtmlEscaped(Utf8(toUtf8, kNothing)) + "</p>\n";
  std::stable_sort(done.begin(), done.end(), [](const ResultRecord& a, const ResultRecord& b) {
    const bool aDate = DecodeDateTime(a.LastDate).has_value();
    const bool bDate = DecodeDateTime(b.LastDate).has_value();
    if (aDate != bDate) return aDate;
    return aDate && a.LastDate > b.LastDate;
  });
  std::string html = "<table class=\"exercises\"><thead><tr>";
  for (const char* heading : {kDate, kExercise, kKind, kGroup, kScore, kAttempts}) {
    html += "<th>" + HtmlEscaped(Utf8(toUtf8, heading)) + "</th>";
  }
  html += "</tr></thead><tbody>\n";
  for (const ResultRecord& record : done) {
    html += "<tr><td>" + FormatDate(record.LastDate) + "</td><td>" +
            HtmlEscaped(Utf8(toUtf8, FirstTitle(record.Title))) + "</td><td>" +
            HtmlEscaped(Utf8(toUtf8, KindLabel(record.Kind))) + "</td><td>" +
            HtmlEscaped(Utf8(toUtf8, record.Group)) + "</td><td class=\"number\">" +
            std::to_string(record.Score) + "%" +
            (record.Finished == 1 ? std::string()
                                  : " <span class=\"unfinished\">" +
                                        HtmlEscaped(Utf8(toUtf8, kUnfinished)) + "</span>") +
            "</td><td class=\"number\">" + std::to_string(record.Attempts) + "</td></tr>\n";
  }
  return html + "</tbody></table>\n";
}

constexpr const char* kStyle =
    "body{margin:0;font-family:'DejaVu Sans',Arial,sans-serif;background:#F4E9D8;color:#1F3A5F}"
    "header{background:#1F3A5F;color:#fff;padding:12px 24px}"
    "h1{margin:0;font-size:1.5em}h2{font-size:1.1em;margin:0 0 8px}"
    "nav ul{list-style:none;margin:0;padding:8px 24px;display:flex;flex-wrap:wrap;gap:6px 14px;"
    "background:#2A4B75}"
    "nav a{color:#8FD8CE;text-decoration:none}nav a[aria-current]{color:#fff;font-weight:bold}"
    "main{padding:12px 24px}section{background:#fff;border:1px solid #E4D4BA;border-radius:6px;"
    "padding:12px 16px;margin:0 0 14px}"
    ".summary{font-size:1.1em}.empty,.note,footer{color:#5E6E82}footer{padding:0 24px 16px}"
    ".note{background:#fff;border-left:4px solid #E76F51;padding:8px 12px}"
    "svg text{font-size:13px;fill:#1F3A5F}svg .axis{fill:#5E6E82;font-size:12px}"
    ".track{fill:#DDF0ED}.fill{fill:#2A9D8F}.grid{stroke:#E4D4BA}"
    ".trend{fill:none;stroke:#1F3A5F;stroke-width:2}.point{fill:#2A9D8F}"
    "table{border-collapse:collapse}th,td{padding:3px 10px;border-bottom:1px solid #E4D4BA;"
    "text-align:left}td.number{text-align:right}.unfinished{color:#E76F51;font-size:.85em}";

}  // namespace

std::string KindLabel(int kind) {
  switch (kind) {
    case 40:
      return "Wyb\xF3r odpowiedzi (MC)";
    case 41:
      return "Prawda czy fa\xB3sz (TF)";
    case 42:
      return "S\xB3owa w kolumny (DD)";
    case 43:
      return "Pary (HH)";
    case 44:
      return "Wpisywanie (WP)";
    case 45:
      return "Definicje (DF)";
    case 46:
      return "Kolejno\x9C\xE6 (DV)";
    case 50:
      return "Zdania - uk\xB3"
             "adanka";
    case 51:
      return "Zdania - dyktando";
    case 54:
      return "Rozumienie tekstu";
    default:
      break;
  }
  if (kind >= 70 && kind <= 74) return "Rozmowa, tryb " + std::to_string(kind - 69);
  return "Rodzaj " + std::to_string(kind);
}

ProgressFigures FiguresOf(const std::vector<LearnerResults>& learners, const TextDecoder& toUtf8) {
  Sum overall;
  std::map<int, Sum> kinds;
  std::vector<std::pair<std::string, Sum>> groups;
  std::map<int, Sum> days;
  std::vector<std::pair<long long, std::pair<std::string, Sum>>> lessons;
  for (const LearnerResults& learner : learners) {
    for (const StoredResults& file : learner.Files) {
      for (std::size_t position = 1; position <= CountOf(file); ++position) {
        const ResultRecord record = RecordAt(file.Records, position);
        overall.Add(record);
        kinds[record.Kind].Add(record);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& known) { return known.first == record.Group; });
        if (group == groups.end()) group = groups.insert(groups.end(), {record.Group, Sum{}});
        group->second.Add(record);
        if (record.Attempts > 0 && DecodeDateTime(record.LastDate)) {
          days[static_cast<int>(std::floor(record.LastDate))].Add(record);
        }
      }
    }
    // A lesson assigned twice to one learner counts once for that learner.
    std::vector<long long> seen;
    for (const StoredAssignment& assignment : learner.Lessons) {
      if (std::find(seen.begin(), seen.end(), assignment.LessonId) != seen.end()) continue;
      seen.push_back(assignment.LessonId);
      auto lesson = std::find_if(lessons.begin(), lessons.end(), [&](const auto& known) {
        return known.first == assignment.LessonId;
      });
      if (lesson == lessons.end()) {
        lesson = lessons.insert(lessons.end(), {assignment.LessonId, {assignment.LessonName, {}}});
      }
      for (const StoredResults& file : learner.Files) {
        for (int position : assignment.Positions) {
          if (position < 1 || static_cast<std::size_t>(position) > CountOf(file)) continue;
          lesson->second.second.Add(RecordAt(file.Records, static_cast<std::size_t>(position)));
        }
      }
    }
  }
  ProgressFigures figures;
  figures.Overall = overall.Bar("");
  for (const auto& [kind, sum] : kinds) {
    figures.ByKind.push_back(sum.Bar(Utf8(toUtf8, KindLabel(kind))));
  }
  for (const auto& [group, sum] : groups) {
    figures.ByGroup.push_back(sum.Bar(Utf8(toUtf8, group.empty() ? kNoGroup : group)));
  }
  for (const auto& [id, lesson] : lessons) {
    figures.ByLesson.push_back(lesson.second.Bar(Utf8(toUtf8, lesson.first)));
  }
  for (const auto& [day, sum] : days) {
    figures.OverTime.push_back({FormatDate(day), day, sum.Percent(), sum.Done});
  }
  return figures;
}

std::string HtmlEscaped(std::string_view utf8) {
  std::string escaped;
  escaped.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string UrlEncoded(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

ResultsPage BuildResultsPage(const std::vector<LearnerResults>& learners,
                             const std::optional<std::string>& chosen, const TextDecoder& toUtf8) {
  ResultsPage page;
  const LearnerResults* learner = nullptr;
  if (chosen) {
    const auto it =
        std::find_if(learners.begin(), learners.end(),
                     [&](const LearnerResults& known) { return known.Name == *chosen; });
    if (it != learners.end()) {
      learner = &*it;
    } else {
      page.Found = false;
    }
  }
  const std::string name = learner ? Utf8(toUtf8, learner->Name) : std::string();
  const std::string title =
      learner ? Utf8(toUtf8, kLearnerTitle) + ": " + name : Utf8(toUtf8, kClassTitle);
  std::string& html = page.Html;
  html =
      "<!DOCTYPE html>\n<html lang=\"pl\"><head><meta charset=\"utf-8\">"
      "<meta name=\"viewport\" content=\"width=device-width\"><title>" +
      HtmlEscaped(title) + "</title><style>" + kStyle + "</style></head>\n<body>\n<header><h1>" +
      HtmlEscaped(title) + "</h1></header>\n<nav aria-label=\"" +
      HtmlEscaped(Utf8(toUtf8, kLearners)) + "\"><ul>\n<li><a href=\"/\"" +
      (learner ? "" : " aria-current=\"page\"") + ">" + HtmlEscaped(Utf8(toUtf8, kWholeClass)) +
      "</a></li>\n";
  for (const LearnerResults& each : learners) {
    const std::string eachName = Utf8(toUtf8, each.Name);
    html += "<li><a href=\"" + HtmlEscaped(LearnerLink(eachName)) + "\"" +
            (&each == learner ? " aria-current=\"page\"" : "") + ">" + HtmlEscaped(eachName) +
            "</a></li>\n";
  }
  html += "</ul></nav>\n<main>\n";
  if (!page.Found) {
    html += "<p class=\"note\">" + HtmlEscaped(Utf8(toUtf8, kNoSuchLearner)) + " \xE2\x80\x9E" +
            HtmlEscaped(Utf8(toUtf8, *chosen)) + "\xE2\x80\x9D.</p>\n";
  }

  const ProgressFigures figures =
      learner ? FiguresOf({*learner}, toUtf8) : FiguresOf(learners, toUtf8);
  html += "<section id=\"summary\" class=\"summary\"><p>" + HtmlEscaped(Utf8(toUtf8, kMean)) +
          ": <strong id=\"mean\">" + std::to_string(figures.Overall.Percent) + "%</strong> (" +
          HtmlEscaped(DoneText(figures.Overall, toUtf8)) + ")</p></section>\n";
  if (!learner) {
    std::vector<PercentBar> byLearner;
    for (const LearnerResults& each : learners) {
      PercentBar bar = FiguresOf({each}, toUtf8).Overall;
      bar.Label = Utf8(toUtf8, each.Name);
      byLearner.push_back(std::move(bar));
    }
    const std::string heading = Utf8(toUtf8, kLearners);
    html += Section("learners", heading, BarChart(byLearner, heading, toUtf8));
  }
  const std::string byKind = Utf8(toUtf8, kByKind);
  html += Section("kinds", byKind, BarChart(figures.ByKind, byKind, toUtf8));
  const std::string byGroup = Utf8(toUtf8, kByGroup);
  html += Section("groups", byGroup, BarChart(figures.ByGroup, byGroup, toUtf8));
  if (!figures.ByLesson.empty()) {
    const std::string byLesson = Utf8(toUtf8, kByLesson);
    html += Section("lessons", byLesson, BarChart(figures.ByLesson, byLesson, toUtf8));
  }
  const std::string byDay = Utf8(toUtf8, kByDay);
  html += Section("days", byDay, LineChart(figures.OverTime, byDay, toUtf8));
  if (learner) {
    html += Section("exercises", Utf8(toUtf8, kExercises), ExerciseTable(*learner, toUtf8));
  }
  html +=
      "</main>\n<footer>" + HtmlEscaped(Utf8(toUtf8, kReadOnly)) + "</footer>\n</body></html>\n";
  return page;
}

}  // namespace tess
