// The running-sum coded stream.
#include "lang/coded_stream.h"

#include <istream>
#include <random>

namespace lx {
namespace {

uint8_t randomByte() {
  static thread_local std::minstd_rand generator{std::random_device{}()};
  return static_cast<uint8_t>(generator() & 0xFF);
}

}  // namespace

tcodedstream::tcodedstream(std::iostream& stream, Mode mode, int firstByte) : stream_(stream) {
  if (mode == ForWriting) {
    const char first = static_cast<char>(firstByte < 0 ? randomByte() : firstByte & 0xFF);
    write(&first, 1);
  } else {
    char discarded;
    read(&discarded, 1);
  }
}

long tcodedstream::read(char* buf, long n) {
  stream_.read(buf, n);
  const long got = static_cast<long>(stream_.gcount());
  if (got == 0 && n > 0) return -1;
  for (long i = 0; i < got; ++i) {
    const auto c = static_cast<uint8_t>(buf[i]);
    buf[i] = static_cast<char>(static_cast<uint8_t>(c - readSum_));
    readSum_ = static_cast<uint8_t>(readSum_ + c);
  }
  return got;
}

void tcodedstream::write(const char* buf, long n) {
  for (long i = 0; i < n; ++i) {
    const auto out = static_cast<uint8_t>(static_cast<uint8_t>(buf[i]) + writeSum_);
    writeSum_ = static_cast<uint8_t>(writeSum_ + out);
    stream_.put(static_cast<char>(out));
  }
}

void tcodedstream::seek(std::streamoff offset) {
  stream_.clear();
  stream_.seekg(offset);
  stream_.seekp(offset);
}

bool tcodedstream::good() const { return stream_.good(); }

std::string encodeCoded(std::string_view plain, uint8_t firstByte) {
  std::string out;
  out.reserve(plain.size() + 1);
  uint8_t sum = 0;
  auto put = [&](uint8_t p) {
    const auto c = static_cast<uint8_t>(p + sum);
    sum = static_cast<uint8_t>(sum + c);
    out += static_cast<char>(c);
  };
  put(firstByte);
  for (char p : plain) put(static_cast<uint8_t>(p));
  return out;
}

std::string decodeCoded(std::string_view coded) {
  std::string buffer(coded);
  decodeCodedInPlace(buffer);
  return buffer;
}

void decodeCodedInPlace(std::string& buffer) {
  if (buffer.empty()) return;
  uint8_t sum = 0;
  for (size_t i = 0; i < buffer.size(); ++i) {
    const auto c = static_cast<uint8_t>(buffer[i]);
    const auto plain = static_cast<uint8_t>(c - sum);
    sum = static_cast<uint8_t>(sum + c);
    if (i > 0) buffer[i - 1] = static_cast<char>(plain);
  }
  buffer.pop_back();
}

}  // namespace lx
