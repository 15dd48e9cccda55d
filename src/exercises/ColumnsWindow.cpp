#include "exercises/ColumnsWindow.h"

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

constexpr int kVerdictRaise = 25;  // the verdict line stands this far above the table
constexpr int kPanelLeft = 700;

// The words are sized in pixels, not points.
QFont WordFont() {
  QFont font = PointFont("Arial", 10);
  font.setPixelSize(13);
  return font;
}

}  // namespace

ColumnsWindow::ColumnsWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "DD", parent) {
  setObjectName("TC_DDForm");
  pb_polecenie->setObjectName("PaintBox1");

  // The table covers the whole left part: above the background, below every control and
  // word.
  PaintBox2 = new PaintBox(this);
  PaintBox2->setObjectName("PaintBox2");
  PaintBox2->setGeometry(0, 0, kPanelLeft, height());
  PaintBox2->stackUnder(pb_polecenie);
  PaintBox2->Paint = [this](QPainter& painter) { PaintBox2Paint(painter); };
  PaintBox2->MouseMove = [this](QPoint at) { PaintBox2MouseMove(at); };
  ExposeRows(*PaintBox2, RowsOf([this] { return TableRows(); }));

  labels_ = new DragLabels(*this, exercise_.Board());
  labels_->Dropped = [this](int label, Point at) {
    exercise_.Drop(label, at);
    RowsChanged(*PaintBox2);
  };
  labels_->Places = [this](int k) { return KeyPlaces(k); };
  const QFont font = WordFont();
  for (int k = 1; k <= Columns::kMaxWords; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lbl_%1").arg(k));
    label->setFont(font);
    // Words are shown as written, never read as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->hide();
    labels_->Add(k, label);
    lbl[static_cast<size_t>(k - 1)] = label;
  }

  btn_ok = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_okClick(); });

  tmp_wykrzykniczek = LoadExclamationStamp();
}

void ColumnsWindow::LoadStep() {
  exercise_.Load(KindContent(), Services().Random);
  btn_ok->setVisible(exercise_.LoadError().empty());

  PlaceCommonBoxes();
  const QFont font = WordFont();
  const QtTextMeasurer measurer(font, ForeignCodePage(Services().State));
  const LayoutValues& layout = Layout();
  exercise_.Place(measurer, QFontMetrics(font).height(), layout.At(5),
                  BelowInstruction(layout.Or(6, Columns::kDefaultTop)),
                  BelowInstruction(layout.Or(8, Columns::kDefaultPoolTop)));

  const int count = exercise_.WordCount();
  for (int k = 1; k <= Columns::kMaxWords; ++k) {
    QLabel* label = lbl[static_cast<size_t>(k - 1)];
    if (k > count) {
      label->hide();
      continue;
    }
    label->setText(Decode(exercise_.Word(k), ForeignCodePage(Services().State)));
    label->resize(exercise_.LabelWidth(k), exercise_.LabelHeight());
    label->show();
  }
  labels_->PlaceAll();
  labels_->SetDraggable(true);

  PaintBox2->setToolTip(QString());
  PaintBox2->setCursor(Qt::ArrowCursor);
  PaintBox2->update();
  HideCheckResult();
  lbl_komentarz->move(exercise_.TableLeft(), exercise_.TableTop() - kVerdictRaise);
}

void ColumnsWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore ColumnsWindow::Score() const { return ScoreOf(exercise_); }

void ColumnsWindow::PaintBox2Paint(QPainter& painter) {
  painter.setBrush(Qt::NoBrush);
  for (const TableFrame& frame : exercise_.Frames()) {
    painter.setPen(QPen(Qt::black, frame.Pen));
    const int right = frame.Right - 1;
    const int bottom = frame.Bottom - 1;
    painter.drawLine(frame.Left, frame.Top, right, frame.Top);
    painter.drawLine(right, frame.Top, right, bottom);
    painter.drawLine(right, bottom, frame.Left, bottom);
    painter.drawLine(frame.Left, bottom, frame.Left, frame.Top);
  }
  QFont bold = WordFont();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(Qt::black);
  const int ascent = QFontMetrics(bold).ascent();
  for (const TableHeading& heading : exercise_.Headings()) {
    painter.drawText(heading.At.X, heading.At.Y + ascent,
                     Decode(heading.Text, ForeignCodePage(Services().State)));
  }
  RowsChanged(*PaintBox2);
  if (!exercise_.ExerciseChecked()) return;
  for (const ColumnsMark& mark : exercise_.Marks()) {
    painter.drawPixmap(mark.At.X, mark.At.Y, tmp_wykrzykniczek);
  }
}

std::vector<PaintedRow> ColumnsWindow::TableRows() const {
  std::vector<PaintedRow> rows;
  const CodePage codePage = ForeignCodePage(Services().State);
  for (int i = 1; i <= exercise_.ColumnCount(); ++i) {
    // A heading is read with the words its column holds.
    QStringList words;
    for (int row = 1; row <= exercise_.RowCount(); ++row) {
      const int k = exercise_.Table().LabelAt({i, row});
      if (k != 0) words << Decode(exercise_.Word(k), codePage);
    }
    const DropArea area = exercise_.ColumnArea(i);
    rows.push_back({RowRole::Text, Decode(exercise_.Heading(i), codePage),
                    QRect(QPoint(area.Left, area.Top), QPoint(area.Right, area.Bottom)), false,
                    false, words.join(QStringLiteral(", "))});
  }
  // After the check: what was wrongly put where a mark stands.
  if (exercise_.ExerciseChecked()) {
    for (const ColumnsMark& mark : exercise_.Marks()) {
      rows.push_back({RowRole::Text,
                      Decode(mark.Hint, codePage),
                      QRect(mark.At.X, mark.At.Y, Columns::kMarkSize, Columns::kMarkSize),
                      false,
                      false,
                      {},
                      VerdictWord(false)});
    }
  }
  return rows;
}

std::vector<KeyPlace> ColumnsWindow::KeyPlaces(int k) {
  std::vector<KeyPlace> places;
  for (int i = 1; i <= exercise_.ColumnCount(); ++i) {
    const DropArea area = exercise_.ColumnArea(i);
    places.push_back({{(area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2},
                      Decode(exercise_.Heading(i), ForeignCodePage(Services().State)),
                      exercise_.PlacedColumn(k) == i});
  }
  // Off the table the word goes home.
  const Point home = exercise_.Board().Home(k);
  places.push_back({{home.X + 1, home.Y + 1}, PoolPlaceName(), exercise_.PlacedColumn(k) == 0});
  return places;
}

void ColumnsWindow::PaintBox2MouseMove(QPoint at) {
  const std::string hint = exercise_.HintAt({at.x(), at.y()});
  if (hint.empty()) {
    PaintBox2->setToolTip(QString());
    PaintBox2->setCursor(Qt::ArrowCursor);
    return;
  }
  PaintBox2->setToolTip(Qt::convertFromPlainText(Decode(hint, ForeignCodePage(Services().State))));
  PaintBox2->setCursor(Qt::PointingHandCursor);
}

void ColumnsWindow::btn_okClick() {
  exercise_.Check();
  labels_->PlaceAll();
  labels_->SetDraggable(false);
  PaintBox2->update();
  ShowCheckResult(btn_ok);
}

}  // namespace tess
