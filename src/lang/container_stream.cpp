// Checked reads and writes of container streams.
#include "lang/container_stream.h"

#include <istream>
#include <ostream>

#include "lang/byte_order.h"

namespace lx {

std::streamoff streamSize(std::istream& in) {
  in.clear();
  const std::streamoff here = in.tellg();
  if (here < 0) return 0;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(here);
  return size < 0 ? 0 : size;
}

void seekTo(std::istream& in, std::streamoff position) {
  in.clear();
  in.seekg(position);
}

void seekTo(std::iostream& io, std::streamoff position) {
  io.clear();
  io.seekg(position);
  io.seekp(position);
}

void readExact(std::istream& in, char* buffer, std::streamoff n) {
  if (n < 0) throw eStreamReadError();
  in.read(buffer, n);
  if (in.gcount() != n) {
    in.clear();
    throw eStreamReadError();
  }
}

std::string readExact(std::istream& in, std::streamoff n) {
  // The size comes from the file: it must fit in what is left of the stream
  // before anything is allocated for it.
  const std::streamoff here = in.tellg();
  if (n < 0 || here < 0 || n > streamSize(in) - here) throw eStreamReadError();
  std::string bytes(static_cast<size_t>(n), '\0');
  readExact(in, bytes.data(), n);
  return bytes;
}

int32_t readInt32(std::istream& in) {
  char bytes[4];
  readExact(in, bytes, 4);
  return getInt32LE(bytes);
}

void writeBytes(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw eStreamWriteError();
}

void writeInt32(std::ostream& out, int32_t value) {
  char bytes[4];
  putInt32LE(bytes, value);
  writeBytes(out, {bytes, 4});
}

}  // namespace lx
