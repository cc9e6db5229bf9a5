// The compressed form of chunk data ("TXZ1", "IMZ1", "ICZ1"): the length of
// the uncompressed data (4 bytes, little-endian), then a zlib stream of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lx {

// zlib levels run from 0 (stored) to 9 (smallest); packed projects use 1.
inline constexpr int kPackedProjectCompression = 1;

// The compressed form of `data` at zlib `level` (0..9).
std::string packCompressed(std::string_view data, int level);

// The data back from its compressed form. A form too short to hold the
// length, a damaged zlib stream, or one that yields another number of bytes
// than the length announces, raises the stream read error.
std::string unpackCompressed(std::string_view packed);

// deflate's largest possible ratio, a little over 1000:1: a length that
// claims more per compressed byte than this is not believed.
inline constexpr uint64_t kMaxInflateRatio = 1032;

}  // namespace lx
