#include "exercises/MultipleChoiceWindow.h"

#include <QFontMetrics>
#include <QPainter>
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
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

constexpr int kContentLeft = 16;
constexpr int kContentTop = 176;
constexpr int kContentRight = 625;  // the default width reaches this edge
constexpr int kContentHeight = 380;
constexpr int kMinContentHeight = 100;

}  // namespace

MultipleChoiceWindow::MultipleChoiceWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "MC", parent) {
  setObjectName("TC_MC_Form");
  pb_tresc = MakeContentBox(
      QRect(kContentLeft, kContentTop, kContentRight - kContentLeft, kContentHeight));
  pb_tresc->Paint = [this](QPainter& painter) { pb_trescPaint(painter); };
  pb_tresc->MouseMove = [this](QPoint point) { pb_trescMouseMove(point); };
  pb_tresc->MouseDown = [this](QPoint point) { pb_trescMouseDown(point); };
  ExposeRows(*pb_tresc, RowsOf([this] { return ContentRows(); },
                               [this](int row) {
                                 const QRect box = ContentRows()[static_cast<size_t>(row)].Bounds;
                                 if (box.isValid()) pb_trescMouseDown(box.center());
                               }));

  btn_ok = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_okClick(); });

  MakeScrollButtons(btn_up, btn_dn);
  connect(btn_up, &RepeatButton::Click, this, &MultipleChoiceWindow::btn_upClick);
  connect(btn_dn, &RepeatButton::Click, this, &MultipleChoiceWindow::btn_dnClick);

  LoadTickStamps(img_normal, img_checked, img_bad, tmp_wykrzykniczek);
}

void MultipleChoiceWindow::LoadStep() {
  exercise_.Load(KindContent(), Services().Random);
  btn_ok->setVisible(exercise_.LoadError().empty());
  btn_up->hide();

  PlaceCommonBoxes();
  const LayoutValues& layout = Layout();
  const int left = layout.Or(5, kContentLeft);
  const int wanted = layout.Or(6, kContentTop);
  const int top = BelowInstruction(wanted);
  // Moved down under a long instruction, the list keeps its bottom edge.
  const int height = std::max(kMinContentHeight, kContentHeight - (top - wanted));
  pb_tresc->setGeometry(left, top, layout.Or(9, kContentRight - left), height);
  const int arrowsLeft = left + pb_tresc->width() + 5;
  btn_up->move(arrowsLeft, top);
  btn_dn->move(arrowsLeft, top + height - btn_dn->height());
  HideCheckResult();
  lbl_komentarz->move(left, top - 18);
  pb_tresc->update();
}

void MultipleChoiceWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore MultipleChoiceWindow::Score() const { return ScoreOf(exercise_); }

void MultipleChoiceWindow::pb_trescPaint(QPainter& painter) {
  const QFont font = PointFont("Arial", 10);
  const QtTextMeasurer measurer(font, ForeignCodePage(Services().State));
  const std::vector<ChoiceDrawItem> items =
      exercise_.Paint(measurer, pb_tresc->width(), pb_tresc->height());
  painter.setPen(Qt::black);
  for (const ChoiceDrawItem& item : items) {
    switch (item.What) {
      case ChoiceDrawItem::Kind::Word: {
        const QFont styled = QtTextMeasurer::Styled(font, item.Bold, item.Italic);
        painter.setFont(styled);
        painter.drawText(item.X, item.Y + QFontMetrics(styled).ascent(),
                         Decode(item.Text, ForeignCodePage(Services().State)));
        break;
      }
      case ChoiceDrawItem::Kind::EmptyBox:
        painter.drawPixmap(item.X, item.Y, img_normal);
        break;
      case ChoiceDrawItem::Kind::TickedBox:
        painter.drawPixmap(item.X, item.Y, img_checked);
        break;
      case ChoiceDrawItem::Kind::RedBox:
        painter.drawPixmap(item.X, item.Y, img_bad);
        break;
      case ChoiceDrawItem::Kind::Exclamation:
        painter.drawPixmap(item.X, item.Y, tmp_wykrzykniczek);
        break;
    }
  }
  SyncScrollButtons();
  RowsChanged(*pb_tresc);
}

std::vector<PaintedRow> MultipleChoiceWindow::ContentRows() const {
  std::vector<PaintedRow> rows;
  const CodePage codePage = ForeignCodePage(Services().State);
  for (int q = 1; q <= exercise_.QuestionCount(); ++q) {
    const ChoiceQuestion& question = exercise_.Question(q);
    rows.push_back({RowRole::Text, Decode(PlainWords(question.Parts[1]), codePage)});
    for (int p = 2; p <= question.PartCount; ++p) {
      const ChoiceAnswer& answer = question.Answer[static_cast<size_t>(p - 1)];
      PaintedRow row{RowRole::Choice,
                     Decode(PlainWords(question.Parts[static_cast<size_t>(p)]), codePage)};
      // The hit box is known once painted.
      if (answer.Right > answer.Left) {
        row.Bounds = QRect(QPoint(answer.Left, answer.Top), QPoint(answer.Right, answer.Bottom));
      }
      row.Checked = answer.Ticked;
      if (exercise_.ExerciseChecked() && answer.Ticked) {
        row.Description = VerdictWord(!answer.Wrong);
      }
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

void MultipleChoiceWindow::SyncScrollButtons() {
  btn_up->setVisible(exercise_.UpVisible());
  btn_dn->setVisible(exercise_.DownVisible());
}

void MultipleChoiceWindow::pb_trescMouseMove(QPoint point) {
  pb_tresc->setCursor(exercise_.PointerOverAnswer(point.x(), point.y()) ? Qt::PointingHandCursor
                                                                        : Qt::ArrowCursor);
}

void MultipleChoiceWindow::pb_trescMouseDown(QPoint point) {
  if (exercise_.Click(point.x(), point.y())) pb_tresc->update();
}

void MultipleChoiceWindow::btn_okClick() {
  exercise_.Check();
  pb_tresc->update();
  ShowCheckResult(btn_ok);
}

void MultipleChoiceWindow::btn_upClick() {
  exercise_.ScrollUp();
  SyncScrollButtons();
  pb_tresc->update();
}

void MultipleChoiceWindow::btn_dnClick() {
  exercise_.ScrollDown();
  SyncScrollButtons();
  pb_tresc->update();
}

}  // namespace tess
