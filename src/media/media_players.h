// The media files playing through `playfile` and `mci`, by the kind of
// device they need: a file of one kind stops the others of its kind.
#pragma once

namespace lx {

enum class MediaKind { Midi, Wave, Other };

// Stops every media file of that kind that plays now.
void stopMediaOfKind(MediaKind kind);

}  // namespace lx
