#pragma once
// The lesson and exercise chooser: the groups of the course (or a classroom user's lessons) on
// the left, their gradable items on the right, in exercises or results mode. The lists' rules
// live in LessonChoice; this window paints them and forwards the mouse, the keys and its
// buttons.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "choosers/ChooserIcons.h"
#include "choosers/ChooserParts.h"
#include "choosers/LessonChoice.h"
#include "widgets/HoverLabel.h"
#include "widgets/PaintBox.h"
#include "widgets/RepeatButton.h"
#include "widgets/SkinButton.h"

namespace tess {

struct CourseState;
class Clock;
class GroupList;
class MessageBox;
class PictureLoader;
class ProgressWindow;
class ResultsStore;
class SkinStrips;
class WindowKeys;

/// What the chooser reads its lists from and where it reports.
struct LessonChooserSources {
  ResultsStore& Results;
  const GroupList& Groups;
  /// What the classroom server gave the user; empty for a local user.
  const ClassroomLessons& Classroom;
};

struct LessonChooserPorts {
  SkinStrips& Skins;
  PictureLoader& Pictures;
  MessageBox& Messages;
  Clock& Time;
};

class LessonChooserWindow : public QWidget {
  Q_OBJECT
 public:
  LessonChooserWindow(const CourseState& state, LessonChooserSources sources,
                      LessonChooserPorts ports, QWidget* parent = nullptr);

  /// Opens the window from the main window: 1 exercises, 2 results.
  void OpenChooser(int mode);
  /// Shows the lessons / whole material choice only when it applies to the user.
  void PrepareLessonChoice();
  /// Rebuilds the lists in `mode` and shows what became of them.
  void BuildLeftList(int mode);
  /// The window is active again, e.g. after an item's window closed: the media window hides
  /// and the lists are rebuilt from the store, keeping the selected item.
  void Reactivated();

  /// The first chooser icon that could not be loaded when the list first drew; empty when
  /// all were.
  const std::string& IconError() const { return iconError_; }

  // What the window asks of the program; empty hooks do nothing.
  std::function<void(const std::string& page)> ShowHelpPage;
  std::function<void(const std::string& text)> ShowInformation;
  /// Opens the record at a store position (its current result is already set).
  std::function<void(int position)> OpenItem;
  std::function<void()> HideMediaWindow;

  LessonChoice List;

  QLabel* img_tlo;
  QWidget* Shape2;
  QWidget* Shape3;
  QWidget* shp_focus;
  PaintBox* pb_dzialy2;
  PaintBox* pb_paczki;
  QLabel* lbl_info;
  RepeatButton* btn_up;
  RepeatButton* btn_dn;
  RepeatButton* L_btn_up;
  RepeatButton* L_btn_dn;
  SkinButton* B_OK;
  SkinButton* b_zamknij;
  SkinButton* btn_help;
  HoverLabel* cb_lekcje;
  HoverLabel* cb_caly_material;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  /// Results mode only: opens the progress window, an addition to the chooser.
  QPushButton* btn_progress;

  void pb_dzialy2Paint(QPainter& painter);
  void pb_paczkiPaint(QPainter& painter);
  void B_OKClick();
  void btn_helpClick();
  void btn_progressClick();
  /// Created at its first opening.
  ProgressWindow* Progress() const { return progress_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  ChooserSources Sources() const;
  /// Takes the user's interface language and run mode into the lists.
  void FollowState();
  /// The showing steps; the message they produce waits until the window is up.
  void FormShow();
  /// Replaces the store with the user's results file; a file that cannot be read is
  /// reported and the store kept.
  void ReloadResults();
  /// The check picture and its white caption over a black shadow, all hidden at first.
  HoverLabel* MakeChoice(const char* name, int left, const char* caption, QLabel*& text,
                         QLabel*& shadow);
  /// Shows the lists' state: highlights, frame, buttons, choice, information; repaints.
  void Sync();
  void ShowMessage(const std::string& cp1250Text);
  /// Names the controls for screen readers in the interface language.
  void NameControls();
  /// The rows list 1 (left) or 2 (right) draws now, and what screen readers read of a row.
  int RowsShown(int list) const;
  QString LeftRowText(int row) const;
  QString RightRowText(int row) const;
  void OpenSelectedItem();
  bool HandleKey(int key);

  const CourseState& state_;
  ResultsStore& results_;
  const GroupList& groups_;
  const ClassroomLessons& classroom_;
  SkinStrips& skins_;
  PictureLoader& pictures_;
  MessageBox& messages_;
  Clock& clock_;
  WindowKeys* keys_;
  ChooserIcons icons_;
  std::string iconError_;
  std::string pendingMessage_;
  ProgressWindow* progress_ = nullptr;
};

}  // namespace tess
