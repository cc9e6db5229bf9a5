// The package the runtime plays: read once from the end of the program's
// own file (or from a plug-in's package file), then looked up by entry name.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/package_directory.h"
#include "app/package_stream.h"

namespace lx {

// A failure that ends the program at start-up: its text is shown in a
// message box exactly as it stands, then the program exits.
class eFatalStartup : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A package entry that is not in the directory.
class eExeStreamNotFound : public std::runtime_error {
 public:
  eExeStreamNotFound() : std::runtime_error("exe stream not found") {}
};

// Reads the trailer and directory of the file at `path`. With `fatal`, a
// file that cannot be read or carries no sound package is eFatalStartup
// ("FATAL: Cannot access files (...)", "FATAL: The EXE file is corrupt");
// without, the directory stays empty and ePackageMissing or ePackageCorrupt
// tells why. Either way a package directory counts as loaded afterwards.
void loadPackageDirectory(const std::string& path, bool fatal);

// Whether a package directory has been loaded (the stand-alone runtime, or
// a plug-in given a package file).
bool packageDirectoryLoaded();
// The loaded directory (empty when none or when it was damaged).
const PackageDirectory& packageDirectory();

// A stream over the entry, matched in full without regard to letter case.
// eExeStreamNotFound when there is no such entry.
std::unique_ptr<tExe2MemStream> openPackageEntry(std::string_view name);

// The two flags of the parameter record "*params.txt"; both false when the
// record is missing or short.
struct PackageParameters {
  bool voice = false;
  bool secondFlag = false;
};
PackageParameters readPackageParameters();

// Forgets the loaded package (tests).
void unloadPackageDirectory();

}  // namespace lx
