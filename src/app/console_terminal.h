// The interactive console's terminal: lines edited with libedit (keys,
// history kept in a file, incremental search), and the text of running
// processes written above the line being edited, which is then drawn again
// below it.
//
// Threads: one thread at a time edits a line (the console's own thread at
// the prompt, or a process that reads with `readlist`; reads take turns).
// Any thread may write, interrupt or end the input. The screen lock orders
// everything written to the terminal: the editing thread holds it all
// through an edit except while it waits for the next key, so writers get
// in only between keys.
#pragma once

#include <cwchar>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

struct editline;
struct history;

namespace lx {

class ConsoleTerminal {
 public:
  enum class ReadEnd { Line, End, Interrupted };
  struct Read {
    ReadEnd end = ReadEnd::End;
    std::string text;  // with Line: UTF-8, without the line end
  };
  enum class Stream { Out, Err };

  // Takes standard input and output, which must be a terminal, for editing.
  // The history is read from `historyFile` and kept there (none: kept only
  // for this session).
  explicit ConsoleTerminal(std::optional<std::filesystem::path> historyFile);
  ~ConsoleTerminal();
  ConsoleTerminal(const ConsoleTerminal&) = delete;
  ConsoleTerminal& operator=(const ConsoleTerminal&) = delete;

  // Edits one line after `prompt`: the line as typed, End at Ctrl+D on an
  // empty line or once the input has ended, Interrupted at Ctrl+C. A read
  // for a reader that `abandoned` already (checked when the edit would
  // begin) is Interrupted at once: Ctrl+C may have come just before.
  Read readLine(const std::string& prompt, const std::function<bool()>& abandoned = {});
  // Adds a line typed to the history and to its file.
  void remember(const std::string& line);

  // Writes UTF-8 text. While a line is edited the line is taken off the
  // screen first and drawn again below the text.
  void write(Stream stream, std::string_view text);

  // Ctrl+C: the line being edited ends as Interrupted; with no line being
  // edited "^C" is shown where the output stands.
  void interrupt();
  // Ctrl+Z: the terminal gets its own settings back before the program
  // stops; when it goes on, the editor's settings return and the line being
  // edited is drawn again.
  void suspend();
  void resume();
  // No more lines: the line being edited and every later read end as End.
  void endInput();
  bool inputEnded();

 private:
  static int nextCharacterOf(editline* editor, wchar_t* out);
  static char* promptOf(editline* editor);
  int nextCharacter(wchar_t* out);
  // Waits for a byte of standard input or a wake-up, with the screen lock
  // released; answers the byte, or none after a wake-up.
  std::optional<unsigned char> waitForByte();
  void drawLineAgain();
  void keepEditingMode();
  void wake();
  void writeLocked(Stream stream, std::string_view text);
  void loadHistory();

  editline* editor_ = nullptr;
  history* history_ = nullptr;
  std::optional<std::filesystem::path> historyFile_;
  int keysFd_ = -1;      // the terminal opened again, not blocking; -1: standard input
  int wakeFd_ = -1;      // an eventfd that ends the editing thread's wait for a key
  std::mutex readTurn_;  // one edit at a time
  std::mutex screen_;    // see the file comment
  std::unique_lock<std::mutex>* editorHold_ = nullptr;  // the editing thread's hold on screen_
  std::string prompt_;                                  // under screen_
  bool editing_ = false;                                // under screen_
  bool atLineStart_ = true;        // under screen_: the cursor stands at the start of a screen line
  bool lineTakenAway_ = false;     // under screen_: text was written over the edited line
  bool interruptPending_ = false;  // under screen_
  bool interrupted_ = false;       // under screen_: the edit ended by Ctrl+C
  bool inputEnded_ = false;        // under screen_
  std::mbstate_t decoding_{};      // editing thread: a character's bytes read so far
};

}  // namespace lx
