// The default error sink and the one of remote runs.
#include "interp/error_sink.h"

#include <mutex>

#include "interp/error_messages.h"
#include "core/logo_exception.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "core/value.h"

namespace lx {

ErrorReport reportFor(const std::exception& error) {
  const std::string errorCaption = interfaceLookup("ErrorCaptions", "Error");
  if (const auto* logoError = dynamic_cast<const eLogoException*>(&error)) {
    eLogoException e = *logoError;
    expandOnce(e);
    // A blank line between the headline and the details.
    return {captionFor(e, errorCaption), breakFirstLine(e, "\r\n\r\n")};
  }
  return {errorCaption, error.what()};
}

void tdefaultcommander::showError(const std::exception& error) {
  const ErrorReport report = reportFor(error);
  showMessageBox(report.caption, report.text);
}

void tdefaultcommander::print(std::string_view text) { showMessageBox(interfaceLookup("strings", "print"), text); }

std::string tdefaultcommander::readLine(std::string_view) { throw eLogoException(erNoTextInput); }

void tsendruncommander::showError(const std::exception& error) {
  const auto* logoError = dynamic_cast<const eLogoException*>(&error);
  if (!logoError) {
    reply_ = error.what();
    return;
  }
  eLogoException e = *logoError;
  if (e.code == erWhatToDo && e.value) {
    reply_ = "OK: " + e.value->showText();
    return;
  }
  expandOnce(e);
  const std::string caption = captionFor(e, "");
  const std::string details = breakFirstLine(e, ", ");
  reply_ = caption.empty() ? details : caption + ": " + details;
}

namespace {

std::mutex& defaultSinkMutex() {
  static std::mutex mutex;
  return mutex;
}

std::shared_ptr<ErrorSink>& chosenDefaultSink() {
  static std::shared_ptr<ErrorSink> sink;
  return sink;
}

}  // namespace

std::shared_ptr<ErrorSink> defaultErrorSink() {
  static const auto boxes = std::make_shared<tdefaultcommander>();
  std::lock_guard lock(defaultSinkMutex());
  return chosenDefaultSink() ? chosenDefaultSink() : boxes;
}

void setDefaultErrorSink(std::shared_ptr<ErrorSink> sink) {
  std::lock_guard lock(defaultSinkMutex());
  chosenDefaultSink() = std::move(sink);
}

}  // namespace lx
