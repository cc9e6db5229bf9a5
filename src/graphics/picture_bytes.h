// Reading picture files from memory: a cursor that checks every read
// against the end of the bytes, and the failure every decoder raises. The
// picture loader turns the failure into the Logo error for the file.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace lx {

// A picture that cannot be read: truncated, damaged, of a kind we do not
// read, or asking for more than the limits allow.
class BadPicture : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}
  size_t position() const { return at_; }
  size_t left() const { return bytes_.size() - at_; }
  void seek(size_t position) {
    if (position > bytes_.size()) throw BadPicture("truncated");
    at_ = position;
  }
  void skip(size_t count) { seek(at_ + need(count)); }
  std::string_view take(size_t count) {
    const std::string_view part = bytes_.substr(at_, need(count));
    at_ += count;
    return part;
  }
  uint8_t u8() { return static_cast<uint8_t>(take(1)[0]); }
  uint16_t u16() {
    const std::string_view b = take(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
  }
  uint32_t u32() {
    const std::string_view b = take(4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[i]);
    return v;
  }
  int32_t i32() { return static_cast<int32_t>(u32()); }

 private:
  size_t need(size_t count) const {
    if (count > left()) throw BadPicture("truncated");
    return count;
  }
  std::string_view bytes_;
  size_t at_ = 0;
};

}  // namespace lx
