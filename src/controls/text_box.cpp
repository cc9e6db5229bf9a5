// The text box's field: layout, painting, keys, mouse and growing.
#include "controls/text_box.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>

#include "controls/control_focus.h"
#include "controls/control_painting.h"
#include "controls/control_text.h"
#include "objects/container_object.h"
#include "platform/clipboard.h"
#include "platform/platform.h"

namespace lx {
namespace {

// Deletes a layout when it goes out of scope.
struct LayoutHolder {
  PangoLayout* layout;
  ~LayoutHolder() { g_object_unref(layout); }
};

int heightOf(PangoLayout* layout) {
  return layoutSize(layout).height;
}

// Marks the selected bytes [from, to) of a layout's text `text`.
void markSelection(PangoLayout* layout, std::string_view text, size_t from, size_t to, bool focused) {
  PangoAttrList* attributes = pango_attr_list_copy(pango_layout_get_attributes(layout));
  if (!attributes) attributes = pango_attr_list_new();
  const Rgb back = focused ? look::kSelection : look::kSelectionUnfocused;
  PangoAttribute* background =
      pango_attr_background_new(((back >> 16) & 0xFF) * 257, ((back >> 8) & 0xFF) * 257, (back & 0xFF) * 257);
  background->start_index = static_cast<guint>(layoutIndexOf(text, from));
  background->end_index = static_cast<guint>(layoutIndexOf(text, to));
  pango_attr_list_insert(attributes, background);
  if (focused) {
    PangoAttribute* white = pango_attr_foreground_new(65535, 65535, 65535);
    white->start_index = static_cast<guint>(layoutIndexOf(text, from));
    white->end_index = static_cast<guint>(layoutIndexOf(text, to));
    pango_attr_list_insert(attributes, white);
  }
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
}

void drawCaret(cairo_t* canvas, PangoLayout* layout, std::string_view text, size_t at, double x, double y) {
  PangoRectangle strong;
  pango_layout_get_cursor_pos(layout, layoutIndexOf(text, at), &strong, nullptr);
  const double cx = x + std::floor(strong.x / double(PANGO_SCALE)) + 0.5;
  cairo_move_to(canvas, cx, y + strong.y / double(PANGO_SCALE));
  cairo_line_to(canvas, cx, y + (strong.y + strong.height) / double(PANGO_SCALE));
  lx::setColour(canvas, look::kText);
  cairo_set_line_width(canvas, 1);
  cairo_stroke(canvas);
}

// Ctrl with a letter arrives as the letter's control character.
char ctrlLetter(const KeyEvent& event) {
  const unsigned char c = event.character;
  if (c >= 1 && c <= 26) return static_cast<char>('a' + c - 1);
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : static_cast<char>(c);
}

bool functionKey(Key key) {
  return key >= Key::F1 && key <= Key::F11;
}

}  // namespace

tlogotext::tlogotext(tgrScreen& surface, tmultiobject& object)
    : tControlGraphic(surface, object, kDefaultSize), font_(controlFont()), events_(object) {
  splitParagraphs();
}

// --- Content ---

void tlogotext::setValue(std::string_view text) {
  const std::string before = edit_.text();
  edit_.setText(text);
  if (edit_.text() == before) {
    caretMoved();
    return;
  }
  textChanged();
}

void tlogotext::append(std::string_view text) {
  edit_.placeCaret(edit_.text().size(), Extend::No);
  if (edit_.replaceSelection(text)) textChanged();
}

void tlogotext::select(size_t start, size_t length) {
  edit_.select(start, length);
  caretMoved();
}

void tlogotext::replaceSelection(std::string_view text) {
  if (edit_.replaceSelection(text)) textChanged();
}

void tlogotext::textChanged(bool raise) {
  showCaret();
  splitParagraphs();
  grow();
  keepCaretVisible();
  repaint();
  auto* owner = dynamic_cast<tControlObject*>(object());
  if (raise && owner && owner->created) events_.changed();
}

void tlogotext::caretMoved() {
  refused_ = false;
  showCaret();
  if (toolbar_) toolbar_->repaint();
  keepCaretVisible();
  repaint();
}

// The caret shows at once after an edit or a move and blinks from there.
// Edits from Logo code (printing) may come on a process's thread; the
// blink's timer belongs to the user-interface thread.
void tlogotext::showCaret() {
  if (!focused()) return;
  if (uiThread().isCurrent()) {
    blink_.restart();
  } else {
    blink_.showSteady();
  }
}

void tlogotext::focusChanged(bool focused) {
  if (focused) {
    showCaret();
  } else {
    blink_.stop();
  }
  updateToolbar();
}

void tlogotext::setShowToolbar(bool show) {
  showToolbar_ = show;
  updateToolbar();
}

// The toolbar belongs to the user-interface thread like the box; a focus
// cleared by an erasing process leaves it as it is until the box is gone.
void tlogotext::updateToolbar() {
  if (!uiThread().isCurrent()) return;
  if (!toolbar_ && editingOn_ && showToolbar_ && focused() && surface()) {
    toolbar_ = std::make_unique<FontToolbar>(*surface(), *this);
    toolbar_->registerOnSurface();
  }
  if (toolbar_) {
    toolbar_->follow();
    toolbar_->repaint();
  }
}

void tlogotext::leftSurface() {
  if (toolbar_) toolbar_->leaveSurface();
}

// --- Look and modes ---

void tlogotext::setFont(const TurtleFont& font) {
  font_ = font;
  if (oneLine()) setOneLine(true);
  textChanged(false);
}

void tlogotext::setColour(Rgb colour) {
  colour_ = colour;
  repaint();
}

void tlogotext::setBackground(Rgb colour) {
  background_ = colour;
  repaint();
}

void tlogotext::setTransparent(bool transparent) {
  transparent_ = transparent;
  repaint();
}

void tlogotext::setEditing(bool editing) {
  if (editing == editingOn_) return;
  editingOn_ = editing;
  selecting_ = false;
  if (editing) {
    takeFocus();
  } else if (focused()) {
    setFocusedControl(nullptr);
  }
  repaint();
  updateToolbar();
}

void tlogotext::setGrowWithValue(bool grow) {
  grow_ = grow;
  this->grow();
}

// An empty one-line box is one line of its font high: the height of "x"
// and 7 pixels.
void tlogotext::setOneLine(bool oneLine) {
  const std::string before = edit_.text();
  edit_.setOneLine(oneLine);
  if (oneLine) {
    LayoutHolder x{controlLayout(measuringCanvas(), "x", font_)};
    given_.y = heightOf(x.layout) + 7;
    growing_ = true;
    resize(size().x, given_.y);
    growing_ = false;
  }
  firstShown_ = topParagraph_ = 0;
  textChanged(edit_.text() != before);
}

void tlogotext::setGivenSize(int width, int height) {
  given_ = {width, height};
}

void tlogotext::geometryChanged() {
  if (!growing_) given_ = size();
  keepCaretVisible();
  updateToolbar();
}

// --- Paragraphs ---

void tlogotext::splitParagraphs() {
  paragraphs_.clear();
  const std::string& text = edit_.text();
  size_t start = 0;
  while (true) {
    const size_t lineBreak = text.find('\n', start);
    const size_t lineEnd = lineBreak == std::string::npos ? text.size() : lineBreak;
    size_t piece = start;
    do {
      const size_t end = std::min(lineEnd, piece + kPieceBytes);
      paragraphs_.push_back({piece, end});
      piece = end;
    } while (piece < lineEnd);
    if (lineBreak == std::string::npos) break;
    start = lineBreak + 1;
  }
  topParagraph_ = std::min(topParagraph_, paragraphs_.size() - 1);
  firstShown_ = std::min(firstShown_, text.size());
}

size_t tlogotext::paragraphOf(size_t offset) const {
  const auto after = std::upper_bound(paragraphs_.begin(), paragraphs_.end(), offset,
                                      [](size_t at, const Paragraph& p) { return at < p.start; });
  return after == paragraphs_.begin() ? 0 : static_cast<size_t>(after - paragraphs_.begin()) - 1;
}

PangoLayout* tlogotext::paragraphLayout(cairo_t* canvas, const Paragraph& paragraph) const {
  const std::string_view text =
      std::string_view(edit_.text()).substr(paragraph.start, paragraph.end - paragraph.start);
  PangoLayout* layout = controlLayout(canvas, text, font_, clientWidth());
  applyStyleFlips(layout, text, edit_.flips().data() + paragraph.start, font_.style);
  return layout;
}

// One line from `from`, as much of it as can show.
PangoLayout* tlogotext::lineLayout(cairo_t* canvas, size_t from) const {
  const std::string_view text = std::string_view(edit_.text()).substr(from, 2 * kPieceBytes);
  PangoLayout* layout = controlLayout(canvas, text, font_);
  applyStyleFlips(layout, text, edit_.flips().data() + from, font_.style);
  return layout;
}

// --- Painting ---

void tlogotext::draw(cairo_t* canvas) const {
  const bool live = editingOn_;
  const int width = size().x;
  const int height = size().y;
  if (live) {
    const Rgb border = refused_    ? look::kRefused
                       : focused() ? look::kAccent
                       : hovered() ? look::kBorderHover
                                   : look::kBorder;
    drawFrame(canvas, width, height, enabled() ? background_ : look::kFaceDisabled, border, 3);
  } else if (!transparent_) {
    lx::setColour(canvas, background_);
    cairo_rectangle(canvas, 0, 0, width, height);
    cairo_fill(canvas);
  }
  drawText(canvas, live);
  if (live && focused()) drawFocusRing(canvas, width, height);
}

void tlogotext::drawText(cairo_t* canvas, bool live) const {
  cairo_save(canvas);
  cairo_rectangle(canvas, 1, 1, size().x - 2, size().y - 2);
  cairo_clip(canvas);
  lx::setColour(canvas, enabled() ? colour_ : look::kTextDisabled);
  if (oneLine()) {
    drawOneLine(canvas, live);
  } else {
    drawParagraphs(canvas, live);
  }
  cairo_restore(canvas);
}

void tlogotext::drawParagraphs(cairo_t* canvas, bool live) const {
  const std::string_view text = edit_.text();
  const size_t caretParagraph = paragraphOf(edit_.caret());
  int y = kPadY;
  for (size_t i = topParagraph_; i < paragraphs_.size() && y < size().y; ++i) {
    const Paragraph& p = paragraphs_[i];
    const std::string_view own = text.substr(p.start, p.end - p.start);
    LayoutHolder held{paragraphLayout(canvas, p)};
    const size_t from = std::max(edit_.selectionStart(), p.start);
    const size_t to = std::min(edit_.selectionEnd(), p.end);
    if (live && from < to) markSelection(held.layout, own, from - p.start, to - p.start, focused());
    cairo_move_to(canvas, kPadX, y);
    lx::setColour(canvas, enabled() ? colour_ : look::kTextDisabled);
    pango_cairo_show_layout(canvas, held.layout);
    if (live && focused() && blink_.caretShown() && i == caretParagraph)
      drawCaret(canvas, held.layout, own, edit_.caret() - p.start, kPadX, y);
    y += std::max(heightOf(held.layout), 1);
  }
}

void tlogotext::drawOneLine(cairo_t* canvas, bool live) const {
  const std::string_view text = std::string_view(edit_.text()).substr(firstShown_, 2 * kPieceBytes);
  LayoutHolder held{lineLayout(canvas, firstShown_)};
  const size_t from = std::max(edit_.selectionStart(), firstShown_);
  const size_t to = std::min(edit_.selectionEnd(), firstShown_ + text.size());
  if (live && from < to) markSelection(held.layout, text, from - firstShown_, to - firstShown_, focused());
  const int y = (size().y - heightOf(held.layout)) / 2;
  cairo_move_to(canvas, kPadX, y);
  pango_cairo_show_layout(canvas, held.layout);
  if (live && focused() && blink_.caretShown() && edit_.caret() >= firstShown_ &&
      edit_.caret() <= firstShown_ + text.size())
    drawCaret(canvas, held.layout, text, edit_.caret() - firstShown_, kPadX, y);
}

PixelBuffer tlogotext::rendered() const {
  PixelBuffer picture(size().x, size().y, background_);
  cairo_t* canvas = cairo_create(picture.cairoSurface());
  drawText(canvas, false);
  cairo_destroy(canvas);
  picture.flush();
  return picture;
}

// --- Scrolling ---

namespace {

// The offset from which the text up to `end` fills about `width` pixels.
size_t startShowing(std::string_view text, size_t end, int width, const TurtleFont& font) {
  const size_t base = end > 2 * tlogotext::kPieceBytes ? end - 2 * tlogotext::kPieceBytes : 0;
  const std::string_view piece = text.substr(base, end - base);
  LayoutHolder held{controlLayout(measuringCanvas(), piece, font)};
  const int full = layoutSize(held.layout).width;
  if (full <= width) return base;
  int index = 0;
  int trailing = 0;
  pango_layout_xy_to_index(held.layout, (full - width) * PANGO_SCALE, 0, &index, &trailing);
  return base + textOffsetOf(piece, index) + (trailing > 0 ? 1 : 0);
}

}  // namespace

// Multi-line: the caret's paragraph comes into view with as few paragraphs
// laid out as show. One line: the caret stays inside, with room to see
// what comes before it.
void tlogotext::keepCaretVisible() {
  const size_t caret = edit_.caret();
  if (oneLine()) {
    const std::string_view text = edit_.text();
    const int width = clientWidth() - 2;
    if (caret < firstShown_) {
      firstShown_ = startShowing(text, caret, width / 3, font_);
    } else if (caret - firstShown_ > 2 * kPieceBytes) {
      firstShown_ = startShowing(text, caret, width * 2 / 3, font_);
    } else {
      LayoutHolder held{
          controlLayout(measuringCanvas(), text.substr(firstShown_, caret - firstShown_), font_)};
      if (layoutSize(held.layout).width > width)
        firstShown_ = startShowing(text, caret, width * 2 / 3, font_);
    }
    // Text deleted at the end: show as much as fits up to the end.
    if (firstShown_ > 0) firstShown_ = std::min(firstShown_, startShowing(text, text.size(), width, font_));
    return;
  }
  const size_t target = paragraphOf(caret);
  if (target < topParagraph_) {
    topParagraph_ = target;
    return;
  }
  int filled = 0;
  for (size_t i = target;; --i) {
    LayoutHolder held{paragraphLayout(measuringCanvas(), paragraphs_[i])};
    filled += std::max(heightOf(held.layout), 1);
    if (filled > clientHeight() && i != target) {
      topParagraph_ = i + 1;
      return;
    }
    if (i == topParagraph_ || i == 0) return;
  }
}

// Measures no further than the box can grow: to the surface's edges.
void tlogotext::grow() {
  if (!grow_ || !surface()) return;
  const PixelPoint at = position();
  int width = given_.x;
  int height = given_.y;
  if (oneLine()) {
    const int most = std::max(surface()->width() - at.x, given_.x);
    LayoutHolder held{
        controlLayout(measuringCanvas(), std::string_view(edit_.text()).substr(0, 2 * kPieceBytes), font_)};
    width = std::clamp(layoutSize(held.layout).width + 2 * kPadX + 2, given_.x, most);
  } else {
    const int most = std::max(surface()->height() - at.y, given_.y);
    int content = 2 * kPadY;
    for (size_t i = 0; i < paragraphs_.size() && content < most; ++i) {
      LayoutHolder held{paragraphLayout(measuringCanvas(), paragraphs_[i])};
      content += std::max(heightOf(held.layout), 1);
    }
    height = std::clamp(content, given_.y, most);
  }
  growing_ = true;
  resize(width, height);
  growing_ = false;
}

// --- Mouse ---

size_t tlogotext::offsetAt(int x, int y) const {
  const std::string_view text = edit_.text();
  if (oneLine()) {
    if (x < kPadX && firstShown_ > 0) return firstShown_ - 1;
    LayoutHolder held{lineLayout(measuringCanvas(), firstShown_)};
    int index = 0;
    int trailing = 0;
    pango_layout_xy_to_index(held.layout, (x - kPadX) * PANGO_SCALE, 0, &index, &trailing);
    const std::string_view shown = text.substr(firstShown_, 2 * kPieceBytes);
    return firstShown_ + textOffsetOf(shown, index) + (trailing > 0 ? 1 : 0);
  }
  if (y < 0 && topParagraph_ > 0) return paragraphs_[topParagraph_ - 1].start;
  int top = kPadY;
  for (size_t i = topParagraph_; i < paragraphs_.size(); ++i) {
    const Paragraph& p = paragraphs_[i];
    LayoutHolder held{paragraphLayout(measuringCanvas(), p)};
    const int height = std::max(heightOf(held.layout), 1);
    if (y < top + height || i + 1 == paragraphs_.size()) {
      int index = 0;
      int trailing = 0;
      pango_layout_xy_to_index(held.layout, (x - kPadX) * PANGO_SCALE, (y - top) * PANGO_SCALE, &index,
                               &trailing);
      const std::string_view own = text.substr(p.start, p.end - p.start);
      return std::min(p.start + textOffsetOf(own, index) + (trailing > 0 ? 1 : 0), p.end);
    }
    top += height;
  }
  return text.size();
}

void tlogotext::mouse(const GraphicMouse& event) {
  if (!editingOn_) return;
  switch (event.kind) {
    case GraphicMouseKind::Down:
      if (event.button != MouseButton::Left) return;
      if (event.clicks == 2) {
        edit_.selectWordAt(offsetAt(event.x, event.y));
      } else {
        edit_.placeCaret(offsetAt(event.x, event.y), (event.modifiers & kShift) ? Extend::Yes : Extend::No);
        selecting_ = true;
      }
      caretMoved();
      break;
    case GraphicMouseKind::Move:
      if (!selecting_ || !(event.held & kLeftButton)) return;
      edit_.placeCaret(offsetAt(event.x, event.y), Extend::Yes);
      caretMoved();
      break;
    case GraphicMouseKind::Up:
      selecting_ = false;
      break;
    default:
      break;
  }
}

// --- Keys ---

bool tlogotext::typed(const CharEvent& event) {
  if (!editingOn_) return false;
  if (event.unmappable) {
    refused_ = true;
    repaint();
    return true;
  }
  if (event.character < 32) return true;
  refused_ = false;
  if (edit_.insertCharacter(event.character)) textChanged();
  return true;
}

bool tlogotext::key(const KeyEvent& event) {
  if (!editingOn_ || functionKey(event.key) || (event.modifiers & kAlt)) return false;
  if (event.action == KeyAction::Up) return event.key != Key::Enter || !oneLine();
  if (event.key == Key::Escape || event.key == Key::F12) {
    if (!stayEditing) setEditing(false);
    return true;
  }
  return editKey(event);
}

void tlogotext::copy() const {
  if (edit_.hasSelection()) {
    TextEditing lines;
    lines.setText(edit_.selectedText());
    setClipboardText(lines.textWithCrLf());
  }
}

// Characters of the clipboard that internal text cannot hold are left out
// of the paste, and the box shows that it refused them as it does for a
// typed one.
void tlogotext::paste() {
  const ClipboardContent content = clipboardContent();
  replaceSelection(content.text);
  refused_ = content.leftOut > 0;
  repaint();
}

// Without a selection the whole text's font changes; with one, the
// selected characters all take the style, or all lose it when every one of
// them shows it already.
void tlogotext::toggleStyle(uint8_t style) {
  if (!edit_.hasSelection()) {
    font_.style ^= style;
    textChanged(false);
    if (toolbar_) toolbar_->repaint();
    return;
  }
  const size_t start = edit_.selectionStart();
  const size_t end = edit_.selectionEnd();
  const bool fontHas = font_.style & style;
  const bool allShown = edit_.allFlipped(start, end, style, !fontHas);
  edit_.setFlips(start, end, style, allShown ? fontHas : !fontHas);
  textChanged(false);
  if (toolbar_) toolbar_->repaint();
}

bool tlogotext::selectionShows(uint8_t style) const {
  const bool fontHas = font_.style & style;
  if (!edit_.hasSelection()) return fontHas;
  return edit_.allFlipped(edit_.selectionStart(), edit_.selectionEnd(), style, !fontHas);
}

void tlogotext::setStyleFlips(std::vector<uint8_t> flips) {
  edit_.takeFlips(std::move(flips));
  textChanged(false);
}

bool tlogotext::editKey(const KeyEvent& event) {
  const bool ctrl = event.modifiers & kCtrl;
  const Extend extend = (event.modifiers & kShift) ? Extend::Yes : Extend::No;
  auto moveBy = [&](CaretMove move) {
    edit_.move(move, extend);
    caretMoved();
    return true;
  };
  switch (event.key) {
    case Key::Character:
      if (!ctrl) return true;  // its text arrives as a typed character
      switch (ctrlLetter(event)) {
        case 'a':
          edit_.selectAll();
          caretMoved();
          return true;
        case 'c':
          copy();
          return true;
        case 'x':
          copy();
          replaceSelection("");
          return true;
        case 'v':
          paste();
          return true;
        case 'b':
          toggleStyle(TurtleFont::Bold);
          return true;
        case 'i':
          toggleStyle(TurtleFont::Italic);
          return true;
        case 'u':
          toggleStyle(TurtleFont::Underline);
          return true;
        default:
          return false;
      }
    case Key::Left:
      return moveBy(ctrl ? CaretMove::WordLeft : CaretMove::CharLeft);
    case Key::Right:
      return moveBy(ctrl ? CaretMove::WordRight : CaretMove::CharRight);
    case Key::Home:
      return moveBy(ctrl ? CaretMove::TextStart : CaretMove::LineStart);
    case Key::End:
      return moveBy(ctrl ? CaretMove::TextEnd : CaretMove::LineEnd);
    case Key::Up:
      return moveBy(CaretMove::LineUp);
    case Key::Down:
      return moveBy(CaretMove::LineDown);
    case Key::PageUp:
    case Key::PageDown: {
      // A page is as many lines as the box shows.
      LayoutHolder line{controlLayout(measuringCanvas(), "x", font_)};
      const int lines = std::max(clientHeight() / std::max(heightOf(line.layout), 1), 1);
      for (int i = 0; i < lines; ++i)
        edit_.move(event.key == Key::PageUp ? CaretMove::LineUp : CaretMove::LineDown, extend);
      caretMoved();
      return true;
    }
    case Key::Backspace:
      if (edit_.backspace(ctrl)) textChanged();
      return true;
    case Key::Delete:
      if (event.modifiers & kShift) {
        copy();
        replaceSelection("");
      } else if (edit_.deleteForward(ctrl)) {
        textChanged();
      }
      return true;
    case Key::Insert:
      if (event.modifiers & kShift) paste();
      if (ctrl) copy();
      return true;
    case Key::Enter:
      if (oneLine()) return false;  // ignored here; a key menu may want it
      if (edit_.insertCharacter('\n')) textChanged();
      return true;
    default:
      return true;
  }
}

}  // namespace lx
