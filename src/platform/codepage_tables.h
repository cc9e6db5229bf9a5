// Byte tables of code page 1250, the encoding of all text inside the system.
#pragma once

namespace lx {

// The Unicode code point of each byte.
extern const char32_t kCp1250ToUnicode[256];
// Each byte's capital letter (bytes that are not small letters map to themselves).
extern const unsigned char kCp1250Upper[256];
// Each letter with a diacritic mapped to its base letter of the same case.
extern const unsigned char kCp1250Unaccented[256];

}  // namespace lx
