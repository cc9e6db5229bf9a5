// Players opened by `openvideo` with a style list.
#include "media/player_windows.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "media/mci_commands.h"
#include "media/media_players.h"
#include "media/player_panel.h"
#include "values/list.h"

namespace lx {
namespace {

struct Player {
  int number = 0;
  PlayerStyle style;
  std::shared_ptr<PlatformWindow> window;  // dropped on the user-interface thread
};

struct Players {
  std::mutex mutex;                       // guards both fields
  std::map<std::string, Player> byAlias;  // by lower-cased alias
  int counter = 0;
};

Players& players() {
  static Players kept;
  return kept;
}

bool readKind(std::string name, PlayerStyle& style) {
  static const std::pair<const char*, PlayerStyle::Kind> kNames[] = {
      {"childborder", PlayerStyle::Kind::ChildBorder},
      {"childcap", PlayerStyle::Kind::ChildCaption},
      {"child", PlayerStyle::Kind::Child},
      {"overlap", PlayerStyle::Kind::Overlapped},
      {"oversize", PlayerStyle::Kind::Sizeable},
      {"overall", PlayerStyle::Kind::Full}};
  if (name.starts_with("buttons")) {
    style.buttons = true;
    name.erase(0, 7);
  }
  for (const auto& [known, kind] : kNames)
    if (name == known) {
      style.kind = kind;
      return true;
    }
  return false;
}

// Child windows stay within a thousand points of their parent's corner;
// the corners are put in order.
void placeRectangle(PlayerStyle& style, const std::vector<int>& numbers) {
  if (numbers.size() < 4) return;
  const int bound = style.child() ? 1000 : 10000;
  auto bounded = [&](int v) { return std::clamp(v, -bound, bound); };
  style.left = bounded(std::min(numbers[0], numbers[2]));
  style.right = bounded(std::max(numbers[0], numbers[2]));
  style.top = bounded(std::min(numbers[1], numbers[3]));
  style.bottom = bounded(std::max(numbers[1], numbers[3]));
}

}  // namespace

PlayerStyle readPlayerStyle(const Value& style) {
  PlayerStyle read;
  std::vector<Value> elements;
  if (style->isList())
    for (const Value& element : static_cast<const tLogoList&>(*style)) elements.push_back(element);
  else
    elements.push_back(style);
  size_t at = 0;
  if (at < elements.size() && lowerCase(elements[at]->printText(0)) == "buttons") {
    read.buttons = true;
    ++at;
  }
  if (at >= elements.size()) throw eLogoException(erBadValue, style);
  if (elements[at]->isNumber()) {
    read.kind = PlayerStyle::Kind::Bits;
    read.bits = static_cast<int64_t>(elements[at]->asReal());
  } else if (!readKind(lowerCase(elements[at]->printText(0)), read)) {
    throw eLogoException(erBadValue, elements[at]);
  }
  std::vector<int> numbers;
  for (++at; at < elements.size(); ++at) numbers.push_back(elements[at]->asIntegerIn(-100000, 100000));
  placeRectangle(read, numbers);
  return read;
}

int openPlayerWindow(const std::string& alias, const Value& style, const std::string& file) {
  const PlayerStyle read = readPlayerStyle(style);
  runMciCommand("open \"" + file + "\" alias " + alias);
  std::shared_ptr<PlatformWindow> window;
  try {
    window = makePlayerPanel(alias, file, read);
  } catch (...) {
    closeMediaDevice(alias);
    throw;
  }
  std::lock_guard lock(players().mutex);
  Player& player = players().byAlias[lowerCase(alias)];
  player.number = ++players().counter;
  player.style = read;
  player.window = std::move(window);
  return player.number;
}

bool closePlayerWindow(const std::string& alias) {
  std::shared_ptr<PlatformWindow> window;
  {
    std::lock_guard lock(players().mutex);
    const auto found = players().byAlias.find(lowerCase(alias));
    if (found == players().byAlias.end()) return false;
    window = std::move(found->second.window);
    players().byAlias.erase(found);
  }
  dropPlayerPanel(std::move(window));
  closeMediaDevice(alias);
  return true;
}

void closeAllPlayerWindows() {
  std::vector<std::string> aliases;
  {
    std::lock_guard lock(players().mutex);
    for (const auto& [alias, player] : players().byAlias) aliases.push_back(alias);
  }
  for (const std::string& alias : aliases) closePlayerWindow(alias);
}

std::shared_ptr<PlatformWindow> playerWindowOf(const std::string& alias) {
  std::lock_guard lock(players().mutex);
  const auto found = players().byAlias.find(lowerCase(alias));
  return found == players().byAlias.end() ? nullptr : found->second.window;
}

bool playerStyleOf(const std::string& alias, PlayerStyle& style) {
  std::lock_guard lock(players().mutex);
  const auto found = players().byAlias.find(lowerCase(alias));
  if (found == players().byAlias.end()) return false;
  style = found->second.style;
  return true;
}

}  // namespace lx
