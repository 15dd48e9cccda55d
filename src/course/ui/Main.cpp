#include "course/ui/Main.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "course/CourseState.h"
#include "course/MainAnimation.h"
#include "course/SkinTable.h"
#include "course/ui/Form5.h"
#include "course/ui/UiText.h"
#include "platform/AviStrip.h"
#include "platform/Browser.h"
#include "platform/PictureLoader.h"

namespace tess {
namespace {

struct CaptionFile {
  QLabel* TMainForm::*Label;
  const char* File;
};

constexpr std::array<CaptionFile, 6> kCaptions = {{
    {&TMainForm::rol_subjects, "gfx_r\\m_subjects.bmp"},
    {&TMainForm::rol_video, "gfx_r\\m_video.bmp"},
    {&TMainForm::rol_sentences, "gfx_r\\m_sentences.bmp"},
    {&TMainForm::rol_records, "gfx_r\\m_records.bmp"},
    {&TMainForm::rol_conversations, "gfx_r\\m_conversations.bmp"},
    {&TMainForm::rol_results, "gfx_r\\m_results.bmp"},
}};

}  // namespace

TMainForm::TMainForm(const CourseState& state, TForm5& skins, PictureLoader& pictures,
                     MainWindowPorts ports, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      state_(state),
      skins_(skins),
      pictures_(pictures),
      ports_(ports) {
  setObjectName("TMainForm");
  setFixedSize(800, 600);
  img_tlo = new QLabel(this);
  img_tlo->setGeometry(0, 0, 800, 600);
  img_anim_maly = new QLabel(this);
  img_anim_maly->setObjectName("img_anim_maly");
  img_anim_maly->move(112, 124);
  img_anim_maly->hide();
  img_anim_duzy = new QLabel(this);
  img_anim_duzy->setObjectName("img_anim_duzy");
  img_anim_duzy->move(212, 128);
  img_anim_duzy->hide();

  rol_subjects = CaptionPicture("rol_subjects");
  rol_video = CaptionPicture("rol_video");
  rol_sentences = CaptionPicture("rol_sentences");
  rol_records = CaptionPicture("rol_records");
  rol_conversations = CaptionPicture("rol_conversations");
  rol_results = CaptionPicture("rol_results");
  m_subj = MenuButton("m_subj", 22, 13, 493, rol_subjects);
  m_video = MenuButton("m_video", 23, 105, 493, rol_video);
  m_sent = MenuButton("m_sent", 24, 189, 493, rol_sentences);
  m_rec = MenuButton("m_rec", 25, 273, 493, rol_records);
  m_conv = MenuButton("m_conv", 26, 358, 493, rol_conversations);
  m_results = MenuButton("m_results", 46, 443, 498, rol_results);
  lbl_exit = MenuButton("lbl_exit", kSkinClose, 775, 0, nullptr);
  connect(m_subj, &TTransparentButton::Click, this, &TMainForm::m_subjClick);
  connect(m_results, &TTransparentButton::Click, this, &TMainForm::m_resultsClick);
  connect(m_video, &TTransparentButton::Click, this, &TMainForm::m_videoClick);
  connect(m_rec, &TTransparentButton::Click, this, &TMainForm::m_recClick);
  connect(m_sent, &TTransparentButton::Click, this, &TMainForm::m_sentClick);
  connect(m_conv, &TTransparentButton::Click, this, &TMainForm::m_convClick);
  connect(lbl_exit, &TTransparentButton::Click, this, &QWidget::close);

  lbl_autorzy = ClickArea("lbl_autorzy", QRect(532, 12, 229, 101));
  lbl_serwisy = ClickArea("lbl_serwisy", QRect(92, 580, 117, 21));
  lbl_pomoc = ClickArea("lbl_pomoc", QRect(252, 580, 49, 21));
  lbl_opcje = ClickArea("lbl_opcje", QRect(344, 580, 61, 21));
  connect(lbl_autorzy, &TMLabel::Click, this, &TMainForm::lbl_autorzyClick);
  connect(lbl_serwisy, &TMLabel::Click, this, &TMainForm::lbl_serwisyClick);
  connect(lbl_pomoc, &TMLabel::Click, this, &TMainForm::lbl_pomocClick);
  connect(lbl_opcje, &TMLabel::Click, this, &TMainForm::lbl_opcjeClick);

  Kropka = new AviStrip(this);
  Kropka->setObjectName("Kropka");
  Kropka->setGeometry(536, 575, 59, 8);
  Kropka->hide();
  // A missing or unreadable film leaves the dot animation empty; it is decoration only.
  Kropka->Open(state_.ProgramPath("gfx_r/kropka.avi"));

  Timer1 = new QTimer(this);
  Timer1->setInterval(kAnimationIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}

QLabel* TMainForm::CaptionPicture(const char* name) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->move(601, 560);
  label->hide();
  return label;
}

TMLabel* TMainForm::ClickArea(const char* name, const QRect& area) {
  auto* label = new TMLabel(this);
  label->setObjectName(name);
  label->setGeometry(area);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

TTransparentButton* TMainForm::MenuButton(const char* name, int skin, int left, int top,
                                          QLabel* caption) {
  auto* button = new TTransparentButton(this);
  button->setObjectName(name);
  button->SetImageList(&skins_.MyImageList1);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  if (caption) {
    connect(button, &TTransparentButton::MouseEnter, this, [this, caption] { MenuEnter(caption); });
    connect(button, &TTransparentButton::MouseLeave, this, [this, caption] { MenuLeave(caption); });
  }
  return button;
}

void TMainForm::MenuEnter(QLabel* caption) {
  caption->show();
  if (state_.Options.Animations) {
    Kropka->show();
    Kropka->Start();
  }
}

void TMainForm::MenuLeave(QLabel* caption) {
  caption->hide();
  if (state_.Options.Animations) {
    Kropka->Stop();
    Kropka->hide();
  }
}

bool TMainForm::LoadPictures(std::string* error) {
  auto load = [&](QLabel* label, const std::string& file) {
    const std::string path = state_.LangPath(file);
    const QImage image = pictures_.Load(path);
    if (image.isNull()) {
      if (error) *error = CannotOpenMessage(path);
      return false;
    }
    label->setPixmap(QPixmap::fromImage(image));
    label->adjustSize();
    return true;
  };
  if (!load(img_tlo, "gfx_r\\Main_rozum.bmp")) return false;
  img_tlo->resize(800, 600);
  for (const CaptionFile& caption : kCaptions) {
    if (!load(this->*caption.Label, caption.File)) return false;
  }
  return true;
}

void TMainForm::StartAnimation() {
  Timer1->start();
  img_anim_maly->hide();
  img_anim_duzy->hide();
}

void TMainForm::StopAnimation() {
  Timer1->stop();
  img_anim_maly->hide();
  img_anim_duzy->hide();
  Kropka->Stop();
  Kropka->hide();
}

bool TMainForm::LoadAnimationPicture(QLabel* label, const std::string& path) {
  const QImage image = pictures_.Load(path);
  if (image.isNull()) return false;
  label->setPixmap(QPixmap::fromImage(image));
  label->adjustSize();
  return true;
}

void TMainForm::Timer1Timer() {
  if (!ports_.Random) return;
  const AnimationStep step = NextAnimationStep(*ports_.Random, state_.Install.ProgramDir);
  // A picture that cannot be loaded stays hidden; the animation goes on with the next tick.
  if (!step.Large) {
    img_anim_maly->hide();
    img_anim_maly->move(step.Position.Left, step.Position.Top);
    if (LoadAnimationPicture(img_anim_maly, step.Picture)) img_anim_maly->show();
  } else {
    img_anim_duzy->move(step.Position.Left, step.Position.Top);
    if (LoadAnimationPicture(img_anim_duzy, step.Picture)) {
      img_anim_duzy->show();
    } else {
      img_anim_duzy->hide();
    }
  }
}

void TMainForm::m_subjClick() {
  if (OpenChooser) OpenChooser(1);
}

void TMainForm::m_resultsClick() {
  if (OpenChooser) OpenChooser(2);
}

void TMainForm::ShowSection(int sectionCode, bool video, const char* picture) {
  if (OpenSection) OpenSection(sectionCode, video, state_.LangPath(picture));
}

void TMainForm::m_videoClick() { ShowSection(40, true, "gfx_r\\menu_video.bmp"); }
void TMainForm::m_recClick() { ShowSection(40, false, "gfx_r\\menu_records.bmp"); }
void TMainForm::m_sentClick() { ShowSection(50, false, "gfx_r\\menu_sentences.bmp"); }
void TMainForm::m_convClick() { ShowSection(70, false, "gfx_r\\menu_konwersacje.bmp"); }

void TMainForm::lbl_pomocClick() {
  if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_index.html"));
}

void TMainForm::lbl_autorzyClick() {
  if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("\\Htm_r\\h_kvarn.html"));
}

void TMainForm::lbl_serwisyClick() {
  if (ports_.Web) ports_.Web->OpenUrl(kProductPageUrl);
}

void TMainForm::lbl_opcjeClick() {
  if (ShowOptions) ShowOptions();
}

void TMainForm::showEvent(QShowEvent* event) {
  StartAnimation();
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  for (const CaptionFile& caption : kCaptions) (this->*caption.Label)->hide();
  QWidget::showEvent(event);
  if (!event->spontaneous() && PlayOpeningSound) {
    PlayOpeningSound(state_.ProgramPath("wav_r\\r_open.wav"));
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  Timer1->stop();  // a cancelled close leaves the animation stopped
  if (confirmClose_ && !confirmClose_()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    lbl_pomocClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && HideMediaWindow) {
    HideMediaWindow();
  }
  QWidget::changeEvent(event);
}

}  // namespace tess
