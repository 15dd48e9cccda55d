#include "choosers/ProgressWindow.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QValueAxis>
#include <algorithm>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/UiText.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "results/AttemptLog.h"
#include "results/ResultsStore.h"
#include "shared/DateTime.h"
#include "widgets/Centre.h"
#include "widgets/Palette.h"
#include "widgets/WindowDragHandle.h"

namespace tess {
namespace {

constexpr int kTitleHeight = 48;
const QRect kPage(16, 58, 768, 478);
constexpr int kHeadingHeight = 24;
// Two columns: on the left a short bar chart over the line, on the right the tall bar chart.
// Qt Charts drops the names of bars packed closer than their text is high, so the chart with
// more bars (up to fifteen kinds, or more groups) takes the tall place.
constexpr int kColumnWidth = 380;
constexpr int kColumnHeight = 478 - kHeadingHeight;
constexpr int kShortHeight = (kColumnHeight - 8) / 2;
const QRect kShortBars(0, kHeadingHeight, kColumnWidth, kShortHeight);
const QRect kTallBars(388, kHeadingHeight, kColumnWidth, kColumnHeight);
const QRect kDayChart(0, kHeadingHeight + kShortHeight + 8, kColumnWidth, kShortHeight);
constexpr int kLongestLabel = 24;

// The window's texts, cp1250 like every text of the programs.
QString Polish(const char* cp1250) { return CourseText(cp1250); }

QFont SansFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QPushButton* TextButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(SansFont(14, true));
  button->setCursor(Qt::PointingHandCursor);
  button->setAccessibleName(QString(caption).remove(QStringLiteral("...")));
  button->setStyleSheet(palette::Styled(QStringLiteral(
      "QPushButton { background: {teal}; color: white; border: none; border-radius: 8px;"
      " padding: 0 12px; }"
      "QPushButton:hover { background: {tealHover}; border: 1px solid white; }"
      "QPushButton:focus { border: 2px solid {navy}; }"
      "QPushButton:pressed { background: {tealPressed}; }"
      "QPushButton:disabled { background: #B8C4C2; color: #F4F4F4; }")));
  return button;
}

QLabel* NoteLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(SansFont(15, false));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setStyleSheet(palette::Styled(
      QStringLiteral("QLabel { color: {navy}; background: {white}; border: 1px solid {sandLine};"
                     " border-radius: 8px; padding: 24px; }")));
  label->hide();
  return label;
}

QChart* NewChart(const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setTitleFont(SansFont(15, true));
  chart->setTitleBrush(palette::kNavy);
  chart->legend()->hide();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(8);
  chart->setBackgroundBrush(palette::kWhite);
  chart->setBackgroundPen(QPen(palette::kSandLine, 1));
  chart->setMargins(QMargins(4, 2, 14, 2));
  return chart;
}

QValueAxis* PercentAxis() {
  auto* axis = new QValueAxis;
  axis->setRange(0, 100);
  axis->setTickCount(6);
  axis->setLabelFormat(QStringLiteral("%d%%"));
  axis->setLabelsFont(SansFont(11, false));
  axis->setLabelsColor(palette::kMuted);
  axis->setGridLineColor(palette::kSandLine);
  axis->setLinePenColor(palette::kSandLine);
  return axis;
}

QString ShortLabel(QString label) {
  label = label.trimmed();
  if (label.size() > kLongestLabel) label = label.left(kLongestLabel - 1).trimmed() + QChar(0x2026);
  return label;
}

QChart* BarChart(const QString& title, const std::vector<ProgressBar>& bars,
                 const std::function<QString(const std::string&)>& decode, const QColor& colour) {
  QChart* chart = NewChart(title);
  auto* set = new QBarSet(title);
  set->setColor(colour);
  set->setBorderColor(colour);
  set->setLabelColor(palette::kNavy);
  set->setLabelFont(SansFont(10, true));
  QStringList categories;
  // A horizontal chart draws its first category at the bottom; the list's first goes on top.
  for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
    QString label =
        ShortLabel(decode(bar->Label)) + QStringLiteral(" (%1/%2)").arg(bar->Done).arg(bar->Total);
    // The axis keeps one of equal names only.
    while (categories.contains(label)) label += QLatin1Char(' ');
    categories << label;
    *set << bar->Percent;
  }
  auto* series = new QHorizontalBarSeries;
  series->append(set);
  series->setBarWidth(0.75);
  series->setLabelsVisible(true);
  series->setLabelsFormat(QStringLiteral("@value%"));
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart->addSeries(series);

  auto* names = new QBarCategoryAxis;
  names->append(categories);
  names->setLabelsFont(SansFont(10, false));
  names->setLabelsColor(palette::kNavy);
  names->setGridLineVisible(false);
  names->setLinePenColor(palette::kSandLine);
  chart->addAxis(names, Qt::AlignLeft);
  series->attachAxis(names);
  QValueAxis* percent = PercentAxis();
  chart->addAxis(percent, Qt::AlignBottom);
  series->attachAxis(percent);
  return chart;
}

QChart* DayChart(const QString& title, const std::vector<ProgressDay>& days) {
  QChart* chart = NewChart(title);
  auto* line = new QLineSeries;
  line->setName(title);
  line->setPen(QPen(palette::kTeal, 3));
  line->setPointsVisible(true);
  line->setPointLabelsVisible(true);
  line->setPointLabelsFormat(QStringLiteral("@yPoint%"));
  line->setPointLabelsFont(SansFont(11, true));
  line->setPointLabelsColor(palette::kNavy);
  line->setPointLabelsClipping(false);
  // Days as day numbers keep the gaps between them true; each label stands on its day.
  std::vector<qint64> numbers;
  for (const ProgressDay& day : days) {
    numbers.push_back(
        QDate::fromString(QString::fromStdString(day.Day), Qt::ISODate).toJulianDay());
    line->append(static_cast<qreal>(numbers.back()), day.Percent);
  }
  chart->addSeries(line);

  auto* time = new QCategoryAxis;
  time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  time->setLabelsFont(SansFont(11, false));
  time->setLabelsColor(palette::kMuted);
  time->setGridLineColor(palette::kSandLine);
  time->setLinePenColor(palette::kSandLine);
  if (!days.empty()) {
    // Half a day either side keeps the first and the last point off the frame.
    time->setRange(static_cast<qreal>(numbers.front()) - 0.5,
                   static_cast<qreal>(numbers.back()) + 0.5);
    time->setStartValue(static_cast<qreal>(numbers.front()) - 0.5);
    constexpr size_t kMostLabels = 7;
    const size_t step = (days.size() + kMostLabels - 1) / kMostLabels;
    for (size_t i = 0; i < days.size(); i += step) {
      time->append(QString::fromStdString(days[i].Day), static_cast<qreal>(numbers[i]));
    }
  }
  chart->addAxis(time, Qt::AlignBottom);
  line->attachAxis(time);
  QValueAxis* percent = PercentAxis();
  chart->addAxis(percent, Qt::AlignLeft);
  line->attachAxis(percent);
  return chart;
}

QChartView* NewChartView(QWidget* parent, const char* name, const QRect& geometry) {
  auto* view = new QChartView(parent);
  view->setObjectName(name);
  view->setGeometry(geometry);
  view->setRenderHint(QPainter::Antialiasing);
  view->setFrameShape(QFrame::NoFrame);
  view->setStyleSheet(QStringLiteral("background: transparent;"));
  view->setFocusPolicy(Qt::NoFocus);
  return view;
}

// The view takes the chart and lets go of the one before, which must then be deleted.
void Replace(QChartView& view, QChart* chart) {
  QChart* old = view.chart();
  view.setChart(chart);
  view.setAccessibleName(chart->title());
  delete old;
}

}  // namespace

ProgressWindow::ProgressWindow(const CourseState& state, const ResultsStore& results,
                               const GroupList& groups, MessageBox& messages, Clock& clock,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      state_(state),
      results_(results),
      groups_(groups),
      messages_(messages),
      clock_(clock) {
  setObjectName(QStringLiteral("ProgressWindow"));
  setFixedSize(800, 600);
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(Polish("Twoje post\xEApy"));

  title_ = new QLabel(Polish("Twoje post\xEApy"), this);
  title_->setObjectName(QStringLiteral("lbl_title"));
  title_->setGeometry(24, 0, 752, kTitleHeight);
  title_->setFont(SansFont(24, true));
  title_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  WindowDragHandle::Install(title_);

  page_ = new QWidget(this);
  page_->setObjectName(QStringLiteral("progress_page"));
  page_->setGeometry(kPage);
  pageHeading_ = new QLabel(page_);
  pageHeading_->setObjectName(QStringLiteral("lbl_heading"));
  pageHeading_->setGeometry(4, 0, kPage.width() - 8, kHeadingHeight - 4);
  pageHeading_->setFont(SansFont(13, false));
  pageHeading_->setStyleSheet(palette::Styled(QStringLiteral("color: {muted};")));

  groupChart_ = NewChartView(page_, "chart_groups", kShortBars);
  kindChart_ = NewChartView(page_, "chart_kinds", kTallBars);
  dayChart_ = NewChartView(page_, "chart_days", kDayChart);
  noHistory_ = NoteLabel(page_, "lbl_no_history",
                         Polish("Historia pr\xF3"
                                "b zaczyna si\xEA od dzi\x9C: wykres dzie\xF1 po dniu poka\xBF"
                                "e si\xEA po nast\xEApnym \xE6wiczeniu."),
                         kDayChart);
  nothingYet_ = NoteLabel(page_, "lbl_nothing_yet",
                          Polish("Nie ma jeszcze \xBF"
                                 "adnych wynik\xF3w. Gdy zrobisz pierwsze \xE6wiczenie, "
                                 "zobaczysz tu swoje post\xEApy."),
                          QRect(0, kHeadingHeight, kPage.width(), kPage.height() - kHeadingHeight));

  print_ = TextButton(this, "btn_print", QStringLiteral("Drukuj..."), QRect(16, 550, 130, 34));
  pdf_ = TextButton(this, "btn_pdf", QStringLiteral("Zapisz PDF..."), QRect(156, 550, 160, 34));
  close_ = TextButton(this, "btn_close", QStringLiteral("Zamknij"), QRect(654, 550, 130, 34));
  connect(print_, &QPushButton::clicked, this, &ProgressWindow::PrintClick);
  connect(pdf_, &QPushButton::clicked, this, &ProgressWindow::PdfClick);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void ProgressWindow::ShowProgress() {
  Refresh();
  CentreOnScreen(*this);
  show();
  raise();
  activateWindow();
}

void ProgressWindow::Refresh() {
  const int language = state_.InterfaceLanguage;
  groupBars_ = GroupBars(results_, groups_, language);
  kindBars_ = KindBars(results_, state_.Install.CourseLanguage, state_.Texts);
  days_ = DailyLine(ReadAttemptLog(UserAttemptLogPath(state_)));
  const CodePage interfacePage = InterfaceCodePage(language);

  Replace(*groupChart_, BarChart(Polish("Wyniki w dzia\xB3"
                                        "ach"),
                                 groupBars_, CourseText, palette::kTeal));
  Replace(*kindChart_,
          BarChart(
              Polish("Wyniki wed\xB3ug rodzaj\xF3w \xE6wicze\xF1"), kindBars_,
              [interfacePage](const std::string& bytes) { return Decode(bytes, interfacePage); },
              palette::kNavyPanel));
  Replace(*dayChart_, DayChart(Polish("Wyniki dzie\xF1 po dniu"), days_));
  pageHeading_->setText(Heading());
  const bool moreGroups = groupBars_.size() > kindBars_.size();
  groupChart_->setGeometry(moreGroups ? kTallBars : kShortBars);
  kindChart_->setGeometry(moreGroups ? kShortBars : kTallBars);

  const bool anything = AnyAttempt(results_) || !days_.empty();
  for (QWidget* chart : {groupChart_, kindChart_}) chart->setVisible(anything);
  dayChart_->setVisible(anything && !days_.empty());
  noHistory_->setVisible(anything && days_.empty());
  nothingYet_->setVisible(!anything);
  print_->setEnabled(anything);
  pdf_->setEnabled(anything);
}

QString ProgressWindow::Heading() const {
  QString heading = CourseText(state_.Install.CourseTitle);
  if (!state_.UserName.empty()) heading += QStringLiteral(" \u00B7 ") + CourseText(state_.UserName);
  const std::string today = FormatDate(clock_.Now());
  if (!today.empty()) heading += QStringLiteral(" \u00B7 ") + QString::fromStdString(today);
  return heading;
}

bool ProgressWindow::PrintOn(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The window's title over the page, in its shape and as large as the sheet allows, on white
  // paper.
  constexpr int kTitleSpace = 40;
  const QRect sheet = painter.viewport();
  const double scale =
      std::min(sheet.width() / static_cast<double>(page_->width()),
               sheet.height() / static_cast<double>(page_->height() + kTitleSpace));
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(SansFont(24, true));
  painter.setPen(palette::kNavy);
  painter.drawText(QRect(4, 0, page_->width() - 8, kTitleSpace - 8),
                   Qt::AlignLeft | Qt::AlignVCenter, title_->text());
  painter.translate(0, kTitleSpace);
  for (QWidget* part : page_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!part->isVisibleTo(page_)) continue;
    const QRectF at(part->geometry());
    if (auto* view = qobject_cast<QChartView*>(part)) {
      // The scene itself, not the view's picture of it: the charts stay lines and text.
      view->scene()->render(&painter, at,
                            view->mapToScene(view->viewport()->rect()).boundingRect());
    } else {
      part->render(&painter, at.topLeft().toPoint(), QRegion(), QWidget::DrawChildren);
    }
  }
  return painter.end();
}

bool ProgressWindow::SavePdf(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(Polish("Twoje post\xEApy"));
  if (PrintOn(printer)) return true;
  messages_.ShowMessage(
      (Polish("Nie mo\xBFna zapisa\xE6 pliku ") + QDir::toNativeSeparators(path) + QLatin1Char('.'))
          .toStdString());
  return false;
}

void ProgressWindow::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(Polish("Twoje post\xEApy"));
  bool chosen = false;
  if (ChoosePrinter) {
    chosen = ChoosePrinter(printer);
  } else {
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(Polish("Drukowanie post\xEAp\xF3w"));
    chosen = dialog.exec() == QDialog::Accepted;
  }
  if (chosen) PrintOn(printer);
}

void ProgressWindow::PdfClick() {
  QString path;
  if (ChoosePdfFile) {
    path = ChoosePdfFile();
  } else {
    path = QFileDialog::getSaveFileName(this, Polish("Zapisz post\xEApy jako PDF"),
                                        QDir::home().filePath(QStringLiteral("postepy.pdf")),
                                        QStringLiteral("PDF (*.pdf)"));
  }
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  SavePdf(path);
}

void ProgressWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette::kSand);
  painter.fillRect(QRect(0, 0, width(), kTitleHeight), palette::kNavy);
  painter.setPen(QPen(palette::kNavy, 2));
  painter.drawRect(QRect(1, 1, width() - 2, height() - 2));
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tess
