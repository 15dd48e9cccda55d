#pragma once
// What the exercise window tests share: a small installation in a temporary folder, fakes for
// every outside facility, and the launcher that opens the windows as the program does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cstdint>
#include <functional>
#include <string>

#include "core/CourseState.h"
#include "core/ExerciseList.h"
#include "exercises/ExerciseLauncher.h"
#include "media/MediaWindow.h"
#include "media/SoundService.h"
#include "platform/FakeSound.h"
#include "platform/Fakes.h"
#include "platform/RandomSource.h"
#include "results/ResultsStore.h"
#include "support/TempFolder.h"
#include "widgets/SkinStrips.h"

namespace tess::testing {

/// A mouse event at `at` (the widget's own pixels).
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

/// Presses on `label`, moves the pointer to `to` (pixels of `window`, the label's window) in
/// three steps and lets go there; `whileHeld` looks at the window before the release.
inline void DragLabel(QWidget& window, QLabel* label, QPoint to,
                      const std::function<void()>& whileHeld = {}) {
  const QPoint from = label->geometry().center();
  SendMouse(label, QEvent::MouseButtonPress, label->mapFrom(&window, from), Qt::LeftButton,
            Qt::LeftButton);
  for (int step = 1; step <= 3; ++step) {
    const QPoint at = from + (to - from) * step / 3;
    SendMouse(label, QEvent::MouseMove, label->mapFrom(&window, at), Qt::NoButton, Qt::LeftButton);
  }
  if (whileHeld) whileHeld();
  SendMouse(label, QEvent::MouseButtonRelease, label->mapFrom(&window, to), Qt::LeftButton,
            Qt::NoButton);
}

inline void ClickAt(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

class ExerciseRig : public ::testing::Test {
 protected:
  /// `seed` fixes the shuffles of the windows.
  explicit ExerciseRig(std::uint32_t seed) : random_(seed) {}

  /// Interface texts "T1" to "T100", the program and media folders, the user's folder.
  void SetUpInstallation() {
    ASSERT_TRUE(folder_.ok());
    std::string texts;
    for (int n = 1; n <= 100; ++n) texts += std::to_string(n) + "==T" + std::to_string(n) + "=\r\n";
    WriteBytes(folder_ / "infa_r.txt", texts);
    ASSERT_TRUE(state_.Texts.Load(folder_ / "infa_r.txt"));
    state_.Install.ProgramDir = folder_.path() + "/";
    state_.Install.MediaDir = state_.Install.ProgramDir + "Hdd\\";
    state_.UserDir = state_.Install.ProgramDir;
  }

  /// The results file as the windows left it.
  ResultsStore SavedResults() {
    ResultsStore saved;
    EXPECT_TRUE(LoadResults(ResultsFilePath(state_.UserDir, state_.Install.SettingsTag), saved));
    return saved;
  }

  TempFolder folder_;
  CourseState state_;
  ExerciseList exercises_;
  ResultsStore results_;
  FakePictureLoader pictures_;
  SkinStrips skins_{pictures_};
  FakeMediaPlayer player_;
  FakeMediaPlayer film_;
  FakeVoiceRecorder sentenceRecorder_;
  FakeVoiceRecorder phraseRecorder_;
  FakeMessageBox plain_;
  FakeEventWaiter waiter_;
  SoundService sound_{player_, sentenceRecorder_, phraseRecorder_, plain_, waiter_};
  MediaWindow media_{film_, plain_};
  FakeClock clock_;
  SeededRandom random_;
  FakeMessageBox messages_;
  ExerciseLauncher launcher_{ExerciseProgramServices{
      state_, exercises_, results_, skins_, pictures_, sound_, media_, clock_, random_, messages_}};
};

}  // namespace tess::testing
