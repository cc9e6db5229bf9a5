// Finding the chunks a reader wants in a container: the language, the
// project text, the icon and the image records. Image records and the icon
// are handed on as bytes; decoding them is the images' business.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "lang/container_reader.h"

namespace lx {

// The language a file is written in: "*" when the stream is not a container,
// "" for a container without a language chunk (English), else the name as
// stored.
std::string readLanguage(std::istream& in);

struct TextChunkInfo {
  bool found = false;
  bool compressed = false;  // "TXZ1" rather than "TX 1"
  uint32_t length = 0;      // bytes of chunk data as stored
};

// Finds the index-th text chunk ("TX 1" or "TXZ1", counting from 0) and
// leaves the stream at its data. Not found in a stream that is no container.
TextChunkInfo findTextChunk(std::istream& in, int index);

// The text of the index-th text chunk, uncompressed; nothing when there is
// no such chunk.
std::optional<std::string> readTextChunk(std::istream& in, int index);

// The data a chunk stands for: compressed chunks are uncompressed, every
// other chunk's data is given as it is.
std::string chunkPayload(const RawChunk& chunk);

// The first icon chunk ("IC 1" or "ICZ1") as its BMP stream, uncompressed;
// nothing when the container has none or the stream is not a container.
std::optional<std::string> readIcon(std::istream& in);

// The image chunks ("IM 1", "IMZ1") as stored, in chunk order.
std::vector<RawChunk> readImageChunks(std::istream& in, ContainerKind kind);

}  // namespace lx
