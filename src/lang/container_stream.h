// Checked reading and writing of the streams that containers live in. A read
// that cannot get every byte it asked for raises the stream read error; a
// write the stream refuses raises the stream write error. Both are system
// faults rather than Logo errors: the process that met them shows their
// message and ends.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/logo_exception.h"

namespace lx {

class eStreamReadError : public eLogoBase {
 public:
  eStreamReadError() : eLogoBase("Stream read error") {}
  explicit eStreamReadError(std::string message) : eLogoBase(std::move(message)) {}
};

class eStreamWriteError : public eLogoBase {
 public:
  eStreamWriteError() : eLogoBase("Stream write error") {}
};

// The number of bytes in the stream. Leaves the read position where it was
// and clears a failed state first; a stream that cannot seek has size 0.
std::streamoff streamSize(std::istream& in);

// Moves both the read and (for a stream that has one) the write position.
void seekTo(std::istream& in, std::streamoff position);
void seekTo(std::iostream& io, std::streamoff position);

// Reads exactly n bytes from the current position.
void readExact(std::istream& in, char* buffer, std::streamoff n);
std::string readExact(std::istream& in, std::streamoff n);
int32_t readInt32(std::istream& in);

void writeBytes(std::ostream& out, std::string_view bytes);
void writeInt32(std::ostream& out, int32_t value);

}  // namespace lx
