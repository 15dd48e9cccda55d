#include "dictionary/SearchWindow.h"

#include <QKeyEvent>

#include "dictionary/DictionaryLanguage.h"
#include "dictionary/DictionaryLook.h"
#include "dictionary/DictionarySkins.h"
#include "dictionary/DictionaryText.h"
#include "platform/ModalShower.h"
#include "users/UserWidgets.h"
#include "widgets/ForeignLetterEdit.h"
#include "widgets/SkinButton.h"

namespace tess::dictionary {

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 200;
constexpr int kMaxSearchLength = 100;
const QRect kField(16, 42, 308, 28);
constexpr int kFirstOptionTop = 80;
constexpr int kOptionStep = 22;

}  // namespace

SearchWindow::SearchWindow(SearchOptions& options, int language, SkinStrips& skins, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      options_(options),
      language_(language) {
  setObjectName("TForm23");
  setFixedSize(kWidth, kHeight);
  setWindowTitle(QStringLiteral("Tessaron - szukaj..."));
  Image1 = WindowBackground(*this, QStringLiteral("Szukaj w słowniku"), {kField});

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(kField);
  Edit1->setMaxLength(kMaxSearchLength);
  StyleNameEdit(*Edit1);
  // The letters are bytes in the character set the font box gives the field.
  letters_ = new ForeignLetterEdit(*Edit1, language, CodePage::Cp1250);

  const auto box = [this](const char* name, int top) {
    auto* check = new QCheckBox(this);
    check->setObjectName(name);
    check->setGeometry(16, top, 18, 18);
    check->setCursor(Qt::PointingHandCursor);
    return check;
  };
  int top = kFirstOptionTop;
  CH_Jak_ang = box("CH_Jak_ang", top);
  Label1 = OptionLabel(CH_Jak_ang, "Label1", Utf8Text(ForeignSideCaption(language)), top);
  top += kOptionStep;
  CH_Jak_pol = box("CH_Jak_pol", top);
  Label2 = OptionLabel(CH_Jak_pol, "Label2", QStringLiteral("Szukaj wśród polskich"), top);
  top += kOptionStep;
  CH_Jak_cale = box("CH_Jak_cale", top);
  Label3 = OptionLabel(CH_Jak_cale, "Label3", QStringLiteral("Tylko całe wyrazy"), top);
  top += kOptionStep;
  CH_Jak_duze = box("CH_Jak_duze", top);
  Label4 = OptionLabel(CH_Jak_duze, "Label4", QStringLiteral("Rozróżniaj duże i małe litery"), top);
  top += kOptionStep + 4;
  CheckBox1 = box("CheckBox1", top);
  Label5 = OptionLabel(CheckBox1, "Label5", Utf8Text(FontOptionCaption(language)), top);
  connect(CheckBox1, &QCheckBox::toggled, this, &SearchWindow::CharacterSetSwitched);
  StyleLabel(*Label5, 12, false, palette::kMuted);
  Label5->adjustSize();

  B_Zamknij = SkinnedButton(this, "B_Zamknij", skins, SkinIndex(DictionarySkin::Close), 0, 0);
  B_Zamknij->move(kWidth - B_Zamknij->width() - 2, 2);
  B_OK = SkinnedButton(this, "B_OK", skins, SkinIndex(DictionarySkin::Ok), 0, 0);
  B_OK->move(kWidth - B_OK->width() - 14, kHeight - B_OK->height() - 12);

  Edit1->setAccessibleName(QStringLiteral("Szukaj w słowniku"));
  B_Zamknij->setAccessibleName(QStringLiteral("Zamknij"));
  B_OK->setAccessibleName(QStringLiteral("OK"));
  connect(B_OK, &SkinButton::Click, this, &SearchWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &SearchWindow::B_ZamknijClick);
  connect(Edit1, &QLineEdit::textChanged, this, &SearchWindow::UpdateOk);
  keys_->Watch(*Edit1);
}

HoverLabel* SearchWindow::OptionLabel(QCheckBox* box, const char* name, const QString& caption,
                                      int top) {
  auto* label = new HoverLabel(caption, this);
  label->setObjectName(name);
  StyleLabel(*label, 13, false);
  label->move(38, top);
  label->setFixedHeight(18);
  label->adjustSize();
  label->setBuddy(box);
  label->setCursor(Qt::PointingHandCursor);
  // The box is the control screen readers and the Tab key stop at; the caption names it.
  label->SetRole(ControlRole::Caption);
  box->setAccessibleName(caption);
  connect(label, &HoverLabel::Click, box, [box] { box->toggle(); });
  return label;
}

void SearchWindow::showEvent(QShowEvent* event) {
  B_OK->hide();
  if (!options_.SearchForeign && !options_.SearchPolish) {
    options_.SearchForeign = true;
    options_.SearchPolish = true;
  }
  CH_Jak_ang->setChecked(options_.SearchForeign);
  CH_Jak_pol->setChecked(options_.SearchPolish);
  CH_Jak_cale->setChecked(options_.WholeField);
  CH_Jak_duze->setChecked(!options_.IgnoreCase);
  const bool fontOption = HasFontOption(language_);
  CheckBox1->setVisible(fontOption);
  Label5->setVisible(fontOption);
  Edit1->setText(SearchText);
  Edit1->deselect();
  Edit1->setFocus();
  UpdateOk();
  QWidget::showEvent(event);
}

void SearchWindow::hideEvent(QHideEvent* event) {
  // Whatever closed the window, the options are those it shows.
  options_.SearchForeign = CH_Jak_ang->isChecked();
  options_.SearchPolish = CH_Jak_pol->isChecked();
  options_.WholeField = CH_Jak_cale->isChecked();
  options_.IgnoreCase = !CH_Jak_duze->isChecked();
  QWidget::hideEvent(event);
}

void SearchWindow::CharacterSetSwitched(bool checked) {
  const CodePage shown = ForeignCodePage();
  const CodePage before = checked ? CodePage::Cp1250 : HeadwordCodePage(language_);
  Edit1->setText(Decode(Encode(Edit1->text(), before), shown));
  letters_->SetCodePage(shown);
}

CodePage SearchWindow::ForeignCodePage() const {
  return CheckBox1->isChecked() ? HeadwordCodePage(language_) : CodePage::Cp1250;
}

void SearchWindow::UpdateOk() { B_OK->setVisible(!Edit1->text().isEmpty()); }

void SearchWindow::B_OKClick() {
  SearchText = Edit1->text().trimmed();
  SetModalResult(*this, mrOk);
}

void SearchWindow::B_ZamknijClick() {
  SearchText.clear();
  SetModalResult(*this, mrCancel);
}

bool SearchWindow::HandleKey(int key) {
  return DialogKey(
      key, *B_OK, [this] { B_OKClick(); }, [this] { B_ZamknijClick(); });
}

}  // namespace tess::dictionary
