// A dialog's parts, focus and input.
#include "controls/dialog_form.h"

#include <glib-object.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>

#include "controls/control_text.h"
#include "lang/interface_dictionary.h"

namespace lx {
namespace {

constexpr int kNarrowWidth = 360;
constexpr int kWideWidth = 420;
constexpr int kMinButtonWidth = 88;
constexpr int kPartGap = 8;

int textWidth(const std::string& text) {
  PangoLayout* layout = controlLayout(measuringCanvas(), text, controlFont());
  const int width = layoutSize(layout).width;
  g_object_unref(layout);
  return width;
}

int textHeight(const std::string& text, int wrapWidth) {
  if (text.empty()) return 0;
  PangoLayout* layout = controlLayout(measuringCanvas(), text, controlFont(), wrapWidth);
  const int height = layoutSize(layout).height;
  g_object_unref(layout);
  return height;
}

}  // namespace

std::string formText(const std::string& form, const std::string& key, const std::string& fallback) {
  std::string text = interfaceLookup(form, key);
  if (text.empty()) text = interfaceLookup("$common", key);
  return text.empty() ? fallback : text;
}

DialogForm::DialogForm(DialogRequest request) : request_(std::move(request)) {
  caption_ = request_.caption.empty() ? formText(request_.form, "$", "Lumaxis") : request_.caption;
  if (request_.kind == DialogKind::Buttons && !request_.items.empty())
    buttons_ = request_.items;
  else if (request_.kind == DialogKind::Message)
    buttons_ = {formText(request_.form, "OK", "OK")};
  else
    buttons_ = {formText(request_.form, "OK", "OK"), formText(request_.form, "Cancel", "Cancel")};
  text_ = request_.text;
  caret_ = text_.size();
  layOut();
  const int count = static_cast<int>(request_.items.size());
  // A file chooser starts with nothing chosen, so the given name stays.
  if (hasList() && count > 0 && request_.selected >= 0) select(std::min(request_.selected, count - 1));
  focus_ = hasField() ? Focus{Part::Field, 0} : hasList() ? Focus{Part::List, 0} : Focus{Part::Button, 0};
}

bool DialogForm::hasField() const {
  return request_.kind == DialogKind::Text || request_.kind == DialogKind::File;
}

bool DialogForm::hasList() const {
  return request_.kind == DialogKind::Choice || request_.kind == DialogKind::File;
}

// The prompt on top, then the field, then the list, then the buttons at
// the right of the bottom row.
void DialogForm::layOut() {
  const int width = hasList() ? kWideWidth : kNarrowWidth;
  const int inner = width - 2 * kMargin;
  int y = kMargin;
  const int promptHeight = textHeight(request_.prompt, inner);
  layout_.prompt = {kMargin, y, inner, promptHeight};
  if (promptHeight > 0) y += promptHeight + kPartGap;
  if (hasField()) {
    layout_.field = {kMargin, y, inner, kFieldHeight};
    y += kFieldHeight + kPartGap;
  }
  if (hasList()) {
    // A file list keeps its size however many files there are; a short choice is short.
    const int count = static_cast<int>(request_.items.size());
    rows_ = request_.kind == DialogKind::File ? kVisibleRows : std::clamp(count, kFewestRows, kVisibleRows);
    layout_.list = {kMargin, y, inner, rows_ * kRowHeight + 2};
    y += layout_.list.height + kPartGap;
  }
  y += kPartGap;
  int x = width - kMargin;
  layout_.buttons.assign(buttons_.size(), {});
  for (size_t i = buttons_.size(); i-- > 0;) {
    const int buttonWidth = std::max(kMinButtonWidth, textWidth(buttons_[i]) + 24);
    x -= buttonWidth;
    layout_.buttons[i] = {x, y, buttonWidth, kButtonHeight};
    x -= kPartGap;
  }
  // Buttons of its own that do not fit make the dialog wider.
  const int overflow = kMargin - (x + kPartGap);
  layout_.width = width + std::max(0, overflow);
  if (overflow > 0)
    for (PixelRect& rect : layout_.buttons) rect.x += overflow;
  layout_.height = y + kButtonHeight + kMargin;
}

std::vector<DialogForm::Focus> DialogForm::tabStops() const {
  std::vector<Focus> stops;
  if (hasField()) stops.push_back({Part::Field, 0});
  if (hasList()) stops.push_back({Part::List, 0});
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) stops.push_back({Part::Button, i});
  return stops;
}

void DialogForm::moveFocus(int step) {
  const std::vector<Focus> stops = tabStops();
  const int count = static_cast<int>(stops.size());
  int at = 0;
  for (int i = 0; i < count; ++i)
    if (stops[i].part == focus_.part && stops[i].button == focus_.button) at = i;
  focus_ = stops[((at + step) % count + count) % count];
}

void DialogForm::select(int index) {
  const int count = static_cast<int>(request_.items.size());
  if (count == 0) return;
  selected_ = std::clamp(index, 0, count - 1);
  if (selected_ < top_) top_ = selected_;
  if (selected_ >= top_ + rows_) top_ = selected_ - rows_ + 1;
  // Choosing a file puts its name into the field, ready to be accepted.
  if (request_.kind == DialogKind::File) {
    text_ = request_.items[selected_];
    caret_ = text_.size();
  }
}

// OK: the answer the kind gives; nothing chosen in a list counts as cancel.
void DialogForm::accept() {
  switch (request_.kind) {
    case DialogKind::Message:
      outcome_ = DialogAnswer{std::string()};
      return;
    case DialogKind::Buttons:
      outcome_ = DialogAnswer{buttons_.front()};
      return;
    case DialogKind::Text:
    case DialogKind::File:
      outcome_ = DialogAnswer{text_};
      return;
    case DialogKind::Choice:
      outcome_ = selected_ < 0 ? DialogAnswer{} : DialogAnswer{request_.items[selected_]};
      return;
  }
}

void DialogForm::press(int button) {
  if (request_.kind == DialogKind::Buttons) {
    outcome_ = DialogAnswer{buttons_[button]};
    return;
  }
  if (button == 0) return accept();
  cancel();
}

bool DialogForm::listKey(Key key) {
  const int page = rows_ - 1;
  switch (key) {
    case Key::Up:
      select(selected_ - 1);
      return true;
    case Key::Down:
      select(selected_ + 1);
      return true;
    case Key::PageUp:
      select(selected_ - page);
      return true;
    case Key::PageDown:
      select(selected_ + page);
      return true;
    case Key::Home:
      select(0);
      return true;
    case Key::End:
      select(static_cast<int>(request_.items.size()) - 1);
      return true;
    default:
      return false;
  }
}

bool DialogForm::fieldKey(Key key) {
  switch (key) {
    case Key::Left:
      if (caret_ > 0) --caret_;
      return true;
    case Key::Right:
      if (caret_ < text_.size()) ++caret_;
      return true;
    case Key::Home:
      caret_ = 0;
      return true;
    case Key::End:
      caret_ = text_.size();
      return true;
    case Key::Backspace:
      if (caret_ > 0) text_.erase(--caret_, 1);
      return true;
    case Key::Delete:
      if (caret_ < text_.size()) text_.erase(caret_, 1);
      return true;
    default:
      // The arrows up and down reach the list from the field of a file chooser.
      return hasList() && (key == Key::Up || key == Key::Down) && listKey(key);
  }
}

bool DialogForm::key(const KeyEvent& event) {
  if (event.action != KeyAction::Down || outcome_) return false;
  switch (event.key) {
    case Key::Escape:
      cancel();
      return true;
    case Key::Enter:
      if (focus_.part == Part::Button)
        press(focus_.button);
      else
        accept();
      return true;
    case Key::Tab:
      moveFocus((event.modifiers & kShift) ? -1 : 1);
      return true;
    default:
      break;
  }
  if (focus_.part == Part::Field) return fieldKey(event.key);
  if (focus_.part == Part::List) return listKey(event.key);
  if (event.key == Key::Left || event.key == Key::Right) {
    const int count = static_cast<int>(buttons_.size());
    focus_.button = std::clamp(focus_.button + (event.key == Key::Left ? -1 : 1), 0, count - 1);
    return true;
  }
  return false;
}

bool DialogForm::jumpToLetter(unsigned char character) {
  const int count = static_cast<int>(request_.items.size());
  for (int step = 1; step <= count; ++step) {
    const int index = (std::max(selected_, 0) + step) % count;
    const std::string& item = request_.items[index];
    if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) == std::tolower(character)) {
      select(index);
      return true;
    }
  }
  return false;
}

bool DialogForm::typed(unsigned char character) {
  if (outcome_ || character < 32) return false;
  if (focus_.part == Part::Button) {
    if (character != ' ') return false;
    press(focus_.button);
    return true;
  }
  if (focus_.part == Part::List) return jumpToLetter(character);
  text_.insert(caret_++, 1, static_cast<char>(character));
  return true;
}

bool DialogForm::mouse(const MouseEvent& event) {
  if (event.action != MouseAction::Down || event.button != MouseButton::Left || outcome_) return false;
  for (int i = 0; i < static_cast<int>(layout_.buttons.size()); ++i)
    if (layout_.buttons[i].contains(event.x, event.y)) {
      focus_ = {Part::Button, i};
      press(i);
      return true;
    }
  if (layout_.field.contains(event.x, event.y)) {
    focus_ = {Part::Field, 0};
    return true;
  }
  if (!layout_.list.contains(event.x, event.y)) return false;
  focus_ = {Part::List, 0};
  const int row = top_ + (event.y - layout_.list.y - 1) / kRowHeight;
  if (row < static_cast<int>(request_.items.size())) {
    select(row);
    if (event.clicks >= 2) accept();
  }
  return true;
}

bool DialogForm::wheel(const WheelEvent& event) {
  const int count = static_cast<int>(request_.items.size());
  if (!hasList() || count <= rows_) return false;
  top_ = std::clamp(top_ - event.steps * 3, 0, count - rows_);
  return true;
}

}  // namespace lx
