// `playfile`, `mci`, `openvideo` and `closevideo`: media files played
// through the media devices of media_players.h.
#pragma once

namespace lx {

class tLogoTab;

void registerMediaFilePrimitives(tLogoTab& table);

}  // namespace lx
