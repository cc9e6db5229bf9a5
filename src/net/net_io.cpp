// The I/O thread of the network objects.
#include "net/net_io.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include <asio/executor_work_guard.hpp>
#include <asio/post.hpp>

namespace lx {
namespace {

// The longest the program's end waits for lingering connections; a peer
// that neither reads nor closes cannot hold the program up for longer.
constexpr std::chrono::seconds kDrainLimit{5};

class NetIo {
 public:
  NetIo() : guard_(asio::make_work_guard(context_)), thread_([this] { run(); }) {}
  // The program ends: the work posted so far (a last message, a disconnect)
  // is done, and the connections closing meanwhile get their time to end.
  ~NetIo() {
    drain();
    guard_.reset();
    context_.stop();
    thread_.join();
  }

  void lingerBegan() {
    std::lock_guard lock(mutex_);
    ++lingering_;
  }
  void lingerEnded() {
    std::lock_guard lock(mutex_);
    if (--lingering_ == 0) drained_.notify_all();
  }

  asio::io_context& context() { return context_; }
  std::thread::id threadId() const { return thread_.get_id(); }

 private:
  // A handler that throws must not end the thread every object shares:
  // the exception is dropped and the loop goes on.
  void run() {
    for (;;) {
      try {
        context_.run();
        return;
      } catch (...) {
      }
    }
  }

  void drain() {
    if (std::this_thread::get_id() == thread_.get_id()) return;
    auto posted = std::make_shared<std::promise<void>>();
    asio::post(context_, [posted] { posted->set_value(); });
    const auto until = std::chrono::steady_clock::now() + kDrainLimit;
    if (posted->get_future().wait_until(until) != std::future_status::ready) return;
    std::unique_lock lock(mutex_);
    drained_.wait_until(lock, until, [this] { return lingering_ == 0; });
  }

  std::mutex mutex_;
  std::condition_variable drained_;
  int lingering_ = 0;  // guarded by mutex_
  asio::io_context context_;
  asio::executor_work_guard<asio::io_context::executor_type> guard_;
  std::thread thread_;
};

NetIo& netIo() {
  static NetIo io;
  return io;
}

}  // namespace

asio::io_context& netContext() {
  return netIo().context();
}

void lingerBegan() {
  netIo().lingerBegan();
}

void lingerEnded() {
  netIo().lingerEnded();
}

bool onNetThread() {
  return std::this_thread::get_id() == netIo().threadId();
}

void postToNet(std::function<void()> work) {
  asio::post(netContext(), std::move(work));
}

void runOnNet(const std::function<void()>& work) {
  if (onNetThread()) {
    work();
    return;
  }
  std::promise<void> done;
  postToNet([&] {
    try {
      work();
      done.set_value();
    } catch (...) {
      done.set_exception(std::current_exception());
    }
  });
  done.get_future().get();
}

}  // namespace lx
