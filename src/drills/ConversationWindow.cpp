#include "drills/ConversationWindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPolygonF>
#include <algorithm>

#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "core/SpeechTempo.h"
#include "core/UiText.h"
#include "drills/OwnRecordings.h"
#include "exercises/DragLabels.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "results/ResultsStore.h"
#include "results/UserResults.h"
#include "shared/CodePage.h"
#include "widgets/ControlNames.h"
#include "widgets/PaintBox.h"
#include "widgets/KeyboardHold.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/SkinStrips.h"
#include "widgets/WindowKeys.h"

namespace tess {
namespace {

namespace text = conversation_text;
using conversation_mode::kDragDrop;

constexpr int kStripLeft = 700;
constexpr int kTabLeft = 701;
constexpr int kPlayLeft = 712;
constexpr int kPlayAllTop = 230;
constexpr int kPlayRoleTop = 290;
constexpr int kPlayRoleStep = 45;
constexpr int kInstructionTop = 30;
constexpr int kInstructionHeight = 22;
constexpr int kBoxLeft = 40;
constexpr int kBoxWidth = 652;
constexpr int kBoxLabelLeft = 44;
constexpr int kBoxLabelWidth = 646;
// The word panel lies under the text area, where the translation box would be.
constexpr int kPanelTop = TextArea::kTop + TextArea::kHeight + 2;
constexpr int kPanelHeight = 600 - kPanelTop - 2;
constexpr int kRecordingTailMs = 300;
constexpr int kLoopSignSize = 12;
// The pace button stands beside the help button, clear of the strip's play buttons.
constexpr QRect kTempoPlace{744, 559, 48, 24};
const QColor kPlayingBlue{0, 0, 255};

QFont TextFont() { return PointFont("Arial CE", 10); }

std::string Cp1250ToMessage(const std::string& text) {
  return Decode(text, CodePage::Cp1250).toStdString();
}

// Artwork the course may leave out is drawn here in the one look.
QPixmap DrawnSwitch(bool on) {
  QPixmap picture(30, 18);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(palette::kNavy);
  painter.setBrush(on ? palette::kCoral : palette::kTealPale);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 29, 17), 8, 8);
  painter.setBrush(on ? palette::kWhite : palette::kTeal);
  painter.drawEllipse(QPointF(on ? 21 : 9, 9), 5, 5);
  return picture;
}

QPixmap DrawnMark() {
  QPixmap picture(18, 18);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::kTeal);
  painter.drawEllipse(QRectF(0, 0, 18, 18));
  painter.setPen(palette::kWhite);
  QFont font = PointFont("Arial", 10, true);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
  return picture;
}

// Beside a looped phrase: a circling arrow in the colour of the phrase being played.
void PaintLoopSign(QPainter& painter, const QRect& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF ring = QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5);
  painter.setPen(QPen(kPlayingBlue, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(ring, 100 * 16, 290 * 16);
  // The arrow's head where the arc begins, at the top.
  const QPointF tip(ring.center().x() - 0.5, ring.top());
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPlayingBlue);
  painter.drawPolygon(
      QPolygonF({tip + QPointF(3.5, 0), tip + QPointF(-1, -3), tip + QPointF(-1, 3)}));
  painter.restore();
}

QPixmap DrawnBox(int height) {
  QPixmap picture(kBoxWidth, height);
  picture.fill(palette::kSand);
  QPainter painter(&picture);
  painter.setPen(palette::kNavy);
  painter.drawRect(0, 0, kBoxWidth - 1, height - 1);
  return picture;
}

}  // namespace

void PressLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Pressed) Pressed();
  event->accept();
}

void PressLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && Released) Released();
  event->accept();
}

ConversationWindow::ConversationWindow(ConversationServices services, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      services_(std::move(services)),
      textFont_(TextFont()),
      measurer_(textFont_, CodePage::Cp1250),
      session_(services_.Sound.PlaybackMode, services_.Random, measurer_) {
  setObjectName("TDialogi_Form");
  setFixedSize(800, 600);
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);

  img_tlo = new QLabel(this);
  img_tlo->setObjectName("img_tlo");
  img_tlo->setGeometry(0, 0, kStripLeft, 600);
  img_tlo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_tlo->setMouseTracking(true);
  img_tlo->installEventFilter(this);
  img_panel_right = new QLabel(this);
  img_panel_right->setObjectName("img_panel_right");
  img_panel_right->setGeometry(kStripLeft, 0, 800 - kStripLeft, 600);
  img_panel_right->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lbl_polecenie = new QLabel(this);
  lbl_polecenie->setObjectName("lbl_polecenie");
  lbl_polecenie->setFont(PointFont("Arial CE", 10, true));
  lbl_polecenie->setStyleSheet(
      palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));

  PaintBox1 = new PaintBox(this);
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setMouseTracking(true);
  PaintBox1->Paint = [this](QPainter& painter) { PaintText(painter); };
  PaintBox1->MouseDown = [this](QPoint at) { TextDown(at); };
  ExposeRows(*PaintBox1, RowsOf([this] { return PhraseRows(); },
                                [this](int row) {
                                  // A press plays the phrase, as a click on it does.
                                  const QRect hit = PhraseRows()[static_cast<size_t>(row)].Bounds;
                                  if (hit.isValid()) TextDown(hit.center());
                                }));
  PaintBox1->MouseMove = [this](QPoint at) { TextMove(at); };
  // The right button loops a phrase.
  PaintBox1->installEventFilter(this);

  SkinStrips& skins = services_.Skins;
  btn_up = SkinnedButton(this, "btn_up", skins, SkinIndex(CourseSkin::ArrowUp), 0, 0);
  connect(btn_up, &SkinButton::Click, this, &ConversationWindow::btn_upClick);
  btn_dn = SkinnedButton(this, "btn_dn", skins, SkinIndex(CourseSkin::ArrowDown), 0, 0);
  connect(btn_dn, &SkinButton::Click, this, &ConversationWindow::btn_dnClick);

  Image6 = new QLabel(this);
  Image6->setObjectName("Image6");
  Image6->setScaledContents(true);
  Image6->installEventFilter(this);
  lbl_tlumacz = new QLabel(this);
  lbl_tlumacz->setObjectName("lbl_tlumacz");
  lbl_tlumacz->setWordWrap(true);
  lbl_tlumacz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_tlumacz->setFont(TextFont());
  lbl_tlumacz->setStyleSheet(
      palette::Styled(QStringLiteral("color: {navy}; background: transparent;")));
  lbl_tlumacz->installEventFilter(this);

  img_Panel = new QLabel(this);
  img_Panel->setObjectName("img_Panel");
  img_Panel->setStyleSheet(palette::Styled(QStringLiteral(
      "#img_Panel { background: {sand}; border: 1px solid {navy}; border-radius: 6px; }")));

  for (int mode = 1; mode <= kModes; ++mode) {
    auto* tab = new HoverLabel(this);
    tab->setObjectName(QStringLiteral("Image%1").arg(mode));
    tab->setCursor(Qt::PointingHandCursor);
    tab->SetRole(ControlRole::PageTab);
    tab->hide();
    connect(tab, &HoverLabel::Click, this, [this, mode] { ImageClick(mode); });
    Image[static_cast<size_t>(mode - 1)] = tab;
  }

  btn_playAll = SkinnedButton(this, "btn_playAll", skins, SkinIndex(CourseSkin::ConversationPlay),
                              kPlayLeft, kPlayAllTop);
  connect(btn_playAll, &SkinButton::Click, this, &ConversationWindow::btn_playAllClick);
  static constexpr std::array<const char*, 4> kRoleNames = {"btn_play_A", "btn_play_B",
                                                            "btn_play_C", "btn_play_D"};
  for (int role = 1; role <= 4; ++role) {
    const int skin = SkinIndex(CourseSkin::ConversationPlayA) + role - 1;
    SkinButton* button = SkinnedButton(this, kRoleNames[static_cast<size_t>(role - 1)], skins, skin,
                                       kPlayLeft, kPlayRoleTop + (role - 1) * kPlayRoleStep);
    connect(button, &SkinButton::Click, this, [this, role] { btn_playClick(role); });
    btn_play[static_cast<size_t>(role - 1)] = button;
  }
  btn_odtworz = SkinnedButton(this, "btn_odtworz", skins, SkinIndex(CourseSkin::ConversationStart),
                              kPlayLeft, kPlayAllTop);
  connect(btn_odtworz, &SkinButton::Click, this, &ConversationWindow::btn_odtworzClick);
  btn_nastepne = SkinnedButton(this, "btn_nastepne", skins, SkinIndex(CourseSkin::ConversationNext),
                               kPlayLeft, kPlayAllTop);
  connect(btn_nastepne, &SkinButton::Click, this, &ConversationWindow::btn_nastepneClick);
  btn_exit = SkinnedButton(this, "btn_exit", skins, SkinIndex(CourseSkin::Close), 775, 0);
  connect(btn_exit, &SkinButton::Click, this, &QWidget::close);
  btn_help =
      SkinnedButton(this, "btn_help", skins, SkinIndex(CourseSkin::ConversationHelp), 705, 555);
  connect(btn_help, &SkinButton::Click, this, &ConversationWindow::btn_helpClick);
  btn_tempo = new MediaButton(MediaButton::GlyphTempo, this, 100);
  btn_tempo->setObjectName("btn_tempo");
  btn_tempo->setGeometry(kTempoPlace);
  connect(btn_tempo, &MediaButton::Click, this, &ConversationWindow::btn_tempoClick);

  for (int k = 1; k <= kPhrases; ++k) {
    auto* record = new PressLabel(this);
    record->setObjectName(QStringLiteral("Nag_%1").arg(k));
    record->setCursor(Qt::PointingHandCursor);
    record->Pressed = [this, k] { NagDown(k); };
    record->Released = [this, k] { NagUp(k); };
    // Held down while recording (by the mouse or the space bar): a button without a press.
    ExposeButton(*record);
    HoldWithSpace(*record, [this, k] { NagDown(k); }, [this, k] { NagUp(k); });
    record->hide();
    Nag[static_cast<size_t>(k - 1)] = record;
    auto* own = new PressLabel(this);
    own->setObjectName(QStringLiteral("Lek_%1").arg(k));
    own->setCursor(Qt::PointingHandCursor);
    own->Pressed = [this, k] { LekDown(k); };
    ExposeButton(*own, [this, k] { LekDown(k); });
    own->hide();
    Lek[static_cast<size_t>(k - 1)] = own;
  }

  drag_ = new DragLabels(*this, board_);
  for (int i = 1; i <= kLabels; ++i) {
    auto* word = new QLabel(this);
    word->setObjectName(QStringLiteral("lbl_%1").arg(i));
    word->setFont(PointFont("Arial CE", 10, true));
    word->setStyleSheet(palette::Styled(QStringLiteral(
        "background: {white}; color: {navy}; border: 1px solid {teal}; border-radius: 3px;")));
    word->hide();
    drag_->Add(i, word);
    lbl[static_cast<size_t>(i - 1)] = word;
  }
  drag_->Lifted = [this](int label) { session_.LiftLabel(label); };
  drag_->Dropped = [this](int label, Point at) { LabelDropped(label, at); };
  drag_->Places = [this](int) { return KeyPlaces(); };

  keys_ = new WindowKeys(*this, [this](int key) { return KeyPressed(key); });
}

ConversationWindow::~ConversationWindow() {
  if (open_) services_.Sound.SetConversationHooks({});
}

const std::string& ConversationWindow::ProgramDir() const {
  return services_.State.Install.ProgramDir;
}

void ConversationWindow::ShowText(int n) {
  services_.Messages.ShowMessage(UiText(services_.State, n).toStdString());
}

void ConversationWindow::ShowConversation(const Conversation& conversation) {
  conversation_ = conversation;
  open_ = true;
  measurer_.SetCodePage(ForeignCodePage(services_.State));
  pending_.reset();
  SoundService& sound = services_.Sound;
  sound.SetConversationHooks(ConversationHooks{[this] { RefreshText(); },
                                               [this] {
                                                 // A looped phrase goes on after its pause.
                                                 const WalkStep again =
                                                     session_.Walk().SinglePhraseEnded();
                                                 RefreshText();
                                                 RunChain(again);
                                               },
                                               [this] { RunChain(session_.Walk().Continue()); }});

  const CourseState& state = services_.State;
  const auto hint = [&state](QWidget* widget, int n) { widget->setToolTip(UiText(state, n)); };
  hint(btn_playAll, text::kHintPlayAll);
  hint(btn_nastepne, text::kHintNext);
  hint(btn_odtworz, text::kHintReplay);
  hint(btn_play[0], text::kHintPlayA);
  hint(btn_play[1], text::kHintPlayB);
  hint(btn_play[2], text::kHintPlayC);
  for (int k = 1; k <= kPhrases; ++k) {
    hint(Nag[static_cast<size_t>(k - 1)], text::kHintRecord);
    hint(Lek[static_cast<size_t>(k - 1)], text::kHintSwitch);
  }
  for (int mode = 1; mode <= kModes; ++mode) {
    hint(Image[static_cast<size_t>(mode - 1)], text::kTabHintBase + mode);
  }

  LoadArtwork();
  img_panel_right->setPixmap(
      QPixmap::fromImage(services_.Pictures.Load(ProgramDir() + "gfx_r\\panel_dialogi.bmp")));
  const std::string& mediaDir = state.Install.MediaDir;
  QImage background =
      services_.Pictures.Load(BackgroundPicture(mediaDir, conversation.BackgroundName));
  if (background.isNull()) background = services_.Pictures.Load(FallbackBackground(mediaDir));
  img_tlo->setPixmap(QPixmap::fromImage(background));

  session_.Open(conversation_, LogicalSize(mark_).width(), LogicalSize(mark_).height());
  // Read at every showing: the media window may have changed it since.
  tempoPercent_ = ReadTempoPercent(TempoFilePath(state.UserDir, state.Install.SettingsTag));
  ApplyTempo();
  PlaceLayout();
  show();
  raise();
  activateWindow();
  EnterMode();
}

void ConversationWindow::LoadArtwork() {
  const auto load = [this](const char* name, QPixmap fallback) {
    const QImage picture =
        services_.Pictures.Load(ProgramDir() + "gfx_r\\dialogi\\" + name + ".bmp");
    return picture.isNull() ? fallback : TransparentPixmap(picture);
  };
  off_ = load("img_0", DrawnSwitch(false));
  on_ = load("img_1", DrawnSwitch(true));
  mark_ = load("img_pyt", DrawnMark());
  boxes_[0] = load("img_small", DrawnBox(62));
  boxes_[1] = load("img_medium", DrawnBox(97));
  boxes_[2] = load("img_big", DrawnBox(212));
}

void ConversationWindow::PlaceLayout() {
  const TextArea& area = session_.Area();
  PaintBox1->setGeometry(area.Left, TextArea::kTop, area.Width, TextArea::kHeight);
  lbl_polecenie->setGeometry(area.Left, kInstructionTop, area.Width, kInstructionHeight);
  // The arrows stand inside the margin the text keeps free at its right.
  const int right = area.Left + area.Width;
  btn_up->move(right - btn_up->width(), TextArea::kTop);
  btn_dn->move(right - btn_dn->width(), TextArea::kTop + TextArea::kHeight - btn_dn->height());
  img_Panel->setGeometry(area.Left, kPanelTop, area.Width, kPanelHeight);
  Image6->move(kBoxLeft, Image6->y());
  lbl_tlumacz->move(kBoxLabelLeft, lbl_tlumacz->y());
  HideTranslation();
}

void ConversationWindow::ShowTabs() {
  const auto places = TabPlaces(conversation_.ModeFlags);
  for (int mode = 1; mode <= kModes; ++mode) {
    HoverLabel* tab = Image[static_cast<size_t>(mode - 1)];
    const TabPlace& place = places[static_cast<size_t>(mode - 1)];
    if (!place.Shown) {
      tab->hide();
      continue;
    }
    const QPixmap picture = TransparentPixmap(services_.Pictures.Load(
        ProgramDir() + TabPicture(place.Position, mode == session_.Mode())));
    tab->setPixmap(picture);
    tab->resize(picture.isNull() ? QSize(96, 24) : LogicalSize(picture));
    tab->SetChecked(mode == session_.Mode());
    tab->move(kTabLeft, place.Top);
    tab->show();
  }
}

void ConversationWindow::EnterMode() {
  HideTranslation();
  recordingPhrase_ = 0;
  ShowTabs();
  lbl_polecenie->setText(UiText(services_.State, text::kInstructionBase + session_.Mode()));
  if (session_.Mode() == kDragDrop) SetUpLabels();
  ApplyControls();
  RefreshText();
  if (!session_.ShortMessage().empty()) {
    services_.Messages.ShowMessage(Cp1250ToMessage(session_.ShortMessage()));
  }
  const WalkStep first = session_.FirstStep();
  if (first.What == WalkStep::Kind::None) return;
  StopPlayer();
  RunChain(first);
}

void ConversationWindow::ApplyControls() {
  const ModeControls controls = session_.Controls();
  btn_playAll->setVisible(controls.PlayAll);
  for (size_t r = 0; r < btn_play.size(); ++r) btn_play[r]->setVisible(controls.PlayRole[r]);
  btn_nastepne->setVisible(controls.Next);
  btn_odtworz->setVisible(controls.Replay);
  img_Panel->setVisible(controls.WordPanel);
  for (int i = 1; i <= kLabels; ++i) {
    QLabel* word = lbl[static_cast<size_t>(i - 1)];
    word->setVisible(session_.LabelShown(i));
    if (word->isVisible()) word->raise();
  }
  drag_->SetDraggable(controls.WordPanel);
  PlacePhraseControls();
}

void ConversationWindow::PlacePhraseControls() {
  const ModeControls controls = session_.Controls();
  const int count = session_.Script().Count();
  const int bottom = TextArea::kTop + TextArea::kHeight;
  for (int k = 1; k <= kPhrases; ++k) {
    PressLabel* record = Nag[static_cast<size_t>(k - 1)];
    PressLabel* own = Lek[static_cast<size_t>(k - 1)];
    const int top = session_.ControlTop(k);
    const bool inView =
        k <= count && top >= TextArea::kTop && top + LogicalSize(off_).height() <= bottom;
    const bool recordShown = inView && (controls.RecordButtons || controls.DrawnRecordButton == k);
    record->setPixmap(recordingPhrase_ == k ? on_ : off_);
    record->resize(LogicalSize(off_));
    record->move(kRecordButtonLeft, top);
    record->setVisible(recordShown);
    own->setPixmap(k <= count && session_.Recordings().UsesOwn(k) ? on_ : off_);
    own->resize(LogicalSize(off_));
    own->move(kOwnSwitchLeft, top);
    own->setVisible(inView && controls.RecordButtons);
  }
  btn_up->setVisible(session_.Scroll().UpShown());
  btn_dn->setVisible(session_.Scroll().DownShown());
  btn_up->raise();
  btn_dn->raise();
}

void ConversationWindow::SetUpLabels() {
  const ConversationGaps& gaps = session_.Gaps();
  const int count = std::min(gaps.Count(), kLabels);
  std::vector<int> widths;
  int height = 0;
  for (int i = 1; i <= count; ++i) {
    QLabel* word = lbl[static_cast<size_t>(i - 1)];
    word->setText(ForeignText(services_.State, gaps.Caption(i)));
    word->adjustSize();
    widths.push_back(word->width());
    height = std::max(height, word->height());
  }
  const QRect panel = img_Panel->geometry();
  const std::vector<Point>& homes = session_.PlaceLabels(
      {panel.left(), panel.top(), panel.right(), panel.bottom()}, widths, height);
  board_.Reset(count);
  board_.SetFollowArea({0, 0, kStripLeft - 1, 599});
  for (int i = 1; i <= count && i <= static_cast<int>(homes.size()); ++i) {
    board_.SetHome(i, homes[static_cast<size_t>(i - 1)]);
  }
  drag_->PlaceAll();
}

void ConversationWindow::RefreshText() {
  PlacePhraseControls();
  PaintBox1->update();
}

void ConversationWindow::PaintText(QPainter& painter) {
  const ConversationPicture& picture = session_.Picture();
  const ConversationScroll& scroll = session_.Scroll();
  QFont normal = textFont_;
  QFont bold = textFont_;
  bold.setBold(true);
  const int ascent = QFontMetrics(normal).ascent();
  for (const PhraseRun& run : picture.Runs) {
    const int y = scroll.AreaY(run.Y);
    if (y > TextArea::kHeight || y < -LayoutSettings::kLineStep) continue;
    painter.setFont(run.Bold ? bold : normal);
    painter.setPen(session_.Highlighted(run.Phrase) ? kPlayingBlue : QColor(Qt::black));
    painter.drawText(run.X, y + ascent, ForeignText(services_.State, run.Text));
  }
  for (const MarkPicture& mark : picture.Marks) {
    painter.drawPixmap(mark.At.X, scroll.AreaY(mark.At.Y), mark_);
  }
  const int looped = session_.Walk().LoopedPhrase();
  if (looped >= 1 && looped <= static_cast<int>(picture.Phrases.size())) {
    const DropArea& hit = picture.Phrases[static_cast<size_t>(looped - 1)].Hit;
    const int left = std::min(hit.Right + 3, PaintBox1->width() - kLoopSignSize - 1);
    PaintLoopSign(painter, QRect(left, scroll.AreaY(hit.Bottom) - kLoopSignSize - 2, kLoopSignSize,
                                 kLoopSignSize));
  }
  RowsChanged(*PaintBox1);
}

std::vector<PaintedRow> ConversationWindow::PhraseRows() const {
  const ConversationPicture& picture = session_.Picture();
  const ConversationScroll& scroll = session_.Scroll();
  std::vector<PaintedRow> rows;
  for (int k = 1; k <= static_cast<int>(picture.Phrases.size()); ++k) {
    const LaidPhrase& phrase = picture.Phrases[static_cast<size_t>(k - 1)];
    QString text;
    for (const PhraseRun& run : picture.Runs) {
      if (run.Phrase == k) text += ForeignText(services_.State, run.Text) + ' ';
    }
    PaintedRow row{RowRole::ListItem, text.simplified()};
    // Only a phrase in sight can be clicked.
    const int top = scroll.AreaY(phrase.Hit.Top);
    if (phrase.HasHit && top >= 0 && top < PaintBox1->height()) {
      row.Bounds = QRect(QPoint(phrase.Hit.Left, top),
                         QPoint(phrase.Hit.Right, scroll.AreaY(phrase.Hit.Bottom)));
    }
    row.Selected = session_.Highlighted(k);
    if (!row.Text.isEmpty()) rows.push_back(std::move(row));
  }
  return rows;
}

void ConversationWindow::TextDown(QPoint at) {
  HideTranslation();
  const TextClick click = session_.ClickText({at.x(), at.y()});
  if (click.Repaint) RefreshText();
  PlayCues(click.Cues);
  if (click.Step.What != WalkStep::Kind::None) {
    StopPlayer();
    RunChain(click.Step);
  }
  ApplyControls();
}

void ConversationWindow::TextLoop(QPoint at) {
  HideTranslation();
  const TextClick click = session_.LoopText({at.x(), at.y()});
  PlayCues(click.Cues);
  if (click.Repaint) RefreshText();
  if (click.Step.What != WalkStep::Kind::None) {
    StopPlayer();
    RunChain(click.Step);
  }
  ApplyControls();
}

void ConversationWindow::TextMove(QPoint at) {
  const TextHover hover = session_.HoverText({at.x(), at.y()});
  PaintBox1->setCursor(hover.Phrase != 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
  if (!hover.ShowTranslation) {
    HideTranslation();
    return;
  }
  const TranslationBoxPlace& box = hover.Box;
  Image6->setPixmap(boxes_[static_cast<size_t>(box.Background)]);
  Image6->setGeometry(kBoxLeft, box.BoxTop, kBoxWidth, box.BoxHeight);
  lbl_tlumacz->setGeometry(kBoxLabelLeft, box.LabelTop, kBoxLabelWidth, box.LabelHeight);
  lbl_tlumacz->setText(Decode(hover.Translation, CodePage::Cp1250));
  Image6->show();
  lbl_tlumacz->show();
  Image6->raise();
  lbl_tlumacz->raise();
}

void ConversationWindow::LookUpAt(QPoint at) {
  if (!LookUpWord) return;
  const ConversationScroll& scroll = session_.Scroll();
  // The phrase to translate shows its Polish translation, not the course's words.
  const int polish =
      session_.Mode() == conversation_mode::kTranslation ? session_.DrawnPhrase() : 0;
  for (const PhraseRun& run : session_.Picture().Runs) {
    if (run.Bold || run.Phrase == polish) continue;
    const int y = scroll.AreaY(run.Y);
    if (at.y() < y || at.y() >= y + LayoutSettings::kLineStep) continue;
    if (at.x() < run.X || at.x() >= run.X + measurer_.Width(run.Text, false, false)) continue;
    LookUpWord(run.Text, PaintBox1->mapToGlobal(at));
    return;
  }
}

void ConversationWindow::HideTranslation() {
  Image6->hide();
  lbl_tlumacz->hide();
}

bool ConversationWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PaintBox1 &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      TextLoop(mouse->position().toPoint());
      return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
      LookUpAt(mouse->position().toPoint());
    }
  }
  if (watched == img_tlo && event->type() == QEvent::MouseMove) {
    HideTranslation();
    PaintBox1->setCursor(Qt::ArrowCursor);
  } else if ((watched == Image6 || watched == lbl_tlumacz) &&
             event->type() == QEvent::MouseButtonPress) {
    HideTranslation();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ConversationWindow::StopPlayer() {
  SoundService& sound = services_.Sound;
  sound.StopPlayback();
  if (sound.Player().State() != PlayerState::NotReady) sound.Player().Close();
}

void ConversationWindow::StopConversationPlayback() {
  pending_.reset();
  const bool repaint = session_.StopPlayback();
  StopPlayer();
  if (repaint) RefreshText();
}

void ConversationWindow::RunChain(WalkStep step) {
  if (step.What == WalkStep::Kind::None) return;
  if (driving_) {
    pending_ = step;
    return;
  }
  QPointer<ConversationWindow> alive(this);
  driving_ = true;
  for (;;) {
    ConversationWalk& walk = session_.Walk();
    if (step.What == WalkStep::Kind::End) {
      RefreshText();
    } else if (step.What != WalkStep::Kind::None && walk.IsCurrent(step)) {
      if (step.KeepVisible) session_.Scroll().EnsureVisible(step.Phrase);
      RefreshText();
      if (step.What == WalkStep::Kind::Play) {
        SoundService& sound = services_.Sound;
        sound.PlayConversationSound(step.Sound);
        if (!alive) return;
        // A sound that could not be played never ends, so its chain ends here.
        if (sound.Player().State() != PlayerState::Playing && walk.IsCurrent(step)) {
          session_.StopPlayback();
          RefreshText();
        }
      } else {
        bool carriedOn = true;
        for (int slice = 0; slice < step.Slices; ++slice) {
          services_.Sound.WaitWithEvents(WalkStep::kSliceMs);
          if (!alive) return;
          if (pending_ || !walk.IsCurrent(step)) {
            carriedOn = false;
            break;
          }
        }
        if (carriedOn) {
          step = walk.AfterWait(step);
          continue;
        }
        RefreshText();
      }
    }
    if (!pending_) break;
    step = *pending_;
    pending_.reset();
  }
  driving_ = false;
}

void ConversationWindow::PlayCues(const std::vector<SoundCue>& cues) {
  for (const SoundCue& cue : cues) {
    if (cue.What == SoundCue::Kind::StopPlayer) {
      services_.Sound.StopPlayback();
    } else {
      services_.Sound.PlaySoundFile(ProgramDir() + cue.File, cue.Wait);
    }
  }
}

void ConversationWindow::ImageClick(int mode) {
  if (!open_ || mode == session_.Mode()) return;
  StopConversationPlayback();
  const std::optional<ModeAttempt> left = session_.ChangeMode(mode);
  if (!left) return;
  RecordMode(*left);
  EnterMode();
}

void ConversationWindow::btn_playAllClick() {
  const WalkStep step = session_.PlayAll();
  if (step.What == WalkStep::Kind::None) return;
  StopPlayer();
  RunChain(step);
}

void ConversationWindow::btn_playClick(int role) {
  const ConversationSession::RolePress press = session_.PlayRole(role);
  if (press.Step.What == WalkStep::Kind::None) return;
  StopPlayer();
  if (press.ShowRolesNotice) ShowText(text::kRolesBAndCNotice);
  RunChain(press.Step);
}

void ConversationWindow::btn_odtworzClick() {
  const WalkStep step = session_.Replay();
  if (step.What == WalkStep::Kind::None) return;
  StopPlayer();
  RunChain(step);
}

void ConversationWindow::btn_nastepneClick() {
  StopConversationPlayback();
  session_.DrawAgain();
  EnterMode();
}

void ConversationWindow::btn_upClick() {
  if (session_.Scroll().Up()) RefreshText();
  PlacePhraseControls();
}

void ConversationWindow::btn_dnClick() {
  if (session_.Scroll().Down()) RefreshText();
  PlacePhraseControls();
}

void ConversationWindow::btn_helpClick() {
  if (!services_.ShowInformation) return;
  services_.ShowInformation(
      "HH_" + services_.State.InterfaceText(text::kInformationBase + session_.Mode()));
}

void ConversationWindow::NagDown(int k) {
  if (!session_.StartRecording(k)) return;
  pending_.reset();
  StopPlayer();
  recordingPhrase_ = k;
  services_.Sound.StartPhraseRecording();
  RefreshText();
}

void ConversationWindow::NagUp(int k) {
  if (!session_.StopRecording()) return;
  QPointer<ConversationWindow> alive(this);
  SoundService& sound = services_.Sound;
  // The learner's last syllable is often still coming when the button is let go.
  sound.WaitWithEvents(kRecordingTailMs);
  if (!alive) return;
  sound.StopPhraseRecording(OwnRecordings::RecordingBase(k));
  recordingPhrase_ = 0;
  const std::int64_t length =
      sound.RecordingLengthMs(OwnRecordings::RecordingFile(sound.DataDir(), k));
  sound.Player().Close();
  const bool accepted = session_.Recorded(k, length, sound.DataDir());
  RefreshText();
  if (!accepted) ShowText(text::kRecordingTooShort);
}

void ConversationWindow::LekDown(int k) {
  if (session_.ToggleOwn(k)) PlacePhraseControls();
}

void ConversationWindow::LabelDropped(int label, Point windowPoint) {
  const LabelDrop drop =
      session_.DropLabel(label, {windowPoint.X - PaintBox1->x(), windowPoint.Y - PaintBox1->y()});
  if (drop.Result.What == GapDrop::Kind::Ignored) return;
  if (drop.Result.What == GapDrop::Kind::Wrong) board_.ReturnHome(label);
  if (!drop.Result.Error.empty()) {
    services_.Messages.ShowMessage(Cp1250ToMessage(drop.Result.Error));
  }
  ApplyControls();
  RefreshText();
  PlayCues(drop.Cues);
}

std::vector<KeyPlace> ConversationWindow::KeyPlaces() const {
  std::vector<KeyPlace> places;
  const ConversationGaps& gaps = session_.Gaps();
  for (int i = 1; i <= gaps.Count(); ++i) {
    const Gap& gap = gaps.At(i);
    if (gap.Filled || gap.Area.Right < gap.Area.Left) continue;
    const int y = session_.Scroll().AreaY((gap.Area.Top + gap.Area.Bottom) / 2);
    if (y < 0 || y >= PaintBox1->height()) continue;
    places.push_back({{PaintBox1->x() + (gap.Area.Left + gap.Area.Right) / 2, PaintBox1->y() + y},
                      QStringLiteral("luka %1").arg(i)});
  }
  return places;
}

void ConversationWindow::RecordMode(const ModeAttempt& attempt) {
  const CourseState& state = services_.State;
  ResultsStore& results = services_.Results;
  RecordConversationMode(results, attempt.Tally, attempt.Mode, results.CurrentResultName,
                         RecordContext{services_.Time.Now(), state.RunMode, services_.Reporter});
  SaveUserResults(state, results, services_.Messages);
}

void ConversationWindow::Finish() {
  if (!open_) return;
  StopConversationPlayback();
  if (session_.Recording()) {
    services_.Sound.StopPhraseRecording(OwnRecordings::RecordingBase(recordingPhrase_));
  }
  open_ = false;
  services_.Sound.SetConversationHooks({});
  // The shared player plays every other window's sounds as recorded.
  services_.Sound.Player().SetSpeed(1.0);
  RecordMode(session_.Close());
  img_tlo->clear();
  img_panel_right->clear();
}

void ConversationWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  const bool wasOpen = open_;
  Finish();
  if (wasOpen && services_.Closed) services_.Closed();
}

void ConversationWindow::btn_tempoClick() {
  const CourseState& state = services_.State;
  tempoPercent_ = NextTempoPercent(tempoPercent_);
  ApplyTempo();
  // The pace stays for this showing even where the file cannot be written.
  WriteTempoPercent(TempoFilePath(state.UserDir, state.Install.SettingsTag), tempoPercent_);
}

void ConversationWindow::ApplyTempo() {
  services_.Sound.Player().SetSpeed(TempoSpeed(tempoPercent_));
  btn_tempo->SetNumber(tempoPercent_);
  btn_tempo->SetLit(tempoPercent_ != 100);
  static constexpr ControlName kTempo{"Tempo mowy", "Speech tempo", "Sprechtempo", "Темп речи"};
  const QString name = QStringLiteral("%1: %2 %")
                           .arg(NameIn(kTempo, services_.State.InterfaceLanguage))
                           .arg(tempoPercent_);
  btn_tempo->setAccessibleName(name);
  btn_tempo->setToolTip(name + QStringLiteral(" (T)"));
}

bool ConversationWindow::KeyPressed(int key) {
  if (key == Qt::Key_T) {
    btn_tempoClick();
    return true;
  }
  if (key != Qt::Key_F1) return false;
  if (services_.ShowHelpPage) services_.ShowHelpPage(ProgramDir() + kConversationHelpPage);
  return true;
}

}  // namespace tess
