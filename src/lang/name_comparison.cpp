// The two name-comparison modes and the folding tables behind them.
#include "lang/name_comparison.h"

#include <array>
#include <atomic>

#include "platform/codepage_tables.h"

namespace lx {
namespace {

std::atomic<NameComparisonMode> currentMode{NameComparisonMode::Locale};

constexpr std::array<unsigned char, 256> makeFoldTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  for (int c = 'a'; c <= 'z'; ++c) t[c] = static_cast<unsigned char>(c - 'a' + 'A');
  auto map = [&t](std::initializer_list<int> bytes, char to) {
    for (int b : bytes) t[b] = static_cast<unsigned char>(to);
  };
  auto range = [&t](int from, int to, char letter) {
    for (int b = from; b <= to; ++b) t[b] = static_cast<unsigned char>(letter);
  };
  map({0x8A, 0x8C, 0x9A, 0x9C, 0xAA, 0xBA}, 'S');
  map({0x8D, 0x9D, 0xDE, 0xFE}, 'T');
  map({0x8E, 0x8F, 0x9E, 0x9F, 0xAF, 0xBF}, 'Z');
  map({0xA3, 0xB3, 0xBC, 0xBE, 0xC5, 0xE5}, 'L');
  map({0xA5, 0xB9}, 'A');
  range(0xC1, 0xC4, 'A');
  range(0xE1, 0xE4, 'A');
  map({0xC0, 0xD8, 0xE0, 0xF8}, 'R');
  range(0xC6, 0xC8, 'C');
  range(0xE6, 0xE8, 'C');
  range(0xC9, 0xCC, 'E');
  range(0xE9, 0xEC, 'E');
  map({0xCD, 0xCE, 0xED, 0xEE}, 'I');
  map({0xCF, 0xD0, 0xEF, 0xF0}, 'D');
  map({0xD1, 0xD2, 0xF1, 0xF2}, 'N');
  range(0xD3, 0xD6, 'O');
  range(0xF3, 0xF6, 'O');
  range(0xD9, 0xDC, 'U');
  range(0xF9, 0xFC, 'U');
  map({0xDD, 0xFD}, 'Y');
  return t;
}

constexpr auto kFold = makeFoldTable();

// Collation weight of an upper-cased byte: plain letters keep their place,
// a letter with a diacritic sorts just after its plain letter, and other
// bytes sort by value after all letters.
int collationWeight(unsigned char upper) {
  const unsigned char base = kFold[upper];
  if (base >= 'A' && base <= 'Z') return (base - 'A') * 512 + (base == upper ? 0 : 1 + upper);
  if (upper < 'A') return -512 + upper;
  return 26 * 512 + upper;
}

int compareWeights(std::string_view a, std::string_view b, bool caseSensitive) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    const int wa = collationWeight(kCp1250Upper[ca]);
    const int wb = collationWeight(kCp1250Upper[cb]);
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  if (!caseSensitive) return 0;
  // Equal but for letter case: small letters sort first, as collations do.
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) > static_cast<unsigned char>(b[i]) ? -1 : 1;
  return 0;
}

int compareFolded(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char fa = kFold[static_cast<unsigned char>(a[i])];
    const unsigned char fb = kFold[static_cast<unsigned char>(b[i])];
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

NameComparisonMode nameComparisonMode() { return currentMode.load(std::memory_order_relaxed); }

void setNameComparisonMode(NameComparisonMode mode) { currentMode.store(mode, std::memory_order_relaxed); }

int compareNames(std::string_view a, std::string_view b) {
  if (nameComparisonMode() == NameComparisonMode::Fold) return compareFolded(a, b);
  return compareWeights(a, b, false);
}

bool namesEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compareNames(a, b) == 0;
}

std::string nameKey(std::string_view word) {
  std::string key(word);
  const bool fold = nameComparisonMode() == NameComparisonMode::Fold;
  for (char& c : key) {
    const auto byte = static_cast<unsigned char>(c);
    c = static_cast<char>(fold ? kFold[byte] : kCp1250Upper[byte]);
  }
  return key;
}

int compareExact(std::string_view a, std::string_view b) { return compareWeights(a, b, true); }

unsigned char foldByte(unsigned char c) { return kFold[c]; }

std::string removeAccents(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kCp1250Unaccented[static_cast<unsigned char>(c)]);
  return out;
}

std::string upperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(kCp1250Upper[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace lx

namespace lx {

std::string lowerCase(std::string_view text) {
  // The inverse of the upper-case table: a capital's small letter is the
  // byte whose capital it is.
  static const auto table = [] {
    std::array<unsigned char, 256> lower{};
    for (int b = 0; b < 256; ++b) lower[b] = static_cast<unsigned char>(b);
    for (int b = 255; b >= 0; --b)
      if (kCp1250Upper[b] != b) lower[kCp1250Upper[b]] = static_cast<unsigned char>(b);
    return lower;
  }();
  std::string out(text);
  for (char& c : out) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace lx
