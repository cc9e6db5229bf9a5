#include "app/stand_alone.h"

#include <fstream>

#include "app/named_file.h"
#include "app/package.h"
#include "app/project_player.h"
#include "app/start_mode.h"
#include "platform/message_box.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

std::string firstFiveBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char bytes[5];
  if (!in.read(bytes, 5)) return {};
  return std::string(bytes, 5);
}

// The caption of the runtime's own messages: the program file's name
// without its extension, as the main form is titled.
std::string programTitle() { return programFile().stem().string(); }

// Reads the package, or shows why it cannot be read. True when playing can
// go on.
bool readPackage(const std::string& path) {
  try {
    loadPackageDirectory(path, true);
    return true;
  } catch (const eFatalStartup& failure) {
    showMessageBox(programTitle(), failure.what());
    return false;
  }
}

}  // namespace

int startWithoutConsole(const CommandLine& line) {
  const std::string pluginFile = line.plain.size() >= 2 ? line.plain[1] : std::string();
  const StartDecision decision = decideStartMode(line.plain, firstFiveBytes(pluginFile));
  switch (decision.mode) {
    case StartMode::Refused:
      if (!decision.refusalText.empty()) showMessageBox(decision.refusalCaption, decision.refusalText);
      return 1;
    case StartMode::StandAlone:
      if (!readPackage(programFile().string())) return 1;
      setStandAloneRuntime(true);
      return playProject(line, std::string(kProjectEntryName));
    case StartMode::PluginPackage:
      setProgramDirectory(std::filesystem::path(decision.file).parent_path());
      if (!readPackage(decision.file)) return 1;
      return playProject(line, std::string(kProjectEntryName));
    case StartMode::PluginProject:
      setProgramDirectory(std::filesystem::path(decision.file).parent_path());
      setCommandLineProject(decision.file);
      return playProject(line, decision.file);
  }
  return 1;
}

}  // namespace lx
