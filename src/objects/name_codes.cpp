// The two name tables: name -> code and code -> name.
#include "objects/name_codes.h"

#include <charconv>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "lang/dictionary.h"
#include "lang/name_comparison.h"
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
  bool listening = false;
};

NameTables& tables() {
  static NameTables t;
  return t;
}

// A change of language may change what counts as the same name; the codes
// stay, the keys are made again.
void rekey() {
  NameTables& t = tables();
  std::lock_guard guard(t.lock);
  t.codeByKey.clear();
  for (NameCode code = 1; code < t.nameByCode.size(); ++code)
    t.codeByKey.emplace(nameKey(t.nameByCode[code]), code);
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
  if (!t.listening) {
    t.listening = true;
    addLanguageChangeListener(rekey);
  }
  auto [it, fresh] = t.codeByKey.emplace(nameKey(name), static_cast<NameCode>(t.nameByCode.size()));
  if (fresh) t.nameByCode.push_back(name);
  return it->second;
}

}  // namespace

NameCode codeOf(std::string_view name) {
  if (name.size() > 1 && name.front() == kDictionaryMark) {
    const DictionaryReference resolved = resolveReference(name);
    if (!resolved.resolved) showMessageBox("Logo", "???" + std::string(name));
    return intern(resolved.text);
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

NameCode codeOfInternal(std::string_view internalName) {
  if (internalName.substr(0, 4) == "set*") {
    const std::string rest(internalName.substr(4));
    const std::string local = localEntryRaw("dict", rest);
    return codeOf(setNameOf(local.empty() ? "@" + rest + "@" : local));
  }
  return codeOf(localName(internalName));
}

NameCode codeOfEntry(std::string_view section, std::string_view key) {
  return codeOf(localEntry(section, key));
}

NameCode setNameCodeOf(std::string_view name) { return codeOf(setNameOf(name)); }

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
