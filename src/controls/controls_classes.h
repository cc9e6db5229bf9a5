// Registering the classes of the controls drawn on pages (`TextBox`,
// `Button`, `ToolButton`, `Slider`) in the main object, and the ways the
// rest of the system reaches them: keys for the focused control, printed
// text for text boxes.
//
// Layer: controls, above graphics. Text boxes, buttons and sliders drawn
// with cairo and pango on the pages' surfaces.
#pragma once

#include "objects/main_object.h"

namespace lx {

void registerControlClasses(tMainLogoObject& main);

}  // namespace lx
