// Shortening paths from the middle, keeping the root and the file name.
#include "prims/reduced_path.h"

#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/pools.h"

namespace lx {
namespace {

constexpr std::string_view kEllipsis = "...";

bool isDelimiter(char c) {
  return c == '\\' || c == '/';
}

// Where the part kept at the front ends: after the first folder's name
// ("C:\Users", "/home", "\\server").
size_t rootEnd(std::string_view path) {
  size_t at = 0;
  while (at < path.size() && isDelimiter(path[at])) ++at;
  while (at < path.size() && !isDelimiter(path[at])) ++at;
  return at;
}

// A last part that cannot fit: its beginning, then the ellipsis.
std::string cutShort(std::string_view part, size_t width) {
  if (width <= kEllipsis.size()) return std::string(kEllipsis.substr(0, width));
  return std::string(part.substr(0, width - kEllipsis.size())) + std::string(kEllipsis);
}

Value reducepath(const Value& path, const Value& width) {
  return makeWord(reducePath(path->printText(0), static_cast<size_t>(width->asIntegerIn(0, 1 << 20))));
}

}  // namespace

std::string reducePath(std::string_view path, size_t width) {
  if (path.size() <= width) return std::string(path);
  const size_t lastDelimiter = path.find_last_of("\\/");
  if (lastDelimiter == std::string_view::npos) return cutShort(path, width);
  const std::string_view root = path.substr(0, rootEnd(path));
  // The tail always starts at a delimiter; it grows one part at a time
  // from the end while root, ellipsis and tail still fit.
  size_t tailStart = lastDelimiter;
  if (root.size() + kEllipsis.size() + (path.size() - tailStart) > width)
    return cutShort(path.substr(lastDelimiter + 1), width);
  while (tailStart > root.size()) {
    const size_t previous = path.find_last_of("\\/", tailStart - 1);
    if (previous == std::string_view::npos || previous < root.size()) break;
    if (root.size() + kEllipsis.size() + (path.size() - previous) > width) break;
    tailStart = previous;
  }
  return std::string(root) + std::string(kEllipsis) + std::string(path.substr(tailStart));
}

void registerReducedPath(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "reducepath", false, reducepath);
}

}  // namespace lx
