// The sources of chooser lists.
#include "controls/dialog_sources.h"

namespace lx {
namespace {

DialogFileLister& fileLister() {
  static DialogFileLister lister;
  return lister;
}

std::function<std::vector<std::string>()>& voiceSource() {
  static std::function<std::vector<std::string>()> source;
  return source;
}

}  // namespace

void setDialogFileLister(DialogFileLister lister) {
  fileLister() = std::move(lister);
}

std::vector<std::string> dialogFiles(const std::string& kind, const std::vector<std::string>& extensions) {
  return fileLister() ? fileLister()(kind, extensions) : std::vector<std::string>{};
}

void setVoiceNameSource(std::function<std::vector<std::string>()> source) {
  voiceSource() = std::move(source);
}

std::vector<std::string> voiceNames() {
  return voiceSource() ? voiceSource()() : std::vector<std::string>{};
}

}  // namespace lx
