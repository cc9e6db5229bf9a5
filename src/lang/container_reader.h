// Walking the chunks of a container. Every length read from the stream is
// checked against the stream's size before it is used, so a truncated or
// damaged container fails with the stream read error instead of reading
// past its end or allocating what the file claims.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "lang/chunk_tag.h"
#include "lang/container_format.h"

namespace lx {

struct ChunkHeader {
  ChunkTag tag;
  uint32_t length = 0;           // bytes of data
  std::streamoff dataStart = 0;  // stream position of the first data byte
};

// A chunk as stored: for compressed tags the data is the compressed form.
struct RawChunk {
  ChunkTag tag;
  std::string data;
  bool operator==(const RawChunk&) const = default;
};

class ContainerReader {
 public:
  // Probes the stream as probeContainer(kind) does, raising what it raises,
  // and reads a container's chunk count. A container too short to hold its
  // count raises the stream read error.
  ContainerReader(std::istream& in, ContainerKind kind);

  bool isContainer() const { return version_ != 0; }
  int version() const { return version_; }
  // The chunk count as stored; 0 for a stream that is not a container.
  int32_t count() const { return count_; }
  std::streamoff size() const { return size_; }
  std::istream& stream() { return in_; }

  // Starts the walk again at the first chunk.
  void rewind();
  // The header of the next of the count's chunks, with the stream left at its
  // data; nothing once they have all been seen. Whatever was not read of the
  // previous chunk is skipped by its length. A header or data that would run
  // past the end of the stream raises the stream read error.
  std::optional<ChunkHeader> next();
  // The data of a chunk of this walk, read from its start.
  std::string readData(const ChunkHeader& chunk);
  RawChunk readChunk(const ChunkHeader& chunk) { return {chunk.tag, readData(chunk)}; }

 private:
  std::istream& in_;
  std::streamoff size_ = 0;
  int version_ = 0;
  int32_t count_ = 0;
  int32_t seen_ = 0;                               // headers read since the last rewind
  std::streamoff nextHeader_ = kFirstChunkOffset;  // where the next chunk starts
};

// The chunk count of a container, 0 for a stream that is not one (errors as
// probeContainer raises them for `kind`).
int32_t chunkCount(std::istream& in, ContainerKind kind);

}  // namespace lx
