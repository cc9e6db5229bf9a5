// Build-time tool: turns resource sources (UTF-8 text for people to edit)
// into the program's built-in resources. Each resource is converted to code
// page 1250, checked, coded with the running-sum stream and written as a byte
// array into one C++ file that lists every resource by type and name.
//
//   lx-resource-encoder OUT.cpp
//       --resource TYPE NAME FORMAT FILE... [--resource ...]
//
// FORMAT is "dictionary" (dictionary text), "block" (dictionary text behind
// the language's name and a zero byte, as interface blocks are stored) or
// "text" (any text). The build fails on text outside code page 1250, on a
// dictionary key given twice in one section, naming the file and line, and on
// a key of an English dictionary that another language's dictionary of the
// same type lacks, naming the key.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lang/coded_stream.h"
#include "lang/dictionary_table.h"
#include "platform/codepage.h"

namespace {

struct Resource {
  std::string type, name, format;
  std::vector<std::string> files;
};

[[noreturn]] void fail(const std::string& what) {
  std::cerr << "lx-resource-encoder: " << what << "\n";
  std::exit(1);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) fail("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string toCodePage(const std::string& path, const std::string& utf8) {
  const lx::Utf8Conversion converted = lx::utf8ToCp1250(utf8);
  if (!converted.exact) {
    const auto line = 1 + std::count(utf8.begin(), utf8.begin() + converted.firstBadOffset, '\n');
    fail(path + ":" + std::to_string(line) + ": character outside code page 1250");
  }
  return converted.text;
}

// Every key of one dictionary: "section\nkey" -> the file and line that gives it.
using KeyPlaces = std::map<std::string, std::string>;

// Duplicate keys across all files of one dictionary are mistakes: the later
// one would silently win.
KeyPlaces checkDictionary(const Resource& r, const std::vector<std::string>& texts) {
  std::map<std::string, std::string> seen;  // "section\nkey" -> where
  std::string section;
  for (size_t f = 0; f < texts.size(); ++f) {
    std::istringstream lines(texts[f]);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      const std::string_view line = lx::trimBlanks(raw);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        section = lx::asciiLower(line.substr(1, line.size() - 2));
        continue;
      }
      const size_t eq = line.find('=');
      if (eq == std::string_view::npos || section.empty()) continue;
      const std::string where = r.files[f] + ":" + std::to_string(number);
      const std::string id = section + "\n" + lx::asciiLower(lx::trimBlanks(line.substr(0, eq)));
      const auto [it, fresh] = seen.emplace(id, where);
      if (!fresh) fail(where + ": key of section [" + section + "] already given at " + it->second);
    }
  }
  return seen;
}

// The keys of every dictionary resource, by type and name, for the check that
// each language has all the keys of English.
std::map<std::string, KeyPlaces>& keysByResource() {
  static std::map<std::string, KeyPlaces> keys;
  return keys;
}

// A key English has and another language lacks would show up as a missing
// word or an "@key@" message only when a child happens on it: the build
// names it instead.
void checkCoverage(const std::vector<Resource>& resources) {
  for (const Resource& r : resources) {
    if (r.format == "text" || r.name == "ENGLISH") continue;
    const auto english = keysByResource().find(r.type + "/ENGLISH");
    if (english == keysByResource().end()) continue;
    const KeyPlaces& own = keysByResource()[r.type + "/" + r.name];
    for (const auto& [id, where] : english->second) {
      if (own.count(id)) continue;
      const size_t cut = id.find('\n');
      fail(r.type + "/" + r.name + ": key \"" + id.substr(cut + 1) + "\" of section [" + id.substr(0, cut) +
           "] is missing (English gives it at " + where + ")");
    }
  }
}

std::string plainBytes(const Resource& r) {
  std::vector<std::string> texts;
  for (const std::string& file : r.files) texts.push_back(toCodePage(file, readFile(file)));
  if (r.format != "text") keysByResource()[r.type + "/" + r.name] = checkDictionary(r, texts);
  std::string plain;
  if (r.format == "block") plain = lx::asciiLower(r.name) + std::string(1, '\0');
  for (const std::string& text : texts) {
    plain += text;
    if (!plain.empty() && plain.back() != '\n') plain += '\n';
  }
  return plain;
}

// The first byte is fixed per resource so that builds are reproducible.
uint8_t firstByteFor(const Resource& r) {
  uint8_t h = 0x5A;
  for (char c : r.type + r.name) h = static_cast<uint8_t>(h * 31 + static_cast<uint8_t>(c));
  return h;
}

void writeArray(std::ostream& out, size_t index, const std::string& bytes) {
  out << "const unsigned char r" << index << "[] = {";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 16 == 0) out << "\n  ";
    out << static_cast<unsigned>(static_cast<uint8_t>(bytes[i])) << ",";
  }
  out << "\n};\n";
}

std::vector<Resource> parseArguments(int argc, char** argv) {
  std::vector<Resource> resources;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--resource") {
      if (i + 3 >= argc) fail("--resource needs TYPE NAME FORMAT");
      resources.push_back({argv[i + 1], argv[i + 2], argv[i + 3], {}});
      i += 3;
    } else if (resources.empty()) {
      fail("a file before the first --resource: " + arg);
    } else {
      resources.back().files.push_back(arg);
    }
  }
  return resources;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) fail("usage: lx-resource-encoder OUT.cpp --resource TYPE NAME FORMAT FILE...");
  const std::vector<Resource> resources = parseArguments(argc, argv);
  std::ostringstream out;
  out << "// Written by lx-resource-encoder at build time; do not edit.\n"
         "#include \"lang/builtin_resources.h\"\n\nnamespace lx {\nnamespace {\n";
  for (size_t i = 0; i < resources.size(); ++i) {
    const Resource& r = resources[i];
    if (r.format != "dictionary" && r.format != "block" && r.format != "text") fail("unknown format " + r.format);
    writeArray(out, i, lx::encodeCoded(plainBytes(r), firstByteFor(r)));
  }
  checkCoverage(resources);
  out << "}  // namespace\n\nextern const BuiltinResource kBuiltinResources[] = {\n";
  for (size_t i = 0; i < resources.size(); ++i)
    out << "  {\"" << resources[i].type << "\", \"" << resources[i].name << "\", r" << i << ", sizeof r" << i
        << "},\n";
  if (resources.empty()) out << "  {\"\", \"\", nullptr, 0},\n";
  out << "};\nextern const size_t kBuiltinResourceCount = " << resources.size() << ";\n\n}  // namespace lx\n";
  std::ofstream file(argv[1], std::ios::binary);
  file << out.str();
  if (!file) fail(std::string("cannot write ") + argv[1]);
  return 0;
}
