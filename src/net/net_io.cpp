// The I/O thread of the network objects.
#include "net/net_io.h"

#include <future>
#include <thread>

#include <asio/executor_work_guard.hpp>
#include <asio/post.hpp>

namespace lx {
namespace {

class NetIo {
 public:
  NetIo() : guard_(asio::make_work_guard(context_)), thread_([this] { run(); }) {}
  ~NetIo() {
    guard_.reset();
    context_.stop();
    thread_.join();
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
