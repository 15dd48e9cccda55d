#pragma once
// The course program's home screen.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "controls/TransparentButton.h"

namespace tess {

struct CourseState;
class PictureLoader;
class TForm5;

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  TMainForm(const CourseState& state, TForm5& skins, PictureLoader& pictures,
            QWidget* parent = nullptr);

  /// Loads the background and the six caption pictures of the current interface language.
  /// False with `error` set when one is missing.
  bool LoadPictures(std::string* error);

  /// Asked when the window is about to close; the close goes on only when it returns true.
  void SetCloseConfirmation(std::function<bool()> confirm) { confirmClose_ = std::move(confirm); }

  QLabel* img_tlo;
  TTransparentButton* m_subj;
  TTransparentButton* m_video;
  TTransparentButton* m_sent;
  TTransparentButton* m_rec;
  TTransparentButton* m_conv;
  TTransparentButton* m_results;
  TTransparentButton* lbl_exit;
  QLabel* rol_subjects;
  QLabel* rol_video;
  QLabel* rol_sentences;
  QLabel* rol_records;
  QLabel* rol_conversations;
  QLabel* rol_results;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  TTransparentButton* MenuButton(const char* name, int skin, int left, int top, QLabel* caption);
  QLabel* CaptionPicture(const char* name);

  const CourseState& state_;
  TForm5& skins_;
  PictureLoader& pictures_;
  std::function<bool()> confirmClose_;
};

}  // namespace tess
