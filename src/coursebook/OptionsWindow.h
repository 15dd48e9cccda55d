#pragma once
// The options window: the per-user options and the interface language, changed only by OK.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "coursebook/OptionsEdit.h"
#include "coursebook/SoundDevicesPanel.h"
#include "widgets/HoverLabel.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class LanguageMaterial;
class MessageBox;
class PictureLoader;
class CourseSkins;

/// The options' pixel font, also of the sound device page.
QFont OptionsFont(int pixels);
/// Text in `ink` on the paper, muted while disabled.
void SetInk(QWidget& widget, const QColor& ink);

/// A 13 x 13 check box drawn in the course's colours; it has no text of its own, its label
/// stands beside it.
class OptionCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit OptionCheckBox(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

/// The language drop-down drawn in the same colours: a white field with a small chevron.
class LanguageDropDown : public QComboBox {
  Q_OBJECT
 public:
  explicit LanguageDropDown(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class OptionsWindow : public QWidget {
  Q_OBJECT
 public:
  OptionsWindow(CourseState& state, LanguageMaterial& material, CourseSkins& skins,
                PictureLoader& pictures, MessageBox& messages, QWidget* parent = nullptr);

  /// The main window's picture animation, started or stopped by OK.
  std::function<void()> StartAnimation;
  std::function<void()> StopAnimation;
  /// The information window with a text, and the help window on a page's full path.
  std::function<void(const std::string& text)> ShowInformation;
  std::function<void(const std::string& page)> ShowHelpPage;

  QLabel* Image1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;
  SkinButton* btn_help;
  OptionCheckBox* cb_wielkoscliter;
  OptionCheckBox* cb_interpunkcja;
  OptionCheckBox* cb_zdaniadragdrop;
  OptionCheckBox* cb_blokujdostep;
  OptionCheckBox* cb_animacje;
  OptionCheckBox* cb_slownikslownictwo;
  HoverLabel* Label1;
  HoverLabel* Label2;
  HoverLabel* Label3;
  HoverLabel* Label5;
  HoverLabel* Label8;
  HoverLabel* Label6;
  QLabel* Label7;
  LanguageDropDown* cb_lang;
  QLabel* Label4;
  /// Opens and closes the page of the loudspeakers and the microphone.
  HoverLabel* lbl_urzadzenia;
  /// Made when the link is first clicked.
  SoundDevicesPanel* pnl_urzadzenia = nullptr;

  /// Stores the choices (a new language first), starts or stops the animation, writes the
  /// settings file and closes with mrOk.
  void B_OKClick();
  /// Closes with mrCancel; nothing is stored.
  void B_ZamknijClick();
  void btn_helpClick();

  /// The interface language when the window was last shown.
  int LanguageAtShow() const { return edit_.LanguageAtShow(); }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Keys are seen by the window before its controls.
  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  struct BoxRow {
    OptionBox Box;
    OptionCheckBox* Check;
    HoverLabel* Label;
    int TextNumber;
  };

  void AddRow(OptionBox box, OptionCheckBox*& check, HoverLabel*& label, const char* checkName,
              const char* labelName, int top, int labelTop, int textNumber);
  /// The boxes and B_OK as the edit has them.
  void ShowEdit();
  bool HandleKey(int key);
  void ShowDevicePage(bool shown);
  void StoreSoundDevices(const SoundDeviceChoice& choice);

  CourseState& state_;
  LanguageMaterial& material_;
  PictureLoader& pictures_;
  MessageBox& messages_;
  OptionsEdit edit_;
  std::array<BoxRow, kOptionBoxCount> rows_{};
  int rowCount_ = 0;
};

}  // namespace tess
