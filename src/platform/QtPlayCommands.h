#pragma once
// What the two Qt players share: the running play command, its report as an event of its own,
// and waiting for a command's end while window events go on.
#include <QObject>

#include "platform/MediaPlayer.h"

namespace tess {

class QtPlayCommands : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  void SetHandler(MediaPlayer::DoneHandler handler) { handler_ = std::move(handler); }
  /// A play command starts (a running one is superseded); returns its number.
  std::uint64_t Begin();
  /// The running command, if any, ends with `result`.
  void End(PlayResult result);
  bool Running() const { return command_.Running(); }
  /// Handles events until command `number` has ended or the application quits.
  void WaitFor(std::uint64_t number);

 Q_SIGNALS:
  void Ended();

 private:
  void Report(PlayResult result);

  PlayCommand command_;
  MediaPlayer::DoneHandler handler_;
};

}  // namespace tess
