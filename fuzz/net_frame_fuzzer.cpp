// Feeds arbitrary bytes, cut into reads of arbitrary sizes, to the frame
// cutter of network connections, and reads every frame it cuts. Beyond not
// crashing, it checks that the buffer never holds more than one frame's
// worth, that a cut frame is never larger than allowed, and that every
// message written out and cut again reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/net_message.h"

namespace {

using namespace lx;

void checkRoundTrip(const NetMessage& message) {
  FrameCutter cutter;
  if (!cutter.append(encodeFrame(message))) std::abort();
  std::string payload;
  if (cutter.next(payload) != FrameCutter::Cut::Frame) std::abort();
  const NetMessage again = decodePayload(payload);
  if (again.kind != message.kind || again.addresses != message.addresses || again.body != message.body)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte sets the size of the reads; the rest is the stream.
  const size_t step = 1 + data[0] % 64;
  const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);
  FrameCutter cutter;
  std::string payload;
  for (size_t at = 0; at < stream.size(); at += step) {
    if (!cutter.append(stream.substr(at, step))) return 0;
    for (;;) {
      const FrameCutter::Cut cut = cutter.next(payload);
      if (cut == FrameCutter::Cut::Broken) return 0;
      if (cut == FrameCutter::Cut::NeedMore) break;
      if (payload.size() > kMaxPayload) std::abort();
      const NetMessage message = decodePayload(payload);
      if (message.addresses.size() > kMaxAddresses) std::abort();
      checkRoundTrip(message);
    }
    if (cutter.buffered() > kMaxPayload + (1u << 17)) std::abort();
  }
  return 0;
}
