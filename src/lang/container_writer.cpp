// Writing container headers and chunks.
#include "lang/container_writer.h"

#include <cassert>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "lang/byte_order.h"
#include "lang/compressed_data.h"
#include "lang/container_format.h"
#include "lang/container_stream.h"

namespace lx {
namespace {

int32_t chunkLength(std::streamoff length) {
  if (length < 0 || length > INT32_MAX) throw eStreamWriteError();
  return static_cast<int32_t>(length);
}

// Raises the count at offset 5 by one; the positions are left anywhere. A
// stream that does not start with a container header has no count to raise.
void countOneMoreChunk(std::iostream& io) {
  char header[kFirstChunkOffset];
  seekTo(io, 0);
  try {
    readExact(io, header, kFirstChunkOffset);
  } catch (const eStreamReadError&) {
    throw eStreamWriteError();
  }
  const int32_t count = getInt32LE(header + kCountOffset);
  if (std::string_view(header, 3) != kContainerSignature || count == INT32_MAX) throw eStreamWriteError();
  seekTo(io, kCountOffset);
  writeInt32(io, count + 1);
}

std::streamoff writePosition(std::ostream& out) {
  const std::streamoff position = out.tellp();
  if (position < 0) throw eStreamWriteError();
  return position;
}

}  // namespace

void writeHeader(std::ostream& out, int version) {
  assert(version >= 0 && version <= 99);
  const char digits[2] = {static_cast<char>('0' + version / 10), static_cast<char>('0' + version % 10)};
  writeBytes(out, kContainerSignature);
  writeBytes(out, {digits, 2});
}

void writeEmptyContainer(std::iostream& io, int version) {
  writeHeader(io, version);
  writeInt32(io, 0);
}

std::streamoff beginChunk(std::iostream& io) {
  writeBytes(io, std::string_view("\0\0\0\0\0\0\0\0", kChunkHeaderSize));
  return writePosition(io);
}

void endChunk(std::iostream& io, std::streamoff dataStart, ChunkTag tag) {
  const std::streamoff end = writePosition(io);
  const int32_t length = chunkLength(end - dataStart);
  seekTo(io, dataStart - kChunkHeaderSize);
  writeBytes(io, tag.text());
  writeInt32(io, length);
  countOneMoreChunk(io);
  seekTo(io, end);
}

void appendChunk(std::iostream& io, ChunkTag tag, std::string_view data) {
  writeBytes(io, tag.text());
  writeInt32(io, chunkLength(static_cast<std::streamoff>(data.size())));
  writeBytes(io, data);
  const std::streamoff end = writePosition(io);
  countOneMoreChunk(io);
  seekTo(io, end);
}

void appendCompressedChunk(std::iostream& io, ChunkTag tag, std::string_view data, int level) {
  assert(isCompressedTag(tag));
  appendChunk(io, tag, packCompressed(data, level));
}

void appendStringChunk(std::iostream& io, ChunkTag tag, std::string_view text) {
  appendChunk(io, tag, text);
}

}  // namespace lx
