#pragma once
// The learner's progress at a glance: a bar chart per group and one per exercise kind from the
// results store, and a line of the days' results from the attempts log, printable and saved
// as PDF. The figures come from ProgressCharts; this window draws them.
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "results/ProgressCharts.h"

class QChartView;
class QLabel;
class QPrinter;
class QPushButton;

namespace tess {

struct CourseState;
class Clock;
class GroupList;
class MessageBox;
class ResultsStore;

class ProgressWindow : public QWidget {
  Q_OBJECT
 public:
  ProgressWindow(const CourseState& state, const ResultsStore& results, const GroupList& groups,
                 MessageBox& messages, Clock& clock, QWidget* parent = nullptr);

  /// Reads the store and the user's log again and shows the window.
  void ShowProgress();
  /// Rebuilds the charts from the store and the log.
  void Refresh();

  /// Draws the page (heading and charts) on one sheet of `printer`; false when it cannot.
  bool PrintOn(QPrinter& printer);
  /// Writes the page as PDF to `path`; a file that cannot be written is told, and false.
  bool SavePdf(const QString& path);

  /// Asks for the printer; the print dialog when empty. Tests replace it.
  std::function<bool(QPrinter& printer)> ChoosePrinter;
  /// Asks for the PDF file; empty means cancelled. The file dialog when not set.
  std::function<QString()> ChoosePdfFile;

  const std::vector<ProgressBar>& GroupFigures() const { return groupBars_; }
  const std::vector<ProgressBar>& KindFigures() const { return kindBars_; }
  const std::vector<ProgressDay>& DayFigures() const { return days_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PrintClick();
  void PdfClick();
  QString Heading() const;

  const CourseState& state_;
  const ResultsStore& results_;
  const GroupList& groups_;
  MessageBox& messages_;
  Clock& clock_;

  std::vector<ProgressBar> groupBars_;
  std::vector<ProgressBar> kindBars_;
  std::vector<ProgressDay> days_;

  QLabel* title_;
  QWidget* page_;  ///< what is printed: the heading and the charts
  QLabel* pageHeading_;
  QChartView* groupChart_;
  QChartView* kindChart_;
  QChartView* dayChart_;
  QLabel* noHistory_;
  QLabel* nothingYet_;
  QPushButton* print_;
  QPushButton* pdf_;
  QPushButton* close_;
};

}  // namespace tess
