// The registry of playing media files.
#include "media/media_players.h"

namespace lx {

void stopMediaOfKind(MediaKind) {}

}  // namespace lx
