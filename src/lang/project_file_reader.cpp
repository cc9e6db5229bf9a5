// Reading a project file in the order the loader needs it.
#include "lang/project_file_reader.h"

#include "core/logo_exception.h"
#include "lang/container_lookup.h"
#include "lang/container_stream.h"

namespace lx {

ProjectFileContents readProjectFile(std::istream& in) {
  ProjectFileContents contents;
  ContainerReader reader(in, ckProjectFile);
  if (!reader.isContainer()) {
    seekTo(in, 0);
    contents.text = readExact(in, reader.size());
    return contents;
  }
  contents.isContainer = true;
  contents.language.clear();
  bool languageFound = false;
  while (auto chunk = reader.next()) {
    if (isImageTag(chunk->tag)) {
      contents.images.push_back(reader.readChunk(*chunk));
    } else if (isIconTag(chunk->tag) && !contents.icon) {
      contents.icon = reader.readChunk(*chunk);
    } else if (chunk->tag == kTagLanguage && !languageFound) {
      contents.language = reader.readData(*chunk);
      languageFound = true;
    }
  }
  std::optional<std::string> text = readTextChunk(in, 0);
  if (!text) throw eLogoException(erLumaxisProject);
  contents.text = std::move(*text);
  return contents;
}

}  // namespace lx
