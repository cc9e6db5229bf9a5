// The network class: its properties.
#include "net/net_prototype.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "net/net_commands.h"
#include "net/net_object.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/pools.h"

namespace lx {
namespace {

// Restarts the role after a change that needs a new connection (port,
// role) when the object had been started.
void restartIfStarted(tLogoNet& net, bool wasStarted) {
  if (wasStarted && net.role != NetRole::None) net.start();
}

Value hostOf(tmultiobject& self, int) {
  return makeWord(netSelf(self).host);
}

void setHost(tmultiobject& self, int, const Value& value) {
  netSelf(self).host = value->isList() ? value->printText(0) : value->printText();
}

const char* const kRoleKeys[] = {"no", "client", "server"};

Value styleOf(tmultiobject& self, int) {
  return makeWord(firstWord(localEntry("param", kRoleKeys[static_cast<int>(netSelf(self).role)])));
}

// A new role disconnects first; an object that was started starts again
// in its new role.
void setStyle(tmultiobject& self, int, const Value& value) {
  tLogoNet& net = netSelf(self);
  const std::string word = value->isList() ? std::string() : value->printText();
  for (int role = 0; role < 3; ++role) {
    if (!isLocalEntry("param", kRoleKeys[role], word)) continue;
    if (static_cast<NetRole>(role) == net.role) return;
    const bool wasStarted = net.started();
    net.stop(true);
    net.role = static_cast<NetRole>(role);
    restartIfStarted(net, wasStarted);
    return;
  }
  throw eLogoException(erExpectNetStyle, value);
}

Value portOf(tmultiobject& self, int) {
  return makeInt(netSelf(self).port);
}

void setPort(tmultiobject& self, int, const Value& value) {
  tLogoNet& net = netSelf(self);
  const auto port = static_cast<uint16_t>(value->asIntegerIn(1, 65535));
  if (port == net.port) return;
  const bool wasStarted = net.started();
  if (wasStarted) net.stop(true);
  net.port = port;
  restartIfStarted(net, wasStarted);
}

Value runEnabledOf(tmultiobject& self, int) {
  return makeBool(netSelf(self).runEnabled);
}

void setRunEnabled(tmultiobject& self, int, const Value& value) {
  netSelf(self).runEnabled = value->asBool();
}

Value nickOf(tmultiobject& self, int) {
  return makeWord(netSelf(self).wantedNick);
}

// While connected the server is asked for the nick (a server grants it
// itself at once).
void setNick(tmultiobject& self, int, const Value& value) {
  tLogoNet& net = netSelf(self);
  net.wantedNick = value->isList() ? value->printText(0) : value->printText();
  if (net.started()) net.link->changeNick(net.requestedNick());
}

constexpr PropertyEntry kNetProperties[] = {
    {prop::kServer, hostOf, setHost, SetBy::Command, RunsIn::Process},
    {prop::kStyleNet, styleOf, setStyle, SetBy::Command, RunsIn::Process},
    {prop::kPort, portOf, setPort, SetBy::Command, RunsIn::Process},
    {prop::kRunEnabled, runEnabledOf, setRunEnabled, SetBy::Command, RunsIn::Process},
    {prop::kNickName, nickOf, setNick, SetBy::Command, RunsIn::Process},
};

}  // namespace

tnetPrototype::tnetPrototype() {
  setInstanceFactory([] { return ObjectRef(new tLogoNet); });
}

void tnetPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareProperties(*this, kNetProperties, DeclaredOn::Prototype);
  declareNetCommands(*this);
}

}  // namespace lx
