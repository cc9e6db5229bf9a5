// The control classes of the object world.
#include "controls/controls_classes.h"

#include "controls/button_class.h"
#include "controls/control_focus.h"
#include "controls/dialog_primitives.h"
#include "controls/slider_class.h"
#include "controls/text_box_class.h"
#include "controls/tool_primitives.h"
#include "controls/tool_window_class.h"
#include "graphics/graphics_classes.h"

namespace lx {

void registerControlClasses(tMainLogoObject& main) {
  registerClass<tToolButtonPrototype>(main, "ToolButton", "toolbutton");
  registerClass<tToolWindowPrototype>(main, "ToolWindow", "toolwindow");
  registerClass<tSwitchButtonPrototype>(main, "Button", "button");
  registerClass<tSliderPrototype>(main, "Slider", "slider");
  registerClass<tTextPrototype>(main, "TextBox", "text");
  registerToolPrimitives(main.procedures());
  registerDialogPrimitives(main.procedures());
  installControlFocus();
  installTextBoxOutput();
}

}  // namespace lx
