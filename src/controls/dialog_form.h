// A dialog's behaviour, apart from its drawing: the parts it shows (the
// prompt, a field, a list, a row of buttons), where they stand, which one
// has the keyboard, and what the keys and clicks do to them. It ends with
// an answer (a button, OK or Enter) or none (Cancel or Escape).
//
// Keys: Tab and Shift+Tab move the focus; Enter presses the focused button,
// or OK; Escape cancels; the arrows, Page Up/Down, Home and End move in the
// list (Left and Right among the buttons); typing goes into the field, or
// in a list without one jumps to the next item with that first letter.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "controls/dialog_request.h"
#include "platform/input_event.h"
#include "platform/pixel_rect.h"

namespace lx {

class DialogForm {
 public:
  static constexpr int kMargin = 12;
  static constexpr int kRowHeight = 24;
  static constexpr int kVisibleRows = 8;  // the most a list shows at once
  static constexpr int kFewestRows = 4;
  static constexpr int kFieldHeight = 28;
  static constexpr int kButtonHeight = 30;

  // The button texts (OK, Cancel) come from the interface dictionary.
  explicit DialogForm(DialogRequest request);

  const DialogRequest& request() const { return request_; }
  const std::string& caption() const { return caption_; }
  const std::vector<std::string>& buttons() const { return buttons_; }

  // Where each part stands in the client area, and the area's size.
  struct Layout {
    int width = 0;
    int height = 0;
    PixelRect prompt;
    PixelRect field;  // empty without a field
    PixelRect list;   // empty without a list
    std::vector<PixelRect> buttons;
  };
  const Layout& layout() const { return layout_; }

  // The focus: the field, the list, or a button.
  enum class Part : uint8_t { Field, List, Button };
  Part focusedPart() const { return focus_.part; }
  int focusedButton() const { return focus_.part == Part::Button ? focus_.button : -1; }
  int selected() const { return selected_; }
  int firstVisibleRow() const { return top_; }
  // The rows the list shows: as many as it has items, within the bounds above.
  int visibleRows() const { return rows_; }
  const std::string& text() const { return text_; }
  size_t caret() const { return caret_; }

  // Input; each answers whether the dialog must be painted again.
  bool key(const KeyEvent& event);
  bool typed(unsigned char character);
  bool mouse(const MouseEvent& event);
  bool wheel(const WheelEvent& event);

  // Set once the dialog has ended: its answer (none when cancelled).
  const std::optional<DialogAnswer>& outcome() const { return outcome_; }
  void cancel() { outcome_ = DialogAnswer{}; }

 private:
  struct Focus {
    Part part = Part::Button;
    int button = 0;
  };
  bool hasField() const;
  bool hasList() const;
  std::vector<Focus> tabStops() const;
  void moveFocus(int step);
  void press(int button);
  void accept();
  void select(int index);
  bool listKey(Key key);
  bool fieldKey(Key key);
  bool jumpToLetter(unsigned char character);
  void layOut();

  DialogRequest request_;
  std::string caption_;
  std::vector<std::string> buttons_;
  Layout layout_;
  Focus focus_;
  int selected_ = -1;
  int top_ = 0;  // the first list row shown
  int rows_ = kVisibleRows;
  std::string text_;
  size_t caret_ = 0;
  std::optional<DialogAnswer> outcome_;
};

// The form's text `key`: from the form's own section, else from the
// section "$common"; `fallback` when neither has it.
std::string formText(const std::string& form, const std::string& key, const std::string& fallback);

}  // namespace lx
