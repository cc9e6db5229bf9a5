// `reducepath`: a file path shortened to fit a given number of characters,
// the way a title bar or a menu shows a long path.
#pragma once

#include <string>
#include <string_view>

namespace lx {

class tLogoTab;

// The path itself when it fits in `width` characters; else its root (drive
// or leading delimiter and first folder) and "...", then as many of its last
// parts as fit; a last part too long even alone keeps its beginning and
// ends in "...". Both "\" and "/" delimit.
std::string reducePath(std::string_view path, size_t width);

void registerReducedPath(tLogoTab& table);

}  // namespace lx
