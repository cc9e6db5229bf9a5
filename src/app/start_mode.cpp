#include "app/start_mode.h"

#include <charconv>

namespace lx {
namespace {

std::optional<long> parseHandle(const std::string& text) {
  long handle = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), handle);
  if (failure != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return handle;
}

}  // namespace

StartDecision decideStartMode(const std::vector<std::string>& plain, const std::string& firstBytes) {
  StartDecision decision;
  if (plain.size() < 2) return decision;
  const std::optional<long> handle = parseHandle(plain[0]);
  if (!handle || plain[1].empty()) {
    decision.mode = StartMode::Refused;
    return decision;
  }
  decision.hostWindow = *handle;
  decision.file = plain[1];
  if (firstBytes.size() == 5 && firstBytes.compare(0, 3, "IIP") == 0) {
    if (firstBytes.compare(3, 2, "01") != 0) {
      decision.mode = StartMode::Refused;
      decision.refusalCaption = "Plugin error";
      decision.refusalText = "The file seems to need a newer version of Lumaxis Logo Plugin than you already have";
      return decision;
    }
    decision.mode = StartMode::PluginPackage;
    return decision;
  }
  decision.mode = StartMode::PluginProject;
  return decision;
}

}  // namespace lx
