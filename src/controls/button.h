// tLogoButtons: the control of a button or a tool button. A press with the
// mouse (or Space or Enter while it has the focus) is a click; the click
// decides the button's new state and runs its handlers, each in a process
// of its own:
// - an ordinary button goes down only while it is pressed, and runs `onPush`;
// - a switch, a button of a group (`group` not 0) and a tool button stay
//   down after a click until clicked again; going down runs `onPush`, after
//   the `onRelease` of the button of the same group (and parent) that was
//   down, when there is one; a switch or tool button going up runs
//   `onRelease`, stopping its `onPush` when that still runs;
// - while a handler it started runs, a button takes no click, unless
//   `userCanStop` is on.
// A tool button going down becomes the program's current tool (the active
// tool button), releasing the one before.
//
// Threads: input and properties run on the user-interface thread under the
// interpreter lock (see tControlGraphic); the ends of handlers come back
// under the lock too.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/control_graphic.h"
#include "core/value.h"
#include "graphics/logo_picture.h"
#include "objects/object_codes.h"

namespace lx {

class tLogoprocess;

class tLogoButtons : public tControlGraphic {
 public:
  static constexpr PixelPoint kDefaultSize{27, 28};
  enum class Kind : uint8_t { Button, Tool };

  tLogoButtons(tgrScreen& surface, tmultiobject& object, Kind kind);
  ~tLogoButtons() override;

  Kind kind() const { return kind_; }
  // The caption shown: the one set, else the object's name (none with a picture).
  std::string caption() const;
  void setCaption(std::string caption);
  const Value& pictureValue() const { return pictureValue_; }
  // An image or a picture file's name; the empty list takes it away.
  void setPicture(const Value& picture);
  bool down() const { return down_; }
  // Sets the state without running handlers; a button going down releases
  // the down button of its group.
  void setDown(bool down);

  bool oneShot = false;
  int style = 0;  // where the picture sits: 0 left, 1 right, 2 above, 3 below
  bool allUp = true;
  bool flat = false;
  int group = 0;
  bool fullPicture = false;
  bool userCanStop = false;
  bool isSwitch = false;
  bool useWho = true;  // handlers run with the procedures of the button's page first

  // What a click does (the mouse's, a key's, or a test's).
  void click();
  // Whether a handler it started still runs.
  bool handlerRunning() const { return running_->count > 0; }

  bool key(const KeyEvent& event) override;

 protected:
  void draw(cairo_t* canvas) const override;
  void mouse(const GraphicMouse& event) override;

 private:
  struct Running {
    tLogoButtons* owner = nullptr;  // none once the button is gone
    int count = 0;                  // handlers it started that still run
    std::weak_ptr<tLogoprocess> push;
  };
  bool sticky() const { return isSwitch || group != 0 || kind_ == Kind::Tool; }
  // The button of the same group and parent that is down, or none.
  tLogoButtons* downPartner() const;
  // The page the button stands on, however deep (in a pane), or none.
  tmultiobject* enclosingPage() const;
  // Runs a handler as a process (with `useWho`, in its page's setting: the
  // page's procedures come before the button's own); `then` runs when it has ended (at once
  // when there is none).
  void run(EventId event, std::function<void()> then = {});
  void pushed();
  void released();
  void drawContent(cairo_t* canvas, int width, int height) const;

  Kind kind_;
  std::string caption_;
  bool captionSet_ = false;
  Value pictureValue_;
  PictureRef picture_;
  bool down_ = false;
  bool pressed_ = false;  // the mouse or a key holds it pressed
  std::shared_ptr<Running> running_;
};

}  // namespace lx
