#include "drills/ComprehensionWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/KindCode.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "media/SoundService.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "results/ResultsStore.h"
#include "results/UserResults.h"
#include "shared/CodePage.h"
#include "shared/Paths.h"
#include "shared/Text.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"
#include "widgets/WindowKeys.h"

namespace tess {
namespace {

namespace layout = comprehension_layout;

constexpr int kTextLeft = 60;
constexpr int kTextWidth = 680;
constexpr int kInstructionTop = 20;
constexpr int kForeignTop = 390;
constexpr int kPolishTop = 453;
constexpr int kTextHeight = 60;
constexpr int kPlayLeft = 60;
constexpr int kPlayTop = 538;
constexpr int kNextLeft = 632;
constexpr int kNextTop = 544;
constexpr int kExitLeft = 775;

/// Swallows the learner's input while it is installed, so the pause after a wrong picture
/// cannot be clicked through, while paint and timer events go on.
class InputBlocker : public QObject {
 public:
  InputBlocker() { qApp->installEventFilter(this); }
  ~InputBlocker() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::Wheel:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

// Artwork the installation may leave out is drawn here in the one look.
QPixmap DrawnBackground() {
  QPixmap picture(800, 600);
  picture.fill(palette::kSand);
  QPainter painter(&picture);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::kNavy);
  painter.drawRect(0, 0, 800, 70);
  painter.setBrush(palette::kTealPale);
  painter.drawRoundedRect(QRectF(40, 80, 720, 270), 12, 12);
  return picture;
}

QPixmap DrawnPicture(int position) {
  QPixmap picture(layout::kPictureWidth, layout::kPictureHeight);
  picture.fill(palette::kWhite);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette::kNavy, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(1, 1, layout::kPictureWidth - 2, layout::kPictureHeight - 2), 8,
                          8);
  painter.setPen(palette::kTeal);
  painter.setFont(PointFont("Arial", 36, true));
  painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(position));
  return picture;
}

QPixmap DrawnMark(bool right) {
  QPixmap picture(layout::kMarkSize, layout::kMarkSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(right ? palette::kLeaf : palette::kCoral);
  painter.drawEllipse(QRectF(1, 1, 38, 38));
  painter.setPen(QPen(palette::kWhite, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (right) {
    painter.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(18, 28), QPointF(30, 13)}));
  } else {
    painter.drawLine(QPointF(13, 13), QPointF(27, 27));
    painter.drawLine(QPointF(27, 13), QPointF(13, 27));
  }
  return picture;
}

QLabel* TextLabel(QWidget* window, const char* name, int top) {
  auto* label = new QLabel(window);
  label->setObjectName(name);
  label->setGeometry(kTextLeft, top, kTextWidth, kTextHeight);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(PointFont("Arial", 14, true));
  label->setStyleSheet(palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));
  label->hide();
  return label;
}

}  // namespace

ComprehensionWindow::ComprehensionWindow(ComprehensionServices services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      services_(std::move(services)),
      drill_(services_.Random) {
  setObjectName("TRozumienieForm");
  setFixedSize(800, 600);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  img_tlo = new QLabel(this);
  img_tlo->setObjectName("img_tlo");
  img_tlo->setGeometry(0, 0, 800, 600);
  img_tlo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lbl_polecenie = new QLabel(this);
  lbl_polecenie->setObjectName("lbl_polecenie");
  lbl_polecenie->setGeometry(kTextLeft, kInstructionTop, kTextWidth, 24);
  lbl_polecenie->setFont(PointFont("Arial CE", 11, true));
  lbl_polecenie->setStyleSheet(
      palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));

  for (int k = 1; k <= 3; ++k) {
    auto* picture = new HoverLabel(this);
    picture->setObjectName(QStringLiteral("img_%1").arg(k));
    picture->setGeometry(layout::kPictureLeft[static_cast<size_t>(k - 1)], layout::kPictureTop,
                         layout::kPictureWidth, layout::kPictureHeight);
    picture->setAlignment(Qt::AlignCenter);
    picture->setCursor(Qt::PointingHandCursor);
    connect(picture, &HoverLabel::Click, this, [this, k] { imgClick(k); });
    img[static_cast<size_t>(k - 1)] = picture;
  }

  lbl_angielskie2 = TextLabel(this, "lbl_angielskie2", kForeignTop);
  lbl_polskie = TextLabel(this, "lbl_polskie", kPolishTop);

  SkinStrips& skins = services_.Skins;
  btn_play = SkinnedButton(this, "btn_play", skins, SkinIndex(CourseSkin::ComprehensionPlay),
                           kPlayLeft, kPlayTop);
  connect(btn_play, &SkinButton::Click, this, &ComprehensionWindow::btn_playClick);
  btn_next =
      SkinnedButton(this, "btn_next", skins, SkinIndex(CourseSkin::Next), kNextLeft, kNextTop);
  connect(btn_next, &SkinButton::Click, this, &ComprehensionWindow::btn_nextClick);
  btn_next->hide();
  lbl_koniec = SkinnedButton(this, "lbl_koniec", skins, SkinIndex(CourseSkin::Close), kExitLeft, 0);
  connect(lbl_koniec, &SkinButton::Click, this, &ComprehensionWindow::lbl_koniecClick);

  shape1 = new QLabel(this);
  shape1->setObjectName("shape1");
  shape2 = new QLabel(this);
  shape2->setObjectName("shape2");
  for (QLabel* mark : {shape1, shape2}) {
    mark->resize(layout::kMarkSize, layout::kMarkSize);
    // The marks must not take the click meant for the picture under them.
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->hide();
  }

  keys_ = new WindowKeys(*this, [this](int key) { return KeyPressed(key); });
}

ComprehensionWindow::~ComprehensionWindow() = default;

const std::string& ComprehensionWindow::ProgramDir() const {
  return services_.State.Install.ProgramDir;
}

bool ComprehensionWindow::ShowComprehension(int exerciseNumber) {
  if (open_) StopPlayer();
  const CourseCatalogue& catalogue = services_.Catalogue;
  const ComprehensionOpening opening =
      drill_.Open(exerciseNumber, catalogue.Comprehension, catalogue.Items);
  for (const std::string& message : opening.Messages) {
    services_.Messages.ShowMessage(ToUtf8(message, CodePage::Cp1250));
  }
  if (!opening.Opened()) return false;

  const CourseState& state = services_.State;
  lbl_polecenie->setText(UiText(state, comprehension_text::kInstruction));
  const QImage background = services_.Pictures.Load(drill_.DrawBackground(ProgramDir()));
  img_tlo->setPixmap(background.isNull() ? DrawnBackground() : QPixmap::fromImage(background));
  btn_play->setToolTip(UiText(state, comprehension_text::kPlayHint));
  btn_next->hide();
  lbl_angielskie2->hide();
  lbl_polskie->hide();
  LoadArtwork();
  // A conversation's playback mode must not act on the end of our sounds.
  services_.Sound.PlaybackMode.clear();
  open_ = true;
  show();
  raise();
  activateWindow();
  ShowItem();
  return true;
}

void ComprehensionWindow::LoadArtwork() {
  const auto load = [this](const char* name, bool right) {
    const QImage picture =
        services_.Pictures.Load(ProgramDir() + "gfx_r\\rozumienie\\" + name + ".bmp");
    return picture.isNull() ? DrawnMark(right) : TransparentPixmap(picture);
  };
  shape1->setPixmap(load("znak_dobrze", true));
  shape2->setPixmap(load("znak_zle", false));
}

void ComprehensionWindow::ShowItem() {
  shape1->hide();
  shape2->hide();
  lbl_angielskie2->hide();
  lbl_polskie->hide();
  const std::string& mediaDir = services_.State.Install.MediaDir;
  const auto exists = [](const std::string& path) { return FileExists(path); };
  for (int k = 1; k <= 3; ++k) {
    HoverLabel* picture = img[static_cast<size_t>(k - 1)];
    picture->setCursor(Qt::PointingHandCursor);
    const QImage loaded = services_.Pictures.Load(drill_.PicturePath(k, mediaDir, exists));
    picture->setPixmap(loaded.isNull() ? DrawnPicture(k) : TransparentPixmap(loaded));
  }
  const ComprehensionQuestion& question = drill_.Current();
  lbl_angielskie2->setText(ForeignText(services_.State, Trim(question.TextForeign)));
  lbl_polskie->setText(Decode(Trim(question.TextPolish), CodePage::Cp1250));

  SoundService& sound = services_.Sound;
  const std::string path = drill_.SoundPath(ProgramDir());
  if (FileExists(path)) {
    sound.PlayFileFromStart(path, false);
  } else {
    // Replay must not bring back the previous item's recording.
    StopPlayer();
    sound.Player().SetFileName(std::string());
    services_.Messages.Beep();
  }
}

void ComprehensionWindow::PlaceMark(QLabel* mark, const MarkPlace& place) {
  mark->move(place.Left, place.Top);
  mark->show();
  mark->raise();
}

void ComprehensionWindow::imgClick(int picture) {
  if (!open_ || pausing_) return;
  const PictureAnswer answer = drill_.Answer(picture);
  if (answer.What == PictureAnswer::Kind::Ignored) return;
  if (answer.WrongMarkShown) PlaceMark(shape2, answer.WrongMark);
  if (answer.RightMarkShown) PlaceMark(shape1, answer.RightMark);
  if (answer.What == PictureAnswer::Kind::Wrong) {
    QPointer<ComprehensionWindow> alive(this);
    PauseIgnoringInput(kWrongPauseMs);
    if (!alive || !open_) return;
    shape2->hide();
  }
  for (HoverLabel* each : img) each->setCursor(Qt::ArrowCursor);
  if (answer.TextsShown) {
    lbl_angielskie2->show();
    lbl_polskie->show();
  }
  btn_next->show();
}

void ComprehensionWindow::PauseIgnoringInput(int ms) {
  pausing_ = true;
  {
    InputBlocker blocker;
    services_.Sound.WaitWithEvents(static_cast<std::uint32_t>(ms));
  }
  pausing_ = false;
}

void ComprehensionWindow::btn_playClick() {
  if (!open_) return;
  const std::string name = services_.Sound.Player().FileName();
  if (!name.empty()) services_.Sound.PlaySoundFile(name, false);
}

void ComprehensionWindow::btn_nextClick() {
  if (!open_ || pausing_) return;
  if (drill_.Next()) {
    close();
    return;
  }
  btn_next->hide();
  ShowItem();
}

void ComprehensionWindow::lbl_koniecClick() {
  StopPlayer();
  close();
}

void ComprehensionWindow::StopPlayer() {
  SoundService& sound = services_.Sound;
  sound.StopPlayback();
  if (sound.Player().State() != PlayerState::NotReady) sound.Player().Close();
}

void ComprehensionWindow::Finish() {
  if (!open_) return;
  open_ = false;
  // A recording still playing when the last item is done ends with the window.
  StopPlayer();
  if (drill_.Attempted()) {
    const CourseState& state = services_.State;
    ResultsStore& results = services_.Results;
    RecordResult(results, drill_.Percent(), results.CurrentResultName, KindCode::Comprehension, 0,
                 drill_.Finished() ? 1 : 0,
                 RecordContext{services_.Time.Now(), state.RunMode, services_.Reporter});
    SaveUserResults(state, results, services_.Messages);
  }
  if (services_.ShowResultScreen) services_.ShowResultScreen(drill_.Figures(), false);
  img_tlo->clear();
  for (HoverLabel* picture : img) picture->clear();
}

void ComprehensionWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  const bool wasOpen = open_;
  Finish();
  if (wasOpen && services_.Closed) services_.Closed();
}

bool ComprehensionWindow::KeyPressed(int key) {
  if (key != Qt::Key_F1) return false;
  if (services_.ShowHelpPage) services_.ShowHelpPage(ProgramDir() + kComprehensionHelpPage);
  return true;
}

}  // namespace tess
