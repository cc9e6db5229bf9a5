// Recognising a container by its signature and version, and refusing files
// that a newer program wrote or that have the old project format.
#pragma once

#include <iosfwd>

#include "lang/container_format.h"

namespace lx {

// The container version of the stream (4 or 5), or 0 when it is not a
// container. Reads the first five bytes at position 0. Depending on `kind`:
// a version above 5 is error 174 naming the file kind (".LGF" or ".LXP"),
// the old "IIP" format error 190, and an image file that is not a container
// error 70 with ".LGF". With ckProbeOnly it never raises.
int probeContainer(std::istream& in, ContainerKind kind);

}  // namespace lx
