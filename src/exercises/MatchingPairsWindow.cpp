#include "exercises/MatchingPairsWindow.h"

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "media/SoundService.h"
#include "platform/Fonts.h"
#include "platform/QtTextMeasurer.h"
#include "shared/CodePage.h"
#include "widgets/PaintBox.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

// This kind applies no layout line: its boxes stand where the window was designed.
constexpr int kMediaLeft = 10;
constexpr int kMediaTop = 10;
const QRect kInstructionBox(56, 105, 601, 93);
constexpr int kChoicePauseMs = 100;  // the chosen label shows red for a moment

QRect Rect(const PairsBox& box) { return QRect(box.X, box.Y, box.Width, box.Height); }

QFont LabelFont() { return PointFont("Arial", 10); }  // 13 pixels

QColor TextColour(LabelColour colour) {
  switch (colour) {
    case LabelColour::Red:
      return palette::kVerdictRed;
    case LabelColour::Green:
      return palette::kLeaf;
    case LabelColour::Black:
      break;
  }
  return Qt::black;
}

}  // namespace

MatchingPairsWindow::MatchingPairsWindow(ExerciseServices& services, QWidget* parent)
    : ExerciseWindow(services, "HH", parent) {
  setObjectName("TC_HForm");
  pb_polecenie->setObjectName("PaintBox1");

  // Frames and connectors first, so the labels lie above them.
  // The frames' grey (128, 128, 128) is the palette's grey of quiet marks.
  const QString frameSheet =
      QStringLiteral("QFrame { border: 1px solid %1; background: transparent; }")
          .arg(palette::kTagGrey.name());
  for (size_t i = 0; i < shp.size(); ++i) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("shp_%1").arg(i + 1));
    frame->setStyleSheet(frameSheet);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    shp[i] = frame;
  }
  for (int i = 1; i <= kLabels; ++i) {
    auto* connector = new QFrame(this);
    connector->setObjectName(QStringLiteral("Shape%1").arg(i));
    connector->setStyleSheet(QStringLiteral("QFrame { background: black; border: none; }"));
    connector->hide();
    Shape[static_cast<size_t>(i - 1)] = connector;
  }
  for (PairColumn column : {PairColumn::Left, PairColumn::Right}) {
    auto& labels = column == PairColumn::Left ? lbl_L : lbl_P;
    const char* prefix = column == PairColumn::Left ? "lbl_L" : "lbl_P";
    for (int n = 1; n <= kLabels; ++n) {
      auto* label = new HoverLabel(this);
      label->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n));
      label->setFont(LabelFont());
      label->setAlignment(Qt::AlignCenter);
      label->setCursor(Qt::PointingHandCursor);
      // One label of a column is chosen at a time, then paired with one of the other.
      label->SetRole(ControlRole::RadioButton);
      label->hide();
      connect(label, &HoverLabel::Click, this, [this, column, n] { LabelClick(column, n); });
      labels[static_cast<size_t>(n - 1)] = label;
    }
  }

  btn_ok = MakeCheckButton(SkinIndex(CourseSkin::Check), [this] { btn_OKClick(); });
}

HoverLabel* MatchingPairsWindow::LabelWidget(PairColumn column, int n) const {
  return (column == PairColumn::Left ? lbl_L : lbl_P)[static_cast<size_t>(n - 1)];
}

void MatchingPairsWindow::LoadStep() {
  ++loads_;
  const QtTextMeasurer measurer(LabelFont(), ForeignCodePage(Services().State));
  exercise_.Load(KindContent(), measurer, Services().Random);
  btn_ok->setVisible(exercise_.OkVisible());
  btn_media->move(kMediaLeft, kMediaTop);
  pb_polecenie->setGeometry(kInstructionBox);
  HideCheckResult();

  const int rows = exercise_.PairCount();
  for (int row = 1; row <= kLabels; ++row) {
    QFrame* connector = Shape[static_cast<size_t>(row - 1)];
    QFrame* leftFrame = shp[static_cast<size_t>(row - 1)];
    QFrame* rightFrame = shp[static_cast<size_t>(kLabels + row - 1)];
    if (row > rows) {
      connector->hide();
      leftFrame->hide();
      rightFrame->hide();
      continue;
    }
    connector->setGeometry(Rect(exercise_.ConnectorBox(row)));
    leftFrame->setGeometry(Rect(exercise_.FrameBox(PairColumn::Left, row)));
    rightFrame->setGeometry(Rect(exercise_.FrameBox(PairColumn::Right, row)));
    connector->show();
    leftFrame->show();
    rightFrame->show();
  }
  SyncLabels();
}

void MatchingPairsWindow::SyncLabels() {
  const bool active = !exercise_.ExerciseChecked();
  for (PairColumn column : {PairColumn::Left, PairColumn::Right}) {
    for (int n = 1; n <= kLabels; ++n) {
      HoverLabel* widget = LabelWidget(column, n);
      if (n > exercise_.PairCount()) {
        widget->hide();
        continue;
      }
      const PairLabel& label = exercise_.Label(column, n);
      widget->setText(Decode(label.Text, ForeignCodePage(Services().State)));
      widget->setGeometry(Rect(exercise_.LabelBox(column, label.Row)));
      QPalette colours = widget->palette();
      colours.setColor(QPalette::WindowText, TextColour(label.Colour));
      widget->setPalette(colours);
      widget->setCursor(active ? Qt::PointingHandCursor : Qt::ArrowCursor);
      // Red is the chosen label until the check; then the colours are the verdict.
      widget->SetChecked(active && label.Colour == LabelColour::Red);
      widget->setAccessibleDescription(active ? QString()
                                              : VerdictWord(label.Colour == LabelColour::Green));
      widget->show();
    }
  }
}

void MatchingPairsWindow::KindFormShow() { ShowLoadError(exercise_.LoadError()); }

ExerciseScore MatchingPairsWindow::Score() const { return ScoreOf(exercise_); }

void MatchingPairsWindow::LabelClick(PairColumn column, int n) {
  if (!exercise_.Choose(column, n)) return;
  SyncLabels();
  LabelWidget(column, n)->repaint();
  const int load = loads_;
  // Other clicks may run during the pause; the pairing then takes the state as it is.
  Services().Sound.WaitWithEvents(kChoicePauseMs);
  if (load != loads_) return;
  exercise_.Pair();
  SyncLabels();
}

void MatchingPairsWindow::btn_OKClick() {
  exercise_.Check();
  Services().Sound.StopPlayback();
  btn_ok->hide();
  lbl_jeszcze_raz->show();
  // No verdict line and no percentage here: the colours are the verdict.
  SyncLabels();
}

}  // namespace tess
