#include "drills/SentencesWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/Equivalences.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "drills/AnswerWindow.h"
#include "exercises/MistakeLine.h"
#include "media/SoundService.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "results/UserResults.h"
#include "shared/CodePage.h"
#include "shared/Text.h"
#include "widgets/ForeignLetterEdit.h"
#include "widgets/PaintBox.h"
#include "widgets/KeyboardHold.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"

namespace tess {
namespace {

namespace text = sentence_text;

constexpr int kStripLeft = 700;
constexpr int kTabLeft = 701;
constexpr int kTabTop = 66;
constexpr int kTabStep = 25;
constexpr QRect kInfo{32, 20, 601, 60};
constexpr QRect kArea{36, 152, 601, 121};
constexpr QRect kMemo{32, 124, 601, 32};
constexpr QRect kAnswer{32, 124, 601, 105};
// Right under the answer line, above the check button.
constexpr QRect kMistake{32, 232, 601, 24};
constexpr int kCheckLeft = 300;
constexpr int kCheckTop = 300;
constexpr int kPlayLeft = 722;
constexpr int kPlayTop = 150;
constexpr int kRecordLeft = 724;
constexpr int kRecordTop = 215;
constexpr int kCompareLeft = 734;
constexpr int kCompareTop = 290;
// Right of the marks the strip's picture draws for each figure.
constexpr int kStatLeft = 738;
constexpr int kStatTop = 360;
constexpr int kStatStep = 40;
constexpr int kBackgrounds = 5;
constexpr int kExtraLetters = 25;
// Where the dragged word and the insertion mark stand relative to the mouse and the word.
constexpr QPoint kDragOffset{13, 10};
constexpr QPoint kMarkOffset{-9, -1};
constexpr QPoint kMarkPressOffset{6, 2};
constexpr int kMarkWidth = 9;
constexpr int kMarkHeight = 22;
const QColor kPickedGrey{128, 128, 128};

QPixmap DrawnMark() {
  QPixmap picture(kMarkWidth, kMarkHeight);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::kCoral);
  painter.drawRect(3, 0, 3, kMarkHeight);
  painter.drawPolygon(QPolygon({{0, 0}, {9, 0}, {4, 4}}));
  painter.drawPolygon(QPolygon({{0, kMarkHeight}, {9, kMarkHeight}, {4, kMarkHeight - 4}}));
  return picture;
}

QPixmap DrawnRecordButton(QColor ring, QColor dot) {
  QPixmap picture(51, 62);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette::kNavy, 2));
  painter.setBrush(ring);
  painter.drawEllipse(QRectF(3, 8, 45, 45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(dot);
  painter.drawEllipse(QRectF(16, 21, 19, 19));
  return picture;
}

QPixmap DrawnTab(const QString& caption, bool selected) {
  QPixmap picture(96, 24);
  picture.fill(selected ? palette::kTeal : palette::kNavyPanel);
  QPainter painter(&picture);
  painter.setPen(palette::kWhite);
  painter.setFont(PointFont("Arial", 9, true));
  painter.drawText(picture.rect(), Qt::AlignCenter, caption);
  return picture;
}

QPixmap DrawnPicture(QSize size, QColor colour) {
  QPixmap picture(size);
  picture.fill(colour);
  return picture;
}

}  // namespace

QPoint RelayLabel::InWindow(QPointF local) const { return mapTo(window(), local.toPoint()); }

void RelayLabel::mousePressEvent(QMouseEvent* event) {
  if (Pressed) Pressed(event->button(), InWindow(event->position()));
  event->accept();
}

void RelayLabel::mouseMoveEvent(QMouseEvent* event) {
  if (Moved) Moved(InWindow(event->position()));
  event->accept();
}

void RelayLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (Released) Released(event->button(), InWindow(event->position()));
  event->accept();
}

void RelayLabel::enterEvent(QEnterEvent* event) {
  if (Entered) Entered();
  QLabel::enterEvent(event);
}

void RelayLabel::leaveEvent(QEvent* event) {
  if (Left) Left();
  QLabel::leaveEvent(event);
}

SentencesWindow::SentencesWindow(SentencesServices services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      services_(std::move(services)),
      puzzleFont_(PointFont("Arial", 14)),
      measurer_(puzzleFont_, CodePage::Cp1250),
      drill_(services_.Random) {
  setObjectName("TZdaniaForm");
  setFixedSize(800, 600);
  setWindowTitle(CourseText(services_.State.Install.CourseTitle));
  setAttribute(Qt::WA_StaticContents);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  img_tlo = new QLabel(this);
  img_tlo->setObjectName("img_tlo");
  img_tlo->setGeometry(0, 0, kStripLeft, 600);
  img_tlo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_tlo->setCursor(Qt::PointingHandCursor);
  img_tlo->installEventFilter(this);
  img_panel = new QLabel(this);
  img_panel->setObjectName("img_panel");
  img_panel->setGeometry(kStripLeft, 0, 800 - kStripLeft, 600);
  img_panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lbl_info = new QLabel(this);
  lbl_info->setObjectName("lbl_info");
  lbl_info->setGeometry(kInfo);
  lbl_info->setWordWrap(true);
  lbl_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_info->setFont(PointFont("Arial", 12, true));
  lbl_info->setCursor(Qt::PointingHandCursor);
  lbl_info->installEventFilter(this);
  // After the check it shows the last wrong answer again, as F5 does.
  lbl_info->setAccessibleDescription(QStringLiteral("Klawisz F5"));
  ExposeButton(*lbl_info, [this] {
    if (drill_.Checked()) ShowLastWrongAnswer();
  });

  pb_tresc = new PaintBox(this);
  pb_tresc->setObjectName("pb_tresc");
  pb_tresc->setGeometry(kArea);
  pb_tresc->setMouseTracking(true);
  pb_tresc->Paint = [this](QPainter& painter) { PaintPuzzle(painter); };
  pb_tresc->MouseDown = [this](QPoint at) { AreaDown(at); };
  pb_tresc->MouseMove = [this](QPoint at) { AreaMove(at); };
  pb_tresc->setFocusPolicy(Qt::TabFocus);
  pb_tresc->installEventFilter(this);
  ExposeRows(*pb_tresc, RowsOf([this] { return PuzzleRows(); }));

  Memo2 = new QLineEdit(this);
  Memo2->setObjectName("Memo2");
  Memo2->setGeometry(kMemo);
  Memo2->setFont(PointFont("Arial", 14));
  Memo2->installEventFilter(this);

  lbl_odp = new QLabel(this);
  lbl_odp->setObjectName("lbl_odp");
  lbl_odp->setGeometry(kAnswer);
  lbl_odp->setWordWrap(true);
  lbl_odp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_odp->installEventFilter(this);  // a double-clicked word is looked up
  lbl_odp->setFont(PointFont("Arial", 14, true));
  lbl_odp->setStyleSheet(
      palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));

  lbl_blad = new QLabel(this);
  lbl_blad->setObjectName("lbl_blad");
  lbl_blad->setGeometry(kMistake);
  lbl_blad->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_blad->setFont(PointFont("Arial", 11));
  lbl_blad->setStyleSheet(
      QStringLiteral("color: %1; background: transparent;").arg(palette::kVerdictRed.name()));
  lbl_blad->hide();

  SkinStrips& skins = services_.Skins;
  btn_sprawdz = SkinnedButton(this, "btn_sprawdz", skins, SkinIndex(CourseSkin::SentenceCheck),
                              kCheckLeft, kCheckTop);
  btn_sprawdz->setCursor(Qt::PointingHandCursor);
  connect(btn_sprawdz, &SkinButton::Click, this, &SentencesWindow::btn_sprawdzClick);

  Shape2 = new RelayLabel(this);
  Shape2->setObjectName("Shape2");
  Shape2->setMouseTracking(true);
  Shape2->setCursor(Qt::PointingHandCursor);
  Shape2->setStyleSheet(palette::Styled(
      QStringLiteral("#Shape2 { border: 2px solid {coral}; background: transparent; }")));
  Shape2->Pressed = [this](Qt::MouseButton button, QPoint at) { FramePressed(button, at); };
  Shape2->Moved = [this](QPoint at) {
    if (dragging_) {
      DragMoved(at);
    } else {
      AreaMove(at - pb_tresc->pos());
    }
  };
  Shape2->Released = [this](Qt::MouseButton, QPoint at) {
    if (dragging_) DragReleased(at);
  };
  Shape2->hide();

  shape1 = new RelayLabel(this);
  shape1->setObjectName("shape1");
  shape1->setMouseTracking(true);
  shape1->setPixmap(DrawnMark());
  shape1->resize(kMarkWidth, kMarkHeight);
  shape1->setCursor(Qt::PointingHandCursor);
  shape1->Pressed = [this](Qt::MouseButton button, QPoint at) {
    if (button == Qt::LeftButton) MarkPressed(at);
  };
  shape1->hide();

  MLabel1 = new RelayLabel(this);
  MLabel1->setObjectName("MLabel1");
  MLabel1->setFont(puzzleFont_);
  MLabel1->setCursor(Qt::PointingHandCursor);
  MLabel1->setStyleSheet(
      palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));
  MLabel1->Moved = [this](QPoint at) {
    if (dragging_) DragMoved(at);
  };
  MLabel1->Released = [this](Qt::MouseButton, QPoint at) {
    if (dragging_) DragReleased(at);
  };
  MLabel1->hide();

  Image1 = new HoverLabel(this);
  Image1->setObjectName("Image1");
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->SetRole(ControlRole::PageTab);
  connect(Image1, &HoverLabel::Click, this, [this] { ImageClick(kPuzzleTab); });
  Image2 = new HoverLabel(this);
  Image2->setObjectName("Image2");
  Image2->setCursor(Qt::PointingHandCursor);
  Image2->SetRole(ControlRole::PageTab);
  connect(Image2, &HoverLabel::Click, this, [this] { ImageClick(kDictationTab); });

  btn_play =
      SkinnedButton(this, "btn_play", skins, SkinIndex(CourseSkin::Play), kPlayLeft, kPlayTop);
  btn_play->setCursor(Qt::PointingHandCursor);
  connect(btn_play, &SkinButton::Click, this, &SentencesWindow::btn_playClick);

  K_Nagraj = new RelayLabel(this);
  K_Nagraj->setObjectName("K_Nagraj");
  K_Nagraj->setGeometry(kRecordLeft, kRecordTop, 51, 62);
  K_Nagraj->setCursor(Qt::PointingHandCursor);
  K_Nagraj->Pressed = [this](Qt::MouseButton button, QPoint) {
    if (button == Qt::LeftButton) K_NagrajDown();
  };
  K_Nagraj->Released = [this](Qt::MouseButton button, QPoint) {
    K_NagrajUp(button == Qt::LeftButton);
  };
  // Held down while recording: a button without a press; its hint names it.
  ExposeButton(*K_Nagraj);
  HoldWithSpace(*K_Nagraj, [this] { K_NagrajDown(); }, [this] { K_NagrajUp(true); });
  K_Nagraj->Entered = [this] { K_Nagraj->setPixmap(recordHover_); };
  K_Nagraj->Left = [this] { K_Nagraj->setPixmap(recordNormal_); };

  k_play_nagrane = SkinnedButton(this, "k_play_nagrane", skins, SkinIndex(CourseSkin::SpeakerSmall),
                                 kCompareLeft, kCompareTop);
  k_play_nagrane->setCursor(Qt::PointingHandCursor);
  k_play_nagrane->setToolTip(CourseText("Por\xF3wnaj nagrania"));
  connect(k_play_nagrane, &SkinButton::Click, this, &SentencesWindow::k_play_nagraneClick);
  k_play_nagrane->hide();

  QFont statFont = PointFont("Arial", 12, true);
  for (int i = 0; i < 4; ++i) {
    QLabel* stat = new QLabel(QStringLiteral("0"), this);
    stat->setObjectName(QStringLiteral("L_Stat%1").arg(i + 1));
    stat->setFont(statFont);
    stat->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stat->setStyleSheet(
        palette::Styled(QStringLiteral("color: {white}; background: transparent;")));
    stat->setGeometry(kStatLeft, kStatTop + i * kStatStep, 56, 24);
    L_Stat[static_cast<size_t>(i)] = stat;
  }

  btn_exit = SkinnedButton(this, "btn_exit", skins, SkinIndex(CourseSkin::Close), 775, 0);
  btn_exit->setCursor(Qt::PointingHandCursor);
  connect(btn_exit, &SkinButton::Click, this, &SentencesWindow::btn_exitClick);

  Answer = new AnswerWindow(AnswerWindowServices{services_.State, services_.Skins,
                                                 services_.Pictures, services_.ShowHelpPage},
                            this);

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(kRecordingLimitMs);
  connect(timer_, &QTimer::timeout, this, [this] { K_NagrajUp(true); });

  LoadArtwork();
  K_Nagraj->setPixmap(recordNormal_);
}

SentencesWindow::~SentencesWindow() = default;

const std::string& SentencesWindow::ProgramDir() const {
  return services_.State.Install.ProgramDir;
}

bool SentencesWindow::DragDropOn() const { return services_.State.Options.SentenceDragDrop; }

void SentencesWindow::ShowText(int n) {
  services_.Messages.ShowMessage(UiText(services_.State, n).toStdString());
}

void SentencesWindow::LoadArtwork() {
  const auto load = [this](const char* name, QPixmap fallback) {
    const QImage picture = services_.Pictures.Load(ProgramDir() + "gfx_r\\zdania\\" + name);
    return picture.isNull() ? fallback : TransparentPixmap(picture);
  };
  recordNormal_ = load("k_nag_a.bmp", DrawnRecordButton(palette::kSand, palette::kCoral));
  recordPressed_ = load("k_nag_b.bmp", DrawnRecordButton(palette::kCoral, palette::kWhite));
  recordHover_ = load("k_nag_c.bmp", DrawnRecordButton(palette::kTealPale, palette::kCoral));
}

void SentencesWindow::ShowPackage(int packageNumber) {
  packageNumber_ = packageNumber;
  open_ = true;
  // Installed after the window's own filter, so the letters are seen first (filters run
  // last-in first); made here because the course language is known only once it is read.
  const int language = services_.State.Install.CourseLanguage;
  measurer_.SetCodePage(ForeignCodePage(services_.State));
  if (letters_ == nullptr || lettersLanguage_ != language) {
    delete letters_;
    letters_ = new ForeignLetterEdit(*Memo2, language, ForeignCodePage(services_.State));
    letters_->LetterChosen = [this] { drill_.Touch(); };
    lettersLanguage_ = language;
  }
  OpenSentencePackage(kPuzzleKind);
  // FormShow: hints, timer, pictures.
  const CourseState& state = services_.State;
  const auto hint = [&state](QWidget* widget, int n) { widget->setToolTip(UiText(state, n)); };
  hint(btn_play, text::kHintPlay);
  hint(K_Nagraj, text::kHintRecord);
  hint(k_play_nagrane, text::kHintCompare);
  hint(Image1, text::kHintPuzzleTab);
  hint(Image2, text::kHintDictationTab);
  timer_->stop();
  backgroundNumber_ = services_.Random.Between(1, 4);
  LoadBackground();
  const QImage strip = services_.Pictures.Load(ProgramDir() + "gfx_r\\pod_pasek.bmp");
  img_panel->setPixmap(strip.isNull() ? DrawnPicture({100, 600}, palette::kNavy)
                                      : QPixmap::fromImage(strip));
  show();
  raise();
  activateWindow();
  if (Memo2->isVisible()) Memo2->setFocus();
}

void SentencesWindow::OpenSentencePackage(int kind) {
  drill_.Open(SentenceDrill::PackageMembers(services_.Sentences, packageNumber_));
  ImageClick(kind == kDictationKind ? kDictationTab : kPuzzleTab);
}

void SentencesWindow::LoadBackground() {
  const QImage picture =
      services_.Pictures.Load(services_.State.Install.MediaDir + "Zdania\\Zdania" +
                              std::to_string(backgroundNumber_) + ".jpg");
  img_tlo->setPixmap(picture.isNull() ? DrawnPicture({kStripLeft, 600}, palette::kSand)
                                      : QPixmap::fromImage(picture));
}

void SentencesWindow::NextBackground() {
  backgroundNumber_ = backgroundNumber_ >= kBackgrounds ? 1 : backgroundNumber_ + 1;
  LoadBackground();
}

void SentencesWindow::ShowTabs() {
  const int current = drill_.Mode() == sentence_mode::kPuzzle ? kPuzzleTab : kDictationTab;
  const std::array<HoverLabel*, 2> tabs = {Image1, Image2};
  for (int tag = 1; tag <= 2; ++tag) {
    const bool selected = tag == current;
    const QImage picture = services_.Pictures.Load(
        ProgramDir() + "but_r\\zakl\\dial_" + std::to_string(tag) + (selected ? "a" : "") + ".bmp");
    const QString caption =
        tag == kPuzzleTab ? QStringLiteral("Puzzle") : QStringLiteral("Dyktando");
    const QPixmap shown =
        picture.isNull() ? DrawnTab(caption, selected) : TransparentPixmap(picture);
    HoverLabel* tab = tabs[static_cast<size_t>(tag - 1)];
    tab->SetChecked(selected);
    tab->setPixmap(shown);
    tab->resize(LogicalSize(shown));
    tab->move(kTabLeft, kTabTop + (tag - 1) * kTabStep);
    tab->show();
  }
}

void SentencesWindow::ImageClick(int tag) {
  const int mode = tag == kDictationTab ? sentence_mode::kDictation : sentence_mode::kPuzzle;
  const SentenceModeChange change = drill_.ChangeMode(mode);
  if (!change.Changed) return;
  RecordMode(change.Left);
  ShowTabs();
  ShowTally();
  EnterSentence();
}

void SentencesWindow::EnterSentence() {
  timer_->stop();
  recordingDone_ = false;
  selectedWord_ = 0;
  framedWord_ = 0;
  dragging_ = false;
  k_play_nagrane->hide();
  lbl_odp->hide();
  lbl_blad->hide();
  HideMarks();
  if (!drill_.HasSentence()) {
    pb_tresc->hide();
    Memo2->hide();
    btn_sprawdz->hide();
    return;
  }
  btn_sprawdz->show();
  if (drill_.Mode() == sentence_mode::kDictation) {
    pb_tresc->hide();
    SetInfo(text::kDictationInstruction, false);
    Memo2->clear();
    Memo2->setMaxLength(static_cast<int>(drill_.Current().Variants[0].size()) + kExtraLetters);
    Memo2->show();
    if (isVisible()) Memo2->setFocus();
  } else {
    SetInfo(text::kPuzzleInstruction, false);
    Memo2->hide();
    pb_tresc->show();
    RefreshPuzzle();
  }
  PlaySentence();
}

void SentencesWindow::SetInfo(int n, bool red) {
  lbl_info->setText(UiText(services_.State, n));
  lbl_info->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                              .arg(red ? palette::kVerdictRed.name() : QStringLiteral("black")));
}

void SentencesWindow::ShowTally() {
  const SentenceTally tally = drill_.Tally();
  L_Stat[0]->setText(QString::number(tally.Right));
  L_Stat[1]->setText(QString::number(tally.Wrong));
  L_Stat[2]->setText(QString::number(tally.ShownPercent));
  L_Stat[3]->setText(QString::number(tally.Remaining));
}

void SentencesWindow::RefreshPuzzle() {
  drill_.Puzzle().Layout(measurer_, pb_tresc->width(), QFontMetrics(puzzleFont_).height());
  pb_tresc->update();
}

void SentencesWindow::PaintPuzzle(QPainter& painter) {
  const SentencePuzzle& puzzle = drill_.Puzzle();
  painter.setFont(puzzleFont_);
  const int ascent = QFontMetrics(puzzleFont_).ascent();
  const int count = std::min(puzzle.Count(), static_cast<int>(puzzle.Boxes().size()));
  for (int i = 1; i <= count; ++i) {
    const WordBox& box = puzzle.Box(i);
    painter.setPen(i == selectedWord_ ? kPickedGrey : QColor(Qt::black));
    painter.drawText(box.Left, box.Top + ascent,
                     ForeignText(services_.State, puzzle.Word(i) + "  "));
  }
  RowsChanged(*pb_tresc);
}

std::vector<PaintedRow> SentencesWindow::PuzzleRows() const {
  std::vector<PaintedRow> rows;
  if (drill_.Mode() != sentence_mode::kPuzzle || !drill_.HasSentence()) return rows;
  const SentencePuzzle& puzzle = drill_.Puzzle();
  const int count = std::min(puzzle.Count(), static_cast<int>(puzzle.Boxes().size()));
  for (int i = 1; i <= count; ++i) {
    const WordBox& box = puzzle.Box(i);
    // The picked word is the selected one.
    rows.push_back({RowRole::ListItem, ForeignText(services_.State, puzzle.Word(i)),
                    QRect(box.Left, box.Top, box.Width, box.Height), false, i == selectedWord_});
  }
  return rows;
}

void SentencesWindow::HideMarks() {
  MLabel1->hide();
  shape1->hide();
  Shape2->hide();
}

void SentencesWindow::AreaMove(QPoint at) {
  if (ignoreMove_) {
    ignoreMove_ = false;
    return;
  }
  if (drill_.Mode() != sentence_mode::kPuzzle || lbl_odp->isVisible()) return;
  const SentencePuzzle& puzzle = drill_.Puzzle();
  if (DragDropOn() || selectedWord_ == 0) {
    const int word = puzzle.WordAt(at.x(), at.y());
    if (word != 0 && puzzle.Pickable(word)) {
      FrameWord(word);
      pb_tresc->setCursor(Qt::PointingHandCursor);
    } else {
      framedWord_ = 0;
      Shape2->hide();
      pb_tresc->setCursor(Qt::ArrowCursor);
    }
    return;
  }
  MarkBefore(at);
}

void SentencesWindow::MarkBefore(QPoint areaPoint) {
  const SentencePuzzle& puzzle = drill_.Puzzle();
  const int word = puzzle.WordAt(areaPoint.x(), areaPoint.y());
  if (word == 0) {
    shape1->hide();
    return;
  }
  const WordBox& box = puzzle.Box(word);
  shape1->move(pb_tresc->pos() + QPoint(box.Left, box.Top) + kMarkOffset);
  shape1->show();
  shape1->raise();
}

void SentencesWindow::FramePressed(Qt::MouseButton button, QPoint windowPoint) {
  drill_.Touch();
  if (button != Qt::LeftButton || framedWord_ == 0) return;
  Shape2->hide();
  selectedWord_ = framedWord_;
  MLabel1->setText(ForeignText(services_.State, drill_.Puzzle().Word(selectedWord_)));
  MLabel1->adjustSize();
  if (DragDropOn()) {
    dragging_ = true;
    MLabel1->show();
    MLabel1->raise();
    DragMoved(windowPoint);
    // The press went to the frame, which is hidden now, so the rest of the drag is taken
    // from the whole application rather than from a grab the system may not honour.
    qApp->installEventFilter(this);
  } else {
    pb_tresc->update();
  }
}

void SentencesWindow::DragMoved(QPoint windowPoint) {
  MLabel1->move(windowPoint + kDragOffset);
  MarkBefore(windowPoint - pb_tresc->pos());
}

void SentencesWindow::DragReleased(QPoint windowPoint) {
  EndDrag();
  ignoreMove_ = true;
  MoveWordTo(windowPoint - pb_tresc->pos());
}

void SentencesWindow::AreaDown(QPoint at) {
  if (DragDropOn() || selectedWord_ == 0) return;
  if (drill_.Puzzle().WordAt(at.x(), at.y()) == 0) return;
  MoveWordTo(at);
}

void SentencesWindow::MarkPressed(QPoint windowPoint) {
  if (DragDropOn() || selectedWord_ == 0) return;
  MoveWordTo(windowPoint + kMarkPressOffset - pb_tresc->pos());
}

void SentencesWindow::MoveWordTo(QPoint areaPoint) {
  SentencePuzzle& puzzle = drill_.Puzzle();
  puzzle.Move(selectedWord_, puzzle.WordAt(areaPoint.x(), areaPoint.y()));
  selectedWord_ = 0;
  framedWord_ = 0;
  HideMarks();
  RefreshPuzzle();
}

void SentencesWindow::FrameKeyWord() {
  const SentencePuzzle& puzzle = drill_.Puzzle();
  const int count = std::min(puzzle.Count(), static_cast<int>(puzzle.Boxes().size()));
  if (keyWord_ < 1 || keyWord_ > count || !puzzle.Pickable(keyWord_)) {
    keyWord_ = 0;
    for (int n = 1; n <= count && keyWord_ == 0; ++n) {
      if (puzzle.Pickable(n)) keyWord_ = n;
    }
  }
  if (keyWord_ == 0) return;
  FrameWord(keyWord_);
}

void SentencesWindow::FrameWord(int word) {
  const WordBox& box = drill_.Puzzle().Box(word);
  framedWord_ = word;
  Shape2->setGeometry(pb_tresc->x() + box.Left - 3, pb_tresc->y() + box.Top, box.Width + 5,
                      box.Height + 2);
  Shape2->show();
  Shape2->raise();
}

bool SentencesWindow::PuzzleKey(const QKeyEvent& key) {
  if (drill_.Mode() != sentence_mode::kPuzzle || lbl_odp->isVisible() || dragging_) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const SentencePuzzle& puzzle = drill_.Puzzle();
  const int count = std::min(puzzle.Count(), static_cast<int>(puzzle.Boxes().size()));
  if (count == 0) return false;
  if (keyDrag_.Carried() != 0 && selectedWord_ != keyDrag_.Carried()) {
    // The mouse dropped or moved the pick meanwhile.
    keyDrag_.Press(keyBoard_, keyDrag_.Carried(), DragKey::Cancel, 0);
  }
  const bool carrying = keyDrag_.Carried() != 0;
  std::optional<DragKey> drag;
  switch (key.key()) {
    case Qt::Key_Space:
      drag = DragKey::Take;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Otherwise Enter stays the window's check.
      if (carrying) drag = DragKey::Take;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      drag = DragKey::Next;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      drag = DragKey::Previous;
      break;
    case Qt::Key_Escape:
      if (carrying) drag = DragKey::Cancel;
      break;
    default:
      break;
  }
  if (!drag) return false;
  if (!carrying && *drag != DragKey::Take) {
    // From word to word; the blank slot is passed over.
    const int step = *drag == DragKey::Next ? 1 : -1;
    int n = keyWord_;
    for (int tries = 0; tries < count; ++tries) {
      n = n + step < 1 ? count : (n + step > count ? 1 : n + step);
      if (puzzle.Pickable(n)) break;
    }
    keyWord_ = n;
    FrameKeyWord();
    return true;
  }
  if (!carrying) {
    FrameKeyWord();
    if (keyWord_ == 0) return true;
    keyBoard_.Reset(count);
  }
  const int picked = carrying ? keyDrag_.Carried() : keyWord_;
  const KeyDragStep step = keyDrag_.Press(keyBoard_, picked, *drag, count, picked - 1);
  const auto markBefore = [this, &puzzle](int n) {
    const WordBox& box = puzzle.Box(n);
    MarkBefore({box.Left + box.Width / 2, box.Top + box.Height / 2});
  };
  switch (step.What) {
    case KeyDragStep::Kind::Lifted:
      // Picked as a click on the framed word picks it.
      drill_.Touch();
      Shape2->hide();
      selectedWord_ = picked;
      pb_tresc->update();
      markBefore(step.Place + 1);
      break;
    case KeyDragStep::Kind::Aimed:
      markBefore(step.Place + 1);
      break;
    case KeyDragStep::Kind::Put: {
      const int target = step.Place + 1;
      const WordBox& box = puzzle.Box(target);
      MoveWordTo({box.Left + box.Width / 2, box.Top + box.Height / 2});
      // The keys stay on the word moved, wherever it went.
      const bool stays = target == picked || target == picked + 1;
      keyWord_ = stays ? picked : (picked < target ? target - 1 : target);
      FrameKeyWord();
      break;
    }
    case KeyDragStep::Kind::Cancelled:
      DropPick();
      FrameKeyWord();
      break;
    case KeyDragStep::Kind::None:
      break;
  }
  return true;
}

void SentencesWindow::DropPick() {
  if (selectedWord_ == 0) return;
  selectedWord_ = 0;
  HideMarks();
  pb_tresc->update();
}

void SentencesWindow::btn_sprawdzClick() {
  if (!drill_.HasSentence()) return;
  drill_.Touch();
  if (drill_.Checked()) {
    MoveOn();
    return;
  }
  SentenceVerdict verdict;
  const CourseState& state = services_.State;
  if (drill_.Mode() == sentence_mode::kDictation) {
    const DictationOptions options{state.Options.CaseSensitive, state.Options.KeepPunctuation,
                                   state.Install.CourseLanguage};
    verdict = drill_.CheckDictation(Encode(Memo2->text(), ForeignCodePage(services_.State)),
                                    options, services_.Equivalences);
    Memo2->hide();
  } else {
    EndDrag();
    selectedWord_ = 0;
    HideMarks();
    verdict = drill_.CheckPuzzle();
    pb_tresc->hide();
  }
  lbl_odp->setText(ForeignText(services_.State, verdict.Answer));
  lbl_odp->show();
  lbl_blad->setText(MistakeLine(verdict.Why, ForeignCodePage(state)));
  lbl_blad->setVisible(!lbl_blad->text().isEmpty());
  SetInfo(verdict.InfoText, !verdict.Right);
  ShowTally();
  if (!verdict.Right && services_.State.Options.SentenceHintPending) {
    // Only for this run: the settings file keeps the hint for the next one.
    services_.State.Options.SentenceHintPending = false;
    ShowText(text::kFirstWrongHint);
  }
}

void SentencesWindow::MoveOn() {
  if (drill_.MoveOn()) {
    EnterSentence();
    return;
  }
  btn_sprawdz->hide();
  if (!services_.ShowResultScreen) return;
  const SentenceTally tally = drill_.Tally();
  ResultFigures figures;
  figures.Lines[0] = std::to_string(tally.Right);
  figures.Lines[1] = std::to_string(tally.Wrong);
  figures.Lines[2] = std::to_string(tally.ShownPercent);
  QPointer<SentencesWindow> alive(this);
  const int tag = services_.ShowResultScreen(figures, true);
  if (alive && tag == 1) close();
}

void SentencesWindow::btn_exitClick() {
  if (!drill_.Attempted() || !services_.ShowResultScreen) {
    close();
    return;
  }
  const SentenceTally tally = drill_.Tally();
  ResultFigures figures;
  figures.Lines[0] = std::to_string(tally.Right);
  figures.Lines[1] = std::to_string(tally.Wrong);
  figures.Lines[2] = std::to_string(tally.ShownPercent);
  figures.Lines[3] = std::to_string(drill_.Size());
  QPointer<SentencesWindow> alive(this);
  const int tag = services_.ShowResultScreen(figures, true);
  if (!alive || tag != 1) return;
  btn_sprawdz->hide();
  close();
}

void SentencesWindow::PlaySentence() {
  if (!drill_.HasSentence()) return;
  services_.Sound.PlaySoundFile(services_.State.Install.RecordingsDir + drill_.Current().SoundName,
                                false);
}

void SentencesWindow::btn_playClick() { PlaySentence(); }

void SentencesWindow::K_NagrajDown() {
  K_Nagraj->setPixmap(recordPressed_);
  recordingDone_ = false;
  services_.Sound.StopPlayback();
  services_.Sound.Player().Close();
  timer_->start();
  recording_ = true;
  services_.Sound.StartSentenceRecording();
}

void SentencesWindow::K_NagrajUp(bool leftButton) {
  timer_->stop();
  // A release after the time limit ended the recording, or one without a press, does nothing.
  if (recordingDone_ || !leftButton || !recording_) return;
  recording_ = false;
  SoundService& sound = services_.Sound;
  sound.StopSentenceRecording();
  K_Nagraj->setPixmap(recordNormal_);
  const std::int64_t length = sound.RecordingLengthMs(sound.DataDir() + "tmp1.wav");
  recordingDone_ = SoundService::SentenceRecordingAccepted(length);
  if (recordingDone_) {
    k_play_nagrane->show();
  } else {
    QPointer<SentencesWindow> alive(this);
    ShowText(text::kRecordingTooShort);
    if (!alive) return;
  }
  k_play_nagraneClick();
}

void SentencesWindow::k_play_nagraneClick() {
  if (!drill_.HasSentence()) return;
  QPointer<SentencesWindow> alive(this);
  services_.Sound.PlaySoundFile(services_.Sound.DataDir() + "tmp1.wav", true);
  if (!alive) return;
  PlaySentence();
}

void SentencesWindow::ShowLastWrongAnswer() {
  const std::string answer = Trim(drill_.LastWrongAnswer());
  if (answer.empty()) return;
  Answer->ShowAnswer(answer);
}

void SentencesWindow::RecordMode(const std::optional<SentenceResult>& result) {
  const CourseState& state = services_.State;
  ResultsStore& results = services_.Results;
  if (result) {
    RecordResult(results, result->Percent, results.CurrentResultName, result->Kind, 0,
                 result->Finished ? 1 : 0,
                 RecordContext{services_.Time.Now(), state.RunMode, services_.Reporter});
  }
  SaveUserResults(state, results, services_.Messages);
}

void SentencesWindow::StopPlayer() {
  SoundService& sound = services_.Sound;
  if (sound.Player().State() == PlayerState::Playing) sound.StopPlayback();
  if (sound.Player().State() != PlayerState::NotReady) sound.Player().Close();
}

void SentencesWindow::Finish() {
  if (!open_) return;
  open_ = false;
  timer_->stop();
  EndDrag();
  if (recording_) {
    recording_ = false;
    services_.Sound.StopSentenceRecording();
    K_Nagraj->setPixmap(recordNormal_);
  }
  StopPlayer();
  Answer->hide();
  RecordMode(drill_.Result());
  img_tlo->clear();
  img_panel->clear();
}

void SentencesWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  const bool wasOpen = open_;
  Finish();
  if (wasOpen && services_.Closed) services_.Closed();
}

bool SentencesWindow::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
  if ((modifiers & Qt::ControlModifier) && key == Qt::Key_W) {
    PlaySentence();
    return true;
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (btn_sprawdz->isVisible()) btn_sprawdzClick();
      return true;
    case Qt::Key_F1:
      if (services_.ShowHelpPage)
        services_.ShowHelpPage(ProgramDir() + "Htm_r\\" + kSentenceHelpAnchor);
      return true;
    case Qt::Key_F4:
      NextBackground();
      return true;
    case Qt::Key_F5:
      ShowLastWrongAnswer();
      return true;
    default:
      return false;
  }
}

void SentencesWindow::keyPressEvent(QKeyEvent* event) {
  if (!KeyPressed(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
}

void SentencesWindow::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  qApp->removeEventFilter(this);
}

bool SentencesWindow::eventFilter(QObject* watched, QEvent* event) {
  // Taken where they first arrive, at the window: the widget that had the press is hidden.
  if (dragging_ &&
      (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mapFromGlobal(mouse->globalPosition()).toPoint();
    if (event->type() == QEvent::MouseMove) {
      DragMoved(at);
    } else if (mouse->button() == Qt::LeftButton) {
      DragReleased(at);
    }
    return true;
  }
  if (watched == pb_tresc) {
    if (event->type() == QEvent::KeyPress && PuzzleKey(*static_cast<QKeyEvent*>(event))) {
      return true;
    }
    if (event->type() == QEvent::FocusIn && keyWord_ == 0) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) FrameKeyWord();
    }
    // A word carried by keys goes back when the focus leaves.
    if (event->type() == QEvent::FocusOut && keyDrag_.Carried() != 0) {
      keyDrag_.Press(keyBoard_, keyDrag_.Carried(), DragKey::Cancel, 0);
      DropPick();
    }
    return QWidget::eventFilter(watched, event);
  }
  if (watched == Memo2 && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    drill_.Touch();
    if (KeyPressed(key->key(), key->modifiers())) return true;
    // Ctrl with a character types nothing; the foreign letters were taken before this.
    if ((key->modifiers() & Qt::ControlModifier) && !key->text().isEmpty()) return true;
  } else if (watched == img_tlo && event->type() == QEvent::MouseButtonPress) {
    if (!DragDropOn()) DropPick();
    PlaySentence();
    return true;
  } else if (watched == lbl_odp && event->type() == QEvent::MouseButtonDblClick && LookUpWord) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QString word = LabelWordAt(*lbl_odp, mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && !word.isEmpty()) {
      LookUpWord(Encode(word, ForeignCodePage(services_.State)), mouse->globalPosition().toPoint());
      return true;
    }
  } else if (watched == lbl_info && event->type() == QEvent::MouseButtonPress) {
    if (drill_.Checked()) ShowLastWrongAnswer();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tess
