// The signals the interactive console answers: Ctrl+C (SIGINT) stops the
// running processes, SIGTERM and SIGHUP end the session in order (the
// terminal gets its settings back), Ctrl+Z (SIGTSTP) stops the program
// with the terminal's settings restored and SIGCONT takes up editing
// again. The signals are blocked in every thread and taken by a thread of
// their own, so no Logo thread is ever interrupted in a system call.
#pragma once

#include <functional>
#include <thread>

namespace lx {

// Blocks the console's signals in the calling thread and in every thread
// it starts afterwards. Call it before any other thread of the program is
// started, or one of them would take the signals the default way.
void blockConsoleSignals();

class ConsoleSignals {
 public:
  // `onSignal` runs on the watching thread for each signal that arrives,
  // with its number.
  explicit ConsoleSignals(std::function<void(int)> onSignal);
  ~ConsoleSignals();
  ConsoleSignals(const ConsoleSignals&) = delete;
  ConsoleSignals& operator=(const ConsoleSignals&) = delete;

 private:
  void watch();

  std::function<void(int)> onSignal_;
  int signalFd_ = -1;
  int stopFd_ = -1;  // an eventfd that ends the watch
  std::thread watcher_;
};

}  // namespace lx
