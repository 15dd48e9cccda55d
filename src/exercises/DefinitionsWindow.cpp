#include "exercises/DefinitionsWindow.h"

#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>

#include "core/SkinTable.h"
#include "core/UiText.h"
#include "exercises/DragLabels.h"
#include "exercises/Markup.h"
#include "platform/Fonts.h"
#include "platform/QtTextMeasurer.h"
#include "shared/CodePage.h"
#include "widgets/PaintBox.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

constexpr int kVerdictLeft = 15;
constexpr int kVerdictRaise = 30;  // the verdict line stands this far above the definitions

QFont WordFont() { return PointFont("Arial", 10, true); }  // 13 pixels
QFont DefinitionFont() { return PointFont("Arial", 10); }

}  // namespace

DefinitionsWindow::DefinitionsWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "DF", parent) {
  setObjectName("TC_DefForm");
  pb_polecenie->setObjectName("PaintBox1");

  // The definitions, boxes and dashes first, so the words lie above them.
  DxRamka = new PaintBox(this);
  DxRamka->setObjectName("DxRamka");
  DxRamka->Paint = [this](QPainter& painter) { DxRamkaPaint(painter); };
  ExposeRows(*DxRamka, RowsOf([this] { return DefinitionRows(); }));
  DxRamka->hide();
  for (int i = 1; i <= Definitions::kMaxPairs; ++i) {
    auto* box = new QLabel(this);
    box->setObjectName(QStringLiteral("podkl_%1").arg(i));
    box->setStyleSheet(QStringLiteral("background: rgb(255, 238, 170);"));
    box->hide();
    podkl[static_cast<size_t>(i - 1)] = box;

    auto* dash = new QFrame(this);
    dash->setObjectName(QStringLiteral("mys_%1").arg(i));
    dash->setStyleSheet(QStringLiteral("QFrame { background: black; border: none; }"));
    dash->resize(Definitions::kDashWidth, 1);
    dash->hide();
    mys[static_cast<size_t>(i - 1)] = dash;
  }

  labels_ = new DragLabels(*this, exercise_.Board());
  labels_->Dropped = [this](int label, Point at) {
    exercise_.Drop(label, at);
    RowsChanged(*DxRamka);
  };
  labels_->Places = [this](int label) { return KeyPlaces(label); };
  const QFont font = WordFont();
  for (int i = 1; i <= Definitions::kMaxPairs; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lbl_%1").arg(i));
    label->setFont(font);
    // Words are shown as written, never read as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->hide();
    labels_->Add(i, label);
    lbl[static_cast<size_t>(i - 1)] = label;
  }
  for (int i = 1; i <= Definitions::kMaxPairs; ++i) {
    auto* mark = new QLabel(this);
    mark->setObjectName(QStringLiteral("img_%1").arg(i));
    mark->resize(Definitions::kMarkSize, Definitions::kMarkSize);
    mark->setAlignment(Qt::AlignCenter);
    // Qt shows hints in the active window only; there the marks' hints stay up long
    // enough to read, and the application's own hint timing is left as it is.
    mark->setToolTipDuration(kHintShowMs);
    mark->hide();
    img[static_cast<size_t>(i - 1)] = mark;
  }

  btn_sprawdz = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_sprawdzClick(); });
  btn_sprawdz->setObjectName("btn_sprawdz");

  tmp_wykrzykniczek = LoadExclamationStamp();
}

void DefinitionsWindow::LoadStep() {
  exercise_.Load(KindContent(), Services().Random);

  PlaceCommonBoxes();
  const QFont font = WordFont();
  const QtTextMeasurer words(font, ForeignCodePage(Services().State));
  const QtTextMeasurer definitions(DefinitionFont(), ForeignCodePage(Services().State));
  exercise_.Place(words, QFontMetrics(font).height(), definitions,
                  BelowInstruction(Layout().Or(6, Definitions::kDefaultTop)));
  btn_sprawdz->setVisible(exercise_.LoadError().empty());

  HideMarks();
  const int count = exercise_.PairCount();
  for (int i = 1; i <= Definitions::kMaxPairs; ++i) {
    QLabel* label = lbl[static_cast<size_t>(i - 1)];
    QLabel* box = podkl[static_cast<size_t>(i - 1)];
    QFrame* dash = mys[static_cast<size_t>(i - 1)];
    if (i > count) {
      label->hide();
      box->hide();
      dash->hide();
      continue;
    }
    label->setText(Decode(exercise_.Word(i), ForeignCodePage(Services().State)));
    label->resize(exercise_.LabelWidth(i), exercise_.LabelHeight());
    label->show();
    const DefinitionBox& area = exercise_.Box(i);
    box->setGeometry(area.Left, area.Top, area.Width, area.Height);
    box->show();
    const Point at = exercise_.Dash(i);
    dash->move(at.X, at.Y);
    dash->show();
  }
  labels_->PlaceAll();
  labels_->SetDraggable(true);

  const DefinitionBox frame = exercise_.Frame();
  DxRamka->setGeometry(frame.Left, frame.Top, std::max(frame.Width, 0), frame.Height);
  DxRamka->setVisible(count > 0);
  DxRamka->update();
  HideCheckResult();
  lbl_komentarz->move(kVerdictLeft, frame.Top - kVerdictRaise);
}

void DefinitionsWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore DefinitionsWindow::Score() const { return ScoreOf(exercise_); }

void DefinitionsWindow::DxRamkaPaint(QPainter& painter) {
  const QFont font = DefinitionFont();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  const int ascent = QFontMetrics(font).ascent();
  for (const TextRun& run : exercise_.DefinitionWords()) {
    painter.drawText(run.X, run.Y + ascent, Decode(run.Text, ForeignCodePage(Services().State)));
  }
}

std::vector<PaintedRow> DefinitionsWindow::DefinitionRows() const {
  std::vector<PaintedRow> rows;
  const CodePage codePage = ForeignCodePage(Services().State);
  const DefinitionBox frame = exercise_.Frame();
  for (int box = 1; box <= exercise_.PairCount(); ++box) {
    // Each definition is a gap for a word: the word in its box is its answer.
    const DefinitionBox& at = exercise_.Box(box);
    PaintedRow row{RowRole::Entry, Decode(PlainWords(exercise_.Definition(box)), codePage),
                   QRect(at.Left - frame.Left, at.Top - frame.Top, at.Width, at.Height)};
    if (exercise_.LabelInBox(box) != 0) row.Value = Decode(exercise_.AnswerText(box), codePage);
    if (exercise_.ExerciseChecked()) {
      // Checked, every box shows its own word.
      for (int label = 1; label <= exercise_.PairCount(); ++label) {
        if (exercise_.PairOfLabel(label) == box)
          row.Value = Decode(exercise_.Word(label), codePage);
      }
      const auto& marks = exercise_.Marks();
      row.Description =
          VerdictWord(std::none_of(marks.begin(), marks.end(),
                                   [box](const DefinitionMark& mark) { return mark.Box == box; }));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<KeyPlace> DefinitionsWindow::KeyPlaces(int label) {
  std::vector<KeyPlace> places;
  for (int box = 1; box <= exercise_.PairCount(); ++box) {
    const DefinitionBox& at = exercise_.Box(box);
    places.push_back(
        {{at.Left + at.Width / 2, at.Top + at.Height / 2},
         Decode(PlainWords(exercise_.Definition(box)), ForeignCodePage(Services().State)),
         exercise_.BoxOfLabel(label) == box});
  }
  const Point home = exercise_.Board().Home(label);
  places.push_back({{home.X + 1, home.Y + 1}, PoolPlaceName(), exercise_.BoxOfLabel(label) == 0});
  return places;
}

void DefinitionsWindow::btn_sprawdzClick() {
  exercise_.Check();
  for (const DefinitionMark& mark : exercise_.Marks()) {
    QLabel* picture = img[static_cast<size_t>(mark.Box - 1)];
    picture->setPixmap(tmp_wykrzykniczek);
    picture->move(mark.At.X, mark.At.Y);
    picture->setToolTip(
        Qt::convertFromPlainText(Decode(mark.Hint, ForeignCodePage(Services().State))));
    picture->show();
    picture->raise();
  }
  // Every word, now in its own box, stands in front of the marks.
  labels_->PlaceAll();
  labels_->SetDraggable(false);
  for (int i = 1; i <= exercise_.PairCount(); ++i) lbl[static_cast<size_t>(i - 1)]->raise();
  DxRamka->update();
  ShowCheckResult(btn_sprawdz);
  RowsChanged(*DxRamka);
}

void DefinitionsWindow::HideMarks() {
  for (QLabel* mark : img) {
    mark->hide();
    mark->clear();
    mark->setToolTip(QString());
  }
  QToolTip::hideText();
}

void DefinitionsWindow::hideEvent(QHideEvent* event) {
  // A closed window lets go of its marks, and of a hint still up over one of them.
  HideMarks();
  ExerciseWindow::hideEvent(event);
}

}  // namespace tess
