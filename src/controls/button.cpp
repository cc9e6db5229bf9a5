// Pressing buttons and tool buttons, and drawing them.
#include "controls/button.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <vector>

#include "controls/control_painting.h"
#include "controls/control_text.h"
#include "graphics/picture_source.h"
#include "interp/logo_process.h"
#include "objects/events.h"
#include "objects/object_world.h"
#include "values/list.h"

namespace lx {
namespace {

// Every button made, for finding the partners of a group. Under the
// interpreter lock.
std::vector<tLogoButtons*>& allButtons() {
  static std::vector<tLogoButtons*> buttons;
  return buttons;
}

constexpr int kGap = 4;  // between picture and caption

}  // namespace

tLogoButtons::tLogoButtons(tgrScreen& surface, tmultiobject& object, Kind kind)
    : tControlGraphic(surface, object, kDefaultSize), kind_(kind), running_(std::make_shared<Running>()) {
  running_->owner = this;
  allButtons().push_back(this);
}

tLogoButtons::~tLogoButtons() {
  running_->owner = nullptr;
  std::erase(allButtons(), this);
  if (object() && activeToolButton() == object()) setActiveToolButton(nullptr);
}

std::string tLogoButtons::caption() const {
  if (captionSet_) return caption_;
  return picture_ || !object() ? std::string() : object()->name();
}

void tLogoButtons::setCaption(std::string caption) {
  caption_ = std::move(caption);
  captionSet_ = true;
  repaint();
}

void tLogoButtons::setPicture(const Value& picture) {
  if (picture->isList() && picture->isEmpty()) {
    picture_.reset();
    pictureValue_ = nullptr;
  } else {
    PictureRef made = pictureOf(picture);
    made->seal();
    picture_ = std::move(made);
    pictureValue_ = picture;
  }
  repaint();
}

void tLogoButtons::setDown(bool down) {
  if (down == down_) return;
  if (down && sticky())
    if (tLogoButtons* partner = downPartner()) partner->setDown(false);
  down_ = down;
  repaint();
}

tLogoButtons* tLogoButtons::downPartner() const {
  if (group == 0 && kind_ != Kind::Tool) return nullptr;
  for (tLogoButtons* other : allButtons()) {
    if (other == this || !other->down_ || other->kind_ != kind_ || !other->object() || !object()) continue;
    if (kind_ == Kind::Tool || (other->group == group && other->object()->place() == object()->place()))
      return other;
  }
  return nullptr;
}

// --- Handlers ---

tmultiobject* tLogoButtons::enclosingPage() const {
  for (tmultiobject* at = object() ? object()->place() : nullptr; at; at = at->place())
    if (at->isPage()) return at;
  return nullptr;
}

void tLogoButtons::run(EventId event, std::function<void()> then) {
  tmultiobject* target = object();
  const NameCode code = eventCode(event);
  const Value handler = target ? target->eventHandler(code) : nullptr;
  if (!handler || handler->isEmpty()) {
    if (then) then();
    return;
  }
  ++running_->count;
  EventLaunch launch{eventProcessName(target, code), code, ObjectRef(target), handler, {}, {}, nullptr, {}};
  if (useWho && kind_ == Kind::Button)
    if (tmultiobject* page = enclosingPage()) launch.table = &page->procedures();
  launch.completion = [running = running_, then = std::move(then)](tmultiobject*) {
    --running->count;
    if (then && running->owner) then();
  };
  std::shared_ptr<tLogoprocess> process = startEventProcess(std::move(launch));
  if (event == EventId::onPush) running_->push = process;
}

void tLogoButtons::pushed() {
  if (kind_ == Kind::Tool) setActiveToolButton(object());
  run(EventId::onPush);
}

void tLogoButtons::released() {
  if (kind_ == Kind::Tool && activeToolButton() == object()) setActiveToolButton(nullptr);
  run(EventId::onRelease);
}

void tLogoButtons::click() {
  if (!object() || !enabled()) return;
  if (handlerRunning() && !userCanStop) return;
  bool nowDown = true;
  if (sticky() && down_) {
    if (group != 0 && !allUp && kind_ == Kind::Button) return;  // one of the group stays down
    nowDown = false;
  }
  if (!nowDown) {
    if (std::shared_ptr<tLogoprocess> push = running_->push.lock()) push->signalStop();
    down_ = false;
    repaint();
    if (isSwitch || kind_ == Kind::Tool) released();
    return;
  }
  tLogoButtons* partner = downPartner();
  if (sticky()) {
    down_ = true;
    repaint();
  }
  if (!partner) {
    pushed();
    return;
  }
  // The partner's release runs first; this push when it has finished.
  partner->down_ = false;
  partner->repaint();
  std::weak_ptr<Running> self = running_;
  partner->run(EventId::onRelease, [self] {
    if (auto running = self.lock(); running && running->owner) running->owner->pushed();
  });
  if (partner->kind_ == Kind::Tool && activeToolButton() == partner->object()) setActiveToolButton(nullptr);
}

// --- Input ---

void tLogoButtons::mouse(const GraphicMouse& event) {
  const bool inside = event.x >= 0 && event.y >= 0 && event.x < size().x && event.y < size().y;
  switch (event.kind) {
    case GraphicMouseKind::Down:
      if (event.button != MouseButton::Left) return;
      pressed_ = true;
      repaint();
      break;
    case GraphicMouseKind::Move:
      if (!(event.held & kLeftButton) || pressed_ == inside) return;
      pressed_ = inside;
      repaint();
      break;
    case GraphicMouseKind::Click:
      if (event.button == MouseButton::Left && pressed_) click();
      break;
    case GraphicMouseKind::Up:
      pressed_ = false;
      repaint();
      break;
    default:
      break;
  }
}

bool tLogoButtons::key(const KeyEvent& event) {
  const bool presses = event.key == Key::Enter || (event.key == Key::Character && event.character == ' ');
  if (!presses || (event.modifiers & (kCtrl | kAlt))) return false;
  if (event.action == KeyAction::Down) {
    if (!event.repeat) {
      pressed_ = true;
      repaint();
    }
  } else if (pressed_) {
    pressed_ = false;
    repaint();
    click();
  }
  return true;
}

// --- Drawing ---

void tLogoButtons::draw(cairo_t* canvas) const {
  const int width = size().x;
  const int height = size().y;
  const bool isFlat = flat || fullPicture;
  const bool held = pressed_ && hovered();
  Rgb face = look::kFace;
  Rgb border = hovered() ? look::kBorderHover : look::kBorder;
  if (!enabled()) {
    face = look::kFaceDisabled;
    border = look::kFacePressed;
  } else if (held || (pressed_ && focused())) {
    face = look::kFacePressed;
  } else if (down_) {
    face = look::kFaceDown;
    border = look::kAccent;
  } else if (hovered()) {
    face = look::kFaceHover;
  }
  const bool framed = !isFlat || down_ || hovered() || pressed_;
  if (framed) drawFrame(canvas, width, height, face, border);
  drawContent(canvas, width, height);
  if (focused()) drawFocusRing(canvas, width, height);
}

void tLogoButtons::drawContent(cairo_t* canvas, int width, int height) const {
  cairo_save(canvas);
  cairo_rectangle(canvas, 1, 1, width - 2, height - 2);
  cairo_clip(canvas);
  const double shift = (pressed_ && hovered()) || down_ ? 1 : 0;  // pressed content sinks a little
  const double alpha = enabled() ? 1 : 0.4;
  if (picture_ && fullPicture) {
    cairo_scale(canvas, double(width) / picture_->width(), double(height) / picture_->height());
    cairo_set_source_surface(canvas, picture_->surface(), 0, 0);
    cairo_paint_with_alpha(canvas, alpha);
    cairo_restore(canvas);
    return;
  }
  const std::string text = caption();
  PangoLayout* layout = text.empty() ? nullptr : controlLayout(canvas, text, controlFont());
  const int textWidth = layout ? layoutSize(layout).width : 0;
  const int textHeight = layout ? layoutSize(layout).height : 0;
  const int pictureWidth = picture_ ? picture_->width() : 0;
  const int pictureHeight = picture_ ? picture_->height() : 0;
  const bool across = style == 2 || style == 3;
  const int gap = layout && picture_ ? kGap : 0;
  const int allWidth = across ? std::max(textWidth, pictureWidth) : textWidth + gap + pictureWidth;
  const int allHeight = across ? textHeight + gap + pictureHeight : std::max(textHeight, pictureHeight);
  const double left = (width - allWidth) / 2.0 + shift;
  const double top = (height - allHeight) / 2.0 + shift;
  double pictureX = left, pictureY = top + (allHeight - pictureHeight) / 2.0;
  double textX = left + pictureWidth + gap, textY = top + (allHeight - textHeight) / 2.0;
  if (style == 1) pictureX = left + textWidth + gap, textX = left;
  if (across) {
    pictureX = left + (allWidth - pictureWidth) / 2.0;
    textX = left + (allWidth - textWidth) / 2.0;
    pictureY = style == 2 ? top : top + textHeight + gap;
    textY = style == 2 ? top + pictureHeight + gap : top;
  }
  if (picture_) {
    cairo_set_source_surface(canvas, picture_->surface(), std::round(pictureX), std::round(pictureY));
    cairo_paint_with_alpha(canvas, alpha);
  }
  if (layout) {
    lx::setColour(canvas, enabled() ? look::kText : look::kTextDisabled);
    cairo_move_to(canvas, std::round(textX), std::round(textY));
    pango_cairo_show_layout(canvas, layout);
    g_object_unref(layout);
  }
  cairo_restore(canvas);
}

}  // namespace lx
