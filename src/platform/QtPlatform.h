#pragma once
// The Qt-backed implementations of the platform interfaces, used by the programs.
#include <functional>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/ModalShower.h"
#include "platform/PictureLoader.h"
#include "platform/Screen.h"

namespace tess {

/// QMessageBox titled with the application's display name (its name unless one is set).
class QtMessageBox : public MessageBox {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void Beep() override;
};

/// The primary screen; 0 x 0 when there is none.
class QtScreen : public Screen {
 public:
  ScreenSize Size() const override;
};

/// Monotonic ticks shared by every instance, and the local wall clock.
class QtClock : public Clock {
 public:
  std::int64_t TickMs() override;
  double Now() override;
};

/// Runs a local event loop for the time given; at least that long passes before it returns.
class QtEventWaiter : public EventWaiter {
 public:
  void WaitWithEvents(int milliseconds) override;
};

class QtBrowser : public Browser {
 public:
  bool OpenUrl(const std::string& url) override;
};

/// The primary screen's device pixel ratio; the application's where there is no screen, 1
/// without an application.
qreal ScreenPixelRatio();

/// Reads the file named by a course path; JPEG is recognised by its first bytes, not by the
/// file name, and decoded by libjpeg; everything else goes to Qt's readers (BMP).
/// On a screen of device pixel ratio 2 or more the "@2x" file beside it is taken instead, with
/// a ratio of 2, when it exists and has exactly twice the pixels; otherwise the file itself.
class QtPictureLoader : public PictureLoader {
 public:
  explicit QtPictureLoader(std::function<qreal()> ratio = ScreenPixelRatio);
  QImage Load(const std::string& path) override;
  /// Reads on a thread of its own, at the screen's ratio of now.
  void ReadAhead(const std::vector<std::string>& paths) override;
  /// From the 1x file's header: a dense picture stands for the 1x size.
  QSize SizeOf(const std::string& path) override;

 private:
  using ReadPictures = std::vector<std::pair<std::string, QImage>>;
  QImage Read(const std::string& path, qreal ratio) const;

  std::function<qreal()> ratio_;
  std::future<ReadPictures> ahead_;
  std::vector<std::string> pending_;  // the paths ahead_ reads
  ReadPictures read_;                 // what it read, until each is loaded
};

/// Shows a window modally on a nested event loop; see ModalShower.h for the contract.
/// Closing the window (window manager or close()) without a result gives mrCancel.
class QtModalShower : public ModalShower {
 public:
  int ShowModal(QWidget& window) override;
};

}  // namespace tess
