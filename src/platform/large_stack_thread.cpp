// Threads with large stacks, through POSIX threads (the standard thread
// class cannot choose a stack size).
#include "platform/large_stack_thread.h"

#include <pthread.h>

#include <exception>
#include <stdexcept>

namespace lx {
namespace {

struct Job {
  const std::function<void()>* work;
  std::exception_ptr error;
};

void* runJob(void* argument) {
  auto* job = static_cast<Job*>(argument);
  try {
    (*job->work)();
  } catch (...) {
    job->error = std::current_exception();
  }
  return nullptr;
}

}  // namespace

void runOnLargeStack(const std::function<void()>& work, size_t stackBytes) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, stackBytes);
  Job job{&work, nullptr};
  pthread_t thread;
  const int failed = pthread_create(&thread, &attributes, runJob, &job);
  pthread_attr_destroy(&attributes);
  if (failed) throw std::runtime_error("cannot start a thread for Logo code");
  pthread_join(thread, nullptr);
  if (job.error) std::rethrow_exception(job.error);
}

}  // namespace lx
