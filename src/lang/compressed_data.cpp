// zlib compression of chunk data.
#include "lang/compressed_data.h"

#include <zlib.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <new>

#include "lang/byte_order.h"
#include "lang/container_stream.h"

namespace lx {
namespace {

[[noreturn]] void damaged() {
  throw eStreamReadError("Compressed data error");
}

// Inflates `stream` into exactly `length` bytes. The output grows with what
// zlib produces, so a damaged length never allocates much more than the
// stream can give. Once the output is full, one spare byte catches a stream
// that would give more.
std::string inflateExactly(std::string_view stream, uint32_t length) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw std::bad_alloc();
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size());
  std::string out(std::min<size_t>(length, 65536 + 8 * stream.size()), '\0');
  char spare;
  int status = Z_OK;
  while (status == Z_OK && z.total_out <= length) {
    if (z.total_out == out.size() && out.size() < length)
      out.resize(std::min<size_t>(length, 2 * out.size()));
    if (z.total_out < out.size()) {
      z.next_out = reinterpret_cast<Bytef*>(out.data() + z.total_out);
      z.avail_out = static_cast<uInt>(out.size() - z.total_out);
    } else {
      z.next_out = reinterpret_cast<Bytef*>(&spare);
      z.avail_out = 1;
    }
    status = inflate(&z, Z_NO_FLUSH);
  }
  const uLong produced = z.total_out;
  inflateEnd(&z);
  if (status != Z_STREAM_END || produced != length) damaged();
  return out;
}

}  // namespace

std::string packCompressed(std::string_view data, int level) {
  assert(level >= 0 && level <= 9);
  assert(data.size() <= INT32_MAX);
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string packed(4 + size, '\0');
  putInt32LE(packed.data(), static_cast<int32_t>(data.size()));
  const int status =
      compress2(reinterpret_cast<Bytef*>(packed.data() + 4), &size,
                reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), level);
  if (status != Z_OK) throw std::bad_alloc();
  packed.resize(4 + size);
  return packed;
}

std::string unpackCompressed(std::string_view packed) {
  if (packed.size() < 4) damaged();
  const int32_t length = getInt32LE(packed.data());
  const std::string_view stream = packed.substr(4);
  if (length < 0 || static_cast<uint64_t>(length) > kMaxInflateRatio * stream.size() + 64) damaged();
  return inflateExactly(stream, static_cast<uint32_t>(length));
}

}  // namespace lx
