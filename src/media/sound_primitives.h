// The primitives of sound and media files that the main object registers.
#pragma once

namespace lx {

class tLogoTab;

void registerSoundPrimitives(tLogoTab& table);

}  // namespace lx
