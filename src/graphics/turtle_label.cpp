// Laying out and drawing labels with pango.
#include "graphics/turtle_label.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/codepage.h"

namespace lx {
namespace {

// Fonts are sized in points on a screen of 96 pixels per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

std::string layoutText(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      lines += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      lines += text[i];
    }
  }
  return cp1250ToUtf8(lines);
}

// The face the system's default font names stands for here.
std::string faceFor(const TurtleFont& font) {
  return font.face == "System" ? std::string("DejaVu Sans") : cp1250ToUtf8(font.face);
}

}  // namespace

PangoLayout* fontLayout(cairo_t* cr, const TurtleFont& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, faceFor(font).c_str());
  pango_font_description_set_absolute_size(description, font.size * kPixelsPerPoint * PANGO_SCALE);
  pango_font_description_set_weight(description, font.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description, font.italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  PangoAttrList* attributes = pango_attr_list_new();
  if (font.underline()) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.strikeOut()) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(true));
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
  return layout;
}

namespace {

// A layout of the text in the font; the caller unrefs it.
PangoLayout* makeLayout(cairo_t* cr, const std::string& text, const TurtleFont& font) {
  PangoLayout* layout = fontLayout(cr, font);
  const std::string utf8 = layoutText(text);
  pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
  return layout;
}

LabelExtent extentOf(PangoLayout* layout) {
  LabelExtent extent;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  extent.width = logical.width;
  extent.height = logical.height;
  extent.ascent = pango_layout_get_baseline(layout) / PANGO_SCALE;
  PangoLayoutIter* lines = pango_layout_get_iter(layout);
  while (pango_layout_iter_next_line(lines)) {
  }
  PangoRectangle last;
  pango_layout_iter_get_line_extents(lines, nullptr, &last);
  const int lastBaseline = pango_layout_iter_get_baseline(lines) / PANGO_SCALE;
  pango_layout_iter_free(lines);
  extent.descent = extent.height - lastBaseline;
  extent.lastLineEnd = {static_cast<long double>((last.x + last.width) / PANGO_SCALE),
                        static_cast<long double>(lastBaseline)};
  return extent;
}

// A scratch context for measuring.
template <class Use>
auto withScratch(Use use) {
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* cr = cairo_create(scratch);
  auto result = use(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(scratch);
  return result;
}

double radiansOf(long double heading) {
  return std::round(static_cast<double>(heading) * 10) / 10 * M_PI / 180;
}

// The unturned offset from the label's anchor to its upper-left corner.
double topOffset(const TurtleFont& font, const LabelExtent& extent) {
  return font.baselineAnchor() ? -extent.ascent : 0;
}

PointF turned(PointF p, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

// The turned box of every line, as a rectangle of the drawing.
PixelRect turnedBox(const LabelExtent& extent, double top, double angle, PointF at) {
  long double left = 1e18L, right = -1e18L, upper = 1e18L, lower = -1e18L;
  for (const PointF corner :
       {PointF{0, top}, PointF{static_cast<long double>(extent.width), top}, PointF{0, top + extent.height},
        PointF{static_cast<long double>(extent.width), top + extent.height}}) {
    const PointF p = turned(corner, angle);
    left = std::min(left, p.x), right = std::max(right, p.x);
    upper = std::min(upper, p.y), lower = std::max(lower, p.y);
  }
  const PixelPoint a = roundedPixel({at.x + left, at.y + upper});
  const PixelPoint b = roundedPixel({at.x + right, at.y + lower});
  return grownRect(rectBetween(a, b), 2);
}

}  // namespace

LabelExtent measureLabel(const std::string& text, const TurtleFont& font) {
  return withScratch([&](cairo_t* cr) {
    PangoLayout* layout = makeLayout(cr, text, font);
    const LabelExtent extent = extentOf(layout);
    g_object_unref(layout);
    return extent;
  });
}

PixelRect drawLabel(cairo_t* cr, const std::string& text, const TurtleFont& font, Rgb colour, PointF at,
                    long double heading) {
  PangoLayout* layout = makeLayout(cr, text, font);
  const LabelExtent extent = extentOf(layout);
  const double angle = radiansOf(heading);
  const double top = topOffset(font, extent);
  cairo_save(cr);
  cairo_translate(cr, std::round(static_cast<double>(at.x)), std::round(static_cast<double>(at.y)));
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, top);
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
  g_object_unref(layout);
  return turnedBox(extent, top, angle, at);
}

PixelRect labelBox(const std::string& text, const TurtleFont& font, PointF at, long double heading) {
  const LabelExtent extent = measureLabel(text, font);
  return turnedBox(extent, topOffset(font, extent), radiansOf(heading), at);
}

PointF labelEnd(const std::string& text, const TurtleFont& font, PointF at, long double heading) {
  const LabelExtent extent = measureLabel(text, font);
  // The last line starts as far below the first as its baseline lies
  // below the first baseline, whichever point of the line anchors it.
  const PointF end{extent.lastLineEnd.x, extent.lastLineEnd.y - extent.ascent};
  const PointF p = turned(end, radiansOf(heading));
  return {at.x + p.x, at.y + p.y};
}

}  // namespace lx
