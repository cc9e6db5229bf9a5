// Project files on disk: saving the project text into a container (".LXP"),
// as plain text (".LXT", ".TXT") or onto the clipboard, and opening a
// project file by name for the loader.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "lang/project_file_reader.h"

namespace lx {

struct ProjectSaveRequest {
  std::string name;                                 // as Logo code gave it
  std::optional<std::vector<std::string>> objects;  // see ProjectSave::names
  unsigned options = 0;
};

// Saves and answers the full path written (the name itself for the
// clipboard). A file that cannot be created is error 185 with its name.
std::string saveProject(const ProjectSaveRequest& request);

struct OpenedProject {
  std::filesystem::path path;
  ProjectFileContents contents;
};

// Resolves `name` as a project file and reads it (error 186 with the name
// when there is no such file; the container's own errors otherwise). The
// clipboard's name gives the clipboard's text.
OpenedProject openProject(const std::string& name);

// Whether a file name asks for the text alone: extension ".LXT" or ".TXT".
bool isPlainTextProjectName(const std::string& name);

}  // namespace lx
