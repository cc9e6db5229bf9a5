// Finding the language, text, icon and image chunks of a container.
#include "lang/container_lookup.h"

#include "lang/compressed_data.h"

namespace lx {

std::string readLanguage(std::istream& in) {
  ContainerReader reader(in, ckProbeOnly);
  if (!reader.isContainer()) return "*";
  while (auto chunk = reader.next()) {
    if (chunk->tag == kTagLanguage) return reader.readData(*chunk);
  }
  return "";
}

TextChunkInfo findTextChunk(std::istream& in, int index) {
  ContainerReader reader(in, ckProbeOnly);
  int seen = 0;
  while (auto chunk = reader.next()) {
    if (!isTextTag(chunk->tag)) continue;
    if (seen++ == index) return {true, chunk->tag == kTagTextZ, chunk->length};
  }
  return {};
}

std::optional<std::string> readTextChunk(std::istream& in, int index) {
  ContainerReader reader(in, ckProbeOnly);
  int seen = 0;
  while (auto chunk = reader.next()) {
    if (isTextTag(chunk->tag) && seen++ == index) return chunkPayload(reader.readChunk(*chunk));
  }
  return std::nullopt;
}

std::string chunkPayload(const RawChunk& chunk) {
  return isCompressedTag(chunk.tag) ? unpackCompressed(chunk.data) : chunk.data;
}

std::optional<std::string> readIcon(std::istream& in) {
  ContainerReader reader(in, ckProbeOnly);
  while (auto chunk = reader.next()) {
    if (isIconTag(chunk->tag)) return chunkPayload(reader.readChunk(*chunk));
  }
  return std::nullopt;
}

std::vector<RawChunk> readImageChunks(std::istream& in, ContainerKind kind) {
  ContainerReader reader(in, kind);
  std::vector<RawChunk> images;
  while (auto chunk = reader.next()) {
    if (isImageTag(chunk->tag)) images.push_back(reader.readChunk(*chunk));
  }
  return images;
}

}  // namespace lx
