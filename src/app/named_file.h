// Opening a project-related file by the name Logo code or start-up gives:
// a program resource ("*" names), the project named on the command line,
// an entry of the package the runtime plays, or a file found through the
// search folders of its kind.
#pragma once

#include <filesystem>
#include <istream>
#include <memory>
#include <string>

#include "app/file_kind.h"

namespace lx {

struct NamedFile {
  // The file's full path; empty for resources and package entries.
  std::filesystem::path path;
  std::unique_ptr<std::istream> stream;
};

// Opens `name` for reading. A missing "*" resource is error 58, a file that
// is neither in the package nor on disk error 186 (stand-alone runtime) or
// 187 (otherwise), any other failure to open error 42; each with the name.
NamedFile openNamedFile(const std::string& name, FileKind kind);

// The project file given on the command line: a name equal to it opens that
// very file. Empty forgets it.
void setCommandLineProject(const std::filesystem::path& path);
// Whether the runtime plays the package of its own file (missing files are
// then error 186) rather than a plug-in's (187).
void setStandAloneRuntime(bool standAlone);

// The bytes of the built-in resource a "*" name stands for, decoded; none
// when the name does not begin with "*" or there is no such resource.
std::unique_ptr<std::string> builtinResourceText(const std::string& name);

}  // namespace lx
