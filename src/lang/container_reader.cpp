// Walking a container's chunks with checked lengths.
#include "lang/container_reader.h"

#include <istream>

#include "lang/byte_order.h"
#include "lang/container_probe.h"
#include "lang/container_stream.h"

namespace lx {

ContainerReader::ContainerReader(std::istream& in, ContainerKind kind)
    : in_(in), size_(streamSize(in)), version_(probeContainer(in, kind)) {
  if (!isContainer()) return;
  seekTo(in_, kCountOffset);
  count_ = readInt32(in_);
  rewind();
}

void ContainerReader::rewind() {
  seen_ = 0;
  nextHeader_ = kFirstChunkOffset;
  seekTo(in_, nextHeader_);
}

std::optional<ChunkHeader> ContainerReader::next() {
  if (seen_ >= count_) return std::nullopt;
  if (nextHeader_ > size_ - kChunkHeaderSize) throw eStreamReadError();
  seekTo(in_, nextHeader_);
  char bytes[kChunkHeaderSize];
  readExact(in_, bytes, kChunkHeaderSize);
  const int32_t length = getInt32LE(bytes + 4);
  const std::streamoff dataStart = nextHeader_ + kChunkHeaderSize;
  if (length < 0 || length > size_ - dataStart) throw eStreamReadError();
  ++seen_;
  nextHeader_ = dataStart + length;
  return ChunkHeader{ChunkTag::fromBytes(bytes), static_cast<uint32_t>(length), dataStart};
}

std::string ContainerReader::readData(const ChunkHeader& chunk) {
  seekTo(in_, chunk.dataStart);
  return readExact(in_, chunk.length);
}

int32_t chunkCount(std::istream& in, ContainerKind kind) {
  return ContainerReader(in, kind).count();
}

}  // namespace lx
