// Message boxes: recorded, then shown by the backend (headless: written to
// standard error).
#include "platform/message_box.h"

#include <cstdio>
#include <mutex>

#include "platform/codepage.h"
#include "platform/platform.h"

namespace lx {
namespace {

struct Record {
  std::mutex lock;
  std::vector<ShownMessage> shown;
  bool echo = true;
};

Record& record() {
  static Record r;
  return r;
}

}  // namespace

void showMessageBox(std::string_view caption, std::string_view text) {
  {
    Record& r = record();
    std::lock_guard guard(r.lock);
    r.shown.push_back({std::string(caption), std::string(text)});
  }
  // The record's lock is not held here: a windowed box waits for the user.
  if (PlatformBackend* backend = startedPlatform()) {
    backend->showMessageBox(caption, text);
  } else {
    writeMessageBoxToStandardError(caption, text);
  }
}

void writeMessageBoxToStandardError(std::string_view caption, std::string_view text) {
  Record& r = record();
  std::lock_guard guard(r.lock);  // keeps the lines of boxes from different threads apart
  if (!r.echo) return;
  std::fprintf(stderr, "[%s] %s\n", cp1250ToUtf8(caption).c_str(), cp1250ToUtf8(text).c_str());
  std::fflush(stderr);
}

std::vector<ShownMessage> shownMessages() {
  Record& r = record();
  std::lock_guard guard(r.lock);
  return r.shown;
}

void clearShownMessages() {
  Record& r = record();
  std::lock_guard guard(r.lock);
  r.shown.clear();
}

void setMessageBoxEcho(bool echo) {
  Record& r = record();
  std::lock_guard guard(r.lock);
  r.echo = echo;
}

}  // namespace lx
