#include "drills/ResultScreen.h"

#include <QKeyEvent>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 220;
// The figures stand in the fields the background draws on its four rows.
constexpr int kFigureLeft = 180;
constexpr int kFigureWidth = 100;
constexpr int kFirstRowTop = 56;
constexpr int kRowStep = 28;
constexpr int kRowHeight = 24;
constexpr int kButtonBandTop = 176;
constexpr int kMargin = 12;

constexpr const char* kStatNames[4] = {"l_Stat1", "L_Stat2", "L_Stat3", "L_stat4"};
constexpr const char* kHelpAnchor = "Htm_r\\h_comp.html#e3";

}  // namespace

ResultScreen::ResultScreen(ResultScreenServices services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog), services_(std::move(services)) {
  setObjectName("TForm25");
  setFixedSize(kWidth, kHeight);
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, kWidth, kHeight);
  QFont figureFont = font();
  figureFont.setFamily(QStringLiteral("Arial"));
  figureFont.setPointSize(12);
  figureFont.setBold(true);
  for (int row = 0; row < 4; ++row) {
    QLabel* label = new QLabel(this);
    label->setObjectName(kStatNames[row]);
    label->setFont(figureFont);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                             .arg(palette::kNavy.name()));
    label->setGeometry(kFigureLeft, kFirstRowTop + row * kRowStep, kFigureWidth, kRowHeight);
    Stat[static_cast<size_t>(row)] = label;
  }
  SkinStrips& skins = services_.Skins;
  K_wroc = SkinnedButton(this, "K_wroc", skins, SkinIndex(CourseSkin::ExerciseBack), kMargin, 0);
  btn_help = SkinnedButton(this, "btn_help", skins, SkinIndex(CourseSkin::Help), 0, 0);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(CourseSkin::OkSmall), 0, 0);
  // The buttons sit centred in the bottom band: back at the left, help and OK at the right.
  const auto bandTop = [](const QWidget* button) {
    return kButtonBandTop + (kHeight - kButtonBandTop - button->height()) / 2;
  };
  K_wroc->move(kMargin, bandTop(K_wroc));
  B_OK->move(kWidth - kMargin - B_OK->width(), bandTop(B_OK));
  btn_help->move(B_OK->x() - 8 - btn_help->width(), bandTop(btn_help));
  connect(B_OK, &SkinButton::Click, this, &ResultScreen::B_OKClick);
  connect(K_wroc, &SkinButton::Click, this, &ResultScreen::K_wrocClick);
  connect(btn_help, &SkinButton::Click, this, &ResultScreen::btn_helpClick);
  new WindowKeys(*this, [this](int key) { return KeyPressed(key); });
}

int ResultScreen::ShowFigures(const ResultFigures& figures, bool offerReturn) {
  for (size_t row = 0; row < Stat.size(); ++row) {
    Stat[row]->setText(CourseText(figures.Lines[row]));
  }
  K_wroc->setVisible(offerReturn);
  tag_ = kBack;
  services_.Modal.ShowModal(*this);
  return tag_;
}

void ResultScreen::B_OKClick() {
  tag_ = kFinish;
  SetModalResult(*this, mrOk);
}

void ResultScreen::K_wrocClick() {
  tag_ = kBack;
  SetModalResult(*this, mrCancel);
}

void ResultScreen::btn_helpClick() {
  if (services_.ShowInformation) services_.ShowInformation("HH_" + services_.State.InterfaceText(7));
}

bool ResultScreen::KeyPressed(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      SetModalResult(*this, mrCancel);  // the tag stays as it is
      return true;
    case Qt::Key_F1:
      if (services_.ShowHelpPage) services_.ShowHelpPage(services_.State.ProgramPath(kHelpAnchor));
      return true;
    default:
      return false;
  }
}

void ResultScreen::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(services_.State.Install.CourseTitle));
  Image1->setPixmap(
      QPixmap::fromImage(services_.Pictures.Load(services_.State.LangPath("gfx_r\\statystyka.bmp"))));
  QWidget::showEvent(event);
}

void ResultScreen::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

}  // namespace tess
