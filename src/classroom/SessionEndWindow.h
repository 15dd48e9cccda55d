#pragma once
// The end of a classroom session (`TNetKoniecForm`): close the program or log the user out, or
// go back to the program.
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "classroom/ClassroomForms.h"
#include "widgets/SkinButton.h"
#include "widgets/WindowKeys.h"

namespace tess {

struct CourseState;
class PictureLoader;

class SessionEndWindow : public QWidget {
  Q_OBJECT
 public:
  SessionEndWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
                   QWidget* parent = nullptr);

  /// What the learner chose when the window closed.
  SessionEnd Choice() const { return choice_; }

  QLabel* Image1;
  QLabel* Label1;
  QComboBox* ComboBox1;
  SkinButton* B_OK;
  SkinButton* B_Zamknij;

  void B_OKClick();
  void B_ZamknijClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool HandleKey(int key);

  WindowKeys* keys_ = new WindowKeys(*this, [this](int key) { return HandleKey(key); });
  CourseState& state_;
  PictureLoader& pictures_;
  SessionEnd choice_ = SessionEnd::BackToProgram;
};

}  // namespace tess
