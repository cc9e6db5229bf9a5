// Colour inputs and outputs.
#include "graphics/colour_value.h"

#include <array>
#include <cstdio>
#include <string>

#include "graphics/global_setting.h"
#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/any_word.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"
#include "values/random.h"

namespace lx {
namespace {

constexpr std::array<Rgb, kPaletteSize> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

struct Family {
  const char* key;  // the key of the dictionary's `colors` section
  std::array<Rgb, 12> shades;
};

// Shade 1 darkest, 6 the pure colour, 12 palest.
const std::array<Family, 16> kFamilies = {{
    {"magenta",
     {0x280010, 0x480820, 0x700838, 0x981048, 0xD01860, 0xF81878, 0xF85098, 0xF880B0, 0xF8A0C8, 0xFFB8D0,
      0xFFD0E0, 0xFFE0F0}},
    {"pink",
     {0x280028, 0x500050, 0x800080, 0xA800A8, 0xD800D8, 0xFF00FF, 0xFF48FF, 0xFF70FF, 0xFF90FF, 0xFFB0FF,
      0xFFC8FF, 0xFFE0FF}},
    {"purple",
     {0x180028, 0x300048, 0x480070, 0x680098, 0x8800D0, 0xA800F8, 0xC040F8, 0xD068F8, 0xD898F8, 0xE0B0FF,
      0xE8C8FF, 0xF8E0FF}},
    {"darkblue",
     {0x000020, 0x100838, 0x200860, 0x300888, 0x3808B8, 0x4810E8, 0x7848E8, 0x9870F0, 0xB098F8, 0xC8B0F8,
      0xD8C8F8, 0xE8E0FF}},
    {"blue",
     {0x000028, 0x000050, 0x000080, 0x0000A8, 0x0000D8, 0x0000FF, 0x4040FF, 0x6868FF, 0x9090FF, 0xB0B0FF,
      0xC8C8FF, 0xE0E0FF}},
    {"paleblue",
     {0x001828, 0x003040, 0x005068, 0x007098, 0x0090D0, 0x00B0F8, 0x40C0F8, 0x68D0F8, 0x90E0F8, 0xB0E8FF,
      0xD0F0F8, 0xE0F8FF}},
    {"cyan",
     {0x002828, 0x005050, 0x008080, 0x00A8A8, 0x00D8D8, 0x00FFFF, 0x40FFFF, 0x68FFFF, 0x90FFFF, 0xB0FFFF,
      0xD0FFF8, 0xE0FFFF}},
    {"darkgreen",
     {0x002818, 0x004030, 0x006848, 0x009068, 0x00C890, 0x00F0B0, 0x40F0C0, 0x70F8D0, 0x90F8E0, 0xB0F8E0,
      0xD0F8F0, 0xE0FFF8}},
    {"green",
     {0x002800, 0x005000, 0x008000, 0x00A800, 0x00D000, 0x00FF00, 0x40FF40, 0x70FF70, 0x90FF90, 0xB0FFB0,
      0xC8FFC8, 0xE0FFE0}},
    {"olive",
     {0x182800, 0x284800, 0x407000, 0x609800, 0x80D000, 0x98F800, 0xB0F848, 0xC0F870, 0xD0FF98, 0xE0FFB0,
      0xE8FFC8, 0xF0FFE0}},
    {"yellow",
     {0x282800, 0x505000, 0x808000, 0xA8A800, 0xD8D800, 0xFFFF00, 0xFFFF40, 0xFFFF70, 0xFFFF98, 0xFFFFB0,
      0xFFFFC8, 0xFFFFE0}},
    {"orange",
     {0x281800, 0x482800, 0x704800, 0x986000, 0xD08010, 0xF8A010, 0xF8B850, 0xF8C878, 0xFFD898, 0xFFE0B0,
      0xFFE8C8, 0xFFF8E8}},
    {"taupe",
     {0x200800, 0x382018, 0x583820, 0x785030, 0xA86840, 0xC88048, 0xD8A078, 0xE0B898, 0xE8C8B0, 0xF0D8C8,
      0xF8E8D8, 0xF8F0F0}},
    {"palered",
     {0x280800, 0x401800, 0x682000, 0x983000, 0xC84010, 0xF04810, 0xF07850, 0xF89878, 0xF8B898, 0xF8C8B0,
      0xFFD8D0, 0xFFE8E0}},
    {"red",
     {0x280000, 0x500000, 0x800000, 0xA80000, 0xD80000, 0xFF0000, 0xFF4040, 0xFF6868, 0xFF9090, 0xFFB0B0,
      0xFFC8C8, 0xFFE8E8}},
    {"grey",
     {0x000000, 0x202020, 0x383838, 0x505050, 0x686868, 0x808080, 0x989898, 0xB0B0B0, 0xC0C0C0, 0xD8D8D8,
      0xF0F0F0, 0xFFFFFF}},
}};

struct Special {
  const char* key;
  Rgb colour;
};
constexpr std::array<Special, 3> kSpecials = {
    {{"white", 0xFFFFFF}, {"black", 0x000000}, {"lightgrey", 0xC0C0C0}}};

constexpr int kDefaultShade = 6;

// Whether `name` is one of the localized spellings of the `colors` entry `key`.
bool spells(std::string_view key, std::string_view name) {
  const std::string words = getStr("colors", key, false);
  size_t start = 0;
  while (start < words.size()) {
    size_t end = words.find(' ', start);
    if (end == std::string::npos) end = words.size();
    if (end > start && namesEqual(std::string_view(words).substr(start, end - start), name)) return true;
    start = end + 1;
  }
  return false;
}

// "[r g b]" inside a word; black when unreadable.
Rgb bracketedColour(std::string_view word) {
  int r = 0, g = 0, b = 0;
  if (std::sscanf(std::string(word.substr(1)).c_str(), "%d %d %d", &r, &g, &b) != 3) return 0;
  return rgb(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
}

// Splits trailing digits off `word` as the shade; 0 when there are none.
int shadeOf(std::string_view& word, std::string_view whole) {
  size_t digits = word.size();
  while (digits > 0 && word[digits - 1] >= '0' && word[digits - 1] <= '9') --digits;
  if (digits == word.size()) return 0;
  const std::string_view number = word.substr(digits);
  word = word.substr(0, digits);
  const long long shade = number.size() > 9 ? 0 : std::stoll(std::string(number));
  if (shade < 1 || shade > 12) throw eLogoException(erMinMax, makeWord(std::string(whole)));
  return static_cast<int>(shade);
}

const Family* familyContaining(Rgb colour) {
  for (const Family& family : kFamilies)
    for (Rgb shade : family.shades)
      if (shade == colour) return &family;
  return nullptr;
}

Value rgbList(Rgb colour) {
  ListBuilder list;
  list.add(makeInt((colour >> 16) & 0xFF));
  list.add(makeInt((colour >> 8) & 0xFF));
  list.add(makeInt(colour & 0xFF));
  return list.finish();
}

// The colour's name with its shade digits (none for shade 6), or "".
std::string nameOfColour(Rgb colour) {
  for (const Special& special : kSpecials)
    if (special.colour == colour) return localEntryRaw("colors", special.key);
  for (const Family& family : kFamilies)
    for (int i = 0; i < 12; ++i)
      if (family.shades[i] == colour) {
        const std::string name = localEntryRaw("colors", family.key);
        return i + 1 == kDefaultShade ? name : name + std::to_string(i + 1);
      }
  return {};
}

Rgb randomRgb() {
  return static_cast<Rgb>(randomBelow(0x1000000));
}

Rgb colourOfList(const Value& value, const tLogoList& list) {
  if (list.count() != 3) throw eLogoException(erExpectColors, value);
  int parts[3];
  int i = 0;
  for (const Value& part : list) {
    if (!part->isNumber()) throw eLogoException(erExpectColors, value);
    parts[i++] = part->asIntegerIn(0, 255);
  }
  return rgb(parts[0], parts[1], parts[2]);
}

}  // namespace

Rgb paletteColour(int index) {
  return index >= 0 && index < kPaletteSize ? kPalette[index] : 0;
}

Rgb colourNamed(std::string_view word) {
  const std::string_view whole = word;
  if (!word.empty() && word.front() == '"') word.remove_prefix(1);
  if (!word.empty() && word.front() == '[') return bracketedColour(word);
  const int shade = shadeOf(word, whole);
  for (const Special& special : kSpecials) {
    if (!spells(special.key, word)) continue;
    if (shade == 0) return special.colour;
    return familyContaining(special.colour)->shades[shade - 1];
  }
  const int index = (shade == 0 ? kDefaultShade : shade) - 1;
  for (const Family& family : kFamilies)
    if (spells(family.key, word)) return family.shades[index];
  throw eLogoException(erColorWrongName, makeWord(std::string(whole)));
}

Rgb randomColour() {
  const Value choice = globalSetting("anycolour");
  if (!choice) return randomRgb();
  if (const tLogoList* list = asList(*choice)) {
    if (list->isEmpty()) return randomRgb();
    Value element = list->element();
    for (int skip = static_cast<int>(randomBelow(static_cast<int64_t>(list->count()))); skip > 0; --skip) {
      list = list->rest().get();
      element = list->element();
    }
    if (element->isWord() && !element->isNumber() && isTheAnyWord(element->wordText())) return randomRgb();
    return colourOf(element);
  }
  const int m = choice->isNumber() ? choice->asInteger() : 140;
  if (m <= 1) return randomBelow(2) ? 0xFFFFFF : 0x000000;
  if (m <= kPaletteSize) return kPalette[randomBelow(m)];
  return randomRgb();
}

Rgb colourOf(const Value& value) {
  if (value->isNumber()) return kPalette[value->asIntegerIn(0, kPaletteSize - 1)];
  if (const tLogoList* list = asList(*value)) return colourOfList(value, *list);
  if (value->isWord()) {
    const std::string text = value->wordText();
    if (isTheAnyWord(text)) return randomColour();
    if (text.empty()) throw eLogoException(erExpectColors, value);
    return colourNamed(text);
  }
  throw eLogoException(erExpectColors, value);
}

std::string colourName(Rgb colour) {
  return nameOfColour(colour & 0xFFFFFF);
}

Value colourValue(Rgb colour) {
  colour &= 0xFFFFFF;
  const Value style = globalSetting("colourstyle");
  const int form = style && style->isNumber() ? style->asInteger() : 0;
  if (form == 2) return rgbList(colour);
  if (form == 1) {
    if (std::string name = nameOfColour(colour); !name.empty()) return makeWord(name);
  }
  for (int i = 0; i < kPaletteSize; ++i)
    if (kPalette[i] == colour) return makeInt(i);
  return rgbList(colour);
}

}  // namespace lx
