// Writing containers: the header, and chunks appended at the current
// position, each of which adds one to the count at offset 5. A chunk whose
// length is known only after its data is written is begun with 8 reserved
// bytes and ended by going back to fill in its tag and length.
//
// The stream must hold the container from position 0 and be readable as
// well as writable, since the count is read back before it is raised.
// A write the stream refuses raises the stream write error.
#pragma once

#include <iosfwd>
#include <string_view>

#include "lang/chunk_tag.h"

namespace lx {

// "LGF" and the version as two digits (tens, then units), at the current
// position.
void writeHeader(std::ostream& out, int version);
// The header and a chunk count of 0, on an empty stream.
void writeEmptyContainer(std::iostream& io, int version);

// Reserves the 8 header bytes of a chunk at the current position; answers
// where its data begins.
std::streamoff beginChunk(std::iostream& io);
// Ends the chunk begun at dataStart with everything written since: fills in
// its tag and length, counts it and returns to its end.
void endChunk(std::iostream& io, std::streamoff dataStart, ChunkTag tag);

// A chunk of known data at the current position.
void appendChunk(std::iostream& io, ChunkTag tag, std::string_view data);
// A compressed chunk: the length of `data`, then `data` compressed at zlib
// `level`. The tag is the compressed tag ("TXZ1", "IMZ1", "ICZ1").
void appendCompressedChunk(std::iostream& io, ChunkTag tag, std::string_view data, int level);
// A chunk of text, such as the language chunk.
void appendStringChunk(std::iostream& io, ChunkTag tag, std::string_view text);

}  // namespace lx
