#include "coursebook/HomeWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>
#include <vector>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "coursebook/HomeAnimation.h"
#include "platform/AviStrip.h"
#include "platform/Browser.h"
#include "platform/PictureLoader.h"
#include "widgets/ControlNames.h"

namespace tess {
namespace {

struct CaptionFile {
  QLabel* HomeWindow::*Label;
  const char* File;
};

constexpr std::array<CaptionFile, 6> kCaptions = {{
    {&HomeWindow::rol_subjects, "gfx_r\\m_subjects.bmp"},
    {&HomeWindow::rol_video, "gfx_r\\m_video.bmp"},
    {&HomeWindow::rol_sentences, "gfx_r\\m_sentences.bmp"},
    {&HomeWindow::rol_records, "gfx_r\\m_records.bmp"},
    {&HomeWindow::rol_conversations, "gfx_r\\m_conversations.bmp"},
    {&HomeWindow::rol_results, "gfx_r\\m_results.bmp"},
}};

}  // namespace

HomeWindow::HomeWindow(const CourseState& state, CourseSkins& skins, PictureLoader& pictures,
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
  m_subj = MenuButton("m_subj", SkinIndex(CourseSkin::MenuSubjects), 13, 493, rol_subjects);
  m_video = MenuButton("m_video", SkinIndex(CourseSkin::MenuVideo), 105, 493, rol_video);
  m_sent = MenuButton("m_sent", SkinIndex(CourseSkin::MenuSentences), 189, 493, rol_sentences);
  m_rec = MenuButton("m_rec", SkinIndex(CourseSkin::MenuRecords), 273, 493, rol_records);
  m_conv =
      MenuButton("m_conv", SkinIndex(CourseSkin::MenuConversations), 358, 493, rol_conversations);
  m_results = MenuButton("m_results", SkinIndex(CourseSkin::MenuResults), 443, 498, rol_results);
  lbl_exit = MenuButton("lbl_exit", SkinIndex(CourseSkin::Close), 775, 0, nullptr);
  connect(m_subj, &SkinButton::Click, this, &HomeWindow::m_subjClick);
  connect(m_results, &SkinButton::Click, this, &HomeWindow::m_resultsClick);
  connect(m_video, &SkinButton::Click, this, &HomeWindow::m_videoClick);
  connect(m_rec, &SkinButton::Click, this, &HomeWindow::m_recClick);
  connect(m_sent, &SkinButton::Click, this, &HomeWindow::m_sentClick);
  connect(m_conv, &SkinButton::Click, this, &HomeWindow::m_convClick);
  connect(lbl_exit, &SkinButton::Click, this, &QWidget::close);

  lbl_autorzy = ClickArea("lbl_autorzy", QRect(532, 12, 229, 101));
  lbl_serwisy = ClickArea("lbl_serwisy", QRect(92, 580, 117, 21));
  lbl_pomoc = ClickArea("lbl_pomoc", QRect(252, 580, 49, 21));
  lbl_opcje = ClickArea("lbl_opcje", QRect(344, 580, 61, 21));
  connect(lbl_autorzy, &HoverLabel::Click, this, &HomeWindow::lbl_autorzyClick);
  connect(lbl_serwisy, &HoverLabel::Click, this, &HomeWindow::lbl_serwisyClick);
  connect(lbl_pomoc, &HoverLabel::Click, this, &HomeWindow::lbl_pomocClick);
  connect(lbl_opcje, &HoverLabel::Click, this, &HomeWindow::lbl_opcjeClick);

  Kropka = new AviStrip(this);
  Kropka->setObjectName("Kropka");
  Kropka->setGeometry(536, 575, 59, 8);
  Kropka->hide();

  Timer1 = new QTimer(this);
  Timer1->setInterval(kAnimationIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &HomeWindow::Timer1Timer);
}

QLabel* HomeWindow::CaptionPicture(const char* name) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->move(601, 560);
  label->hide();
  return label;
}

HoverLabel* HomeWindow::ClickArea(const char* name, const QRect& area) {
  auto* label = new HoverLabel(this);
  label->setObjectName(name);
  label->setGeometry(area);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

SkinButton* HomeWindow::MenuButton(const char* name, int skin, int left, int top, QLabel* caption) {
  auto* button = new SkinButton(this);
  button->setObjectName(name);
  button->SetImageList(&skins_.MyImageList1);
  button->SetBitmapNormal(skin);
  button->move(left, top);
  button->setCursor(Qt::PointingHandCursor);
  if (caption) {
    connect(button, &SkinButton::MouseEnter, this, [this, caption] { MenuEnter(caption); });
    connect(button, &SkinButton::MouseLeave, this, [this, caption] { MenuLeave(caption); });
  }
  return button;
}

void HomeWindow::MenuEnter(QLabel* caption) {
  caption->show();
  if (state_.Options.Animations) {
    Kropka->show();
    Kropka->Start();
  }
}

void HomeWindow::MenuLeave(QLabel* caption) {
  caption->hide();
  if (state_.Options.Animations) {
    Kropka->Stop();
    Kropka->hide();
  }
}

void HomeWindow::NameControls() {
  // The captions are drawn into the pictures of the interface language; screen readers get
  // them here.
  const int language = state_.InterfaceLanguage;
  NameControl(*m_subj, names::kExercises, language);
  NameControl(*m_video, names::kVideos, language);
  NameControl(*m_sent, names::kSentences, language);
  NameControl(*m_rec, names::kRecordings, language);
  NameControl(*m_conv, names::kConversations, language);
  NameControl(*m_results, names::kResults, language);
  NameControl(*lbl_exit, names::kClose, language);
  NameControl(*lbl_autorzy, names::kAuthors, language);
  NameControl(*lbl_serwisy, names::kWebsite, language);
  NameControl(*lbl_pomoc, names::kHelp, language);
  NameControl(*lbl_opcje, names::kOptions, language);
}

bool HomeWindow::LoadPictures(std::string* error) {
  if (isVisible()) {
    NameControls();
    return ReadPictures(error);
  }
  // Hidden until the login is done: the start only checks that the pictures are there, and
  // they are read when the window is first shown.
  std::vector<std::string> files{"gfx_r\\Main_rozum.bmp"};
  for (const CaptionFile& caption : kCaptions) files.emplace_back(caption.File);
  for (const std::string& file : files) {
    const std::string path = state_.LangPath(file);
    if (!pictures_.SizeOf(path).isValid()) {
      if (error) *error = CannotOpenMessage(path);
      return false;
    }
  }
  picturesPending_ = true;
  return true;
}

bool HomeWindow::ReadPictures(std::string* error) {
  picturesPending_ = false;
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

void HomeWindow::StartAnimation() {
  Timer1->start();
  img_anim_maly->hide();
  img_anim_duzy->hide();
}

void HomeWindow::StopAnimation() {
  Timer1->stop();
  img_anim_maly->hide();
  img_anim_duzy->hide();
  Kropka->Stop();
  Kropka->hide();
}

bool HomeWindow::LoadAnimationPicture(QLabel* label, const std::string& path) {
  const QImage image = pictures_.Load(path);
  if (image.isNull()) return false;
  label->setPixmap(QPixmap::fromImage(image));
  label->adjustSize();
  return true;
}

void HomeWindow::Timer1Timer() {
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

void HomeWindow::m_subjClick() {
  if (OpenChooser) OpenChooser(1);
}

void HomeWindow::m_resultsClick() {
  if (OpenChooser) OpenChooser(2);
}

void HomeWindow::ShowSection(int sectionCode, bool video, const char* picture) {
  if (OpenSection) OpenSection(sectionCode, video, state_.LangPath(picture));
}

void HomeWindow::m_videoClick() { ShowSection(40, true, "gfx_r\\menu_video.bmp"); }
void HomeWindow::m_recClick() { ShowSection(40, false, "gfx_r\\menu_records.bmp"); }
void HomeWindow::m_sentClick() { ShowSection(50, false, "gfx_r\\menu_sentences.bmp"); }
void HomeWindow::m_convClick() { ShowSection(70, false, "gfx_r\\menu_konwersacje.bmp"); }

void HomeWindow::lbl_pomocClick() {
  if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_index.html"));
}

void HomeWindow::lbl_autorzyClick() {
  if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("\\Htm_r\\h_kvarn.html"));
}

void HomeWindow::lbl_serwisyClick() {
  if (ports_.Web) ports_.Web->OpenUrl(kProductPageUrl);
}

void HomeWindow::lbl_opcjeClick() {
  if (ShowOptions) ShowOptions();
}

void HomeWindow::showEvent(QShowEvent* event) {
  // Named here, not at creation: the first name starts the screen readers' connection, which
  // the login before this window need not wait for.
  NameControls();
  if (picturesPending_) ReadPictures(nullptr);
  if (!dotRead_) {
    // Read here, not at creation: the start shows the login before this window.
    // A missing or unreadable film leaves the dot animation empty; it is decoration only.
    Kropka->Open(state_.ProgramPath("gfx_r/kropka.avi"));
    dotRead_ = true;
  }
  StartAnimation();
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  for (const CaptionFile& caption : kCaptions) (this->*caption.Label)->hide();
  QWidget::showEvent(event);
  if (!event->spontaneous() && PlayOpeningSound) {
    PlayOpeningSound(state_.ProgramPath("wav_r\\r_open.wav"));
  }
}

void HomeWindow::closeEvent(QCloseEvent* event) {
  Timer1->stop();  // a cancelled close leaves the animation stopped
  if (confirmClose_ && !confirmClose_()) {
    event->ignore();
    return;
  }
  event->accept();
}

void HomeWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    lbl_pomocClick();
    return;
  }
  QWidget::keyPressEvent(event);
}

void HomeWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && HideMediaWindow) {
    HideMediaWindow();
  }
  QWidget::changeEvent(event);
}

}  // namespace tess
