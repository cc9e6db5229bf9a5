// The answer queue: answers waiting for the dialogs that a run without a
// user opens. `--answers FILE` fills it (one answer a line), tests fill it
// directly; each dialog takes the oldest. An empty queue lets a dialog of a
// headless run answer as if cancelled, so nothing waits for a user who is
// not there. Any thread.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lx {

void queueDialogAnswer(std::string answer);
// Queues every line of the file (internal text; a final line break ends
// the last line, it does not make an empty answer). False when it cannot be read.
bool queueDialogAnswersFrom(const std::filesystem::path& file);
// The oldest answer, removed; none when the queue is empty.
std::optional<std::string> takeDialogAnswer();
void clearDialogAnswers();

}  // namespace lx
