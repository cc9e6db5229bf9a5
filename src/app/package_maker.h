// What the packer does: turns a project file into the package's project
// entry and appends the package to a copy of the runtime.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "app/package_directory.h"

namespace lx {

// The bytes of the "?project.lxp" entry for a project file's bytes: a
// container is taken as it is; plain project text is wrapped into a
// container of the given language, uncompressed.
std::string projectEntryBytes(const std::string& fileBytes, std::string_view language);

struct PackRequest {
  std::string runtimePath;
  std::string projectPath;
  std::string outputPath;
  std::string language = "english";
  bool voice = false;
};

// Writes the stand-alone program: the runtime's bytes (without a package it
// may already carry), then a package of the project and the parameter
// record. The output is made executable. std::runtime_error with a message
// naming the file on any failure.
void makeStandAloneProgram(const PackRequest& request);

// One line per entry: name, size and offset, then a total line.
void listPackage(const PackageDirectory& directory, std::ostream& out);

}  // namespace lx
