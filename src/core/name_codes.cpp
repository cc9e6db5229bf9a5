// The two name tables: name -> code and code -> name.
#include "core/name_codes.h"

#include <charconv>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/message_box.h"

namespace lx {
namespace {

// Both tables live for the whole run. Interning happens from Logo processes
// under the interpreter lock and from the user-interface thread (events,
// loading), so the tables keep a lock of their own.
struct NameTables {
  std::mutex lock;
  std::unordered_map<std::string, NameCode> codeByKey;  // key: nameKey(name)
  std::vector<std::string> nameByCode{""};              // index 0 unused
  NameLanguage language;
};

NameTables& tables() {
  static NameTables t;
  return t;
}

// Called with the tables' lock held.
std::string keyOf(const NameTables& t, std::string_view name) {
  return t.language.key ? t.language.key(name) : std::string(name);
}

std::optional<uint32_t> objectNumberIn(std::string_view name) {
  if (name.size() < 2 || name[0] != '#') return std::nullopt;
  uint32_t n = 0;
  const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
  if (error != std::errc() || end != name.data() + name.size()) return std::nullopt;
  if (n > 0xFFFFFFFFu - kObjectNumberBase) return std::nullopt;
  return n;
}

NameCode intern(const std::string& name) {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  auto [it, fresh] = t.codeByKey.emplace(keyOf(t, name), static_cast<NameCode>(t.nameByCode.size()));
  if (fresh) t.nameByCode.push_back(name);
  return it->second;
}

}  // namespace

NameCode codeOf(std::string_view name) {
  if (name.size() > 1 && name.front() == kDictionaryMark) {
    const auto resolve = tables().language.resolveReference;
    if (resolve) {
      bool resolved = false;
      const std::string text = resolve(name, resolved);
      if (!resolved) showMessageBox("Logo", "???" + std::string(name));
      return intern(text);
    }
  }
  if (auto number = objectNumberIn(name)) return *number + kObjectNumberBase;
  return intern(std::string(name));
}

std::string nameOf(NameCode code) {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  if (code == 0 || code >= t.nameByCode.size()) return "<Unknown name>";
  return t.nameByCode[code];
}

bool isObjectNumberCode(NameCode code) { return code >= kObjectNumberBase; }

uint32_t objectNumberOf(NameCode code) { return code - kObjectNumberBase; }

size_t nameCodeCount() {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  return t.nameByCode.size() - 1;
}

void initNameCodes() {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  t.codeByKey.clear();
  t.nameByCode.assign(1, "");
}

}  // namespace lx

namespace lx {

void setNameLanguage(NameLanguage language) {
  NameTables& t = tables();
  {
    std::lock_guard guard(t.lock);
    t.language = language;
  }
  rekeyNameCodes();
}

void rekeyNameCodes() {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  t.codeByKey.clear();
  for (NameCode code = 1; code < t.nameByCode.size(); ++code)
    t.codeByKey.emplace(keyOf(t, t.nameByCode[code]), code);
}

}  // namespace lx
