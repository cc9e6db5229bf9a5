// The work of setpath and path.
#include "app/path_commands.h"

#include "app/path_resolver.h"
#include "app/search_paths.h"
#include "core/logo_exception.h"
#include "core/value.h"

namespace lx {
namespace {

// The folder a search for an unnamed file of `kind` ends in: the first of its
// directories that exists.
std::string resolvedFolder(FileKind kind) {
  return resolvePath(kind, "", rfMustExist | rfNoDefaultExtension).text();
}

}  // namespace

FileKind kindOfWord(const Value& word) {
  const FileKind kind = word && word->isWord() ? kindOfName(word->wordText()) : fkAny;
  if (kind == fkAny) throw eLogoException(erDoesNotLike, word);
  return kind;
}

void setPathOfProjects(const std::vector<std::string>& directories) {
  setDirectories(fkProject, directories);
}

void setPathOfKind(const Value& kindWord, const std::vector<std::string>& directories) {
  setDirectories(kindOfWord(kindWord), directories);
}

std::string pathOfProjects() {
  return resolvedFolder(fkProject);
}

std::string pathOfKind(const Value& kindWord) {
  return resolvedFolder(kindOfWord(kindWord));
}

std::vector<std::string> pathEntriesOfKind(const Value& kindWord) {
  return directoriesOf(kindOfWord(kindWord));
}

}  // namespace lx
