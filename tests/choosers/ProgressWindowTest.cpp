// The progress window, offscreen, over a store and an attempts log in a fixture folder. The
// figures themselves are tested with ProgressCharts; these follow what the window draws, its
// empty states and its PDF and print output.
#include <gtest/gtest.h>

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "choosers/ProgressWindow.h"
#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "platform/Fakes.h"
#include "results/AttemptLog.h"
#include "results/ResultsStore.h"
#include "support/TempFolder.h"

namespace tess {
namespace {

using testing::TempFolder;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ResultRecord Scored(const char* name, int kind, const char* group, int score, int attempts) {
  ResultRecord record;
  record.Name = name;
  record.Kind = static_cast<std::uint8_t>(kind);
  record.Group = group;
  record.Score = static_cast<std::uint8_t>(score);
  record.Attempts = attempts;
  return record;
}

class ProgressWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    std::string texts;
    for (int n = 1; n <= 60; ++n)
      texts += std::to_string(n) + "==kind " + std::to_string(n) + "=\r\n";
    std::ofstream(folder / "infa_r.txt", std::ios::binary) << texts;
    ASSERT_TRUE(state.Texts.Load(folder / "infa_r.txt"));
    state.UserDir = folder.path() + "/";
    state.Install.SettingsTag = "ts50";
    state.Install.CourseTitle = "Kurs";
    state.UserName = "Ola";
    groups.Add({"Home", "Haus", "Dom", "g1"});
    groups.Add({"Town", "Stadt", "Miasto", "g2"});
  }

  void FillStore() {
    for (const ResultRecord& record :
         {Scored("tek_1", 40, "g1", 80, 2), Scored("tek_1", 41, "g1", 60, 1),
          Scored("rpg_1", 54, "g2", 0, 0), Scored("dia_1", 70, "g2", 90, 1)}) {
      store.Append(record);
    }
  }

  void WriteLog() {
    ASSERT_TRUE(AppendAttempts(UserAttemptLogPath(state),
                               {{"2024-03-01T10:00:00", 40, "tek_1", 1, "g1", 50, true},
                                {"2024-03-02T09:00:00", 40, "tek_1", 1, "g1", 80, true},
                                {"2024-03-02T09:10:00", 41, "tek_1", 2, "g1", 60, false},
                                {"2024-03-02T11:00:00", 70, "dia_1", 0, "g2", 90, true}}));
  }

  std::unique_ptr<ProgressWindow> Window() {
    return std::make_unique<ProgressWindow>(state, store, groups, messages, clock);
  }

  template <typename T>
  static T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  static std::vector<qreal> BarValues(const QWidget& window, const char* chart) {
    const auto series = Child<QChartView>(window, chart)->chart()->series();
    EXPECT_EQ(series.size(), 1);
    const QBarSet* set = static_cast<QAbstractBarSeries*>(series.at(0))->barSets().at(0);
    std::vector<qreal> values;
    for (int i = set->count() - 1; i >= 0; --i) values.push_back(set->at(i));  // top first
    return values;
  }

  static bool Shown(const QWidget& window, const char* name) {
    return Child<QWidget>(window, name)->isVisibleTo(&window);
  }

  TempFolder folder;
  CourseState state;
  GroupList groups;
  ResultsStore store;
  FakeMessageBox messages;
  FakeClock clock;
};

TEST_F(ProgressWindowTest, AFewAttemptsGiveBarsALineAndAPdf) {
  FillStore();
  WriteLog();
  auto window = Window();
  window->ShowProgress();
  ASSERT_TRUE(window->isVisible());

  EXPECT_EQ(BarValues(*window, "chart_groups"), (std::vector<qreal>{70, 45}));
  EXPECT_EQ(BarValues(*window, "chart_kinds"), (std::vector<qreal>{80, 60, 0, 90}));
  const auto days = Child<QChartView>(*window, "chart_days")->chart()->series();
  ASSERT_EQ(days.size(), 1);
  const QList<QPointF> points = static_cast<QLineSeries*>(days.at(0))->points();
  ASSERT_EQ(points.size(), 2);
  EXPECT_EQ(points[0].y(), 50);
  EXPECT_EQ(points[1].y(), 77);  // (80 + 60 + 90) / 3 = 76.67
  EXPECT_LT(points[0].x(), points[1].x());
  for (const char* shown : {"chart_groups", "chart_kinds", "chart_days"}) {
    EXPECT_TRUE(Shown(*window, shown)) << shown;
  }
  EXPECT_FALSE(Shown(*window, "lbl_no_history"));
  EXPECT_FALSE(Shown(*window, "lbl_nothing_yet"));
  EXPECT_NE(Child<QLabel>(*window, "lbl_heading")->text().indexOf(QStringLiteral("Ola")), -1);

  auto* pdf = Child<QPushButton>(*window, "btn_pdf");
  EXPECT_EQ(pdf->accessibleName(), QStringLiteral("Zapisz PDF"));
  EXPECT_EQ(Child<QPushButton>(*window, "btn_print")->accessibleName(), QStringLiteral("Drukuj"));
  const std::string path = folder / "postepy";  // the suffix is added
  window->ChoosePdfFile = [&] { return QString::fromStdString(path); };
  pdf->click();
  const std::string bytes = FileText(path + ".pdf");
  EXPECT_EQ(bytes.substr(0, 4), "%PDF");
  EXPECT_GT(bytes.size(), 10000u);
  EXPECT_TRUE(messages.messages.empty());

  // A cancelled file dialog writes nothing.
  window->ChoosePdfFile = [] { return QString(); };
  pdf->click();
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ProgressWindowTest, PrintingGoesToThePrinterTheDialogChose) {
  FillStore();
  WriteLog();
  auto window = Window();
  window->ShowProgress();
  const std::string path = folder / "printed.pdf";
  bool accept = false;
  window->ChoosePrinter = [&](QPrinter& printer) {
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    return accept;
  };
  auto* print = Child<QPushButton>(*window, "btn_print");
  print->click();
  EXPECT_TRUE(FileText(path).empty()) << "a cancelled dialog prints nothing";
  accept = true;
  print->click();
  EXPECT_EQ(FileText(path).substr(0, 4), "%PDF");
}

TEST_F(ProgressWindowTest, NothingDoneYetIsSaidInWords) {
  store.Append(Scored("tek_1", 40, "g1", 0, 0));
  auto window = Window();
  window->ShowProgress();
  EXPECT_TRUE(Shown(*window, "lbl_nothing_yet"));
  for (const char* hidden : {"chart_groups", "chart_kinds", "chart_days", "lbl_no_history"}) {
    EXPECT_FALSE(Shown(*window, hidden)) << hidden;
  }
  EXPECT_FALSE(Child<QPushButton>(*window, "btn_pdf")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(*window, "btn_print")->isEnabled());

  // Results from before the log existed: bars, and a word in place of the line.
  store.At(1).Attempts = 1;
  store.At(1).Score = 40;
  window->Refresh();
  EXPECT_TRUE(Shown(*window, "chart_groups"));
  EXPECT_TRUE(Shown(*window, "lbl_no_history"));
  EXPECT_FALSE(Shown(*window, "chart_days"));
  EXPECT_FALSE(Shown(*window, "lbl_nothing_yet"));
  EXPECT_TRUE(Child<QPushButton>(*window, "btn_pdf")->isEnabled());

  // The log is read again on each refresh.
  WriteLog();
  window->Refresh();
  EXPECT_TRUE(Shown(*window, "chart_days"));
  EXPECT_EQ(window->DayFigures().size(), 2u);
}

TEST_F(ProgressWindowTest, APdfThatCannotBeWrittenIsTold) {
  FillStore();
  auto window = Window();
  window->ShowProgress();
  EXPECT_FALSE(window->SavePdf(QString::fromStdString(folder / "no-such-folder/p.pdf")));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("no-such-folder"), std::string::npos);
}

}  // namespace
}  // namespace tess
