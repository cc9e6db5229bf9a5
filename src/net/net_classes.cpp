// The network class of the object world.
#include "net/net_classes.h"

#include "graphics/graphics_classes.h"
#include "net/net_prototype.h"

namespace lx {

void registerNetClasses(tMainLogoObject& main, NetObjectTransfer transfer) {
  setNetObjectTransfer(transfer);
  registerClass<tnetPrototype>(main, "Net", "net");
}

}  // namespace lx
