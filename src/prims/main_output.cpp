// The main object's output stream and standard destination.
#include "prims/main_output.h"

#include <mutex>

namespace lx {
namespace {

// Only Logo code under the interpreter lock prints, but the console sets its
// destination from its own thread; the mutex guards the two pointers, never
// the writing itself.
struct Channels {
  std::mutex mutex;
  std::shared_ptr<OutputDestination> standard;
  std::shared_ptr<OutputDestination> stream;
};

Channels& channels() {
  static Channels c;
  return c;
}

std::shared_ptr<OutputDestination> currentOutput() {
  Channels& c = channels();
  std::lock_guard lock(c.mutex);
  return c.stream ? c.stream : c.standard;
}

}  // namespace

void setStandardDestination(std::shared_ptr<OutputDestination> destination) {
  Channels& c = channels();
  std::lock_guard lock(c.mutex);
  c.standard = std::move(destination);
}

std::shared_ptr<OutputDestination> standardDestination() {
  Channels& c = channels();
  std::lock_guard lock(c.mutex);
  return c.standard;
}

void openOutputStream(std::shared_ptr<OutputDestination> stream) {
  Channels& c = channels();
  std::lock_guard lock(c.mutex);
  c.stream = std::move(stream);
}

void closeOutputStream() {
  openOutputStream(nullptr);
}

bool hasOutputStream() {
  Channels& c = channels();
  std::lock_guard lock(c.mutex);
  return c.stream != nullptr;
}

void writeMainOutput(std::string_view text) {
  if (const auto output = currentOutput()) output->write(text);
}

std::optional<std::string> readMainInputLine() {
  const auto input = standardDestination();
  if (!input || !input->hasInput()) return std::nullopt;
  return input->readLine();
}

bool mainInputAtEnd() {
  const auto input = standardDestination();
  return input && input->hasInput() && input->atEnd();
}

}  // namespace lx
