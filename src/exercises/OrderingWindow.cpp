#include "exercises/OrderingWindow.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextDocument>

#include "core/SkinTable.h"
#include "core/UiText.h"
#include "exercises/DragLabels.h"
#include "platform/Fonts.h"
#include "platform/QtTextMeasurer.h"
#include "shared/CodePage.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

constexpr int kVerdictRaise = 25;  // the verdict line stands this far above the column
constexpr int kMarkSize = 18;
constexpr int kColumnMargin = 2;  // the column's 2-pixel pen reaches this far out

QFont ItemFont() { return PointFont("Arial", 10); }

}  // namespace

OrderingWindow::OrderingWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "DV", parent) {
  setObjectName("TC_DDVForm");
  PaintBox2 = new PaintBox(this);
  PaintBox2->setObjectName("PaintBox2");
  PaintBox2->Paint = [this](QPainter& painter) { PaintBox2Paint(painter); };
  PaintBox2->hide();

  labels_ = new DragLabels(*this, exercise_.Board());
  labels_->Dropped = [this](int label, Point at) { exercise_.Drop(label, at); };
  labels_->Places = [this](int k) { return KeyPlaces(k); };
  const QFont font = ItemFont();
  for (int k = 1; k <= Ordering::kMaxItems; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lbl_%1").arg(k));
    label->setFont(font);
    // Item texts are shown as written, never read as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->hide();
    labels_->Add(k, label);
    lbl[static_cast<size_t>(k - 1)] = label;
  }
  for (int k = 1; k <= Ordering::kMaxItems; ++k) {
    auto* mark = new QLabel(this);
    mark->setObjectName(QStringLiteral("img_%1").arg(k));
    mark->resize(kMarkSize, kMarkSize);
    mark->setAlignment(Qt::AlignCenter);
    mark->hide();
    img[static_cast<size_t>(k - 1)] = mark;
  }

  btn_ok = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_okClick(); });

  tmp_wykrzykniczek = LoadExclamationStamp();
}

void OrderingWindow::LoadStep() {
  exercise_.Load(KindContent(), Services().Random);
  btn_ok->setVisible(exercise_.LoadError().empty());

  PlaceCommonBoxes();
  const QFont font = ItemFont();
  const QtTextMeasurer measurer(font, ForeignCodePage(Services().State));
  const LayoutValues& layout = Layout();
  exercise_.Place(measurer, QFontMetrics(font).height(), layout.At(5),
                  BelowInstruction(layout.Or(6, Ordering::kDefaultTop)));

  HideMarks();
  const int count = exercise_.ItemCount();
  for (int k = 1; k <= Ordering::kMaxItems; ++k) {
    QLabel* label = lbl[static_cast<size_t>(k - 1)];
    if (k > count) {
      label->hide();
      continue;
    }
    label->setText(Decode(exercise_.Text(k), ForeignCodePage(Services().State)));
    label->resize(exercise_.LabelWidth(k), exercise_.LabelHeight());
    label->show();
  }
  labels_->PlaceAll();
  labels_->SetDraggable(true);

  const int left = exercise_.ColumnLeft();
  const int top = exercise_.ColumnTop();
  PaintBox2->setGeometry(left - kColumnMargin, top - kColumnMargin,
                         exercise_.ColumnWidth() + 2 * kColumnMargin,
                         Ordering::kRowHeight * count + 2 * kColumnMargin + 1);
  PaintBox2->setVisible(count > 0);
  PaintBox2->update();
  HideCheckResult();
  lbl_komentarz->move(left, top - kVerdictRaise);
}

void OrderingWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore OrderingWindow::Score() const { return ScoreOf(exercise_); }

void OrderingWindow::PaintBox2Paint(QPainter& painter) {
  painter.translate(-PaintBox2->x(), -PaintBox2->y());
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(Qt::NoBrush);
  for (const ColumnLine& line : exercise_.ColumnLines()) {
    painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
  }
}

std::vector<KeyPlace> OrderingWindow::KeyPlaces(int k) {
  std::vector<KeyPlace> places;
  const int middle = exercise_.ColumnLeft() + exercise_.ColumnWidth() / 2;
  for (int row = 1; row <= exercise_.ItemCount(); ++row) {
    const int y =
        exercise_.ColumnTop() + Ordering::kRowHeight * (row - 1) + Ordering::kRowHeight / 2;
    // A row is named by its number and the item standing in it.
    const QString item =
        Decode(exercise_.Text(exercise_.ItemInRow(row)), ForeignCodePage(Services().State));
    places.push_back(
        {{middle, y}, QStringLiteral("%1. %2").arg(row).arg(item), exercise_.CurrentRow(k) == row});
  }
  return places;
}

void OrderingWindow::btn_okClick() {
  exercise_.Check();
  labels_->PlaceAll();
  labels_->SetDraggable(false);
  for (const OrderingMark& mark : exercise_.Marks()) {
    QLabel* picture = img[static_cast<size_t>(mark.Row - 1)];
    picture->setPixmap(tmp_wykrzykniczek);
    picture->move(mark.At.X, mark.At.Y);
    picture->setToolTip(
        Qt::convertFromPlainText(Decode(mark.Hint, ForeignCodePage(Services().State))));
    picture->show();
    picture->raise();
  }
  PaintBox2->update();
  ShowCheckResult(btn_ok);
}

void OrderingWindow::HideMarks() {
  for (QLabel* mark : img) {
    mark->hide();
    mark->clear();
    mark->setToolTip(QString());
  }
}

void OrderingWindow::hideEvent(QHideEvent* event) {
  // A closed window lets go of its marks; the next load starts without them anyway.
  HideMarks();
  ExerciseWindow::hideEvent(event);
}

}  // namespace tess
