// The interface dictionary blocks and their lookups.
#include "lang/interface_dictionary.h"

#include <memory>
#include <optional>

#include "lang/builtin_resources.h"
#include "lang/coded_stream.h"

namespace lx {
namespace {

struct InterfaceState {
  std::unique_ptr<TDTables> tables;
  std::string language;
};

InterfaceState& state() {
  static InterfaceState s;
  return s;
}

struct DecodedBlock {
  std::string language;  // lower-cased
  std::string text;
};

// A block that does not hold the zero byte after the language's name is damaged.
std::optional<DecodedBlock> decodeBlock(const BuiltinResource& block) {
  const std::string plain = decodeCoded({reinterpret_cast<const char*>(block.data), block.size});
  const size_t zero = plain.find('\0');
  if (zero == std::string::npos) return std::nullopt;
  return DecodedBlock{asciiLower(plain.substr(0, zero)), plain.substr(zero + 1)};
}

std::unique_ptr<TDTables> parseBlock(const DecodedBlock& block) {
  auto tables = std::make_unique<TDTables>();
  tables->parse(block.text);
  if (tables->empty()) return nullptr;
  return tables;
}

}  // namespace

bool selectInterfaceLanguage(std::string_view language) {
  const std::string wanted = asciiLower(language.empty() || language == "*" ? "english" : language);
  std::optional<DecodedBlock> fallback;
  for (const BuiltinResource& resource : builtinResources()) {
    if (std::string_view(resource.type) != "LAF") continue;
    auto block = decodeBlock(resource);
    if (!block) continue;
    if (block->language == wanted) {
      fallback = std::move(block);
      break;
    }
    if (!fallback) fallback = std::move(block);
  }
  if (!fallback) return false;
  auto tables = parseBlock(*fallback);
  if (!tables) return false;
  state().tables = std::move(tables);
  state().language = fallback->language;
  return true;
}

const TDTables* currentInterfaceDictionary() { return state().tables.get(); }

const std::string& interfaceLanguage() { return state().language; }

std::string interfaceLookup(std::string_view section, std::string_view key) {
  const TDTables* tables = state().tables.get();
  const std::string* value = tables ? tables->find(section, key) : nullptr;
  if (!value) return "";
  std::string out;
  out.reserve(value->size());
  for (char c : *value) {
    if (c == '\xB6')
      out += "\r\n";
    else
      out += c;
  }
  return out;
}

std::string interfaceString(std::string_view key, std::string_view argument) {
  std::string text = interfaceLookup("strings", key);
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, argument);
  return text;
}

}  // namespace lx
