#include "exercises/ExerciseWindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "exercises/LessonTabs.h"
#include "exercises/Markup.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/QtTextMeasurer.h"
#include "results/ResultsStore.h"
#include "shared/CodePage.h"
#include "shared/Text.h"
#include "widgets/ControlNames.h"
#include "widgets/HoverLabel.h"
#include "widgets/PaintBox.h"
#include "widgets/Palette.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"
#include "widgets/WindowKeys.h"
#include "results/UserResults.h"

namespace tess {
namespace {

constexpr int kPanelLeft = 700;
constexpr int kTabLeft = 722;
constexpr int kTabTop = 70;
constexpr int kTabStep = 62;
// The verdict line sits 18 pixels above the content box, just under the instruction.
constexpr int kInstructionHeight = 50;

QFont InstructionFont() { return PointFont("Arial", 11); }

}  // namespace

ExerciseWindow::ExerciseWindow(ExerciseServices& services, std::string kindCode, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      services_(services),
      kindCode_(std::move(kindCode)),
      kindTexts_(ExerciseKindTextsOf(kindCode_)) {
  setFixedSize(800, 600);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  img_tlo = new QLabel(this);
  img_tlo->setObjectName("img_tlo");
  img_tlo->setGeometry(0, 0, kPanelLeft, 600);
  img_tlo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image2 = new QLabel(this);
  Image2->setObjectName("Image2");
  Image2->setGeometry(kPanelLeft, 0, 800 - kPanelLeft, 600);
  Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->hide();

  for (int t = 1; t <= kTabs; ++t) {
    auto* tab = new HoverLabel(this);
    tab->setObjectName(QStringLiteral("MImage%1").arg(t));
    tab->SetRole(ControlRole::PageTab);
    tab->move(kTabLeft, kTabTop + (t - 1) * kTabStep);
    tab->setCursor(Qt::PointingHandCursor);
    tab->hide();
    connect(tab, &HoverLabel::Click, this, [this, t] { MImage1Click(t); });
    MImage[static_cast<size_t>(t - 1)] = tab;
  }

  pb_polecenie = new PaintBox(this);
  pb_polecenie->setObjectName("pb_polecenie");
  pb_polecenie->Paint = [this](QPainter& painter) { pb_poleceniePaint(painter); };
  // Designed to end at the fitting edge; the width rule then keeps it there.
  pb_polecenie->setGeometry(kInstructionLeft, kInstructionTop,
                            kInstructionRightEdge - kInstructionLeft, kInstructionHeight);

  btn_media = SkinnedButton(this, "btn_media", services_.Skins, SkinIndex(CourseSkin::Film),
                            kMediaButtonLeft, kMediaButtonTop);
  connect(btn_media, &SkinButton::Click, this, &ExerciseWindow::btn_mediaClick);
  lbl_exit = SkinnedButton(this, "lbl_exit", services_.Skins, SkinIndex(CourseSkin::Close), 775, 0);
  connect(lbl_exit, &SkinButton::Click, this, &ExerciseWindow::lbl_exitClick);

  lbl_jeszcze_raz = new HoverLabel(QStringLiteral("Jeszcze raz"), this);
  lbl_jeszcze_raz->setObjectName("lbl_jeszcze_raz");
  lbl_jeszcze_raz->setFont(PointFont("Arial", 11, true));
  lbl_jeszcze_raz->setStyleSheet(
      palette::Styled(QStringLiteral("color: {teal}; background: transparent;")));
  lbl_jeszcze_raz->setCursor(Qt::PointingHandCursor);
  lbl_jeszcze_raz->move(130, 566);
  lbl_jeszcze_raz->adjustSize();
  connect(lbl_jeszcze_raz, &HoverLabel::Click, this, &ExerciseWindow::lbl_jeszcze_razClick);
  connect(lbl_jeszcze_raz, &HoverLabel::MouseEnter, this, [this] {
    QFont font = lbl_jeszcze_raz->font();
    font.setUnderline(true);
    lbl_jeszcze_raz->setFont(font);
  });
  connect(lbl_jeszcze_raz, &HoverLabel::MouseLeave, this, [this] {
    QFont font = lbl_jeszcze_raz->font();
    font.setUnderline(false);
    lbl_jeszcze_raz->setFont(font);
  });

  lbl_komentarz = new QLabel(this);
  lbl_komentarz->setObjectName("lbl_komentarz");
  lbl_komentarz->setFont(PointFont("Arial", 10, true));

  ptoc_panel = new QWidget(this);
  ptoc_panel->setObjectName("ptoc_panel");
  // The bottom strip under the content box holds the percentage, "Jeszcze raz" and the check.
  ptoc_panel->setGeometry(20, 558, 86, 36);
  ptoc_panel->setStyleSheet(
      palette::Styled(QStringLiteral("#ptoc_panel { background: {navy}; border-radius: 8px; }")));
  ptoc_panel->setAttribute(Qt::WA_StyledBackground);
  lbl_proc = new QLabel(ptoc_panel);
  lbl_proc->setObjectName("lbl_proc");
  lbl_proc->setGeometry(0, 0, 58, 36);
  lbl_proc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbl_proc->setFont(PointFont("Arial", 16, true));
  lbl_proc->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  auto* percentSign = new QLabel(QStringLiteral("%"), ptoc_panel);
  percentSign->setGeometry(60, 0, 24, 36);
  percentSign->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  percentSign->setFont(PointFont("Arial", 12, true));
  percentSign->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  HideCheckResult();

  keys_ = new WindowKeys(*this, [this](int key) { return KeyPressed(key); });
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::Load(const ExerciseEntry& entry, const LayoutValues& layout) {
  entry_ = entry;
  layout_ = layout;
  // The launcher has made this exercise's tab current; a later switch changes the tab
  // before this window records, so its item is kept here.
  resultItem_ = services_.Lesson.CurrentResultItem;
  closingForNextTab_ = false;
  LoadStep();
  show();
  raise();
  activateWindow();
  FormShow();
}

void ExerciseWindow::FormShow() {
  const CourseState& state = services_.State;
  btn_media->setToolTip(
      Decode(state.InterfaceText(89), InterfaceCodePage(state.InterfaceLanguage)));
  lbl_jeszcze_raz->setToolTip(Decode(state.InterfaceText(kindTexts_.AgainHint),
                                     InterfaceCodePage(state.InterfaceLanguage)));
  NameControl(*lbl_exit, names::kClose, state.InterfaceLanguage);
  // The instruction is painted; screen readers read it as the box's name.
  QString instruction;
  for (const TextRun& run : InstructionRuns()) instruction += Decode(run.Text, CodePage::Cp1250);
  pb_polecenie->setAccessibleName(instruction.simplified());
  LoadPictures();
  ShowTabStrip();
  KindFormShow();
  if (services_.Lesson.TextMediaMode == kTextMediaSound) {
    btn_media->hide();
    btn_mediaClick();
  } else {
    btn_media->show();
  }
}

void ExerciseWindow::LoadPictures() {
  const CourseState& state = services_.State;
  const std::string extension = kindCode_ == "DD" ? ".bmp" : ".jpg";
  const std::string background =
      state.Install.MediaDir + "teksty\\" + entry_.HeaderField(3) + extension;
  const std::string panel = state.Install.ProgramDir + "\\gfx_r\\panel_prawy_teksty_" +
                            state.Install.CourseLetter + ".bmp";
  Label1->setText(QString::fromStdString(background));
  std::string missing;
  for (auto [label, path] : {std::pair{img_tlo, &background}, {Image2, &panel}}) {
    const QImage picture = services_.Pictures.Load(*path);
    label->setPixmap(QPixmap::fromImage(picture));
    if (picture.isNull() && missing.empty()) missing = *path;
  }
  if (!missing.empty()) services_.Messages.ShowMessage(CannotOpenMessage(missing));
}

void ExerciseWindow::ShowTabStrip() {
  const CourseState& state = services_.State;
  const LessonState& lesson = services_.Lesson;
  for (HoverLabel* tab : MImage) tab->hide();
  for (int t = 1; t <= lesson.TabCount && t <= kTabs; ++t) {
    HoverLabel* tab = MImage[static_cast<size_t>(t - 1)];
    const std::string icon = state.Install.ProgramDir + "\\but_r\\zakl\\_" + std::to_string(t) +
                             (t == lesson.CurrentTab ? "a" : "") + ".bmp";
    const QPixmap picture = TransparentPixmap(services_.Pictures.Load(icon));
    tab->setPixmap(picture);
    tab->resize(picture.isNull() ? QSize(56, 50) : LogicalSize(picture));
    const int slot = lesson.ResultSlotOfTab(t);
    QString hint;
    if (slot >= 1 && slot <= services_.Results.Count()) {
      hint = Decode(
          KindName(services_.Results.At(slot).Kind, state.Install.CourseLanguage, state.Texts),
          InterfaceCodePage(state.InterfaceLanguage));
    }
    tab->setToolTip(hint);
    tab->SetChecked(t == lesson.CurrentTab);
    tab->show();
  }
}

std::string ExerciseWindow::TextNumber() const { return Trim(entry_.HeaderField(2)); }

void ExerciseWindow::PlaceCommonBoxes() {
  btn_media->move(layout_.Or(1, kMediaButtonLeft), layout_.Or(2, kMediaButtonTop));
  const int left = layout_.Or(3, kInstructionLeft);
  pb_polecenie->setGeometry(left, layout_.Or(4, kInstructionTop),
                            InstructionBoxWidth(left, pb_polecenie->width()), kInstructionHeight);
  instructionOverflow_ = InstructionOverflow(InstructionRuns());
  pb_polecenie->resize(pb_polecenie->width(), kInstructionHeight + instructionOverflow_);
}

int ExerciseWindow::BelowInstruction(int top) const {
  return ContentTopBelowInstruction(top, pb_polecenie->y(), kInstructionHeight,
                                    instructionOverflow_);
}

std::vector<TextRun> ExerciseWindow::InstructionRuns() const {
  const QtTextMeasurer measurer(InstructionFont(), CodePage::Cp1250);
  return LayoutInstruction(services_.State.LangDir, pb_polecenie->width(), measurer,
                           entry_.HeaderField(4), entry_.HeaderField(5), entry_.HeaderField(6));
}

void ExerciseWindow::HideCheckResult() {
  lbl_komentarz->clear();
  lbl_komentarz->hide();
  lbl_jeszcze_raz->hide();
  lbl_proc->hide();
  ptoc_panel->hide();
}

void ExerciseWindow::ShowCheckResult(QWidget* checkButton) {
  checkButton->hide();
  services_.Sound.StopPlayback();
  const ExerciseScore score = Score();
  lbl_jeszcze_raz->show();
  const CourseState& state = services_.State;
  const bool allRight = score.AllRight();
  const int verdict = allRight ? kindTexts_.AllRight : kindTexts_.NotAllRight;
  lbl_komentarz->setText(
      Decode(state.InterfaceText(verdict), InterfaceCodePage(state.InterfaceLanguage)));
  QPalette colours = lbl_komentarz->palette();
  colours.setColor(QPalette::WindowText, allRight ? QColor(Qt::black) : palette::kVerdictRed);
  lbl_komentarz->setPalette(colours);
  lbl_komentarz->adjustSize();
  lbl_komentarz->show();
  lbl_komentarz->raise();
  lbl_proc->setText(QString::number(score.Percent()));
  lbl_proc->show();
  ptoc_panel->show();
  ptoc_panel->raise();
}

PaintBox* ExerciseWindow::MakeContentBox(const QRect& box) {
  auto* content = new PaintBox(this);
  content->setObjectName("pb_tresc");
  content->setGeometry(box);
  return content;
}

void ExerciseWindow::MakeScrollButtons(RepeatButton*& up, RepeatButton*& down) {
  SkinStrips& skins = services_.Skins;
  up = new RepeatButton(this);
  up->setObjectName("btn_up");
  down = new RepeatButton(this);
  down->setObjectName("btn_dn");
  for (auto [button, skin] :
       {std::pair{up, SkinIndex(CourseSkin::ArrowUp)}, {down, SkinIndex(CourseSkin::ArrowDown)}}) {
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    auto picture = [&skins, button, skin](int frame) {
      const QPixmap pixmap = skins.FramePixmap(skin, frame);
      button->setPixmap(pixmap);
      button->resize(LogicalSize(pixmap));
    };
    picture(0);
    NameControl(*button, button == up ? names::kUp : names::kDown,
                services_.State.InterfaceLanguage);
    connect(button, &RepeatButton::MouseEnter, this, [picture] { picture(1); });
    connect(button, &RepeatButton::MouseLeave, this, [picture] { picture(0); });
    connect(&skins, &SkinStrips::Changed, this, [picture] { picture(0); });
  }
}

SkinButton* ExerciseWindow::MakeCheckButton(int skin, std::function<void()> onClick) {
  SkinButton* button = SkinnedButton(this, "btn_ok", services_.Skins, skin, 545, 558);
  NameControl(*button, names::kCheck, services_.State.InterfaceLanguage);
  connect(button, &SkinButton::Click, this, std::move(onClick));
  return button;
}

void ExerciseWindow::LoadTickStamps(QPixmap& normal, QPixmap& checked, QPixmap& bad,
                                    QPixmap& exclamation) {
  // Drawn on the white paper, like their own ground.
  const std::string icons = services_.State.Install.ProgramDir + "gfx_r\\ikony\\";
  for (auto [stamp, name] : {std::pair{&normal, "mc_normal"},
                             {&checked, "mc_checked"},
                             {&bad, "mc_bad"},
                             {&exclamation, "mc_wykrzyknik"}}) {
    *stamp = TransparentPixmap(services_.Pictures.Load(icons + name + ".bmp"));
  }
}

QPixmap ExerciseWindow::LoadExclamationStamp() {
  QPixmap normal;
  QPixmap checked;
  QPixmap bad;
  QPixmap exclamation;
  LoadTickStamps(normal, checked, bad, exclamation);
  return exclamation;
}

void ExerciseWindow::ShowContentMessage(const std::string& text) {
  services_.Messages.ShowMessage(Decode(text, CodePage::Cp1250).toStdString());
}

void ExerciseWindow::pb_poleceniePaint(QPainter& painter) {
  const QFont font = InstructionFont();
  painter.setPen(Qt::black);
  for (const TextRun& run : InstructionRuns()) {
    const QFont styled = QtTextMeasurer::Styled(font, run.Style.Bold, run.Style.Italic);
    painter.setFont(styled);
    painter.drawText(run.X, run.Y + QFontMetrics(styled).ascent(),
                     Decode(run.Text, CodePage::Cp1250));
  }
}

void ExerciseWindow::btn_mediaClick() {
  const CourseState& state = services_.State;
  if (services_.Lesson.TextMediaMode == kTextMediaFilm) {
    services_.Media.ShowMediaWindow(kTextMediaFilm,
                                    TextFilmPath(state.Install.ProgramDir, TextNumber()),
                                    layout_.At(1), layout_.At(2));
  } else {
    services_.Media.ShowMediaWindow(kTextMediaSound,
                                    TextRecordingPath(state.Install.MediaDir, TextNumber()),
                                    layout_.At(1), layout_.At(2));
  }
}

void ExerciseWindow::lbl_exitClick() {
  services_.Sound.StopPlayback();
  close();
}

void ExerciseWindow::lbl_jeszcze_razClick() {
  LoadStep();
  FormShow();
}

void ExerciseWindow::MImage1Click(int tag) { services_.Host.OpenExerciseTab(tag); }

bool ExerciseWindow::KeyPressed(int key) {
  if (key != Qt::Key_F1) return false;
  services_.Host.ShowHelpPage(services_.State.Install.ProgramDir + kindTexts_.HelpPage);
  return true;
}

void ExerciseWindow::FinishAttempt() {
  img_tlo->clear();
  Image2->clear();
  services_.Media.hide();
  services_.Media.Logic().MediaShown = false;

  const CourseState& state = services_.State;
  const LessonState& lesson = services_.Lesson;
  if (const auto attempt =
          AttemptOnClose(Score(), lesson.CurrentResultName,
                         static_cast<std::uint8_t>(KindCodeOf(kindCode_)), resultItem_)) {
    RecordResult(services_.Results, attempt->Percent, attempt->Name, attempt->Kind, attempt->Item,
                 attempt->Finished,
                 RecordContext{services_.Time.Now(), state.RunMode, services_.Reporter});
  }
  SaveUserResults(state, services_.Results, services_.Messages);
}

void ExerciseWindow::HideForNextTab() {
  closingForNextTab_ = true;
  hide();
}

void ExerciseWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closingForNextTab_) return;
  FinishAttempt();
  services_.Host.ExerciseClosed();
}

}  // namespace tess
