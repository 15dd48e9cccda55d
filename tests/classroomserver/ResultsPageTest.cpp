// The teacher's results page: the figures per kind, group, lesson and day for one learner and
// for the class (means rounded half to even, never-done items counted but not averaged), and
// the page itself: hostile names stay text, links carry names URL-encoded, an unknown learner
// is told.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "classroomserver/ResultsPage.h"
#include "results/ResultsStore.h"
#include "shared/CodePage.h"
#include "shared/DateTime.h"

namespace tess {
namespace {

std::string Decoded(std::string_view cp1250) { return ToUtf8(cp1250, CodePage::Cp1250); }

ResultRecord Done(std::string name, std::uint8_t kind, std::string group, int score, int attempts,
                  double date, std::uint8_t finished = 1) {
  ResultRecord record;
  record.Name = std::move(name);
  record.Title = record.Name + " tytu\xB3 = title = Titel = ";
  record.Kind = kind;
  record.Level = 1;
  record.LastDate = date;
  record.Score = static_cast<std::uint8_t>(score);
  record.Attempts = attempts;
  record.Finished = finished;
  record.Group = std::move(group);
  return record;
}

std::string File(const std::vector<ResultRecord>& records) {
  std::string bytes;
  for (const ResultRecord& record : records) {
    const ResultRecordBytes serialised = SerialiseResultRecord(record);
    bytes.append(reinterpret_cast<const char*>(serialised.data()), serialised.size());
  }
  return bytes;
}

// Functions, not globals: the date code's own constants may not be set up yet when globals
// of this file are.
double Monday() { return EncodeDateTime({2026, 3, 2, 10}); }
double Tuesday() { return EncodeDateTime({2026, 3, 3, 9}); }
double TuesdayEvening() { return EncodeDateTime({2026, 3, 3, 18}); }

StoredAssignment Lesson(long long id, std::string name, std::vector<int> positions) {
  return {id, std::move(name), std::move(positions), "2026-03-01", "2026-03-31", false};
}

// Ola: two MC exercises (80, 65), a TF never done, comprehension 50, a sentence drill of 100
// whose date is damaged. Ewa: one MC exercise of 21.
std::vector<LearnerResults> Class() {
  LearnerResults ola;
  ola.Name = "Ola";
  ola.Files.push_back(
      {"Ola", "tsa2",
       File({Done("tek_1", 40, "zakupy", 80, 1, Monday()),
             Done("tek_1", 40, "zakupy", 65, 2, Tuesday(), 0),
             Done("tek_1", 41, "zakupy", 0, 0, Monday()),
             Done("rpg_1", 54, "dom", 50, 1, TuesdayEvening()),
             Done("zda_1", 50, "dom", 100, 3, std::numeric_limits<double>::quiet_NaN())})});
  // Assigned twice, and naming a position the file does not have.
  ola.Lessons = {Lesson(7, "Lekcja 1", {1, 3, 999}),
                 Lesson(9,
                        "Lekcja \xB3"
                        "atwa",
                        {4}),
                 Lesson(7, "Lekcja 1", {1, 3, 999})};
  LearnerResults ewa;
  ewa.Name = "Ewa";
  ewa.Files.push_back({"Ewa", "tsa2", File({Done("tek_1", 40, "zakupy", 21, 1, Monday())})});
  ewa.Lessons = {Lesson(7, "Lekcja 1", {1})};
  return {ola, ewa};
}

int Day(double date) { return static_cast<int>(std::floor(date)); }

}  // namespace

void PrintTo(const PercentBar& bar, std::ostream* out) {
  *out << bar.Label << " " << bar.Percent << "% " << bar.Done << "/" << bar.Items;
}
void PrintTo(const DayPercent& day, std::ostream* out) {
  *out << day.Date << " (" << day.Day << ") " << day.Percent << "% " << day.Done;
}

namespace {

TEST(ResultsPageTest, FiguresOfOneLearnerAndOfTheClass) {
  const std::vector<LearnerResults> all = Class();
  struct Case {
    const char* name;
    std::vector<LearnerResults> learners;
    PercentBar overall;
    std::vector<PercentBar> byKind, byGroup, byLesson;
    std::vector<DayPercent> overTime;
  };
  const std::vector<Case> cases = {
      {"one learner: 72.5 and 57.5 go to the even neighbour; the undated drill has no day",
       {all[0]},
       {"", 74, 4, 5},
       {{"Wybór odpowiedzi (MC)", 72, 2, 2},
        {"Prawda czy fałsz (TF)", 0, 0, 1},
        {"Zdania - układanka", 100, 1, 1},
        {"Rozumienie tekstu", 50, 1, 1}},
       {{"zakupy", 72, 2, 3}, {"dom", 75, 2, 2}},
       {{"Lekcja 1", 80, 1, 2}, {"Lekcja łatwa", 50, 1, 1}},
       {{"2026-03-02", Day(Monday()), 80, 1}, {"2026-03-03", Day(Tuesday()), 58, 2}}},
      {"the class: every learner's records, lessons summed over the learners they were given",
       all,
       {"", 63, 5, 6},
       {{"Wybór odpowiedzi (MC)", 55, 3, 3},
        {"Prawda czy fałsz (TF)", 0, 0, 1},
        {"Zdania - układanka", 100, 1, 1},
        {"Rozumienie tekstu", 50, 1, 1}},
       {{"zakupy", 55, 3, 4}, {"dom", 75, 2, 2}},
       {{"Lekcja 1", 50, 2, 3}, {"Lekcja łatwa", 50, 1, 1}},
       {{"2026-03-02", Day(Monday()), 50, 2}, {"2026-03-03", Day(Tuesday()), 58, 2}}},
      {"nobody", {}, {"", 0, 0, 0}, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgressFigures figures = FiguresOf(c.learners, Decoded);
    EXPECT_EQ(figures.Overall, c.overall);
    EXPECT_EQ(figures.ByKind, c.byKind);
    EXPECT_EQ(figures.ByGroup, c.byGroup);
    EXPECT_EQ(figures.ByLesson, c.byLesson);
    EXPECT_EQ(figures.OverTime, c.overTime);
  }
}

TEST(ResultsPageTest, EscapingAndUrlEncoding) {
  const struct {
    const char* text;
    const char* escaped;
    const char* encoded;
  } cases[] = {
      {"Ola", "Ola", "Ola"},
      {"<script>&\"'", "&lt;script&gt;&amp;&quot;&#39;", "%3Cscript%3E%26%22%27"},
      {"J\xC3\xB3zef Nowak", "J\xC3\xB3zef Nowak", "J%C3%B3zef%20Nowak"},
      {"a+b=c?d#e/f", "a+b=c?d#e/f", "a%2Bb%3Dc%3Fd%23e%2Ff"},
      {"-._~", "-._~", "-._~"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HtmlEscaped(c.text), c.escaped);
    EXPECT_EQ(UrlEncoded(c.text), c.encoded);
  }
}

TEST(ResultsPageTest, HostileTextsStayText) {
  const std::string hostile = "<script>alert(1)</script>";
  LearnerResults learner;
  learner.Name = hostile;
  ResultRecord record = Done("tek_1", 40, "\"><img src>", 90, 1, Monday());
  record.Title = "<b onclick=x>Tytu\xB3</b> = = = ";
  learner.Files.push_back({hostile, "tsa2", File({record})});
  learner.Lessons = {Lesson(1, "L&<svg onload=x>", {1})};
  const std::vector<LearnerResults> learners = {learner};
  for (const std::optional<std::string>& chosen :
       {std::optional<std::string>(), std::optional<std::string>(hostile),
        std::optional<std::string>("<i>kto</i>")}) {
    SCOPED_TRACE(chosen.value_or("(class)"));
    const std::string html = BuildResultsPage(learners, chosen, Decoded).Html;
    for (const char* markup : {"<script", "<img", "<b ", "<i>", "<svg onload"}) {
      EXPECT_EQ(html.find(markup), std::string::npos) << markup;
    }
    EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(html.find("href=\"/?learner=%3Cscript%3Ealert%281%29%3C%2Fscript%3E\""),
              std::string::npos);
  }
  const std::string page = BuildResultsPage(learners, hostile, Decoded).Html;
  EXPECT_NE(page.find("&lt;b onclick=x&gt;Tytuł&lt;/b&gt;"), std::string::npos);
  EXPECT_NE(page.find("&quot;&gt;&lt;img src&gt;"), std::string::npos);
}

TEST(ResultsPageTest, TheClassPageAndALearnersPage) {
  const std::vector<LearnerResults> learners = Class();

  const ResultsPage whole = BuildResultsPage(learners, std::nullopt, Decoded);
  EXPECT_TRUE(whole.Found);
  EXPECT_NE(whole.Html.find("<title>Wyniki klasy</title>"), std::string::npos);
  EXPECT_NE(whole.Html.find("<a href=\"/\" aria-current=\"page\">Cała klasa</a>"),
            std::string::npos);
  EXPECT_NE(whole.Html.find("id=\"mean\">63%<"), std::string::npos);
  EXPECT_NE(whole.Html.find("<section id=\"learners\">"), std::string::npos);
  EXPECT_EQ(whole.Html.find("<section id=\"exercises\">"), std::string::npos);
  EXPECT_NE(whole.Html.find("<svg class=\"chart line\""), std::string::npos);

  const ResultsPage ola = BuildResultsPage(learners, std::string("Ola"), Decoded);
  EXPECT_TRUE(ola.Found);
  EXPECT_NE(ola.Html.find("<title>Wyniki ucznia: Ola</title>"), std::string::npos);
  EXPECT_NE(ola.Html.find("href=\"/?learner=Ola\" aria-current=\"page\""), std::string::npos);
  EXPECT_NE(ola.Html.find("id=\"mean\">74%<"), std::string::npos);
  EXPECT_NE(ola.Html.find("72% (2/2)"), std::string::npos);
  EXPECT_EQ(ola.Html.find("<section id=\"learners\">"), std::string::npos);
  // The exercises, the latest first; the undated drill last; the unfinished one marked.
  const std::size_t table = ola.Html.find("<section id=\"exercises\">");
  ASSERT_NE(table, std::string::npos);
  const std::size_t tuesdayEvening = ola.Html.find("<td>2026-03-03</td><td>rpg_1", table);
  const std::size_t tuesday = ola.Html.find("<td>2026-03-03</td><td>tek_1", table);
  const std::size_t monday = ola.Html.find("<td>2026-03-02</td><td>tek_1", table);
  const std::size_t undated = ola.Html.find("<td></td><td>zda_1", table);
  EXPECT_LT(tuesdayEvening, tuesday);
  EXPECT_LT(tuesday, monday);
  EXPECT_LT(monday, undated);
  EXPECT_NE(undated, std::string::npos);
  EXPECT_NE(ola.Html.find("65% <span class=\"unfinished\">nieukończone</span>", table),
            std::string::npos);
  EXPECT_EQ(ola.Html.find("tek_1 tytuł</td><td>Prawda"), std::string::npos)
      << "a never-done item is no row";

  const ResultsPage nobody = BuildResultsPage(learners,
                                              std::string("Zo\xBF"
                                                          "ka"),
                                              Decoded);
  EXPECT_FALSE(nobody.Found);
  EXPECT_NE(nobody.Html.find("Nie ma ucznia „Zożka”."), std::string::npos);
  EXPECT_NE(nobody.Html.find("<section id=\"learners\">"), std::string::npos);

  const std::string empty = BuildResultsPage({}, std::nullopt, Decoded).Html;
  EXPECT_NE(empty.find("Brak wyników."), std::string::npos);
  EXPECT_EQ(empty.find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace tess
