#include "platform/QtPlayCommands.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace tess {

std::uint64_t QtPlayCommands::Begin() {
  const std::uint64_t number = command_.Begin([this](PlayResult r) { Report(r); });
  return number;
}

void QtPlayCommands::End(PlayResult result) {
  command_.End(result, [this](PlayResult r) { Report(r); });
}

void QtPlayCommands::Report(PlayResult result) {
  // Reports come as events of their own, never from inside the command that caused them.
  QTimer::singleShot(0, this, [this, result] {
    if (handler_) {
      const auto handler = handler_;
      handler(result);
    }
  });
  Q_EMIT Ended();
}

void QtPlayCommands::WaitFor(std::uint64_t number) {
  if (!command_.IsRunning(number)) return;
  QEventLoop loop;
  const QPointer<QtPlayCommands> self(this);
  const auto connection = connect(this, &QtPlayCommands::Ended, &loop, [&] {
    if (!command_.IsRunning(number)) loop.quit();
  });
  // The loop quits when the command ends; it also returns when the application leaves all
  // its loops, and then the wait is over too.
  loop.exec();
  if (self) disconnect(connection);
}

}  // namespace tess
