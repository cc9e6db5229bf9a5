// Headless message boxes: written to standard error and recorded.
#include "platform/message_box.h"

#include <cstdio>
#include <mutex>

#include "platform/codepage.h"

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
  Record& r = record();
  std::lock_guard guard(r.lock);
  r.shown.push_back({std::string(caption), std::string(text)});
  if (r.echo) {
    std::fprintf(stderr, "[%s] %s\n", cp1250ToUtf8(caption).c_str(), cp1250ToUtf8(text).c_str());
    std::fflush(stderr);
  }
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
