// The messages network objects exchange and their bytes on the wire.
//
// A message is a kind (one character), an address list (element 0 the
// sender's nick, the rest the recipients; no recipients: everybody but the
// sender) and a body of bytes. On the wire every number is a decimal digit
// string and "!" separates: a string item is length "!" bytes; an address
// list is count "!" and its items; a payload is the kind, the address list
// and the body, which runs to the end of the payload; a frame is the byte 7,
// the payload's length, "!" and the payload.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct NetMessage {
  char kind = ' ';
  std::vector<std::string> addresses;  // [0] the sender; the rest recipients
  std::string body;
};

inline constexpr char kFrameStart = '\x07';
// The largest payload a frame may carry. A peer that announces more is
// cut off: nothing a project sends legitimately comes near it, and the
// buffer that would hold it is memory a stranger chooses.
inline constexpr size_t kMaxPayload = 8u << 20;
// The most addresses a message may carry.
inline constexpr size_t kMaxAddresses = 4096;

// The whole frame of a message.
std::string encodeFrame(const NetMessage& message);
// The message of a payload; a payload that cannot be read is a message of
// kind " " with no addresses and an empty body.
NetMessage decodePayload(std::string_view payload);

// Cuts frames out of the bytes a connection receives, in order. Bytes that
// do not begin a frame are thrown away; a frame that announces a payload
// larger than kMaxPayload (or a length that never ends) leaves the cutter
// broken, and the connection is closed.
class FrameCutter {
 public:
  enum class Cut { Frame, NeedMore, Broken };

  // Adds received bytes. Answers false (and adds nothing) when the buffer
  // would grow past what one frame may need.
  bool append(std::string_view bytes);
  // The next complete frame's payload in `payload`; NeedMore when the
  // buffer holds no complete frame; Broken for a frame too large.
  Cut next(std::string& payload);
  // How many bytes were thrown away because they began no frame.
  size_t discarded() const { return discarded_; }
  size_t buffered() const { return buffer_.size() - start_; }

 private:
  void compact();

  std::string buffer_;
  size_t start_ = 0;  // where unread bytes begin
  size_t discarded_ = 0;
  bool broken_ = false;
};

}  // namespace lx
