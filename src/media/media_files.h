// Finding the media files Logo code names. The application lends the
// lookup: the packed project's entries (copied to temporary files the
// devices can open), the search folders of the media kind and the
// program's folder. Without it a name is taken as a path of its own.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace lx {

// Gives the path of the file a name stands for, or raises the Logo error
// of a file that cannot be found (186, 187) or copied out (188).
using MediaFileLookup = std::function<std::filesystem::path(const std::string& name)>;

void setMediaFileLookup(MediaFileLookup lookup);
std::filesystem::path mediaFilePath(const std::string& name);

}  // namespace lx
