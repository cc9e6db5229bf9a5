// Laying out control text with pango.
#include "controls/control_text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <array>

#include "graphics/turtle_label.h"
#include "platform/codepage.h"

namespace lx {
namespace {

// UTF-8 bytes of each internal character: below 0x80 one, else two or three.
int utf8Length(unsigned char c) {
  static const auto lengths = [] {
    std::array<int, 256> table{};
    for (int i = 0; i < 256; ++i) {
      const char byte = static_cast<char>(i);
      table[i] = static_cast<int>(cp1250ToUtf8(std::string_view(&byte, 1)).size());
    }
    return table;
  }();
  return lengths[c];
}

}  // namespace

PangoLayout* controlLayout(cairo_t* canvas, std::string_view text, const TurtleFont& font, int wrapWidth) {
  PangoLayout* layout = fontLayout(canvas, font);
  if (wrapWidth > 0) {
    pango_layout_set_width(layout, wrapWidth * PANGO_SCALE);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  }
  const std::string utf8 = cp1250ToUtf8(text);
  pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
  return layout;
}

// One attribute list for the runs of equal flips; the font's own style is
// the layout's, so only flipped runs need attributes.
void applyStyleFlips(PangoLayout* layout, std::string_view text, const uint8_t* flips, uint8_t fontStyle) {
  if (std::all_of(flips, flips + text.size(), [](uint8_t flip) { return flip == 0; })) return;
  PangoAttrList* attributes = pango_attr_list_new();
  int index = 0;
  size_t i = 0;
  while (i < text.size()) {
    const uint8_t flip = flips[i];
    const int start = index;
    while (i < text.size() && flips[i] == flip) index += utf8Length(static_cast<unsigned char>(text[i++]));
    if (flip == 0) continue;
    const uint8_t shown = fontStyle ^ flip;
    std::array<PangoAttribute*, 3> made{};
    if (flip & TurtleFont::Bold)
      made[0] = pango_attr_weight_new((shown & TurtleFont::Bold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    if (flip & TurtleFont::Italic)
      made[1] = pango_attr_style_new((shown & TurtleFont::Italic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    if (flip & TurtleFont::Underline)
      made[2] = pango_attr_underline_new((shown & TurtleFont::Underline) ? PANGO_UNDERLINE_SINGLE
                                                                         : PANGO_UNDERLINE_NONE);
    for (PangoAttribute* attribute : made) {
      if (!attribute) continue;
      attribute->start_index = static_cast<guint>(start);
      attribute->end_index = static_cast<guint>(index);
      pango_attr_list_insert(attributes, attribute);
    }
  }
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
}

int layoutIndexOf(std::string_view text, size_t offset) {
  int index = 0;
  for (size_t i = 0; i < offset && i < text.size(); ++i)
    index += utf8Length(static_cast<unsigned char>(text[i]));
  return index;
}

size_t textOffsetOf(std::string_view text, int layoutIndex) {
  int index = 0;
  size_t i = 0;
  while (i < text.size() && index < layoutIndex) index += utf8Length(static_cast<unsigned char>(text[i++]));
  return i;
}

TextSize layoutSize(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  return {logical.width, logical.height};
}

cairo_t* measuringCanvas() {
  thread_local cairo_t* canvas = [] {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* made = cairo_create(scratch);
    cairo_surface_destroy(scratch);
    return made;
  }();
  return canvas;
}

TurtleFont controlFont() {
  TurtleFont font;
  font.face = "DejaVu Sans";
  font.size = 9;
  return font;
}

}  // namespace lx
