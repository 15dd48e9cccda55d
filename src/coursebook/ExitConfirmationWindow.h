#pragma once
// The exit confirmation of local mode: OK ends the program, the close button keeps it.
#include <QLabel>
#include <QWidget>

#include "widgets/SkinButton.h"

namespace tess {

struct CourseState;
class PictureLoader;

class ExitConfirmationWindow : public QWidget {
  Q_OBJECT
 public:
  ExitConfirmationWindow(const CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                         QWidget* parent = nullptr);

  QLabel* Image1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;

  /// Closes with mrYes.
  void B_OKClick();
  /// Closes with mrNo.
  void B_ZamknijClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const CourseState& state_;
  PictureLoader& pictures_;
};

}  // namespace tess
