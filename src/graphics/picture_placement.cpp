// Placing pictures into a drawing.
#include "graphics/picture_placement.h"

#include <cairo.h>

#include <cmath>
#include <optional>

#include "core/logo_exception.h"
#include "graphics/background_canvas.h"
#include "graphics/picture_source.h"
#include "graphics/rect_list.h"
#include "lang/dictionary.h"
#include "values/list.h"

namespace lx {
namespace {

bool isParameter(const char* key, const std::string& word) {
  return isLocalEntry("param", key, word);
}

PictureStyle styleNamed(const Value& value) {
  if (!value->isWord()) throw eLogoException(erExpectWord, value);
  const std::string word = value->wordText();
  if (isParameter("upperleft_putpicture", word)) return PictureStyle::UpperLeft;
  if (isParameter("center_putpicture", word)) return PictureStyle::Centre;
  if (isParameter("tile_putpicture", word)) return PictureStyle::Tile;
  if (isParameter("stretch_putpicture", word)) return PictureStyle::Stretch;
  throw eLogoException(erExpectWord, value);
}

void readScale(const Value& value, PicturePlacement& placement) {
  if (value->isNumber()) {
    placement.scaleX = placement.scaleY = std::fabs(double(value->asReal()));
    return;
  }
  const PointF scale = pointOf(value);
  placement.scaleX = std::fabs(double(scale.x));
  placement.scaleY = std::fabs(double(scale.y));
}

// What the list says, before the target is settled.
struct Parameters {
  std::optional<PictureStyle> style;
  std::optional<PixelRect> rect;
  std::optional<PixelPoint> corner;
  std::optional<PixelPoint> size;
  bool any = false;
};

Parameters readParameters(const Value& parameters, const tgrScreen& surface, PicturePlacement& placement) {
  const tLogoList* list = asList(*parameters);
  if (!list) throw eLogoException(erExpectList, parameters);
  Parameters read;
  for (auto it = list->begin(); it != list->end(); ++it) {
    const Value name = *it;
    if (!name->isWord() || name->isNumber()) throw eLogoException(erExpectWord, name);
    if (++it == list->end()) throw eLogoException(erExpectWord, name);
    const Value value = *it;
    const std::string word = name->wordText();
    read.any = true;
    if (isParameter("style_putpicture", word)) {
      read.style = styleNamed(value);
    } else if (isParameter("rect_putpicture", word)) {
      read.rect = rectOf(value, Coordinates::Page, surface.origin());
    } else if (isParameter("arect_putpicture", word)) {
      read.rect = rectOf(value, Coordinates::Pixel);
    } else if (isParameter("pos_putpicture", word)) {
      read.corner = roundedPixel(surface.toPixel(pointOf(value)));
    } else if (isParameter("apos_putpicture", word)) {
      read.corner = pixelPointOf(value);
    } else if (isParameter("size_putpicture", word)) {
      read.size = pixelPointOf(value);
    } else if (isParameter("scale_putpicture", word)) {
      readScale(value, placement);
    } else {
      throw eLogoException(erExpectWord, name);
    }
  }
  return read;
}

}  // namespace

PicturePlacement placementOf(const Value& parameters, const tgrScreen& surface, PixelPoint pictureSize) {
  PicturePlacement placement;
  const Parameters read = readParameters(parameters, surface, placement);
  placement.style = read.style.value_or(read.any ? PictureStyle::UpperLeft : PictureStyle::Centre);
  const int width = surface.width();
  const int height = surface.height();
  PixelRect target{0, 0, width, height};
  if (read.rect) target = *read.rect;
  if (read.corner) {
    target.x = read.corner->x;
    target.y = read.corner->y;
    if (!read.rect) {
      target.width = static_cast<int>(std::lround(pictureSize.x * placement.scaleX));
      target.height = static_cast<int>(std::lround(pictureSize.y * placement.scaleY));
    }
  }
  if (read.size) {
    target.width = std::abs(read.size->x);
    target.height = std::abs(read.size->y);
  }
  // A rectangle without width or height reaches to the drawing's edge.
  if (target.width == 0) target.width = width - target.x;
  if (target.height == 0) target.height = height - target.y;
  placement.target = target;
  return placement;
}

void putPictureOn(tgrScreen& surface, const Value& picture, const Value& parameters) {
  const PictureRef source = pictureOf(picture);
  const PicturePlacement placement = placementOf(parameters, surface, {source->width(), source->height()});
  const PixelRect& target = placement.target;
  const double w = source->width() * placement.scaleX;
  const double h = source->height() * placement.scaleY;
  {
    BackgroundCanvas canvas(surface);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, target.x, target.y, target.width, target.height);
    cairo_clip(cr);
    auto draw = [&](double x, double y, double sx, double sy) {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, sx, sy);
      cairo_set_source_surface(cr, source->surface(), 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_restore(cr);
    };
    switch (placement.style) {
      case PictureStyle::UpperLeft:
        draw(target.x, target.y, placement.scaleX, placement.scaleY);
        break;
      case PictureStyle::Centre:
        draw(std::floor(target.x + (target.width - w) / 2), std::floor(target.y + (target.height - h) / 2),
             placement.scaleX, placement.scaleY);
        break;
      case PictureStyle::Tile:
        if (w >= 1 && h >= 1) {
          // Only the tiles that reach into the drawing are drawn.
          const PixelRect visible = intersect(target, surface.bitmap().bounds());
          const double top = target.y + std::floor((visible.y - target.y) / h) * h;
          const double left = target.x + std::floor((visible.x - target.x) / w) * w;
          for (double y = top; y < visible.bottom(); y += h)
            for (double x = left; x < visible.right(); x += w) draw(x, y, placement.scaleX, placement.scaleY);
        }
        break;
      case PictureStyle::Stretch:
        if (source->width() > 0 && source->height() > 0)
          draw(target.x, target.y, double(target.width) / source->width(),
               double(target.height) / source->height());
        break;
    }
  }
  surface.invalidateExact(target);
}

}  // namespace lx
