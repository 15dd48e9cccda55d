#pragma once
// The course program's home screen: the menu of sections, the links to help, authors, the
// product page and options, a small picture animation and the close button.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "widgets/HoverLabel.h"
#include "widgets/SkinButton.h"

class QTimer;

namespace tess {

struct CourseState;
class AviStrip;
class Browser;
class PictureLoader;
class RandomSource;
class CourseSkins;

/// The product's web page, opened by the "website" link.
inline constexpr const char* kProductPageUrl = "https://tessaron.example/rozumienie";

/// Outside facilities of the main window; without them the animation and the web link do
/// nothing.
struct MainWindowPorts {
  RandomSource* Random = nullptr;
  Browser* Web = nullptr;
};

class HomeWindow : public QWidget {
  Q_OBJECT
 public:
  HomeWindow(const CourseState& state, CourseSkins& skins, PictureLoader& pictures,
             MainWindowPorts ports = {}, QWidget* parent = nullptr);

  /// Loads the background and the six caption pictures of the current interface language
  /// (while the window is hidden only their presence is checked; they are read when it is
  /// shown). False with `error` set when one is missing.
  bool LoadPictures(std::string* error);

  /// Asked when the window is about to close; the close goes on only when it returns true.
  void SetCloseConfirmation(std::function<bool()> confirm) { confirmClose_ = std::move(confirm); }

  /// The picture animation runs from the first showing until the options turn it off.
  void StartAnimation();
  /// Also stops and hides the dot animation.
  void StopAnimation();
  /// One step of the picture animation (each tick of `Timer1`).
  void Timer1Timer();

  // What the window asks of the program; empty hooks do nothing.
  std::function<void(const std::string& path)> PlayOpeningSound;
  std::function<void(const std::string& page)> ShowHelpPage;
  std::function<void()> ShowOptions;
  /// The lesson chooser: 1 exercises, 2 results.
  std::function<void(int mode)> OpenChooser;
  /// The section chooser on a section (40 with `video` true or false, 50, 70) with the full
  /// path of its background picture.
  std::function<void(int sectionCode, bool video, const std::string& picture)> OpenSection;
  /// The window became active again: the media window hides and no longer counts as open.
  std::function<void()> HideMediaWindow;

  QLabel* img_tlo;
  QLabel* img_anim_maly;
  QLabel* img_anim_duzy;
  SkinButton* m_subj;
  SkinButton* m_video;
  SkinButton* m_sent;
  SkinButton* m_rec;
  SkinButton* m_conv;
  SkinButton* m_results;
  SkinButton* lbl_exit;
  QLabel* rol_subjects;
  QLabel* rol_video;
  QLabel* rol_sentences;
  QLabel* rol_records;
  QLabel* rol_conversations;
  QLabel* rol_results;
  HoverLabel* lbl_autorzy;
  HoverLabel* lbl_serwisy;
  HoverLabel* lbl_pomoc;
  HoverLabel* lbl_opcje;
  AviStrip* Kropka;
  QTimer* Timer1;

  void m_subjClick();
  void m_resultsClick();
  void m_videoClick();
  void m_recClick();
  void m_sentClick();
  void m_convClick();
  void lbl_pomocClick();
  void lbl_autorzyClick();
  void lbl_serwisyClick();
  void lbl_opcjeClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  SkinButton* MenuButton(const char* name, int skin, int left, int top, QLabel* caption);
  QLabel* CaptionPicture(const char* name);
  HoverLabel* ClickArea(const char* name, const QRect& area);
  /// Names the controls for screen readers in the interface language.
  void NameControls();
  void MenuEnter(QLabel* caption);
  void MenuLeave(QLabel* caption);
  void ShowSection(int sectionCode, bool video, const char* picture);
  /// Loads a picture of the animation into `label`; false when it is missing.
  bool LoadAnimationPicture(QLabel* label, const std::string& path);
  /// The background and the captions of the interface language, read whole.
  bool ReadPictures(std::string* error);
  bool picturesPending_ = false;
  bool dotRead_ = false;

  const CourseState& state_;
  CourseSkins& skins_;
  PictureLoader& pictures_;
  MainWindowPorts ports_;
  std::function<bool()> confirmClose_;
};

}  // namespace tess
