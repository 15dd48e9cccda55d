#pragma once
// The course program's way from start to the main window: folders, installation and
// course files, language material, course material, screen, backdrop and login.
#include <string>
#include <utility>

#include "core/CourseState.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "shared/DataRoot.h"

namespace tess {

/// What the start sequence asks of the windows.
class StartHost {
 public:
  virtual ~StartHost() = default;
  /// Pictures of the main window, interface texts and skins of the current language.
  /// False when something could not be loaded; the host has shown why.
  virtual bool ReloadLanguageMaterial() = 0;
  /// Catalogues, exercise list, conversations and equivalences. False as above.
  virtual bool LoadCourseMaterial() = 0;
  virtual void ShowBackdrop() = 0;
  /// Shows the classroom login modally; true when a classroom user logged in.
  virtual bool ShowClassroomLogin() = 0;
  /// Shows the local login modally.
  virtual void ShowLocalLogin() = 0;
};

constexpr int kMinScreenWidth = 800;
constexpr int kMinScreenHeight = 600;

class StartSequence {
 public:
  /// `writable` decides whether the learners' files stay in ProgramDir (shared/DataRoot.h).
  StartSequence(CourseState& state, MessageBox& messages, Screen& screen,
                WritableProbe writable = FolderWritable)
      : state_(state), messages_(messages), screen_(screen), writable_(std::move(writable)) {}

  /// Folders, installation file, course file and the learners' data folder. False: a message
  /// was shown, the program ends.
  bool SettleInstallation(const std::string& programFile);

  /// Language material, course material, screen, backdrop, mode file and login.
  /// False: a message was shown, the program ends.
  bool LoadAndLogIn(StartHost& host);

  static bool ScreenIsLargeEnough(const ScreenSize& size);

 private:
  CourseState& state_;
  MessageBox& messages_;
  Screen& screen_;
  WritableProbe writable_;
};

}  // namespace tess
