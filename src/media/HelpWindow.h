#pragma once
// The help window: the course's HTML help pages under ProgramDir + "Htm_r\", with back
// navigation, a contents button and printing. What it decides lives in HelpHistory; this
// widget shows the page HelpHistory names and forwards clicks.
#include <QLabel>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <string>

#include "media/HelpHistory.h"

class QPrinter;

namespace tess {

struct CourseState;
class PictureLoader;
class SkinStrips;
class MediaWindow;
class SkinButton;

/// The HTML display: pages, style sheets and pictures are read through the course's path
/// resolver, so links match file names without regard to case and "\" separates folders.
/// The history is HelpHistory's; the display keeps none of its own.
class HelpViewer : public QTextBrowser {
  Q_OBJECT
 public:
  HelpViewer(PictureLoader& pictures, QWidget* parent);

  /// Shows a page: its file is loaded unless it is the one shown, then the view goes to the
  /// anchor (or to the top).
  void ShowPage(const HelpPage& page);
  /// The file shown, as it was named (before resolving).
  const std::string& FileName() const { return file_; }

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  /// The file a resource URL names; relative names are taken from the page's folder.
  std::string LocalPathOf(const QUrl& name) const;

  PictureLoader& pictures_;
  std::string file_;
};

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  HelpWindow(CourseState& state, SkinStrips& skins, PictureLoader& pictures,
             QWidget* parent = nullptr);

  /// Shows the window above the others. It is modal to the application without waiting, so
  /// it can be used while a modal window that opened it (the login) is still showing.
  void ShowWindow();
  /// Opens a page from outside: a full path, optionally followed by "#" and an anchor.
  /// The history starts afresh.
  void ShowHelpPage(const std::string& path);

  const HelpHistory& History() const { return history_; }

  /// The media window is hidden while the help shows and shown again afterwards when it was
  /// open. Unset hooks mean there is no media window.
  std::function<bool()> MediaShown;
  std::function<void()> HideMedia;
  std::function<void()> ShowMedia;
  /// Sets the three hooks above to `media`.
  void AttachMediaWindow(MediaWindow& media);

  /// Opens a web address of a page in the desktop's browser.
  std::function<void(const std::string& url)> OpenWebPage;
  /// Lets the learner choose where to print; false prints nothing. The default shows the
  /// system's print dialog.
  std::function<bool(QPrinter& printer)> ChoosePrinter;

  HelpViewer* FrameViewer1;
  QLabel* img_tlo;
  SkinButton* btn_back;
  SkinButton* Button2;
  SkinButton* btn_spis;
  SkinButton* btn_exit;

  void btn_backClick();
  void Button2Click();
  void btn_spisClick();
  void btn_exitClick();
  /// A link of the page was clicked (as written in the page).
  void LinkClicked(const QString& href);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Display();
  void UpdateButtons();

  CourseState& state_;
  PictureLoader& pictures_;
  HelpHistory history_;
};

}  // namespace tess
