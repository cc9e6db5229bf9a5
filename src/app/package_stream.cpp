#include "app/package_stream.h"

namespace lx {

tExe2MemStream::Buffer::Buffer(std::span<const uint8_t> bytes) {
  // The get area never writes through these pointers.
  char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  setg(begin, begin, begin + bytes.size());
}

std::streambuf::pos_type tExe2MemStream::Buffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                         std::ios_base::openmode which) {
  if (!(which & std::ios_base::in)) return pos_type(off_type(-1));
  off_type base = 0;
  if (direction == std::ios_base::cur) base = gptr() - eback();
  if (direction == std::ios_base::end) base = egptr() - eback();
  const off_type target = base + offset;
  if (target < 0 || target > egptr() - eback()) return pos_type(off_type(-1));
  setg(eback(), eback() + target, egptr());
  return pos_type(target);
}

std::streambuf::pos_type tExe2MemStream::Buffer::seekpos(pos_type position, std::ios_base::openmode which) {
  return seekoff(off_type(position), std::ios_base::beg, which);
}

tExe2MemStream::tExe2MemStream(std::shared_ptr<const MappedFile> mapping, std::span<const uint8_t> bytes)
    : std::istream(nullptr), mapping_(std::move(mapping)), buffer_(bytes) {
  rdbuf(&buffer_);
}

}  // namespace lx
