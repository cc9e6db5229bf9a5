// Conversion between code page 1250 and UTF-8.
#include "platform/codepage.h"

#include <unordered_map>

#include "platform/codepage_tables.h"

namespace lx {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

const std::unordered_map<char32_t, unsigned char>& unicodeToCp1250() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> map;
    for (int b = 0; b < 256; ++b) map.emplace(kCp1250ToUnicode[b], static_cast<unsigned char>(b));
    return map;
  }();
  return table;
}

// Decodes one UTF-8 sequence at `pos`; answers the code point and advances
// `pos`, or answers -1 for a malformed sequence (advancing past one byte).
long decodeUtf8(std::string_view s, size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
  if (length == 0 || pos + length > s.size()) {
    ++pos;
    return -1;
  }
  long cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(s[pos + i]);
    if ((next >> 6) != 2) {
      ++pos;
      return -1;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += length;
  return cp;
}

}  // namespace

std::string cp1250ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) appendUtf8(out, kCp1250ToUnicode[c]);
  return out;
}

Utf8Conversion utf8ToCp1250(std::string_view utf8) {
  Utf8Conversion result;
  result.text.reserve(utf8.size());
  const auto& table = unicodeToCp1250();
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t start = pos;
    const long cp = decodeUtf8(utf8, pos);
    const auto found = cp < 0 ? table.end() : table.find(static_cast<char32_t>(cp));
    if (found != table.end()) {
      result.text += static_cast<char>(found->second);
      continue;
    }
    if (result.exact) result.firstBadOffset = start;
    result.exact = false;
    result.text += '?';
  }
  return result;
}

}  // namespace lx
