// Helpers of the container tests: containers built byte by byte, so that the
// tests do not trust the writer they check, and a way to see which Logo error
// an action raises.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/logo_exception.h"
#include "lang/byte_order.h"
#include "core/value.h"

namespace lx::container_test {

inline std::string int32Bytes(int32_t value) {
  std::string bytes;
  appendInt32LE(bytes, value);
  return bytes;
}

inline std::string chunkBytes(std::string_view tag, std::string_view data) {
  return std::string(tag) + int32Bytes(static_cast<int32_t>(data.size())) + std::string(data);
}

inline std::string containerBytes(std::string_view version, int32_t count, std::string_view chunks) {
  return "LGF" + std::string(version) + int32Bytes(count) + std::string(chunks);
}

inline std::stringstream streamOf(std::string_view bytes) {
  return std::stringstream(std::string(bytes), std::ios::in | std::ios::out | std::ios::binary);
}

struct RaisedError {
  bool raised = false;
  errorConst code = erUnexpected;
  // The offending value's print form, "" for none. Below the values layer
  // an offending text travels as the error's extra text.
  std::string value;
};

inline RaisedError logoErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const eLogoException& e) {
    return {true, e.code, e.value ? e.value->printText() : e.extraText};
  }
  return {};
}

}  // namespace lx::container_test
