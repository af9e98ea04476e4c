#include "cli/stop_signals.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace velquor {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};

volatile std::sig_atomic_t receivedSignal = 0;
int wakeReadFd = -1;
int wakeWriteFd = -1;  // written by the handler: poll() wakes even when the signal came first
struct sigaction previous[2];

extern "C" void NoteStop(int signal) {
  const int savedErrno = errno;
  receivedSignal = signal;
  const char byte = 0;
  [[maybe_unused]] const ssize_t written = write(wakeWriteFd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

StopSignals::StopSignals() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("cannot create a pipe");
  wakeReadFd = fds[0];
  wakeWriteFd = fds[1];
  receivedSignal = 0;
  struct sigaction action {};
  action.sa_handler = NoteStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // reads and writes under way finish
  for (std::size_t i = 0; i < 2; ++i) sigaction(kSignals[i], &action, &previous[i]);
}

StopSignals::~StopSignals() {
  for (std::size_t i = 0; i < 2; ++i) sigaction(kSignals[i], &previous[i], nullptr);
  close(wakeReadFd);
  close(wakeWriteFd);
  wakeReadFd = wakeWriteFd = -1;
}

int StopSignals::Received() { return receivedSignal; }

bool StopSignals::WaitForInput(int fd) const {
  while (receivedSignal == 0) {
    if (fd < 0) return true;
    pollfd watched[2] = {{fd, POLLIN, 0}, {wakeReadFd, POLLIN, 0}};
    // poll() is never restarted after a handler: a signal always ends the wait.
    const int ready = poll(watched, 2, -1);
    if (ready < 0 && errno != EINTR) return true;  // let the read report the fault
    if (ready > 0 && watched[0].revents != 0) return receivedSignal == 0;
  }
  return false;
}

void StopSignals::RaiseReceived() {
  const int signal = receivedSignal;
  if (signal == 0) return;
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace velquor
