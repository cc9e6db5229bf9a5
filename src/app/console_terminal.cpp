// The interactive console's terminal, on libedit.
#include "app/console_terminal.h"

#include <fcntl.h>
#include <histedit.h>
#include <langinfo.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>

namespace lx {
namespace {

constexpr int kHistorySize = 1000;
// Takes the edited line off its screen line: back to its start, erase it.
constexpr const char* kTakeLineAway = "\r\x1b[K";

// Lines are UTF-8 whatever the user's locale says: the console converts
// them from UTF-8, and libedit decodes keys by the locale's character set.
void useUtf8Characters() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

FILE* fileOf(ConsoleTerminal::Stream stream) {
  return stream == ConsoleTerminal::Stream::Out ? stdout : stderr;
}

}  // namespace

ConsoleTerminal::ConsoleTerminal(std::optional<std::filesystem::path> historyFile)
    : historyFile_(std::move(historyFile)) {
  useUtf8Characters();
  wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  // Keys are read without blocking through a file description of our own:
  // Ctrl+C empties the terminal's input between the wait and the read, and
  // a blocking read would then wait past the interrupt. Standard input's
  // own description is shared with the shell and keeps its flags.
  const char* terminalName = ttyname(STDIN_FILENO);
  keysFd_ = terminalName ? open(terminalName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY) : -1;
  history_ = history_init();
  HistEvent event;
  ::history(history_, &event, H_SETSIZE, kHistorySize);
  ::history(history_, &event, H_SETUNIQUE, 1);
  loadHistory();
  editor_ = el_init("lumaxis", stdin, stdout, stderr);
  el_set(editor_, EL_CLIENTDATA, this);
  el_set(editor_, EL_EDITOR, "emacs");
  el_set(editor_, EL_PROMPT, &ConsoleTerminal::promptOf);
  el_set(editor_, EL_HIST, ::history, history_);
  el_set(editor_, EL_GETCFN, &ConsoleTerminal::nextCharacterOf);
  // Ctrl+R searches back through the history as the user types.
  el_set(editor_, EL_BIND, "^R", "em-inc-search-prev", static_cast<const char*>(nullptr));
  // The user's own bindings (~/.editrc, or the file $EDITRC names).
  el_source(editor_, nullptr);
  keepEditingMode();
}

// The terminal stays in the editor's mode for the whole session, also
// while lines run: keys typed ahead wait unechoed for the next prompt, and
// the terminal's own line mode never takes Ctrl+D for itself. Ctrl+C still
// reaches the program as its signal. el_end gives the terminal its own
// settings back.
void ConsoleTerminal::keepEditingMode() {
  el_set(editor_, EL_PREP_TERM, 1);
}

ConsoleTerminal::~ConsoleTerminal() {
  el_end(editor_);
  history_end(history_);
  if (wakeFd_ >= 0) close(wakeFd_);
  if (keysFd_ >= 0) close(keysFd_);
}

void ConsoleTerminal::loadHistory() {
  if (!historyFile_) return;
  HistEvent event;
  // A missing file is the first session's; nothing to load.
  ::history(history_, &event, H_LOAD, historyFile_->c_str());
}

void ConsoleTerminal::remember(const std::string& line) {
  HistEvent event;
  ::history(history_, &event, H_ENTER, line.c_str());
  if (!historyFile_) return;
  std::error_code ec;
  std::filesystem::create_directories(historyFile_->parent_path(), ec);
  ::history(history_, &event, H_SAVE, historyFile_->c_str());
}

ConsoleTerminal::Read ConsoleTerminal::readLine(const std::string& prompt,
                                                const std::function<bool()>& abandoned) {
  std::lock_guard turn(readTurn_);
  std::unique_lock hold(screen_);
  if (inputEnded_) return {};
  // Whoever abandons a reader does so before interrupt() takes the screen
  // lock; a read that begins after that sees it here.
  if (abandoned && abandoned()) return {ReadEnd::Interrupted, {}};
  if (!atLineStart_) writeLocked(Stream::Out, "\n");
  prompt_ = prompt;
  editing_ = true;
  interrupted_ = false;
  editorHold_ = &hold;
  int count = 0;
  const char* typed = el_gets(editor_, &count);
  keepEditingMode();
  editorHold_ = nullptr;
  editing_ = false;
  lineTakenAway_ = false;
  // The editor ends an entered line with a line feed; after Ctrl+C or the
  // end the cursor is still on the edited line.
  if (interrupted_) {
    writeLocked(Stream::Out, "^C\n");
    return {ReadEnd::Interrupted, {}};
  }
  if (!typed || count <= 0) {
    inputEnded_ = true;
    writeLocked(Stream::Out, "\n");
    return {};
  }
  atLineStart_ = true;
  std::string text(typed, count);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return {ReadEnd::Line, std::move(text)};
}

void ConsoleTerminal::write(Stream stream, std::string_view text) {
  if (text.empty()) return;
  std::lock_guard hold(screen_);
  if (editing_ && !lineTakenAway_) {
    // The editing thread waits for a key (it let the screen lock go): the
    // line is taken away now and drawn again when the editor wakes.
    writeLocked(Stream::Out, kTakeLineAway);
    lineTakenAway_ = true;
    wake();
  }
  writeLocked(stream, text);
}

void ConsoleTerminal::writeLocked(Stream stream, std::string_view text) {
  // What one stream wrote reaches the terminal before the other writes.
  std::fflush(stream == Stream::Out ? stderr : stdout);
  FILE* file = fileOf(stream);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fflush(file);
  if (!text.empty()) atLineStart_ = text.back() == '\n' || text == kTakeLineAway;
}

void ConsoleTerminal::interrupt() {
  std::lock_guard hold(screen_);
  if (editing_) {
    interruptPending_ = true;
    wake();
  } else {
    writeLocked(Stream::Out, "^C");
  }
}

// The editing thread waits for a key without the screen lock and needs it
// again before it touches the editor, so the editor is ours here.
void ConsoleTerminal::suspend() {
  std::lock_guard hold(screen_);
  el_set(editor_, EL_PREP_TERM, 0);
}

void ConsoleTerminal::resume() {
  std::lock_guard hold(screen_);
  keepEditingMode();
  // The shell left the cursor at the start of a line of its own.
  atLineStart_ = true;
  if (editing_) {
    lineTakenAway_ = true;
    wake();
  }
}

void ConsoleTerminal::endInput() {
  std::lock_guard hold(screen_);
  inputEnded_ = true;
  wake();
}

bool ConsoleTerminal::inputEnded() {
  std::lock_guard hold(screen_);
  return inputEnded_;
}

void ConsoleTerminal::wake() {
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

char* ConsoleTerminal::promptOf(editline* editor) {
  void* self = nullptr;
  el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<ConsoleTerminal*>(self)->prompt_.data();
}

int ConsoleTerminal::nextCharacterOf(editline* editor, wchar_t* out) {
  void* self = nullptr;
  el_get(editor, EL_CLIENTDATA, &self);
  return static_cast<ConsoleTerminal*>(self)->nextCharacter(out);
}

// libedit asks for each key here, on the editing thread, holding the
// screen lock. Answers 1 with a character, 0 at the end of the input, -1
// when the edit is interrupted.
int ConsoleTerminal::nextCharacter(wchar_t* out) {
  for (;;) {
    if (interruptPending_) {
      interruptPending_ = false;
      interrupted_ = true;
      return -1;
    }
    if (inputEnded_) return 0;
    if (lineTakenAway_) drawLineAgain();
    const std::optional<unsigned char> byte = waitForByte();
    if (!byte) continue;
    const char c = static_cast<char>(*byte);
    const size_t decoded = std::mbrtowc(out, &c, 1, &decoding_);
    if (decoded == static_cast<size_t>(-2)) continue;  // more bytes of the character follow
    if (decoded == static_cast<size_t>(-1)) {
      decoding_ = {};  // a byte that begins no character is dropped
      continue;
    }
    return 1;
  }
}

std::optional<unsigned char> ConsoleTerminal::waitForByte() {
  editorHold_->unlock();
  const int keys = keysFd_ >= 0 ? keysFd_ : STDIN_FILENO;
  pollfd waits[2] = {{keys, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  const int ready = poll(waits, 2, -1);
  unsigned char byte = 0;
  ssize_t got = -1;
  int failure = 0;
  if (ready > 0 && waits[0].revents != 0) {
    got = read(keys, &byte, 1);
    failure = got < 0 ? errno : 0;
  }
  if (ready > 0 && (waits[1].revents & POLLIN)) {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = read(wakeFd_, &count, sizeof count);
  }
  editorHold_->lock();
  if (got == 1) return byte;
  // Standard input ended or failed: the terminal is gone.
  if (got == 0 || (failure != 0 && failure != EINTR && failure != EAGAIN)) inputEnded_ = true;
  return std::nullopt;
}

// Text was written where the edited line stood: the line is drawn again on
// a screen line of its own below it.
void ConsoleTerminal::drawLineAgain() {
  lineTakenAway_ = false;
  if (!atLineStart_) writeLocked(Stream::Out, "\n");
  el_set(editor_, EL_REFRESH);
}

}  // namespace lx
