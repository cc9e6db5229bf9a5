// How the runtime was started, read from its plain (non "--") parameters:
// with fewer than two it is the stand-alone runtime and plays the package on
// its own file; with two or more it is a plug-in given a host window and a
// file, which is either a package file ("IIP01") or a plain project file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lx {

enum class StartMode { StandAlone, PluginPackage, PluginProject, Refused };

struct StartDecision {
  StartMode mode = StartMode::StandAlone;
  std::string file;          // the plug-in's file
  long hostWindow = 0;       // the plug-in's host window handle
  std::string refusalCaption;  // with Refused: a message box to show, or
  std::string refusalText;     // nothing when the program just ends
};

// `firstBytes` are up to five leading bytes of the plug-in's file (empty
// when it cannot be read).
StartDecision decideStartMode(const std::vector<std::string>& plain, const std::string& firstBytes);

}  // namespace lx
