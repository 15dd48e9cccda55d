#pragma once
// Fakes of the platform interfaces for tests: they record what they are asked and answer
// at once with what the test set up.
#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "platform/Screen.h"

namespace tess {

class FakeMessageBox : public MessageBox {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void Beep() override;

  std::vector<std::string> messages;
  std::vector<std::string> warnings;
  int beeps = 0;
};

class FakeScreen : public Screen {
 public:
  FakeScreen() = default;
  FakeScreen(int width, int height) : size{width, height} {}
  ScreenSize Size() const override { return size; }

  ScreenSize size{1024, 768};
};

/// Starts at tick 0 on 2024-01-15 10:00 and moves only when told.
class FakeClock : public Clock {
 public:
  std::int64_t TickMs() override { return tick; }
  double Now() override { return now; }
  /// Moves both the tick count and the date and time forward.
  void Advance(std::int64_t milliseconds);

  std::int64_t tick = 0;
  double now = 45306.0 + 10.0 / 24.0;
};

/// Returns at once. With a clock it advances the clock by each wait; `duringWait` runs after
/// that, standing for an event handled inside the wait (it may wait again itself).
class FakeEventWaiter : public EventWaiter {
 public:
  explicit FakeEventWaiter(FakeClock* clock = nullptr) : clock(clock) {}
  void WaitWithEvents(int milliseconds) override;
  std::int64_t TotalWaitedMs() const;

  FakeClock* clock;
  std::vector<int> waits;
  std::function<void(int milliseconds)> duringWait;
};

class FakeBrowser : public Browser {
 public:
  bool OpenUrl(const std::string& url) override;

  std::vector<std::string> urls;
  bool result = true;
};

/// Gives a picture of `size` filled with `colour` for every path except those in `missing`
/// (compared without regard to case and to "\" versus "/"), or, with a `delegate`, whatever
/// the delegate loads. Every requested path is recorded as given.
class FakePictureLoader : public PictureLoader {
 public:
  QImage Load(const std::string& path) override;
  bool WasRequested(const std::string& path) const;

  std::vector<std::string> requested;
  QSize size{32, 32};
  QColor colour{128, 128, 128};
  std::set<std::string> missing;
  PictureLoader* delegate = nullptr;
};

/// Shows nothing modally: the window is shown and hidden again at once, so its show and
/// hide handlers run. In between `onShow` may act on it (press its buttons). The result is
/// the one the window set itself, else the one scripted for its object name in `results`,
/// else `defaultResult`; it is also left on the window (ModalResultOf).
class FakeModalShower : public ModalShower {
 public:
  int ShowModal(QWidget& window) override;
  int TimesShown(const std::string& name) const;

  /// Object names (class names where none is set) in the order shown.
  std::vector<std::string> shown;
  std::map<std::string, int> results;
  int defaultResult = mrCancel;
  std::function<void(QWidget& window)> onShow;
};

}  // namespace tess
