// The installed way objects travel.
#include "net/net_object_transfer.h"

namespace lx {
namespace {

NetObjectTransfer installed;

}  // namespace

void setNetObjectTransfer(NetObjectTransfer transfer) {
  installed = transfer;
}

std::string describeObjectForNet(tmultiobject& object) {
  return installed.describe ? installed.describe(object) : object.name();
}

void recreateObjectFromNet(const std::string& text, const Value& container, bool runAllowed) {
  if (installed.recreate) installed.recreate(text, container, runAllowed);
}

}  // namespace lx
