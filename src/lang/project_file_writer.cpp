// Writing project headers, text, image and icon chunks.
#include "lang/project_file_writer.h"

#include <istream>

#include "lang/chunk_tag.h"
#include "lang/container_format.h"
#include "lang/container_stream.h"
#include "lang/container_writer.h"
#include "lang/dictionary_table.h"

namespace lx {
namespace {

bool isEnglish(std::string_view language) {
  return language.empty() || language == "*" || asciiLower(language) == "english";
}

void appendMaybeCompressed(std::iostream& io, ChunkTag plain, ChunkTag compressed, std::string_view data,
                           std::optional<int> level) {
  if (level)
    appendCompressedChunk(io, compressed, data, *level);
  else
    appendChunk(io, plain, data);
}

}  // namespace

std::streamoff beginProjectFile(std::iostream& io, std::string_view language) {
  const bool english = isEnglish(language);
  writeEmptyContainer(io, english ? kVersionWithoutLanguage : kVersionWithLanguage);
  if (!english) appendStringChunk(io, kTagLanguage, language);
  return beginChunk(io);
}

void endTextChunk(std::iostream& io, std::streamoff dataStart, bool compressed) {
  endChunk(io, dataStart, compressed ? kTagTextZ : kTagText);
}

void appendTextChunk(std::iostream& io, std::string_view text, std::optional<int> level) {
  appendMaybeCompressed(io, kTagText, kTagTextZ, text, level);
}

void appendImageChunk(std::iostream& io, std::string_view record, std::optional<int> level) {
  if (streamSize(io) == 0) writeEmptyContainer(io, kVersionWithoutLanguage);
  appendMaybeCompressed(io, kTagImage, kTagImageZ, record, level);
}

void appendIconChunk(std::iostream& io, std::string_view bitmap, std::optional<int> level) {
  appendMaybeCompressed(io, kTagIcon, kTagIconZ, bitmap, level);
}

}  // namespace lx
