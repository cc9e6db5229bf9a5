// Shading colours by the families' scale. The families are found through
// their localized names, as a project's colour words name them.
#include "graphics/colour_tint.h"

#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "values/pools.h"

namespace lx {
namespace {

constexpr int kPureShade = 6;
constexpr int kShades = 12;

constexpr const char* kFamilyKeys[] = {"magenta", "pink",      "purple", "darkBlue", "blue",   "paleBlue",
                                       "cyan",    "darkGreen", "green",  "olive",    "yellow", "orange",
                                       "taupe",   "paleRed",   "red",    "grey"};

// The family's colour at `shade`, when `colour` is one of its shades.
std::optional<Rgb> familyShade(Rgb colour, int shade) {
  for (const char* key : kFamilyKeys) {
    const std::string name = firstWord(localEntry("colors", key));
    for (int s = 1; s <= kShades; ++s)
      if (colourNamed(name + std::to_string(s)) == colour) return colourNamed(name + std::to_string(shade));
  }
  return std::nullopt;
}

uint32_t channel(Rgb colour, int shift) {
  return (colour >> shift) & 0xFF;
}

// One channel moved toward black (shades below 6) or white (above 6); shade
// 12 stops short of white, as the families' palest shades do.
uint32_t mixed(uint32_t c, int shade) {
  if (shade <= kPureShade) return c * static_cast<uint32_t>(shade) / kPureShade;
  return c + (255 - c) * static_cast<uint32_t>(shade - kPureShade) / (kShades - kPureShade + 1);
}

Value tintcolour(const Value& shade, const Value& colour) {
  const int s = shade->asInteger();
  if (s < 1 || s > kShades) throw eLogoException(erMinMax, 1, kShades, shade);
  return colourValue(tintedColour(colourOf(colour), s));
}

}  // namespace

Rgb tintedColour(Rgb colour, int shade) {
  if (const std::optional<Rgb> ofFamily = familyShade(colour, shade)) return *ofFamily;
  return (mixed(channel(colour, 16), shade) << 16) | (mixed(channel(colour, 8), shade) << 8) |
         mixed(channel(colour, 0), shade);
}

void registerColourTint(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "tintcolour", false, tintcolour);
}

}  // namespace lx
