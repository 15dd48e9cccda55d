#pragma once
// The section chooser: the videos, recordings, sentences or conversations of the course in one
// list, each with its level, done mark and results. The list's rules live in SectionList; this
// window paints them and forwards the mouse, the keys and its buttons.
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "choosers/ChooserIcons.h"
#include "choosers/ChooserParts.h"
#include "choosers/SectionList.h"
#include "widgets/PaintBox.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"

namespace tess {

struct CourseState;
class ExerciseList;
class PictureLoader;
class ResultsStore;
class SkinStrips;

class SectionChooserWindow : public QWidget {
  Q_OBJECT
 public:
  SectionChooserWindow(const CourseState& state, ResultsStore& results,
                       const ExerciseList& exercises, SkinStrips& skins, PictureLoader& pictures,
                       QWidget* parent = nullptr);

  /// Sets the section and loads its background picture (full path) into `Image1`; the caller
  /// then shows the window.
  void SetSection(int sectionCode, bool video, const std::string& picture);

  /// The first chooser icon that could not be loaded when the list first drew; empty when
  /// all were.
  const std::string& IconError() const { return iconError_; }

  // What the window asks of the program; empty hooks do nothing.
  std::function<void(const std::string& page)> ShowHelpPage;
  std::function<void(const std::string& text)> ShowInformation;
  /// Opens the record at a store position (its current result is already set).
  std::function<void(int position)> OpenItem;
  std::function<void()> HideMediaWindow;

  SectionList List;

  QLabel* Image1;
  QWidget* Shape3;
  QWidget* shp_focus;
  PaintBox* pb1;
  QLabel* lbl_info;
  RepeatButton* btn_up;
  RepeatButton* btn_dn;
  SkinButton* btn_help;
  SkinButton* btn_exit;
  SkinButton* B_OK;

  void pb1Paint(QPainter& painter);
  void pb1MouseDown(int y);
  void btn_upClick();
  void btn_dnClick();
  void btn_helpClick();
  void B_OKClick();
  void OpenSectionItem();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  /// Shows the list state: buttons, highlight, frame and information, and repaints.
  void Sync();
  void ShowInfo();
  /// The rows the list draws now, and what screen readers read of a row.
  int RowsShown() const;
  QString RowText(int row) const;

  const CourseState& state_;
  ResultsStore& results_;
  const ExerciseList& exercises_;
  SkinStrips& skins_;
  PictureLoader& pictures_;

  ChooserIcons icons_;
  std::string iconError_;
};

}  // namespace tess
