#include "coursebook/OptionsWindow.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "core/CourseSkins.h"
#include "core/CourseState.h"
#include "core/Settings.h"
#include "core/SkinTable.h"
#include "core/SoundDeviceChoice.h"
#include "core/UiText.h"
#include "coursebook/LanguageMaterial.h"
#include "platform/SoundModule.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "widgets/ControlNames.h"
#include "widgets/Palette.h"
#include "widgets/SkinButton.h"

namespace tess {
namespace {

constexpr int kLabelLeft = 68;
constexpr int kLabelWidth = 300;

}  // namespace

QFont OptionsFont(int pixels) {
  QFont font("MS Sans Serif");
  font.setPixelSize(pixels);
  return font;
}

void SetInk(QWidget& widget, const QColor& ink) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, ink);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, palette::kMuted);
  widget.setPalette(palette);
}

OptionCheckBox::OptionCheckBox(QWidget* parent) : QCheckBox(parent) {
  setFixedSize(13, 13);
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

void OptionCheckBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool enabled = isEnabled();
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const QColor frame = !enabled     ? palette::kSandDisabled
                       : hasFocus() ? palette::kFocusFrame
                                    : palette::kNavy;
  QColor fill = Qt::white;
  if (isChecked()) fill = enabled ? palette::kTeal : palette::kTealDisabled;
  if (!enabled && !isChecked()) fill = palette::kSand;
  p.setPen(QPen(isChecked() && enabled && !hasFocus() ? palette::kTeal.darker(130) : frame, 1));
  p.setBrush(fill);
  p.drawRoundedRect(box, 2, 2);
  if (isChecked()) {
    QPainterPath tick;
    tick.moveTo(3.2, 6.8);
    tick.lineTo(5.4, 9.0);
    tick.lineTo(9.8, 4.0);
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  }
}

LanguageDropDown::LanguageDropDown(QWidget* parent) : QComboBox(parent) {
  setCursor(Qt::PointingHandCursor);
  setFont(OptionsFont(13));
  // Only the open list is left to the style.
  view()->setStyleSheet(palette::Styled(
      QStringLiteral("QAbstractItemView { background: white; color: {navy}; outline: 0;"
                     " selection-background-color: {highlight}; selection-color: black; }")));
}

void LanguageDropDown::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF field = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(hasFocus() ? palette::kFocusFrame : palette::kNavy, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(field, 3, 3);
  const qreal middle = height() / 2.0;
  const qreal right = width() - 8.0;
  p.setPen(QPen(palette::kTeal, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(
      QPolygonF{{right - 7, middle - 2}, {right - 3.5, middle + 1.5}, {right, middle - 2}});
  p.setPen(palette::kNavy);
  p.setFont(font());
  const QRect text = rect().adjusted(6, 0, -20, 0);
  p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
             fontMetrics().elidedText(currentText(), Qt::ElideRight, text.width()));
}

OptionsWindow::OptionsWindow(CourseState& state, LanguageMaterial& material, CourseSkins& skins,
                             PictureLoader& pictures, MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Dialog),
      state_(state),
      material_(material),
      pictures_(pictures),
      messages_(messages) {
  setObjectName("TOpcjeForm");
  setFixedSize(388, 235);
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 388, 235);

  B_OK = SkinnedButton(this, "B_OK", skins.MyImageList1, SkinIndex(CourseSkin::OkSmall), 277, 11);
  B_Zamknij =
      SkinnedButton(this, "B_Zamknij", skins.MyImageList1, SkinIndex(CourseSkin::Cancel), 317, 11);
  btn_help =
      SkinnedButton(this, "btn_help", skins.MyImageList1, SkinIndex(CourseSkin::Help), 2, 208);

  AddRow(OptionBox::CaseSensitive, cb_wielkoscliter, Label1, "cb_wielkoscliter", "Label1", 48, 48,
         56);
  AddRow(OptionBox::KeepPunctuation, cb_interpunkcja, Label2, "cb_interpunkcja", "Label2", 72, 72,
         57);
  AddRow(OptionBox::SentenceDragDrop, cb_zdaniadragdrop, Label3, "cb_zdaniadragdrop", "Label3", 96,
         96, 58);
  AddRow(OptionBox::TypingTabLast, cb_blokujdostep, Label5, "cb_blokujdostep", "Label5", 120, 120,
         59);
  AddRow(OptionBox::Animations, cb_animacje, Label8, "cb_animacje", "Label8", 152, 154, 115);
  AddRow(OptionBox::UseDictionary, cb_slownikslownictwo, Label6, "cb_slownikslownictwo", "Label6",
         176, 176, 60);
  // The only label of two lines: its text wraps within the paper panel.
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5->setFixedSize(kLabelWidth, 30);
  // The dictionary option only travels through the settings file.
  cb_slownikslownictwo->hide();
  Label6->hide();

  Label7 = new QLabel(this);
  Label7->setObjectName("Label7");
  Label7->setFont(OptionsFont(13));
  SetInk(*Label7, palette::kNavy);
  Label7->move(48, 192);
  Label7->setCursor(Qt::PointingHandCursor);
  cb_lang = new LanguageDropDown(this);
  cb_lang->setObjectName("cb_lang");
  cb_lang->setGeometry(180, 188, 117, 21);
  material_.ListInterfaceLanguages(*cb_lang);

  Label4 = new QLabel(this);
  Label4->setObjectName("Label4");
  Label4->setFont(OptionsFont(11));
  SetInk(*Label4, palette::kMuted);
  Label4->move(324, 212);
  Label4->setCursor(Qt::PointingHandCursor);

  lbl_urzadzenia = new HoverLabel(this);
  lbl_urzadzenia->setObjectName("lbl_urzadzenia");
  lbl_urzadzenia->setFont(OptionsFont(11));
  SetInk(*lbl_urzadzenia, palette::kTeal);
  lbl_urzadzenia->move(48, 212);
  lbl_urzadzenia->setCursor(Qt::PointingHandCursor);
  connect(lbl_urzadzenia, &HoverLabel::Click, this,
          [this] { ShowDevicePage(!pnl_urzadzenia || pnl_urzadzenia->isHidden()); });

  connect(B_OK, &SkinButton::Click, this, &OptionsWindow::B_OKClick);
  connect(B_Zamknij, &SkinButton::Click, this, &OptionsWindow::B_ZamknijClick);
  connect(btn_help, &SkinButton::Click, this, &OptionsWindow::btn_helpClick);
  connect(cb_lang, &QComboBox::activated, this, [this](int position) {
    edit_.ChooseLanguage(position);
    ShowEdit();
  });
  keys_->Watch(*cb_lang);
}

void OptionsWindow::AddRow(OptionBox box, OptionCheckBox*& check, HoverLabel*& label,
                           const char* checkName, const char* labelName, int top, int labelTop,
                           int textNumber) {
  check = new OptionCheckBox(this);
  check->setObjectName(checkName);
  check->move(44, top);
  keys_->Watch(*check);
  label = new HoverLabel(this);
  label->setObjectName(labelName);
  label->setFont(OptionsFont(13));
  SetInk(*label, palette::kNavy);
  label->move(kLabelLeft, labelTop);
  label->setCursor(Qt::PointingHandCursor);
  // The box is what the Tab key and screen readers stop at; the label names it.
  label->SetRole(ControlRole::Caption);
  rows_[static_cast<size_t>(rowCount_++)] = {box, check, label, textNumber};
  connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
    edit_.SetChecked(box, checked);
    ShowEdit();
  });
  connect(label, &HoverLabel::Click, this, [this, box] {
    edit_.Toggle(box);
    ShowEdit();
  });
}

void OptionsWindow::ShowEdit() {
  for (const BoxRow& row : rows_) row.Check->setChecked(edit_.Checked(row.Box));
  B_OK->setVisible(edit_.Changed());
}

void OptionsWindow::showEvent(QShowEvent* event) {
  setWindowTitle(CourseText(state_.Install.CourseTitle));
  for (const BoxRow& row : rows_) {
    row.Label->setText(UiText(state_, row.TextNumber));
    if (!row.Label->wordWrap()) row.Label->adjustSize();
  }
  Label7->setText(UiText(state_, 61));
  Label7->adjustSize();
  Label4->setText(UiText(state_, 62));
  Label4->adjustSize();
  for (const BoxRow& row : rows_) row.Check->setAccessibleName(row.Label->text());
  cb_lang->setAccessibleName(Label7->text());
  const int language = state_.InterfaceLanguage;
  NameControl(*B_OK, names::kOk, language);
  NameControl(*B_Zamknij, names::kCancel, language);
  NameControl(*btn_help, names::kHelp, language);

  edit_.Show(state_.Options, state_.InterfaceLanguage, state_.LanguageChoices);
  edit_.ShowSoundDevices(
      ReadSoundDeviceChoice(SoundDeviceFilePath(state_.UserDir, state_.Install.SettingsTag)));
  ShowDevicePage(false);
  cb_lang->setCurrentIndex(edit_.LanguagePosition());
  Image1->setPixmap(
      QPixmap::fromImage(pictures_.Load(state_.LangPath("gfx_r\\ustawienia_rozum.bmp"))));
  ShowEdit();
  // The button pressed to close the window last time never saw the mouse leave.
  for (SkinButton* button : {B_OK, B_Zamknij, btn_help}) button->SetStan(0);
  const bool dictionary = DictionaryProgramPresent(state_.Install.ProgramDir);
  cb_slownikslownictwo->setEnabled(dictionary);
  Label6->setEnabled(dictionary);
  QWidget::showEvent(event);
}

void OptionsWindow::hideEvent(QHideEvent* event) {
  Image1->clear();
  QWidget::hideEvent(event);
}

void OptionsWindow::B_OKClick() {
  const OptionsOutcome outcome = edit_.Confirm(state_.Options);
  if (outcome.LanguagePosition >= 0) material_.SetInterfaceLanguage(outcome.LanguagePosition);
  state_.Options = outcome.Options;
  const auto& animation = state_.Options.Animations ? StartAnimation : StopAnimation;
  if (animation) animation();
  SaveUserSettings(state_, messages_);
  if (outcome.SoundDevices) StoreSoundDevices(*outcome.SoundDevices);
  SetModalResult(*this, mrOk);
}

void OptionsWindow::StoreSoundDevices(const SoundDeviceChoice& choice) {
  // In force for this session even when it cannot be kept for the next one.
  LoadedSoundDevices().SetPreferredAudioDevices(choice.Output, choice.Input);
  const std::string path = SoundDeviceFilePath(state_.UserDir, state_.Install.SettingsTag);
  std::string error;
  if (!WriteSoundDeviceChoice(path, choice, &error)) {
    messages_.ShowMessage("Nie można zapisać wyboru urządzeń dźwięku w pliku " + path + ": " +
                          error);
  }
}

void OptionsWindow::ShowDevicePage(bool shown) {
  if (shown && !pnl_urzadzenia) {
    // Made when first opened: its drop-downs cost the start of the program time.
    pnl_urzadzenia = new SoundDevicesPanel(this);
    pnl_urzadzenia->setGeometry(33, 40, 340, 140);
    pnl_urzadzenia->Picked = [this](const SoundDeviceChoice& choice) {
      edit_.ChooseSoundDevices(choice);
      ShowEdit();
    };
    keys_->Watch(*pnl_urzadzenia->cb_glosniki);
    keys_->Watch(*pnl_urzadzenia->cb_mikrofon);
  }
  if (shown) {
    pnl_urzadzenia->ShowChoice(edit_.SoundDevices(), LoadedSoundDevices().AudioOutputNames(),
                                 LoadedSoundDevices().AudioInputNames());
    pnl_urzadzenia->show();
    pnl_urzadzenia->raise();
  } else if (pnl_urzadzenia) {
    pnl_urzadzenia->hide();
  }
  lbl_urzadzenia->setText(shown ? QStringLiteral("\u00AB Opcje")
                                : QStringLiteral("Urządzenia dźwięku\u2026"));
  lbl_urzadzenia->adjustSize();
  lbl_urzadzenia->setAccessibleName(shown ? QStringLiteral("Wróć do opcji")
                                          : QStringLiteral("Urządzenia dźwięku"));
}

void OptionsWindow::B_ZamknijClick() { SetModalResult(*this, mrCancel); }

void OptionsWindow::btn_helpClick() {
  if (ShowInformation) ShowInformation("HH_" + state_.InterfaceText(3));
}

bool OptionsWindow::HandleKey(int key) {
  switch (key) {
    case Qt::Key_Escape:
      B_ZamknijClick();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (B_OK->isHidden()) return false;
      B_OKClick();
      return true;
    case Qt::Key_F1:
      if (ShowHelpPage) ShowHelpPage(state_.ProgramPath("Htm_r\\h_pres.html"));
      return true;
    default:
      return false;
  }
}

}  // namespace tess
