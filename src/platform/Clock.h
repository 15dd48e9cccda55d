#pragma once
#include <cstdint>

namespace tess {

/// Time as the programs see it: a millisecond tick count and the local date and time.
class Clock {
 public:
  virtual ~Clock() = default;
  /// Milliseconds since an arbitrary start; only differences matter.
  virtual std::int64_t TickMs() = 0;
  /// Now as a TDateTime (days since 1899-12-30, local time).
  virtual double Now() = 0;
};

/// Waits the given milliseconds while window events go on being handled, so a handler may
/// run inside the wait; callers re-check their state afterwards.
class EventWaiter {
 public:
  virtual ~EventWaiter() = default;
  virtual void WaitWithEvents(int milliseconds) = 0;
};

}  // namespace tess
