// Objects that travel over the network travel as the project text that
// saves them, and are recreated by loading that text inside a container.
#pragma once

#include "net/net_object_transfer.h"

namespace lx {

// The description and the recreation that network objects use.
NetObjectTransfer netObjectText();

}  // namespace lx
