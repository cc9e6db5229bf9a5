// Text in controls, laid out by pango in a turtle font (internal text in,
// UTF-8 to pango). Byte offsets are translated both ways, since the
// controls edit internal text and pango counts UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>

#include "graphics/turtle_font.h"

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

namespace lx {

// A layout of `text` (internal text, no line breaks expected) in `font`;
// `wrapWidth` > 0 wraps the text at that many pixels. The caller unrefs it
// (g_object_unref).
PangoLayout* controlLayout(cairo_t* canvas, std::string_view text, const TurtleFont& font, int wrapWidth = 0);
// Shows the characters of `text` (the layout's, internal text) whose style
// flips are not 0 with those styles of `fontStyle` the other way round.
// `flips` holds one byte per character of `text`.
void applyStyleFlips(PangoLayout* layout, std::string_view text, const uint8_t* flips, uint8_t fontStyle);
// The layout's byte offset of an internal-text offset, and back.
int layoutIndexOf(std::string_view text, size_t offset);
size_t textOffsetOf(std::string_view text, int layoutIndex);
// Width and height in pixels of the layout.
struct TextSize {
  int width = 0;
  int height = 0;
};
TextSize layoutSize(PangoLayout* layout);
// A cairo context for measuring, outside any paint (one per thread).
cairo_t* measuringCanvas();
// The font controls use when none is set.
TurtleFont controlFont();

}  // namespace lx
