#include "choosers/SectionChooserWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "core/KindCode.h"
#include "core/SkinTable.h"
#include "core/UiText.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "results/ResultsStore.h"
#include "widgets/Accessibility.h"
#include "widgets/ControlNames.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

const QRect kList(368, 148, 357, 361);

}  // namespace

SectionChooserWindow::SectionChooserWindow(const CourseState& state, ResultsStore& results,
                                           const ExerciseList& exercises, SkinStrips& skins,
                                           PictureLoader& pictures, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      state_(state),
      results_(results),
      exercises_(exercises),
      skins_(skins),
      pictures_(pictures) {
  setObjectName("TWybor_selektywny");
  setFixedSize(800, 600);
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 800, 600);

  // The highlight and its frame lie under the list, which draws its rows over them.
  Shape3 = MakeRowHighlight(this, "Shape3");
  shp_focus = MakeFocusFrame(this, "shp_focus");

  pb1 = new PaintBox(this);
  pb1->setObjectName("pb1");
  pb1->setGeometry(kList);
  pb1->Paint = [this](QPainter& painter) { pb1Paint(painter); };
  pb1->MouseDown = [this](QPoint at) { pb1MouseDown(at.y()); };
  pb1->DoubleClick = [this] { OpenSectionItem(); };
  pb1->MouseMove = [this](QPoint at) {
    const int y = at.y();
    const bool entry =
        y >= 0 && List.PositionOfEntry(List.SectionTop + y / SectionList::kRowHeight) != 0;
    pb1->setCursor(entry ? Qt::PointingHandCursor : Qt::ArrowCursor);
  };

  // Focused, so that screen readers follow the selection the arrow keys move.
  pb1->setFocusPolicy(Qt::TabFocus);
  ExposeRows(*pb1, {[this] { return RowsShown(); }, [this](int row) { return RowText(row); },
                    [this](int row) { return List.HighlightShown && List.SectionRow == row + 1; },
                    [](int row) {
                      return QRect(0, 1 + SectionList::kRowHeight * row, kList.width(),
                                   SectionList::kRowHeight);
                    },
                    [this](int row) { pb1MouseDown(1 + SectionList::kRowHeight * row); }});

  lbl_info = new QLabel(this);
  lbl_info->setObjectName("lbl_info");
  lbl_info->setGeometry(46, 473, 271, 96);
  lbl_info->setFont(PointFont("Arial", 8));
  lbl_info->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
  lbl_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lbl_info->hide();

  btn_up = MakeScrollArrow(this, "btn_up", skins_, SkinIndex(CourseSkin::ArrowUp), 744, 161);
  btn_dn = MakeScrollArrow(this, "btn_dn", skins_, SkinIndex(CourseSkin::ArrowDown), 744, 472);
  connect(btn_up, &RepeatButton::Click, this, &SectionChooserWindow::btn_upClick);
  connect(btn_dn, &RepeatButton::Click, this, &SectionChooserWindow::btn_dnClick);

  btn_help = SkinnedButton(this, "btn_help", skins_, SkinIndex(CourseSkin::Help), 0, 573);
  btn_exit = SkinnedButton(this, "btn_exit", skins_, SkinIndex(CourseSkin::Close), 775, 0);
  B_OK = SkinnedButton(this, "B_OK", skins_, SkinIndex(CourseSkin::ChoiceOk), 655, 107);
  B_OK->hide();

  connect(btn_help, &SkinButton::Click, this, &SectionChooserWindow::btn_helpClick);
  connect(btn_exit, &SkinButton::Click, this, &QWidget::close);
  connect(B_OK, &SkinButton::Click, this, &SectionChooserWindow::B_OKClick);

  icons_.LoadOnFirstUse(pictures_, state_.Install.ProgramDir, &iconError_);
}

void SectionChooserWindow::SetSection(int sectionCode, bool video, const std::string& picture) {
  List.SectionCode = sectionCode;
  List.VideoSection = video;
  Image1->setPixmap(QPixmap::fromImage(pictures_.Load(picture)));
}

void SectionChooserWindow::Sync() {
  const int top = kList.top() + 1 + SectionList::kRowHeight * (List.SectionRow - 1);
  Shape3->setGeometry(kList.left(), top, kList.width(), 17);
  shp_focus->setGeometry(Shape3->geometry());
  Shape3->setVisible(List.HighlightShown);
  shp_focus->setVisible(List.HighlightShown);
  btn_up->setVisible(List.UpShown);
  btn_dn->setVisible(List.DownShown);
  B_OK->setVisible(List.OkShown);
  lbl_info->setVisible(List.InfoShown);
  pb1->update();
  RowsChanged(*pb1);
}

int SectionChooserWindow::RowsShown() const {
  int shown = 0;
  while (shown < SectionList::kPageRows && List.PositionOfEntry(List.SectionTop + shown) != 0) {
    ++shown;
  }
  return shown;
}

QString SectionChooserWindow::RowText(int row) const {
  const int position = List.PositionOfEntry(List.SectionTop + row);
  if (position == 0) return {};
  const ResultRecord& record = results_.At(position);
  const int language = state_.InterfaceLanguage;
  // What the icons of the row show, in the words of the legend beside the list.
  QStringList parts{
      CourseText(RecordTitle(record, language)),
      NameIn(names::kLevel, language) + QStringLiteral(" %1").arg(record.Level),
      NameIn(ItemDone(results_, position) ? names::kDone : names::kNotDoneYet, language)};
  if (List.SectionCode == kSectionSentences) {
    parts << NameIn(
        record.Kind == KindCode::Comprehension ? names::kPictureExercise : names::kPackage,
        language);
  }
  return parts.join(QStringLiteral(", "));
}

void SectionChooserWindow::ShowInfo() {
  const int position = List.SelectedPosition();
  if (position == 0) return;
  const ResultRecord& record = results_.At(position);
  const std::string summary = ResultsSummary(results_, record.Name, record.Kind,
                                             state_.Install.CourseLanguage, state_.Texts);
  QString text = Decode(summary, InterfaceCodePage(state_.InterfaceLanguage));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  lbl_info->setText(text);
}

void SectionChooserWindow::pb1Paint(QPainter& painter) {
  const QFont font = PointFont("Arial", 10);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int ascent = QFontMetrics(font).ascent();
  for (int row = 1; row <= SectionList::kPageRows; ++row) {
    const int position = List.PositionOfEntry(List.SectionTop + row - 1);
    if (position == 0) break;
    const ResultRecord& record = results_.At(position);
    const int y = 1 + SectionList::kRowHeight * (row - 1);
    const QPixmap& levelIcon = icons_.Level(record.Level);
    const QPixmap& done =
        icons_.Get(ItemDone(results_, position) ? ChooserIcon::rob_yes : ChooserIcon::rob_no);
    painter.drawPixmap(1, y + 1, levelIcon);
    const int levelWidth = LogicalSize(levelIcon).width();
    painter.drawPixmap(levelWidth + 4, y + 1, done);
    int x = levelWidth + LogicalSize(done).width() + 7;
    if (List.SectionCode == kSectionSentences) {
      const QPixmap& kind = icons_.Get(
          record.Kind == KindCode::Comprehension ? ChooserIcon::img_rpg : ChooserIcon::zda_roz);
      painter.drawPixmap(x, y + 1, kind);
      x += LogicalSize(kind).width() + 3;
    }
    painter.drawText(x, y + ascent, CourseText(RecordTitle(record, state_.InterfaceLanguage)));
  }
}

void SectionChooserWindow::pb1MouseDown(int y) {
  if (!List.PressAt(y)) return;
  ShowInfo();
  Sync();
}

void SectionChooserWindow::btn_upClick() {
  if (List.ScrollUp()) Sync();
}

void SectionChooserWindow::btn_dnClick() {
  if (List.ScrollDown()) Sync();
}

void SectionChooserWindow::btn_helpClick() {
  int text = 8;
  if (List.SectionCode == kSectionVideo) text = List.VideoSection ? 8 : 9;
  if (List.SectionCode == kSectionSentences) text = 10;
  if (List.SectionCode == kSectionConversations) text = 11;
  if (ShowInformation) ShowInformation("HH_" + state_.InterfaceText(text));
}

void SectionChooserWindow::B_OKClick() { OpenSectionItem(); }

void SectionChooserWindow::OpenSectionItem() {
  const int position = List.OpenSectionItem(results_);
  if (position != 0 && OpenItem) OpenItem(position);
}

void SectionChooserWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  const int language = state_.InterfaceLanguage;
  NameControl(*pb1, names::kChooseFromList, language);
  NameControl(*btn_help, names::kHints, language);
  NameControl(*btn_exit, names::kClose, language);
  NameControl(*B_OK, names::kOk, language);
  NameControl(*btn_up, names::kUp, language);
  NameControl(*btn_dn, names::kDown, language);
  List.ProgramDir = state_.Install.ProgramDir;
  List.InterfaceLanguage = state_.InterfaceLanguage;
  List.Show(results_, exercises_);
  Sync();
  pb1->setFocus(Qt::OtherFocusReason);
  QWidget::showEvent(event);
}

void SectionChooserWindow::closeEvent(QCloseEvent* event) {
  Image1->clear();
  event->accept();
}

void SectionChooserWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      List.ArrowUp();
      Sync();
      return;
    case Qt::Key_Down:
      List.ArrowDown();
      Sync();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      OpenSectionItem();
      return;
    case Qt::Key_F1: {
      const char* anchor = "#filmy";
      if (List.SectionCode == kSectionSentences) anchor = "#zda";
      if (List.SectionCode == kSectionConversations) anchor = "#kon";
      if (ShowHelpPage)
        ShowHelpPage(state_.ProgramPath(std::string("Htm_r\\h_comp.html") + anchor));
      return;
    }
    default:
      QWidget::keyPressEvent(event);
  }
}

void SectionChooserWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    if (HideMediaWindow) HideMediaWindow();
    if (List.HighlightShown && List.PressAt(SectionList::kRowHeight * (List.SectionRow - 1))) {
      ShowInfo();
      Sync();
    }
  }
  QWidget::changeEvent(event);
}

}  // namespace tess
