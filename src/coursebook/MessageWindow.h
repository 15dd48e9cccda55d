#pragma once
// The course's own modal message box.
#include <QLabel>
#include <QWidget>

#include "platform/MessageBox.h"
#include "widgets/SkinButton.h"

namespace tess {

struct CourseState;
class ModalShower;
class PictureLoader;
class CourseSkins;

class MessageWindow : public QWidget {
  Q_OBJECT
 public:
  MessageWindow(const CourseState& state, CourseSkins& skins, PictureLoader& pictures,
                ModalShower& modal, QWidget* parent = nullptr);

  /// Puts the text into the window and shows it modally; returns when it is closed.
  void ShowText(const QString& text);

  QLabel* Image1;
  SkinButton* B_OK;
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
class MessageWindowBox : public MessageBox {
 public:
  MessageWindowBox(MessageWindow& form, MessageBox& plain) : form_(form), plain_(plain) {}
  void ShowMessage(const std::string& text) override;
  void ShowWarning(const std::string& text) override { plain_.ShowWarning(text); }
  void Beep() override { plain_.Beep(); }

 private:
  MessageWindow& form_;
  MessageBox& plain_;
};

}  // namespace tess
