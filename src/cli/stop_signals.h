// SIGINT and SIGTERM as a request to stop at the next whole line, for the batch command:
// killed at once, it could leave half a JSON line at the end of its output.
#pragma once

namespace velquor {

// While an object lives, SIGINT and SIGTERM only note that a stop was asked for and wake
// WaitForInput; the dispositions before it are restored when it ends. One at a time.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signal that asked for a stop, or 0.
  static int Received();

  // Waits until file descriptor `fd` has input to read (or its end or an error), or a stop
  // is asked for; false in the second case. A negative `fd` is taken to be always ready.
  bool WaitForInput(int fd) const;

  // Ends the process by the received signal with its default action, so that the parent
  // sees how it ended. Returns only when no signal was received.
  static void RaiseReceived();
};

}  // namespace velquor
