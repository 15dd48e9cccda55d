#include "platform/StartReadAhead.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QStringList>

namespace tess {

StartReadAhead::StartReadAhead()
    // The screen readers' bridge connects to the session bus at the first accessible name and
    // waits for it; connected here, it finds the connection made.
    : bus_([] { QDBusConnection::sessionBus(); }),
      // Qt keeps the list for all threads. Only the list: a font looked up here would hold the
      // list's lock while its engine loads, and the engine would serve this thread alone.
      fonts_([] { QFontDatabase::families(); }) {}

StartReadAhead::~StartReadAhead() {
  fonts_.join();
  bus_.join();
}

}  // namespace tess
