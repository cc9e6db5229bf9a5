// Writing and reading the bytes of network messages.
#include "net/net_message.h"

#include <charconv>

namespace lx {
namespace {

constexpr size_t kMaxLengthDigits = 10;
// What a read may add on top of the largest frame before the buffer counts
// as overfull.
constexpr size_t kReadSlack = 1u << 17;

void appendNumber(std::string& out, size_t number) {
  out += std::to_string(number);
  out += '!';
}

void appendItem(std::string& out, std::string_view item) {
  appendNumber(out, item.size());
  out.append(item);
}

// Reads a decimal number ended by "!" at `at`, moving past it; nothing when
// there is none or it is larger than `largest`.
std::optional<size_t> readNumber(std::string_view text, size_t& at, size_t largest) {
  const size_t bang = text.find('!', at);
  if (bang == std::string_view::npos || bang == at || bang - at > kMaxLengthDigits) return std::nullopt;
  size_t number = 0;
  const char* first = text.data() + at;
  const char* last = text.data() + bang;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last || number > largest) return std::nullopt;
  at = bang + 1;
  return number;
}

std::optional<std::string> readItem(std::string_view text, size_t& at) {
  const std::optional<size_t> length = readNumber(text, at, text.size());
  if (!length || text.size() - at < *length) return std::nullopt;
  std::string item(text.substr(at, *length));
  at += *length;
  return item;
}

std::optional<NetMessage> parse(std::string_view payload) {
  if (payload.empty()) return std::nullopt;
  NetMessage message;
  message.kind = payload[0];
  size_t at = 1;
  const std::optional<size_t> count = readNumber(payload, at, kMaxAddresses);
  if (!count) return std::nullopt;
  for (size_t i = 0; i < *count; ++i) {
    std::optional<std::string> item = readItem(payload, at);
    if (!item) return std::nullopt;
    message.addresses.push_back(std::move(*item));
  }
  message.body = std::string(payload.substr(at));
  return message;
}

}  // namespace

std::string encodeFrame(const NetMessage& message) {
  std::string payload(1, message.kind);
  appendNumber(payload, message.addresses.size());
  for (const std::string& address : message.addresses) appendItem(payload, address);
  payload += message.body;
  std::string frame(1, kFrameStart);
  appendNumber(frame, payload.size());
  return frame + payload;
}

NetMessage decodePayload(std::string_view payload) {
  std::optional<NetMessage> message = parse(payload);
  return message ? std::move(*message) : NetMessage{};
}

bool FrameCutter::append(std::string_view bytes) {
  if (broken_ || buffered() + bytes.size() > kMaxPayload + kReadSlack) return false;
  compact();
  buffer_.append(bytes);
  return true;
}

// Unread bytes move to the front once the read part is the larger half,
// so the buffer never holds much more than the unread bytes.
void FrameCutter::compact() {
  if (start_ == 0 || start_ < buffer_.size() / 2) return;
  buffer_.erase(0, start_);
  start_ = 0;
}

FrameCutter::Cut FrameCutter::next(std::string& payload) {
  if (broken_) return Cut::Broken;
  const std::string_view unread = std::string_view(buffer_).substr(start_);
  if (unread.empty()) return Cut::NeedMore;
  if (unread[0] != kFrameStart) {
    discarded_ += unread.size();
    buffer_.clear();
    start_ = 0;
    return Cut::NeedMore;
  }
  size_t at = 1;
  const size_t bang = unread.find('!', at);
  if (bang == std::string_view::npos) {
    // The length is still coming, unless it is longer than any length can be.
    if (unread.size() - 1 > kMaxLengthDigits) broken_ = true;
    return broken_ ? Cut::Broken : Cut::NeedMore;
  }
  const std::optional<size_t> length = readNumber(unread, at, kMaxPayload);
  if (!length) {
    broken_ = true;
    return Cut::Broken;
  }
  if (unread.size() - at < *length) return Cut::NeedMore;
  payload.assign(unread.substr(at, *length));
  start_ += at + *length;
  if (start_ == buffer_.size()) {
    buffer_.clear();
    start_ = 0;
  }
  return Cut::Frame;
}

}  // namespace lx
