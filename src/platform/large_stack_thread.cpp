// Threads with large stacks, through POSIX threads (the standard thread
// class cannot choose a stack size).
#include "platform/large_stack_thread.h"

#include <pthread.h>

#include <exception>
#include <stdexcept>

namespace lx {
namespace {

struct Job {
  std::function<void()> work;
  std::exception_ptr error;
};

void* runJob(void* argument) {
  auto* job = static_cast<Job*>(argument);
  try {
    job->work();
  } catch (...) {
    job->error = std::current_exception();
  }
  return nullptr;
}

}  // namespace

struct LargeStackThread::State {
  Job job;
  pthread_t thread{};
  bool joined = false;
};

LargeStackThread::LargeStackThread(std::function<void()> work, size_t stackBytes)
    : state_(new State{{std::move(work), nullptr}}) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, stackBytes);
  const int failed = pthread_create(&state_->thread, &attributes, runJob, &state_->job);
  pthread_attr_destroy(&attributes);
  if (failed) {
    delete state_;
    throw std::runtime_error("cannot start a thread for Logo code");
  }
}

LargeStackThread::~LargeStackThread() {
  if (!state_->joined) pthread_join(state_->thread, nullptr);
  delete state_;
}

void LargeStackThread::join() {
  if (state_->joined) return;
  pthread_join(state_->thread, nullptr);
  state_->joined = true;
  if (state_->job.error) std::rethrow_exception(state_->job.error);
}

void runOnLargeStack(const std::function<void()>& work, size_t stackBytes) {
  LargeStackThread thread(work, stackBytes);
  thread.join();
}

}  // namespace lx
