// The answer queue of dialogs.
#include "controls/dialog_answers.h"

#include <deque>
#include <fstream>
#include <mutex>

namespace lx {
namespace {

std::mutex& queueMutex() {
  static std::mutex mutex;
  return mutex;
}

std::deque<std::string>& queue() {
  static std::deque<std::string> answers;
  return answers;
}

}  // namespace

void queueDialogAnswer(std::string answer) {
  std::lock_guard lock(queueMutex());
  queue().push_back(std::move(answer));
}

bool queueDialogAnswersFrom(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    queueDialogAnswer(line);
  }
  return true;
}

std::optional<std::string> takeDialogAnswer() {
  std::lock_guard lock(queueMutex());
  if (queue().empty()) return std::nullopt;
  std::string answer = std::move(queue().front());
  queue().pop_front();
  return answer;
}

void clearDialogAnswers() {
  std::lock_guard lock(queueMutex());
  queue().clear();
}

}  // namespace lx
