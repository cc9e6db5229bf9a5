// The commands of network objects.
#include "net/net_commands.h"

#include <chrono>

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/logo_process.h"
#include "interp/logo_stack.h"
#include "interp/process_waits.h"
#include "platform/clock.h"
#include "net/net_delivery.h"
#include "net/net_object.h"
#include "objects/object_accessors.h"
#include "objects/object_addressing.h"
#include "net/net_object_transfer.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value wordList(const std::vector<std::string>& words) {
  ListBuilder list;
  for (const std::string& word : words) list.add(makeWord(word));
  return list.finish();
}

Value orEmptyList(const Value& value) {
  return value ? value : Value(tLogoList::empty());
}

// Recipients: a nick, a list of nicks (error 10 for an element that is no
// word), or [] for everybody (error 76 for anything else).
std::vector<std::string> recipientsOf(const Value& value) {
  std::vector<std::string> nicks;
  if (const tLogoList* list = asList(*value)) {
    for (const Value& element : *list) {
      if (element->isList() || !(element->isWord() || element->isNumber())) throw eLogoException(erBadStructure, element);
      nicks.push_back(element->printText());
    }
    return nicks;
  }
  if (!value->isWord() && !value->isNumber()) throw eLogoException(erWrongSender, value);
  nicks.push_back(value->printText());
  return nicks;
}

tLogoNet& connectedSelf(tmultiobject& self) {
  tLogoNet& net = netSelf(self);
  if (!net.active()) throw eLogoException(erNoConnection);
  return net;
}

// Takes the recipients and the message off the stack (the recipients are
// the deeper input) and sends it.
void sendWith(tLogoNet& net, const Value& recipients, NetMessage message) {
  message.addresses = recipientsOf(recipients);
  net.link->send(std::move(message));
}

Value connect(tmultiobject& self, tLogoStack&, int) {
  netSelf(self).start();
  return nullptr;
}

Value disconnect(tmultiobject& self, tLogoStack&, int) {
  netSelf(self).stop(false);
  return nullptr;
}

Value abortNet(tmultiobject& self, tLogoStack&, int) {
  netSelf(self).stop(true);
  return nullptr;
}

Value isConnected(tmultiobject& self, tLogoStack&, int) {
  return makeBool(netSelf(self).active());
}

Value send(tmultiobject& self, tLogoStack& stack, int) {
  const Value value = stack.take();
  const Value recipients = stack.take();
  tLogoNet& net = connectedSelf(self);
  sendWith(net, recipients, valueMessage(value));
  return nullptr;
}

Value sendRun(tmultiobject& self, tLogoStack& stack, int) {
  const Value instructions = stack.take();
  const Value recipients = stack.take();
  tLogoNet& net = connectedSelf(self);
  const std::string text = instructions->isList() ? instructions->showText(0) : instructions->printText();
  sendWith(net, recipients, {netkind::kRun, {}, text});
  return nullptr;
}

Value sendObject(tmultiobject& self, tLogoStack& stack, int) {
  const Value object = stack.take();
  const Value recipients = stack.take();
  tLogoNet& net = connectedSelf(self);
  // The object itself or its name, as `ask` takes it (error 50 for a
  // name that names none).
  const tlogoobjectlist sent = object->isList() ? tlogoobjectlist{} : resolveAddress(object);
  if (sent.size() != 1) throw eLogoException(erNoObject, object);
  sendWith(net, recipients, {netkind::kObject, {}, describeObjectForNet(*sent.front())});
  return nullptr;
}

Value receivedMessage(tmultiobject& self, tLogoStack&, int) {
  return orEmptyList(netSelf(self).message);
}

Value receivedSender(tmultiobject& self, tLogoStack&, int) {
  return orEmptyList(netSelf(self).sender);
}

Value receiveObject(tmultiobject& self, tLogoStack& stack, int) {
  const Value container = stack.take();
  tLogoNet& net = netSelf(self);
  if (!container->isList() && !asObject(container)) throw eLogoException(erExpectList, container);
  if (net.objectBytes.empty()) return nullptr;
  recreateObjectFromNet(net.objectBytes, container, net.runEnabled);
  return nullptr;
}

// A client asks the server and waits, with the interpreter lock released,
// until the reply is stored, the connection drops, the process is told to
// stop (it ends then) or the server takes too long.
bool askServer(tLogoNet& net, char kind, const std::string& body) {
  if (!net.active()) return false;
  const uint64_t before = net.params->replySerial();
  net.link->ask(kind, body);
  tLogoprocess* process = currentProcess();
  const WaitEnd end = waitReleased(
      process ? &process->control() : nullptr, [&] { return net.params->replySerial() != before; },
      afterMilliseconds(kNetReplyWaitMs));
  if (end == WaitEnd::Stopped) throw eTerminateException(false);
  return end == WaitEnd::Ready && net.active();
}

Value users(tmultiobject& self, tLogoStack&, int) {
  tLogoNet& net = netSelf(self);
  if (net.role == NetRole::Server) return wordList(net.link->serverUsers());
  return wordList(askServer(net, netkind::kUsers, {}) ? net.params->users() : std::vector<std::string>{});
}

Value info(tmultiobject& self, tLogoStack& stack, int) {
  const Value who = stack.take();
  tLogoNet& net = netSelf(self);
  const std::string nick = who->isList() ? who->printText(0) : who->printText();
  if (net.role == NetRole::Server) return wordList(net.link->serverInfo(nick));
  return wordList(askServer(net, netkind::kInfo, nick) ? net.params->info() : std::vector<std::string>{});
}

Value status(tmultiobject& self, tLogoStack&, int) {
  return makeWord(netSelf(self).statusText);
}

}  // namespace

tLogoNet& netSelf(tmultiobject& self) {
  tLogoNet* net = asNet(self);
  if (!net) throw eLogoException(erInitNet);
  return *net;
}

void declareNetCommands(tmultiobject& prototype) {
  declareCommand(prototype, "connect", 0, connect);
  declareCommand(prototype, "disconnect", 0, disconnect);
  declareCommand(prototype, "abort_net", 0, abortNet);
  declareCommand(prototype, "connected?", 0, isConnected);
  declareCommand(prototype, "send", 2, send);
  declareCommand(prototype, "sendRun", 2, sendRun);
  declareCommand(prototype, "sendObject", 2, sendObject);
  declareCommand(prototype, "message", 0, receivedMessage);
  declareCommand(prototype, "sender", 0, receivedSender);
  declareCommand(prototype, "receiveObject", 1, receiveObject);
  declareCommand(prototype, "users", 0, users);
  declareCommand(prototype, "info", 1, info);
  declareCommand(prototype, "status", 0, status);
}

}  // namespace lx
