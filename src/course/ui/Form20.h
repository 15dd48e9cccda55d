#pragma once
// The course's own modal message box.
#include <QLabel>
#include <QWidget>

#include "controls/TransparentButton.h"
#include "platform/MessageBox.h"

namespace tess {

struct CourseState;
class ModalShower;
class PictureLoader;
class TForm5;

class TForm20 : public QWidget {
  Q_OBJECT
 public:
  TForm20(const CourseState& state, TForm5& skins, PictureLoader& pictures, ModalShower& modal,
          QWidget* parent = nullptr);

  /// Puts the text into the window and shows it modally; returns when it is closed.
  void ShowText(const QString& text);

  QLabel* Image1;
  TTransparentButton* B_OK;
  QLabel* Label1;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CloseWindow();

  const CourseState& state_;
  PictureLoader& pictures_;
  ModalShower& modal_;
};

/// Messages of the logic shown in the message window.
class Form20MessageBox : public MessageBox {
 public:
  Form20MessageBox(TForm20& form, MessageBox& plain) : form_(form), plain_(plain) {}
  void ShowMessage(const std::string& text) override;
  void ShowWarning(const std::string& text) override { plain_.ShowWarning(text); }
  void Beep() override { plain_.Beep(); }

 private:
  TForm20& form_;
  MessageBox& plain_;
};

}  // namespace tess
