// The error sink: where a process reports an error nobody caught, and where
// the main object's printing and text input go. Each process holds the sink
// it was given, or the default one.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace lx {

class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  // Shows an error that left a process.
  virtual void showError(const std::exception& error) = 0;
  virtual void print(std::string_view text) = 0;
  virtual void status(std::string_view text) = 0;
  // Reads a line of text; sinks without input raise error 170.
  virtual std::string readLine(std::string_view prompt) = 0;
  // Called when a process ends by an exception.
  virtual void abort() {}
};

// Shows errors and printed text in message boxes; has no text input.
class tdefaultcommander : public ErrorSink {
 public:
  void showError(const std::exception& error) override;
  void print(std::string_view text) override;
  void status(std::string_view) override {}
  std::string readLine(std::string_view prompt) override;
};

// For code run at a remote project's request: shows nothing, but keeps the
// text of the reply that goes back.
class tsendruncommander : public tdefaultcommander {
 public:
  void showError(const std::exception& error) override;
  const std::string& reply() const { return reply_; }

 private:
  std::string reply_;
};

// The text and caption an error that left a process is shown with.
struct ErrorReport {
  std::string caption;
  std::string text;
};
ErrorReport reportFor(const std::exception& error);

std::shared_ptr<ErrorSink> defaultErrorSink();
// Where the processes that nobody started with a sink of its own (event
// handlers, the interface's processes) report: the console makes its own
// error output the default, so that no error goes unseen; none restores
// the message boxes.
void setDefaultErrorSink(std::shared_ptr<ErrorSink> sink);

}  // namespace lx
