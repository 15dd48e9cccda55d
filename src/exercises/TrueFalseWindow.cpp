#include "exercises/TrueFalseWindow.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "exercises/Markup.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "platform/QtTextMeasurer.h"
#include "shared/CodePage.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

constexpr int kContentLeft = 16;
constexpr int kContentTop = 160;
constexpr int kContentRight = 657;   // the content box always reaches this edge
constexpr int kContentBottom = 561;  // the content never reaches the bottom strip
constexpr int kVerdictRaise = 21;    // the verdict line stands this far above the content box

}  // namespace

TrueFalseWindow::TrueFalseWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "TF", parent) {
  setObjectName("TC_TF_Form");
  sb_tresc = new QScrollArea(this);
  sb_tresc->setObjectName("sb_tresc");
  sb_tresc->setFrameShape(QFrame::NoFrame);
  sb_tresc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sb_tresc->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The background picture shows through, as under every other content box.
  sb_tresc->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
  sb_tresc->viewport()->setAutoFillBackground(false);
  pb_tresc = MakeContentBox(
      QRect(0, 0, kContentRight - kContentLeft + kMarkMargin, kContentBottom - kContentTop));
  sb_tresc->setWidget(pb_tresc);
  pb_tresc->setAutoFillBackground(false);
  pb_tresc->Paint = [this](QPainter& painter) { pb_trescPaint(painter); };
  pb_tresc->MouseMove = [this](QPoint point) { pb_trescMouseMove(ContentPoint(point)); };
  pb_tresc->MouseDown = [this](QPoint point) { pb_trescMouseDown(ContentPoint(point)); };
  ExposeRows(*pb_tresc, RowsOf([this] { return ContentRows(); },
                               [this](int row) {
                                 // Each statement is followed by its two boxes.
                                 const int statement = row / 3 + 1;
                                 if (row % 3 == 0 || statement > exercise_.StatementCount()) return;
                                 exercise_.Tick(statement, row % 3 == 1);
                                 pb_tresc->update();
                               }));

  btn_ok = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_okClick(); });

  LoadTickStamps(img_normal, img_checked, img_bad, tmp_wykrzykniczek);
}

void TrueFalseWindow::LoadStep() {
  exercise_.Load(KindContent(), Services().State.InterfaceLanguage, Services().Random);
  btn_ok->setVisible(exercise_.LoadError().empty());

  PlaceCommonBoxes();
  const LayoutValues& layout = Layout();
  const int left = layout.Or(5, kContentLeft);
  const int top = BelowInstruction(layout.Or(6, kContentTop));
  const int width = std::max(0, kContentRight - left);
  const int viewHeight = std::max(TrueFalse::kBoxSize * 3, kContentBottom - top);
  pb_tresc->resize(width + kMarkMargin, viewHeight);
  LayOut();
  pb_tresc->resize(width + kMarkMargin, std::max(viewHeight, exercise_.ContentHeight()));
  const int scrollBar = sb_tresc->verticalScrollBar()->sizeHint().width();
  sb_tresc->setGeometry(left - kMarkMargin, top, width + kMarkMargin + scrollBar, viewHeight);
  sb_tresc->verticalScrollBar()->setValue(0);
  HideCheckResult();
  lbl_komentarz->move(left, top - kVerdictRaise);
  pb_tresc->setCursor(Qt::ArrowCursor);
  pb_tresc->update();
}

std::vector<StatementDrawItem> TrueFalseWindow::LayOut() {
  const QFont font = PointFont("Arial", 10);
  const QtTextMeasurer statements(font, ForeignCodePage(Services().State));
  const QtTextMeasurer headings(font, InterfaceCodePage(Services().State.InterfaceLanguage));
  return exercise_.Paint(statements, headings, pb_tresc->width() - kMarkMargin);
}

void TrueFalseWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore TrueFalseWindow::Score() const { return ScoreOf(exercise_); }

const QPixmap& TrueFalseWindow::BoxPicture(StatementBox box) const {
  switch (box) {
    case StatementBox::Ticked:
      return img_checked;
    case StatementBox::Red:
      return img_bad;
    case StatementBox::Empty:
      break;
  }
  return img_normal;
}

void TrueFalseWindow::pb_trescPaint(QPainter& painter) {
  if (!exercise_.LoadError().empty()) return;
  const QFont font = PointFont("Arial", 10);
  const std::vector<StatementDrawItem> items = LayOut();
  const CodePage headingCodePage = InterfaceCodePage(Services().State.InterfaceLanguage);
  painter.translate(kMarkMargin, 0);
  painter.setPen(QPen(Qt::black, 2));
  for (const StatementDrawItem& item : items) {
    if (item.What == StatementDrawItem::Kind::Line) {
      painter.drawLine(item.X, item.Y, item.X2, item.Y2);
      continue;
    }
    const QFont styled = QtTextMeasurer::Styled(font, item.Bold, false);
    painter.setFont(styled);
    painter.drawText(
        item.X, item.Y + QFontMetrics(styled).ascent(),
        Decode(item.Text, item.Heading ? headingCodePage : ForeignCodePage(Services().State)));
  }
  constexpr int kBox = TrueFalse::kBoxSize;
  for (int i = 1; i <= exercise_.StatementCount(); ++i) {
    const StatementRow& row = exercise_.Row(i);
    painter.drawPixmap(QRect(row.TrueLeft, row.BoxTop, kBox, kBox), BoxPicture(row.TrueBox));
    painter.drawPixmap(QRect(row.FalseLeft, row.BoxTop, kBox, kBox), BoxPicture(row.FalseBox));
    if (row.Exclamation) {
      painter.drawPixmap(TrueFalse::kMarkLeft, row.BoxTop + 3, tmp_wykrzykniczek);
    }
  }
  RowsChanged(*pb_tresc);
}

std::vector<PaintedRow> TrueFalseWindow::ContentRows() const {
  std::vector<PaintedRow> rows;
  const CodePage codePage = ForeignCodePage(Services().State);
  const CodePage headingCodePage = InterfaceCodePage(Services().State.InterfaceLanguage);
  constexpr int kBox = TrueFalse::kBoxSize;
  for (int i = 1; i <= exercise_.StatementCount(); ++i) {
    const StatementRow& row = exercise_.Row(i);
    rows.push_back({RowRole::Text, Decode(PlainWords(row.Statement), codePage)});
    const auto box = [&](const std::string& heading, bool ticked, StatementBox shown, int left) {
      PaintedRow choice{RowRole::Choice, Decode(heading, headingCodePage)};
      if (exercise_.BoxesPlaced())
        choice.Bounds = QRect(left + kMarkMargin, row.BoxTop, kBox, kBox);
      choice.Checked = ticked;
      if (exercise_.ExerciseChecked() && ticked) {
        choice.Description = VerdictWord(shown != StatementBox::Red);
      }
      rows.push_back(std::move(choice));
    };
    box(exercise_.TrueHeading(), row.TrueTicked, row.TrueBox, row.TrueLeft);
    box(exercise_.FalseHeading(), row.FalseTicked, row.FalseBox, row.FalseLeft);
  }
  return rows;
}

void TrueFalseWindow::pb_trescMouseMove(QPoint point) {
  pb_tresc->setCursor(exercise_.PointerOverBox(point.x(), point.y()) ? Qt::PointingHandCursor
                                                                     : Qt::ArrowCursor);
}

void TrueFalseWindow::pb_trescMouseDown(QPoint point) {
  if (exercise_.Click(point.x(), point.y())) pb_tresc->update();
}

void TrueFalseWindow::btn_okClick() {
  exercise_.Check();
  pb_tresc->setCursor(Qt::ArrowCursor);
  pb_tresc->update();
  ShowCheckResult(btn_ok);
}

}  // namespace tess
