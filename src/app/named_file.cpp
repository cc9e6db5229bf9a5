// Opening files by name: resources, the command line's project, the
// package, the search folders.
#include "app/named_file.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "lang/dictionary_table.h"
#include "app/package.h"
#include "app/path_resolver.h"
#include "core/logo_exception.h"
#include "lang/builtin_resources.h"
#include "lang/coded_stream.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

struct OpeningState {
  fs::path commandLineProject;
  bool standAlone = false;
};

OpeningState& openingState() {
  static OpeningState state;
  return state;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// "*project.lxp" is the resource "*project" of type LXP; any other
// "*base.ext" the resource "base" of type EXT; "*base" the resource "base"
// of type LXP.
std::pair<std::string, std::string> resourceTypeAndName(const std::string& name) {
  const std::string body = name.substr(1);
  const size_t dot = body.rfind('.');
  if (dot == std::string::npos) return {"LXP", body};
  const std::string base = body.substr(0, dot);
  const std::string type = upper(body.substr(dot + 1));
  if (asciiLower(base) == "project" && type == "LXP") return {type, "*" + base};
  return {type, base};
}

std::unique_ptr<std::istream> fileStream(const fs::path& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return nullptr;
  auto stream = std::make_unique<std::ifstream>(path, std::ios::binary);
  if (!*stream) return nullptr;
  return stream;
}

// The file part of a name: package entries are looked up without folders.
std::string filePart(const std::string& name) {
  const size_t last = name.find_last_of("\\/:");
  return last == std::string::npos ? name : name.substr(last + 1);
}

errorConst missingFileError() {
  return packageDirectoryLoaded() && openingState().standAlone ? erNoEmbeddedFileEXE : erNoEmbeddedFilePlugin;
}

}  // namespace

void setCommandLineProject(const fs::path& path) { openingState().commandLineProject = path; }

void setStandAloneRuntime(bool standAlone) { openingState().standAlone = standAlone; }

std::unique_ptr<std::string> builtinResourceText(const std::string& name) {
  if (name.empty() || name[0] != '*') return nullptr;
  const auto [type, base] = resourceTypeAndName(name);
  const BuiltinResource* resource = findBuiltinResource(type, base);
  if (!resource) return nullptr;
  auto text = std::make_unique<std::string>(reinterpret_cast<const char*>(resource->data), resource->size);
  decodeCodedInPlace(*text);
  // Resources end with one byte that is not part of their contents.
  if (!text->empty()) text->pop_back();
  return text;
}

NamedFile openNamedFile(const std::string& name, FileKind kind) {
  if (!name.empty() && name[0] == '*') {
    std::unique_ptr<std::string> text = builtinResourceText(name);
    if (!text) throw eLogoException::withWord(erFileName, name);
    return {{}, std::make_unique<std::istringstream>(std::move(*text))};
  }
  const fs::path& commandLine = openingState().commandLineProject;
  if (!commandLine.empty() && fs::path(name) == commandLine) {
    if (auto stream = fileStream(commandLine)) return {commandLine, std::move(stream)};
    throw eLogoException::withWord(erFileProblem, name);
  }
  if (packageDirectoryLoaded()) {
    try {
      return {{}, openPackageEntry(filePart(name))};
    } catch (const eExeStreamNotFound&) {
      // Not packed: a file of that name beside the program may serve.
    }
  }
  const fs::path path = resolvePath(kind, name, rfMustExist).path;
  std::error_code error;
  if (!fs::exists(path, error)) throw eLogoException::withWord(missingFileError(), name);
  if (auto stream = fileStream(path)) return {path, std::move(stream)};
  throw eLogoException::withWord(erFileProblem, name);
}

}  // namespace lx
