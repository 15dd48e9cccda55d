#pragma once
// The exit confirmation of local mode: OK ends the program, the close button keeps it.
#include <QLabel>
#include <QWidget>

#include "controls/TransparentButton.h"

namespace tess {

struct CourseState;
class PictureLoader;

class TForm24 : public QWidget {
  Q_OBJECT
 public:
  TForm24(const CourseState& state, TMyImageList& skins, PictureLoader& pictures,
          QWidget* parent = nullptr);

  QLabel* Image1;
  TTransparentButton* B_OK;
  TTransparentButton* B_Zamknij;

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
