// The running-sum coded stream in which dictionaries, the built-in Logo
// library and other resources are stored.
//
// Each direction keeps an 8-bit sum starting at 0. A written byte p goes out
// as p + sum and the output byte is added to the sum; a read byte c comes in
// as c - sum and c is added to the sum. Opening for writing first writes one
// random byte through the encoder, and opening for reading first reads and
// discards one decoded byte, so equal texts never look alike when stored.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace lx {

class tcodedstream {
 public:
  enum Mode { ForReading = 0, ForWriting = 1 };

  // Wraps `stream` (not owned). For writing, `firstByte` is the byte written
  // before the text; callers that need reproducible output pass a fixed one,
  // everyone else the default random byte.
  tcodedstream(std::iostream& stream, Mode mode, int firstByte = -1);

  // Reads up to n decoded bytes into buf; answers how many, or -1 when the
  // underlying read fails before anything was read.
  long read(char* buf, long n);
  void write(const char* buf, long n);
  void write(std::string_view text) { write(text.data(), static_cast<long>(text.size())); }
  // Seeking moves the underlying stream only; the running sums are not reset.
  void seek(std::streamoff offset);
  bool good() const;

 private:
  std::iostream& stream_;
  uint8_t readSum_ = 0;
  uint8_t writeSum_ = 0;
};

// Encodes a whole text: the first byte, then the text, as a writing stream would.
std::string encodeCoded(std::string_view plain, uint8_t firstByte);

// Decodes a whole encoded buffer, dropping the leading first byte. An empty
// buffer decodes to an empty text.
std::string decodeCoded(std::string_view coded);

// The in-memory variant: decodes `buffer` in place, each decoded byte moved
// one place to the front so that the discarded first byte disappears, and
// shortens the buffer by that byte.
void decodeCodedInPlace(std::string& buffer);

}  // namespace lx
