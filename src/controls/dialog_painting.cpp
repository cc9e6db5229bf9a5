// Painting a dialog.
#include "controls/dialog_painting.h"

#include <cairo.h>
#include <glib-object.h>
#include <pango/pangocairo.h>

#include <algorithm>

#include "controls/control_painting.h"
#include "controls/control_text.h"
#include "graphics/pen_pattern.h"

namespace lx {
namespace {

constexpr Rgb kDialogFace = rgb(242, 242, 242);
constexpr int kSampleInset = 6;

// Draws `text` with its top left at (x, y), no wider than `width` when it is given.
void drawText(cairo_t* cr, const std::string& text, double x, double y, Rgb colour, int wrapWidth = 0) {
  PangoLayout* layout = controlLayout(cr, text, controlFont(), wrapWidth);
  setColour(cr, colour);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
  g_object_unref(layout);
}

int textHeightOf(cairo_t* cr, const std::string& text) {
  PangoLayout* layout = controlLayout(cr, text, controlFont());
  const int height = layoutSize(layout).height;
  g_object_unref(layout);
  return height;
}

// Runs `draw` translated to `rect`'s corner and clipped to it.
template <class Draw>
void inRect(cairo_t* cr, const PixelRect& rect, Draw draw) {
  cairo_save(cr);
  cairo_translate(cr, rect.x, rect.y);
  draw();
  cairo_restore(cr);
}

void paintField(cairo_t* cr, const DialogForm& form) {
  const PixelRect& rect = form.layout().field;
  const bool focused = form.focusedPart() == DialogForm::Part::Field;
  inRect(cr, rect, [&] {
    drawFrame(cr, rect.width, rect.height, kWhite, focused ? look::kAccent : look::kBorder);
    if (focused) drawFocusRing(cr, rect.width, rect.height);
    cairo_rectangle(cr, 1, 1, rect.width - 2, rect.height - 2);
    cairo_clip(cr);
    const std::string& text = form.text();
    const int textY = (rect.height - textHeightOf(cr, text.empty() ? " " : text)) / 2;
    drawText(cr, text, 6, textY, look::kText);
    if (!focused) return;
    PangoLayout* layout = controlLayout(cr, text, controlFont());
    PangoRectangle caret;
    pango_layout_get_cursor_pos(layout, layoutIndexOf(text, form.caret()), &caret, nullptr);
    g_object_unref(layout);
    const double x = 6 + caret.x / static_cast<double>(PANGO_SCALE) + 0.5;
    setColour(cr, look::kText);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x, 5);
    cairo_line_to(cr, x, rect.height - 5);
    cairo_stroke(cr);
  });
}

// A sample in a row of a list that shows pens, fills, widths or colours.
void paintSample(cairo_t* cr, const DialogRequest& request, int index, int width, int height, Rgb ink) {
  const double left = kSampleInset;
  const double right = std::min(width - kSampleInset, 160);
  switch (request.samples) {
    case DialogRequest::Samples::PenPatterns:
    case DialogRequest::Samples::PenWidths: {
      Pen pen{ink, 1, penStyleOf(index)};
      if (request.samples == DialogRequest::Samples::PenWidths) pen = {ink, index + 1, PenStyle::Solid};
      if (!applyPen(cr, pen)) return;
      // Lines of odd widths stand on pixel centres, so they show sharp.
      const double y = height / 2 + (pen.width % 2 ? 0.5 : 0);
      cairo_move_to(cr, left, y);
      cairo_line_to(cr, right, y);
      cairo_stroke(cr);
      return;
    }
    case DialogRequest::Samples::FillPatterns:
      cairo_rectangle(cr, left, 4, right - left, height - 8);
      if (applyBrush(cr, {ink, fillStyleOf(index)})) cairo_fill_preserve(cr);
      setColour(cr, look::kBorder);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      return;
    case DialogRequest::Samples::Colours:
      cairo_rectangle(cr, left + 0.5, 4.5, 40, height - 9);
      setColour(cr, index < static_cast<int>(request.colours.size()) ? request.colours[index] : kWhite);
      cairo_fill_preserve(cr);
      setColour(cr, look::kBorder);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      return;
    case DialogRequest::Samples::Words:
      return;
  }
}

void paintRow(cairo_t* cr, const DialogForm& form, int index, int width, bool selected) {
  const DialogRequest& request = form.request();
  const int height = DialogForm::kRowHeight;
  const bool focused = form.focusedPart() == DialogForm::Part::List;
  if (selected) {
    cairo_rectangle(cr, 0, 0, width, height);
    setColour(cr, focused ? look::kSelection : look::kSelectionUnfocused);
    cairo_fill(cr);
  }
  const Rgb ink = selected && focused ? kWhite : look::kText;
  const std::string& item = request.items[index];
  int textX = kSampleInset;
  if (request.samples != DialogRequest::Samples::Words) {
    paintSample(cr, request, index, width, height, ink);
    textX = request.samples == DialogRequest::Samples::Colours ? 56 : 172;
  }
  drawText(cr, item, textX, (height - textHeightOf(cr, item.empty() ? " " : item)) / 2, ink);
}

void paintList(cairo_t* cr, const DialogForm& form) {
  const PixelRect& rect = form.layout().list;
  const bool focused = form.focusedPart() == DialogForm::Part::List;
  const int count = static_cast<int>(form.request().items.size());
  inRect(cr, rect, [&] {
    drawFrame(cr, rect.width, rect.height, kWhite, focused ? look::kAccent : look::kBorder, 2);
    if (focused) drawFocusRing(cr, rect.width, rect.height);
    cairo_rectangle(cr, 1, 1, rect.width - 2, rect.height - 2);
    cairo_clip(cr);
    const int last = std::min(count, form.firstVisibleRow() + form.visibleRows());
    for (int index = form.firstVisibleRow(); index < last; ++index) {
      cairo_save(cr);
      cairo_translate(cr, 1, 1 + (index - form.firstVisibleRow()) * DialogForm::kRowHeight);
      paintRow(cr, form, index, rect.width - 2, index == form.selected());
      cairo_restore(cr);
    }
  });
}

void paintButtons(cairo_t* cr, const DialogForm& form) {
  const std::vector<PixelRect>& rects = form.layout().buttons;
  for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
    const PixelRect& rect = rects[i];
    const std::string& caption = form.buttons()[i];
    // The first button is the default one that Enter presses: it wears the accent.
    const bool isDefault = i == 0 && form.request().kind != DialogKind::Buttons;
    inRect(cr, rect, [&] {
      drawFrame(cr, rect.width, rect.height, look::kFace, isDefault ? look::kAccent : look::kBorder);
      if (form.focusedButton() == i) drawFocusRing(cr, rect.width, rect.height);
      PangoLayout* layout = controlLayout(cr, caption, controlFont());
      const TextSize size = layoutSize(layout);
      g_object_unref(layout);
      drawText(cr, caption, (rect.width - size.width) / 2.0, (rect.height - size.height) / 2.0, look::kText);
    });
  }
}

}  // namespace

void paintDialog(const DialogForm& form, PixelBuffer& pixels) {
  cairo_t* cr = cairo_create(pixels.cairoSurface());
  setColour(cr, kDialogFace);
  cairo_paint(cr);
  const DialogForm::Layout& layout = form.layout();
  if (!layout.prompt.isEmpty())
    drawText(cr, form.request().prompt, layout.prompt.x, layout.prompt.y, look::kText, layout.prompt.width);
  if (!layout.field.isEmpty()) paintField(cr, form);
  if (!layout.list.isEmpty()) paintList(cr, form);
  paintButtons(cr, form);
  cairo_destroy(cr);
  pixels.flush();
}

}  // namespace lx
