#include "choosers/LessonChooserWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "choosers/ProgressWindow.h"
#include "choosers/SectionList.h"
#include "core/Catalogue.h"
#include "core/CourseState.h"
#include "core/KindCode.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/QtTextMeasurer.h"
#include "results/ResultsStore.h"
#include "widgets/Centre.h"
#include "widgets/Accessibility.h"
#include "widgets/ControlNames.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"
#include "results/UserResults.h"

namespace tess {
namespace {

const QRect kLeftList(47, 76, 266, 217);
const QRect kRightList(362, 164, 371, 325);
constexpr int kLeftHighlightWidth = 253;
constexpr int kHighlightHeight = 16;
constexpr int kRowHeight = LessonChoice::kRowHeight;
constexpr int kNameX = 3;  // left list names, clear of the panel's edge

QFont ListFont() { return PointFont("Arial", 10); }

// The highlight of a row, cut to its list box: the left box holds fewer rows than a page, and
// rows below it are not drawn.
void PlaceHighlight(QWidget& shape, const QRect& list, int width, int row, bool shown) {
  const QRect bar(list.left(), list.top() + kRowHeight * (row - 1), width, kHighlightHeight);
  const QRect visible = bar.intersected(list);
  shape.setGeometry(visible);
  shape.setVisible(shown && !visible.isEmpty());
}

const QPixmap& KindIcon(const ChooserIcons& icons, int kind) {
  static const QPixmap none;
  if (KindCode::IsExercise(kind)) return icons.Get(ChooserIcon::zda_tek);
  if (kind == KindCode::SentencePuzzle) return icons.Get(ChooserIcon::zda_ust);
  if (kind == KindCode::SentenceDictation || kind == KindCode::SentenceLast)
    return icons.Get(ChooserIcon::zda_roz);
  if (kind == KindCode::Comprehension) return icons.Get(ChooserIcon::img_rpg);
  if (KindCode::IsConversation(kind)) return icons.Get(ChooserIcon::img_dia);
  return none;
}

// The percent as a number and as a bar on its ground; the bar lies 2 pixels into the ground
// and 3 pixels lower.
void DrawPercent(QPainter& painter, const ChooserIcons& icons, int percent, int textX, int textTop,
                 int backX, int backTop) {
  const int ascent = painter.fontMetrics().ascent();
  painter.drawText(textX, textTop + ascent, QStringLiteral("%1%").arg(percent));
  painter.drawPixmap(backX, backTop, icons.Get(ChooserIcon::img_progress_back));
  const QPixmap& bar = icons.Get(ChooserIcon::img_progress);
  const QSize size = LogicalSize(bar);
  const int width = std::min(LessonChoice::ProgressWidth(percent), size.width());
  if (width <= 0) return;
  const QRect part(0, 0, width, size.height());
  painter.drawPixmap(part.translated(backX + 2, backTop + 3), bar,
                     DeviceRect(part, bar.devicePixelRatio()));
}

// The kind of a row in the words of the legend beside the list, as its icon shows it.
const ControlName* KindWord(int kind) {
  if (KindCode::IsExercise(kind)) return &names::kRecordedText;
  if (kind == KindCode::SentencePuzzle || kind == KindCode::SentenceDictation ||
      kind == KindCode::SentenceLast) {
    return &names::kSentenceWords;
  }
  if (kind == KindCode::Comprehension) return &names::kPictures;
  if (KindCode::IsConversation(kind)) return &names::kConversation;
  return nullptr;
}

}  // namespace

LessonChooserWindow::LessonChooserWindow(const CourseState& state, LessonChooserSources sources,
                                         LessonChooserPorts ports, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      state_(state),
      results_(sources.Results),
      groups_(sources.Groups),
      classroom_(sources.Classroom),
      skins_(ports.Skins),
      pictures_(ports.Pictures),
      messages_(ports.Messages),
      clock_(ports.Time) {
  setObjectName("TWyborZdanForm");
  setFixedSize(800, 600);
  // Black shows where the background picture is missing.
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  img_tlo = new QLabel(this);
  img_tlo->setObjectName("img_tlo");
  img_tlo->setGeometry(0, 0, 800, 600);

  // The highlights and the frame lie under the lists, which draw their rows over them.
  Shape2 = MakeRowHighlight(this, "Shape2");
  Shape3 = MakeRowHighlight(this, "Shape3");
  shp_focus = MakeFocusFrame(this, "shp_focus");

  const auto list = [this](const char* name, const QRect& area) {
    auto* box = new PaintBox(this);
    box->setObjectName(name);
    box->setGeometry(area);
    return box;
  };
  pb_dzialy2 = list("pb_dzialy2", kLeftList);
  pb_dzialy2->Paint = [this](QPainter& painter) { pb_dzialy2Paint(painter); };
  pb_dzialy2->MouseDown = [this](QPoint at) {
    if (List.PressLeft(at.y(), Sources())) Sync();
  };
  pb_dzialy2->MouseMove = [this](QPoint at) {
    pb_dzialy2->setCursor(List.LeftRowHasEntry(at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  };
  pb_paczki = list("pb_paczki", kRightList);
  pb_paczki->Paint = [this](QPainter& painter) { pb_paczkiPaint(painter); };
  pb_paczki->MouseDown = [this](QPoint at) {
    if (List.PressRight(at.y(), results_, state_.Install.CourseLanguage, state_.Texts)) Sync();
  };
  pb_paczki->DoubleClick = [this] { OpenSelectedItem(); };
  pb_paczki->MouseMove = [this](QPoint at) {
    pb_paczki->setCursor(List.RightRowHasEntry(at.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  };

  // The window's own keys move the focus between the two lists; Qt's focus follows it so that
  // screen readers hear of it, and the lists see their keys before anyone else.
  for (PaintBox* box : {pb_dzialy2, pb_paczki}) box->setFocusPolicy(Qt::TabFocus);
  ExposeRows(*pb_dzialy2,
             {[this] { return RowsShown(1); }, [this](int row) { return LeftRowText(row); },
              [this](int row) { return List.LeftHighlightShown && List.LeftRow == row + 1; },
              [](int row) { return QRect(0, kRowHeight * row, kLeftList.width(), kRowHeight); },
              [this](int row) {
                if (List.PressLeft(kRowHeight * row + 1, Sources())) Sync();
              }});
  ExposeRows(*pb_paczki,
             {[this] { return RowsShown(2); }, [this](int row) { return RightRowText(row); },
              [this](int row) { return List.RightHighlightShown && List.RightRow == row + 1; },
              [](int row) { return QRect(0, kRowHeight * row, kRightList.width(), kRowHeight); },
              [this](int row) {
                if (List.PressRight(kRowHeight * row + 1, results_, state_.Install.CourseLanguage,
                                    state_.Texts)) {
                  Sync();
                }
              }});

  lbl_info = new QLabel(this);
  lbl_info->setObjectName("lbl_info");
  lbl_info->setGeometry(42, 473, 275, 96);
  lbl_info->setFont(PointFont("Arial", 8));  // 11 pixels high
  lbl_info->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  lbl_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_info->setWordWrap(true);

  btn_up = MakeScrollArrow(this, "btn_up", skins_, SkinIndex(CourseSkin::ArrowUp), 752, 150);
  btn_dn = MakeScrollArrow(this, "btn_dn", skins_, SkinIndex(CourseSkin::ArrowDown), 752, 482);
  L_btn_up = MakeScrollArrow(this, "L_btn_up", skins_, SkinIndex(CourseSkin::ArrowUp), 332, 97);
  L_btn_dn = MakeScrollArrow(this, "L_btn_dn", skins_, SkinIndex(CourseSkin::ArrowDown), 312, 400);
  const auto scroll = [this](RepeatButton* button, bool (LessonChoice::*step)()) {
    connect(button, &RepeatButton::Click, this, [this, step] {
      if ((List.*step)()) Sync();
    });
  };
  scroll(btn_up, &LessonChoice::RightScrollUp);
  scroll(btn_dn, &LessonChoice::RightScrollDown);
  scroll(L_btn_up, &LessonChoice::LeftScrollUp);
  scroll(L_btn_dn, &LessonChoice::LeftScrollDown);

  B_OK = SkinnedButton(this, "B_OK", skins_, SkinIndex(CourseSkin::ChoiceOk), 655, 107);
  B_OK->hide();
  b_zamknij = SkinnedButton(this, "b_zamknij", skins_, SkinIndex(CourseSkin::Close), 775, 0);
  btn_help = SkinnedButton(this, "btn_help", skins_, SkinIndex(CourseSkin::Help), 2, 573);

  // Below the hint line, clear of the lists and the information text.
  btn_progress = new QPushButton(CourseText("Post\xEApy..."), this);
  btn_progress->setObjectName("btn_progress");
  btn_progress->setGeometry(586, 548, 150, 32);
  btn_progress->setFont(PointFont("Arial", 10, true));
  btn_progress->setCursor(Qt::PointingHandCursor);
  btn_progress->setAccessibleName(CourseText("Post\xEApy"));
  btn_progress->setStyleSheet(palette::Styled(QStringLiteral(
      "QPushButton { background: {teal}; color: white; border: none; border-radius: 8px; }"
      "QPushButton:hover { background: {tealHover}; border: 1px solid white; }"
      "QPushButton:pressed { background: {tealPressed}; }")));
  btn_progress->hide();
  connect(btn_progress, &QPushButton::clicked, this, &LessonChooserWindow::btn_progressClick);

  connect(B_OK, &SkinButton::Click, this, &LessonChooserWindow::B_OKClick);
  connect(b_zamknij, &SkinButton::Click, this, &QWidget::close);
  connect(btn_help, &SkinButton::Click, this, &LessonChooserWindow::btn_helpClick);

  icons_.LoadOnFirstUse(pictures_, state_.Install.ProgramDir, &iconError_);

  cb_lekcje = MakeChoice("cb_lekcje", 44, "Lekcje", Label1, Label4);
  cb_caly_material = MakeChoice("cb_caly_material", 136, "Cały materiał", Label2, Label3);
  for (auto [picture, whole] : {std::pair{cb_lekcje, false}, std::pair{cb_caly_material, true}}) {
    connect(picture, &HoverLabel::Click, this, [this, whole = whole] {
      const std::string message = List.ChooseWholeMaterial(whole, Sources());
      Sync();
      ShowMessage(message);
    });
  }

  keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  keys_->Watch(*pb_dzialy2);
  keys_->Watch(*pb_paczki);
  // Tab belongs to the lists here: the buttons are reached by their keys (Enter, F1) and by
  // screen readers' actions.
  for (Clickable* control :
       std::initializer_list<Clickable*>{B_OK, b_zamknij, btn_help, btn_up, btn_dn, L_btn_up,
                                         L_btn_dn, cb_lekcje, cb_caly_material}) {
    control->setFocusPolicy(Qt::NoFocus);
  }
  btn_progress->setFocusPolicy(Qt::NoFocus);

  // Nothing is shown yet and nobody is logged in: the lists start from the empty store.
  FollowState();
  List.BuildLeftList(1, Sources());
  Sync();
}

HoverLabel* LessonChooserWindow::MakeChoice(const char* name, int left, const char* caption,
                                            QLabel*& text, QLabel*& shadow) {
  constexpr int kTop = 308;
  const QFont font = PointFont("Arial", 10, true);
  shadow = new QLabel(QString::fromUtf8(caption), this);
  shadow->setFont(font);
  shadow->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  shadow->move(left + 21, kTop + 1);
  shadow->adjustSize();
  shadow->hide();
  text = new QLabel(QString::fromUtf8(caption), this);
  text->setFont(font);
  text->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  text->move(left + 20, kTop);
  text->adjustSize();
  text->hide();
  auto* picture = new HoverLabel(this);
  picture->setObjectName(name);
  picture->move(left, kTop);
  picture->setCursor(Qt::PointingHandCursor);
  picture->SetRole(ControlRole::RadioButton);
  picture->setAccessibleName(QString::fromUtf8(caption));
  picture->hide();
  return picture;
}

ChooserSources LessonChooserWindow::Sources() const {
  return {results_, groups_, classroom_, clock_.Now()};
}

void LessonChooserWindow::FollowState() {
  List.RunMode = state_.RunMode;
  List.InterfaceLanguage = state_.InterfaceLanguage;
}

void LessonChooserWindow::OpenChooser(int mode) {
  PrepareLessonChoice();
  CentreOnScreen(*this);
  show();
  raise();
  activateWindow();
  std::string message;
  message.swap(pendingMessage_);
  ShowMessage(message);
  BuildLeftList(mode);
}

void LessonChooserWindow::PrepareLessonChoice() {
  FollowState();
  List.PrepareLessonChoice(classroom_, clock_.Now());
  Sync();
}

void LessonChooserWindow::BuildLeftList(int mode) {
  FollowState();
  const std::string message = List.BuildLeftList(mode, Sources());
  Sync();
  ShowMessage(message);
}

void LessonChooserWindow::Reactivated() {
  if (HideMediaWindow) HideMediaWindow();
  if (!isVisible()) return;
  List.Reactivated(Sources(), state_.Install.CourseLanguage, state_.Texts);
  Sync();
}

void LessonChooserWindow::FormShow() {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  FollowState();
  NameControls();
  img_tlo->setPixmap(QPixmap::fromImage(pictures_.Load(
      state_.LangPath("gfx_r\\wybor_cw_rozum_" + state_.Install.CourseLetter + ".bmp"))));
  ReloadResults();
  pendingMessage_ = List.Show(Sources());
  Sync();
}

void LessonChooserWindow::ReloadResults() {
  const std::string path = UserResultsPath(state_);
  ResultsStore fresh;
  std::string error;
  if (!LoadResults(path, fresh, &error)) {
    // What the program holds is still the user's; an unreadable file must not empty it.
    messages_.ShowMessage("Nie można odczytać wyników z pliku " + path + ": " + error);
    return;
  }
  fresh.CurrentResultName = results_.CurrentResultName;
  fresh.CurrentResultKind = results_.CurrentResultKind;
  fresh.CurrentResultItem = results_.CurrentResultItem;
  results_ = std::move(fresh);
}

void LessonChooserWindow::ShowMessage(const std::string& cp1250Text) {
  if (cp1250Text.empty()) return;
  messages_.ShowMessage(CourseText(cp1250Text).toStdString());
}

void LessonChooserWindow::Sync() {
  // A list whose rebuild left its scroll buttons to be reset does so now, as it is redrawn.
  if (List.LeftListShown) List.LeftListDrawn();
  if (List.RightListShown) List.RightListDrawn();

  pb_dzialy2->setVisible(List.LeftListShown);
  pb_paczki->setVisible(List.RightListShown);
  PlaceHighlight(*Shape2, kLeftList, kLeftHighlightWidth, List.LeftRow, List.LeftHighlightShown);
  PlaceHighlight(*Shape3, kRightList, kRightList.width(), List.RightRow, List.RightHighlightShown);
  const QWidget* focused = List.FocusList == 1 ? Shape2 : Shape3;
  shp_focus->setGeometry(focused->geometry());
  shp_focus->setVisible(List.FocusShown && focused->isVisibleTo(this));
  L_btn_up->setVisible(List.LeftUpShown);
  L_btn_dn->setVisible(List.LeftDownShown);
  btn_up->setVisible(List.RightUpShown);
  btn_dn->setVisible(List.RightDownShown);
  B_OK->setVisible(List.OkShown);
  btn_progress->setVisible(List.ChooserMode == 2);

  QString info = Decode(List.InfoText, InterfaceCodePage(state_.InterfaceLanguage));
  info.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  lbl_info->setText(info);

  const QPixmap& checked = icons_.Get(ChooserIcon::img_checked);
  const QPixmap& normal = icons_.Get(ChooserIcon::img_normal);
  cb_lekcje->setPixmap(List.WholeMaterialChosen ? normal : checked);
  cb_caly_material->setPixmap(List.WholeMaterialChosen ? checked : normal);
  cb_lekcje->SetChecked(!List.WholeMaterialChosen);
  cb_caly_material->SetChecked(List.WholeMaterialChosen);
  for (QWidget* control :
       {static_cast<QWidget*>(cb_lekcje), static_cast<QWidget*>(cb_caly_material),
        static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
        static_cast<QWidget*>(Label4)}) {
    control->setVisible(List.ChoiceShown);
  }
  for (QLabel* picture : {cb_lekcje, cb_caly_material}) picture->adjustSize();
  Label1->raise();
  Label2->raise();

  pb_dzialy2->update();
  pb_paczki->update();
  PaintBox* keyList = List.FocusList == 1 ? pb_dzialy2 : pb_paczki;
  if (isActiveWindow() && keyList->isVisible() && !keyList->hasFocus()) {
    keyList->setFocus(Qt::OtherFocusReason);
  }
  RowsChanged(*pb_dzialy2);
  RowsChanged(*pb_paczki);
}

void LessonChooserWindow::NameControls() {
  const int language = state_.InterfaceLanguage;
  NameControl(*pb_dzialy2, names::kSections, language);
  NameControl(*pb_paczki, names::kExercises, language);
  NameControl(*B_OK, names::kOk, language);
  NameControl(*b_zamknij, names::kClose, language);
  NameControl(*btn_help, names::kHints, language);
  for (RepeatButton* up : {L_btn_up, btn_up}) NameControl(*up, names::kUp, language);
  for (RepeatButton* down : {L_btn_dn, btn_dn}) NameControl(*down, names::kDown, language);
}

int LessonChooserWindow::RowsShown(int list) const {
  const bool left = list == 1;
  if (!(left ? List.LeftListShown : List.RightListShown)) return 0;
  // The left box holds fewer rows than a page; rows below it are not drawn.
  const int fit = (left ? kLeftList : kRightList).height() / kRowHeight;
  int shown = 0;
  for (int row = 1; row <= std::min(LessonChoice::kPageRows, fit); ++row) {
    if (left ? !List.LeftAt(List.LeftTop + row) : !List.RightAt(List.RightTop + row)) break;
    ++shown;
  }
  return shown;
}

QString LessonChooserWindow::LeftRowText(int row) const {
  const LeftEntry* entry = List.LeftAt(List.LeftTop + row + 1);
  if (!entry) return {};
  QString text = CourseText(entry->Name);
  if (List.LeftPercentShown()) text += QStringLiteral(", %1%").arg(entry->Percent);
  return text;
}

QString LessonChooserWindow::RightRowText(int row) const {
  const RightEntry* entry = List.RightAt(List.RightTop + row + 1);
  if (!entry || entry->Position < 1 || entry->Position > results_.Count()) return {};
  const ResultRecord& record = results_.At(entry->Position);
  const int language = state_.InterfaceLanguage;
  // What the icons of the row show, in the words of the legend beside the list.
  QStringList parts{CourseText(RecordTitle(record, language)),
                    NameIn(names::kLevel, language) + QStringLiteral(" %1").arg(record.Level)};
  if (List.ChooserMode == 2) {
    parts << QStringLiteral("%1%").arg(entry->Percent);
  } else {
    parts << NameIn(ItemDone(results_, entry->Position) ? names::kDone : names::kNotDoneYet,
                    language);
  }
  if (const ControlName* kind = KindWord(record.Kind)) parts << NameIn(*kind, language);
  return parts.join(QStringLiteral(", "));
}

void LessonChooserWindow::pb_dzialy2Paint(QPainter& painter) {
  const QFont font = ListFont();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QtTextMeasurer measurer(font, CodePage::Cp1250);
  const int ascent = painter.fontMetrics().ascent();
  const bool results = List.ChooserMode == 2;
  for (int row = 1; row <= LessonChoice::kPageRows; ++row) {
    const LeftEntry* entry = List.LeftAt(List.LeftTop + row);
    if (!entry) break;
    const int y = kRowHeight * (row - 1);
    const std::string name = results ? LessonChoice::ShortenForDisplay(
                                           entry->Name, LessonChoice::kLeftNameLimit, measurer)
                                     : entry->Name;
    painter.drawText(kNameX, y + ascent, CourseText(name));
    if (List.LeftPercentShown())
      DrawPercent(painter, icons_, entry->Percent, 133, y - 1, 173, y - 1);
  }
}

void LessonChooserWindow::pb_paczkiPaint(QPainter& painter) {
  const QFont font = ListFont();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QtTextMeasurer measurer(font, CodePage::Cp1250);
  const int ascent = painter.fontMetrics().ascent();
  const bool results = List.ChooserMode == 2;
  // The columns line up whatever a row's level: the icons are all of one size.
  const int levelWidth = LogicalSize(icons_.Get(ChooserIcon::poz_1)).width();
  const int doneWidth = LogicalSize(icons_.Get(ChooserIcon::rob_yes)).width();
  const int kindWidth = LogicalSize(icons_.Get(ChooserIcon::zda_dyk)).width();
  for (int row = 1; row <= LessonChoice::kPageRows; ++row) {
    const RightEntry* entry = List.RightAt(List.RightTop + row);
    if (!entry) break;
    if (entry->Position < 1 || entry->Position > results_.Count()) continue;
    const ResultRecord& record = results_.At(entry->Position);
    const int y = kRowHeight * (row - 1);
    painter.drawPixmap(0, y + 1, icons_.Level(record.Level));
    std::string title = RecordTitle(record, state_.InterfaceLanguage);
    int x = levelWidth + 3;
    if (results) {
      painter.drawPixmap(x, y + 1, KindIcon(icons_, record.Kind));
      x += kindWidth + 3;
      title = LessonChoice::ShortenForDisplay(title, LessonChoice::kRightTitleLimit, measurer);
      DrawPercent(painter, icons_, entry->Percent, 251, y, 291, y + 1);
    } else {
      const bool done = ItemDone(results_, entry->Position);
      painter.drawPixmap(x, y + 1, icons_.Get(done ? ChooserIcon::rob_yes : ChooserIcon::rob_no));
      x += doneWidth + 3;
      painter.drawPixmap(x, y + 1, KindIcon(icons_, record.Kind));
      x += kindWidth + 3;
    }
    painter.drawText(x, y + ascent, CourseText(title));
  }
}

void LessonChooserWindow::B_OKClick() { OpenSelectedItem(); }

void LessonChooserWindow::btn_helpClick() {
  if (ShowInformation) ShowInformation("HH_" + state_.InterfaceText(List.ChooserMode == 2 ? 6 : 5));
}

void LessonChooserWindow::btn_progressClick() {
  if (!progress_) {
    progress_ = new ProgressWindow(state_, results_, groups_, messages_, clock_, this);
  }
  progress_->ShowProgress();
}

void LessonChooserWindow::OpenSelectedItem() {
  const int position = List.OpenItem(results_);
  if (position != 0 && OpenItem) OpenItem(position);
}

bool LessonChooserWindow::HandleKey(int key) {
  const int courseLanguage = state_.Install.CourseLanguage;
  switch (key) {
    case Qt::Key_Tab:
      List.Tab(Sources(), courseLanguage, state_.Texts);
      break;
    case Qt::Key_Up:
      List.ArrowUp(Sources(), courseLanguage, state_.Texts);
      break;
    case Qt::Key_Down:
      List.ArrowDown(Sources(), courseLanguage, state_.Texts);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (List.OkShown) OpenSelectedItem();
      return true;
    case Qt::Key_F1:
      if (ShowHelpPage) {
        ShowHelpPage(state_.ProgramPath(List.ChooserMode == 2 ? "Htm_r\\h_stat.html"
                                                              : "Htm_r\\h_comp.html"));
      }
      return true;
    default:
      return false;
  }
  Sync();
  return true;
}

void LessonChooserWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QWidget::showEvent(event);
}

void LessonChooserWindow::closeEvent(QCloseEvent* event) {
  img_tlo->clear();
  event->accept();
}

void LessonChooserWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Reactivated();
  QWidget::changeEvent(event);
}

}  // namespace tess
