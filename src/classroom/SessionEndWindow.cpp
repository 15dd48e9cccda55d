#include "classroom/SessionEndWindow.h"

#include "classroom/ClassroomWindowParts.h"
#include "core/CourseState.h"
#include "core/SkinTable.h"
#include "platform/Fonts.h"
#include "platform/ModalShower.h"
#include "shared/CodePage.h"
#include "widgets/ControlNames.h"
#include "widgets/Palette.h"

namespace tess {

SessionEndWindow::SessionEndWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                                   QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog), state_(state), pictures_(pictures) {
  setObjectName("TNetKoniecForm");
  setWindowTitle(QStringLiteral("Koniec pracy"));
  Image1 = MakeClassroomBackground(*this, QSize(387, 120));
  Label1 = MakeFieldLabel(*this, QStringLiteral("Jaką czynność program ma wykonać?"), 40);
  Label1->resize(355, Label1->height());
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setGeometry(16, 74, 260, 26);
  ComboBox1->setFont(PointFont("Arial", 10));
  keys_->Watch(*ComboBox1);
  NameByLabel(*ComboBox1, *Label1);
  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(CourseSkin::Close), 360, 2);
  B_Zamknij->setToolTip(QStringLiteral("Koniec"));
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(CourseSkin::ChoiceOk), 300, 70);
  NameControl(*B_OK, names::kOk, state.InterfaceLanguage);
  connect(B_OK, &SkinButton::Click, this, &SessionEndWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &SessionEndWindow::B_ZamknijClick);
}

void SessionEndWindow::showEvent(QShowEvent* event) {
  ShowClassroomBackground(*Image1, pictures_, state_.ProgramPath("gfx_r\\siec_koniec.bmp"));
  ComboBox1->clear();
  for (const std::string& choice : SessionEndChoices(state_.UserName)) {
    ComboBox1->addItem(Decode(choice, CodePage::Cp1250));
  }
  ComboBox1->setCurrentIndex(0);
  choice_ = SessionEnd::BackToProgram;
  QWidget::showEvent(event);
}

void SessionEndWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void SessionEndWindow::B_OKClick() {
  choice_ = SessionEndOf(ComboBox1->currentIndex());
  SetModalResult(*this, mrOk);
}

void SessionEndWindow::B_ZamknijClick() {
  choice_ = SessionEnd::BackToProgram;
  SetModalResult(*this, mrCancel);
}

bool SessionEndWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); });
}

}  // namespace tess
