// tlogotext: the text box's control — a text field on a page. While it is
// being edited (`editing`) it is a live field: caret, selection with mouse
// and keys, the clipboard, scrolling of long text, one-line and multi-line
// modes. Otherwise it shows its text on its background like a picture on
// the page, taking part in the page's drawing order like a turtle.
//
// One font and one colour for the whole text; Ctrl+B, Ctrl+I and Ctrl+U
// toggle bold, italic and underline of the selection (of the whole font
// when nothing is selected), kept as style flips of the characters.
//
// Long text stays quick: the text is laid out in paragraphs (lines, and
// pieces of at most kPieceBytes of a longer line), and only the paragraphs
// that show are laid out when it paints or scrolls.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/caret_blink.h"
#include "controls/change_events.h"
#include "controls/control_graphic.h"
#include "controls/font_toolbar.h"
#include "controls/text_editing.h"
#include "graphics/turtle_font.h"

typedef struct _PangoLayout PangoLayout;

namespace lx {

class tlogotext : public tControlGraphic {
 public:
  static constexpr PixelPoint kDefaultSize{100, 100};
  static constexpr int kPadX = 4;
  static constexpr int kPadY = 3;
  static constexpr size_t kPieceBytes = 2048;

  tlogotext(tgrScreen& surface, tmultiobject& object);

  // --- Content ---
  const TextEditing& editing() const { return edit_; }
  // Replaces the text, as `value` does (raises `onChange` when it changed).
  void setValue(std::string_view text);
  // Adds text at the end (printed text), as typed there.
  void append(std::string_view text);
  void select(size_t start, size_t length);
  // Replaces the selection (`selectedText`).
  void replaceSelection(std::string_view text);
  // Replaces the style flips of the characters (see TextEditing).
  void setStyleFlips(std::vector<uint8_t> flips);

  // --- Look and modes ---
  const TurtleFont& font() const { return font_; }
  void setFont(const TurtleFont& font);
  Rgb colour() const { return colour_; }
  void setColour(Rgb colour);
  Rgb background() const { return background_; }
  void setBackground(Rgb colour);
  bool transparent() const { return transparent_; }
  void setTransparent(bool transparent);
  bool isEditing() const { return editingOn_; }
  void setEditing(bool editing);
  bool stayEditing = false;
  bool showToolbar() const { return showToolbar_; }
  void setShowToolbar(bool show);
  // Toggles a style of the selection (of the whole font without one).
  void toggleStyle(uint8_t style);
  // Whether the selection (the font, without one) shows the style.
  bool selectionShows(uint8_t style) const;
  bool growWithValue() const { return grow_; }
  void setGrowWithValue(bool grow);
  bool oneLine() const { return edit_.oneLine(); }
  void setOneLine(bool oneLine);
  // The size given by `size` (the box grows from it).
  void setGivenSize(int width, int height);
  // Whether a refused character is being shown (the red border).
  bool refusing() const { return refused_; }

  // Renders the box as it shows when not edited, into a new picture.
  PixelBuffer rendered() const;

  // --- tControlGraphic ---
  bool focusable() const override { return editingOn_ && tControlGraphic::focusable(); }
  bool key(const KeyEvent& event) override;
  bool typed(const CharEvent& event) override;
  void focusChanged(bool focused) override;
  // Whether the caret is in its shown turn (it blinks while focused).
  bool caretShown() const { return blink_.caretShown(); }

 protected:
  void draw(cairo_t* canvas) const override;
  void mouse(const GraphicMouse& event) override;
  void geometryChanged() override;

 private:
  struct Paragraph {
    size_t start;
    size_t end;
  };
  int clientWidth() const { return std::max(size().x - 2 * kPadX, 1); }
  int clientHeight() const { return std::max(size().y - 2 * kPadY, 1); }
  void splitParagraphs();
  size_t paragraphOf(size_t offset) const;
  PangoLayout* paragraphLayout(cairo_t* canvas, const Paragraph& paragraph) const;
  PangoLayout* lineLayout(cairo_t* canvas, size_t from) const;
  void drawText(cairo_t* canvas, bool live) const;
  void drawParagraphs(cairo_t* canvas, bool live) const;
  void drawOneLine(cairo_t* canvas, bool live) const;
  size_t offsetAt(int x, int y) const;
  void keepCaretVisible();
  // After an edit: paragraphs, growth, scrolling, repaint, `onChange`.
  void textChanged(bool raise = true);
  void caretMoved();
  void showCaret();
  void grow();
  bool editKey(const KeyEvent& event);
  void paste();
  void copy() const;
  // Makes, places, shows or hides the font toolbar as the box now is.
  void updateToolbar();
  void placeChanged() override { updateToolbar(); }
  void leftSurface() override;

  TextEditing edit_;
  std::vector<Paragraph> paragraphs_;
  TurtleFont font_;
  Rgb colour_ = 0;
  Rgb background_ = kWhite;
  bool transparent_ = false;
  bool editingOn_ = false;
  bool grow_ = true;
  bool refused_ = false;
  bool selecting_ = false;  // the left button is down in the text
  bool growing_ = false;    // the box resizes itself to its content
  PixelPoint given_ = kDefaultSize;
  size_t topParagraph_ = 0;  // the first paragraph shown (multi-line)
  size_t firstShown_ = 0;    // the first character shown (one line)
  ChangeEvents events_;
  CaretBlink blink_{[this] { repaint(); }};
  bool showToolbar_ = true;
  // Made the first time it shows; declared last, so it goes first.
  std::unique_ptr<FontToolbar> toolbar_;
};

}  // namespace lx
