// Finding files and folders whose names differ in letter case only. Projects
// name their files without regard to case, and their default extensions are
// capitals (".LGF", ".WAV"), while files on this system are mostly named in
// small letters and the file system tells the two apart.
#pragma once

#include <optional>
#include <string>

namespace lx {

// The folder `folder` (a path in the operating system's form, "/" ending a
// folder is kept) as it exists: the exact name when it exists, else the
// first (in name order) whose every component matches without regard to
// ASCII letter case. Nothing when there is none.
std::optional<std::string> findExistingFolder(const std::string& folder);

// The entry `name` of the existing folder `folder` (which ends with "/"), in
// the same way: exact first, then without regard to letter case.
std::optional<std::string> findExistingEntry(const std::string& folder, const std::string& name);

}  // namespace lx
