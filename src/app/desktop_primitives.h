// The main object's primitives of the desktop: joysticks, the screen
// pointer and its shape, the screen's sizes, and opening documents and
// folders with the desktop's own programs.
#pragma once

namespace lx {

class tLogoTab;

void registerDesktopPrimitives(tLogoTab& table);

}  // namespace lx
