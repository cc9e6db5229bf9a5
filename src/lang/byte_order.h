// Little-endian 32-bit integers, the form of every integer in the system's
// files.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

inline int32_t getInt32LE(const char* bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  const uint32_t value = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
  return static_cast<int32_t>(value);
}

inline void putInt32LE(char* bytes, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void appendInt32LE(std::string& out, int32_t value) {
  char bytes[4];
  putInt32LE(bytes, value);
  out.append(bytes, 4);
}

}  // namespace lx
