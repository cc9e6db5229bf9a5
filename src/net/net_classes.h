// Registering the class `Net` in the main object, with the name prefix of
// its objects (net1, net2...).
#pragma once

#include "net/net_object_transfer.h"
#include "objects/main_object.h"

namespace lx {

void registerNetClasses(tMainLogoObject& main, NetObjectTransfer transfer = {});

}  // namespace lx
