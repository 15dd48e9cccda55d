#pragma once
// The learner's last wrong answer in a small borderless window over the sentences window. It
// goes away on Esc, Enter, its button or as soon as another window takes the focus.
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "widgets/WordPick.h"

namespace tess {

struct CourseState;
class PictureLoader;
class SkinButton;
class SkinStrips;

struct AnswerWindowServices {
  const CourseState& State;
  SkinStrips& Skins;
  PictureLoader& Pictures;
  /// F1: the help window on a page (full path).
  std::function<void(const std::string& page)> ShowHelpPage;
};

class AnswerWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AnswerWindow(AnswerWindowServices services, QWidget* parent = nullptr);

  /// Shows `answer` (cp1250) and takes the focus.
  void ShowAnswer(const std::string& answer);
  /// A double-click on a word of the answer.
  WordPicked LookUpWord;

  QLabel* Image1;
  QLabel* L_Odp;
  QLabel* Label1;
  SkinButton* btn_ok;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPressed(int key);

  AnswerWindowServices services_;
};

}  // namespace tess
