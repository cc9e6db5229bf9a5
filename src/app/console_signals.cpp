// Taking the console's signals on a thread of their own.
#include "app/console_signals.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdint>

namespace lx {
namespace {

sigset_t consoleSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  sigaddset(&set, SIGTSTP);
  sigaddset(&set, SIGCONT);
  return set;
}

}  // namespace

void blockConsoleSignals() {
  const sigset_t set = consoleSignalSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

ConsoleSignals::ConsoleSignals(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
  const sigset_t set = consoleSignalSet();
  signalFd_ = signalfd(-1, &set, SFD_CLOEXEC);
  stopFd_ = eventfd(0, EFD_CLOEXEC);
  watcher_ = std::thread([this] { watch(); });
}

ConsoleSignals::~ConsoleSignals() {
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(stopFd_, &one, sizeof one);
  watcher_.join();
  close(signalFd_);
  close(stopFd_);
}

void ConsoleSignals::watch() {
  for (;;) {
    pollfd waits[2] = {{signalFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    if (poll(waits, 2, -1) < 0) continue;
    if (waits[1].revents & POLLIN) return;
    signalfd_siginfo info{};
    if ((waits[0].revents & POLLIN) && read(signalFd_, &info, sizeof info) == sizeof info)
      onSignal_(static_cast<int>(info.ssi_signo));
  }
}

}  // namespace lx
