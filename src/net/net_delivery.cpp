// Received messages and statuses become events on the network object.
#include "net/net_delivery.h"

#include "graphics/image_record.h"
#include "interp/error_sink.h"
#include "interp/logo_process.h"
#include "interp/scheduler.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "net/net_object.h"
#include "objects/events.h"
#include "objects/object_codes.h"
#include "platform/platform.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

std::string statusTextOf(const NetStatus& status) {
  if (status.key == "errorconnecting") return message(status.key) + " " + message(status.first);
  if (status.key == "receivedconfusedmessage") return message1(status.key, status.first);
  if (!status.first.empty()) return message2(status.key, status.first, status.second);
  return message(status.key);
}

void showStatus(tLogoNet& net, const NetStatus& status) {
  net.statusText = statusTextOf(status);
  if (status.lost) net.clearReceived();
  raiseEvent(&net, eventCode(EventId::onStatusChanged),
             [params = net.params](tmultiobject*) { params->finishedStatus(); });
}

// The value a message carries; none when its body cannot be read.
Value valueOf(const NetMessage& message) {
  try {
    switch (message.kind) {
      case netkind::kWord:
        return makeWord(message.body);
      case netkind::kImage:
        return readImageRecord(message.body);
      default:
        return Value(readList(message.body));
    }
  } catch (const std::exception&) {
    return nullptr;
  }
}

void finishedWith(tLogoNet& net) {
  net.params->finishedMessage();
}

// Sets `message` and `sender` and raises `onReceive`.
void receiveValue(tLogoNet& net, const NetMessage& message, Value value) {
  net.message = std::move(value);
  net.sender = makeWord(message.addresses.empty() ? std::string() : message.addresses[0]);
  raiseEvent(&net, eventCode(EventId::onReceive), [params = net.params](tmultiobject*) { params->finishedMessage(); });
  net.params->pushStatus({"receiveddata", {}, {}, false});
}

void receiveObject(tLogoNet& net, const NetMessage& message) {
  net.objectBytes = message.body;
  net.sender = makeWord(message.addresses.empty() ? std::string() : message.addresses[0]);
  raiseEvent(&net, eventCode(EventId::onReceiveObject),
             [params = net.params](tmultiobject*) { params->finishedMessage(); });
  net.params->pushStatus({"receivedobject", {}, {}, false});
}

// The reply to a run request goes to its sender: "OK" or "OK: " and the
// output's show form as a list message, anything else as a word.
void sendReply(NetParams& params, NetLink& link, const std::string& target, const std::string& reply) {
  if (!params.connected()) return;
  const bool isOutput = reply.rfind("OK: ", 0) == 0;
  link.send({isOutput ? netkind::kList : netkind::kWord, {target}, reply});
}

void sendReply(tLogoNet& net, const std::string& target, const std::string& reply) {
  sendReply(*net.params, *net.link, target, reply);
}

std::string runCaption() {
  return interfaceLookup("ErrorCaptions", "ipNetworkRun");
}

// Runs the received instructions in "@receive" as the network object; the
// reply leaves when the process ends, and only then the next message is
// delivered.
void runReceived(tLogoNet& net, const std::string& target, Value list) {
  auto sink = std::make_shared<tsendruncommander>();
  ProcessStart start;
  start.name = "@receive";
  start.kind = ipNetworkRun;
  start.object = Value(&net);
  start.sink = sink;
  start.list = std::move(list);
  start.notificationData = &net;
  start.endNotification = [params = net.params, link = net.link, sink, target] {
    sendReply(*params, *link, target, sink->reply().empty() ? "OK" : sink->reply());
    params->finishedMessage();
  };
  tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
}

// A run request runs only where `runEnabled` is true; elsewhere it arrives
// as a list and the sender is told that running is not allowed.
void receiveRun(tLogoNet& net, const NetMessage& message) {
  const std::string target = message.addresses.empty() ? std::string() : message.addresses[0];
  if (!net.runEnabled) {
    const Value value = valueOf(message);
    sendReply(net, target,
              runCaption() + ": " + firstWord(localName("runEnabled")) + " \"" + firstWord(falseWords()));
    receiveValue(net, message, value ? value : makeWord(message.body));
    return;
  }
  try {
    runReceived(net, target, Value(readList(message.body)));
  } catch (const eLogoException& error) {
    sendReply(net, target, runCaption() + ": " + reportFor(error).text);
    finishedWith(net);
  }
}

void receive(tLogoNet& net, const NetMessage& message) {
  switch (message.kind) {
    case netkind::kObject:
      receiveObject(net, message);
      return;
    case netkind::kRun:
      receiveRun(net, message);
      return;
    default:
      break;
  }
  Value value = valueOf(message);
  if (!value) {
    net.params->pushStatus({"receivedconfusedmessage", std::string(1, message.kind), {}, false});
    finishedWith(net);
    return;
  }
  receiveValue(net, message, std::move(value));
}

}  // namespace

void postNetDelivery(std::shared_ptr<NetParams> params) {
  uiThread().post([params = std::move(params)] { deliverNet(params); });
}

// A round takes what it can under one hold of the interpreter lock: a
// status, a message, then the status the message's arrival makes, and so
// on. Waiting for the lock costs up to a slice of the running processes, so
// a round with nothing to take (the round before took its work) does not
// wait for it at all.
void deliverNet(const std::shared_ptr<NetParams>& params) {
  if (!params->claimWake()) return;
  InterpreterLockScope locked;
  tLogoNet* net = params->owner;
  if (!net || !net->alive()) {
    params->clearQueues();
    return;
  }
  for (bool took = true; took;) {
    took = false;
    NetStatus status;
    if (params->takeStatus(status)) {
      showStatus(*net, status);
      took = true;
    }
    NetMessage message;
    if (params->takeMessage(message)) {
      receive(*net, message);
      took = true;
    }
  }
}

NetMessage valueMessage(const Value& value) {
  if (value->isList()) return {netkind::kList, {}, value->showText(0)};
  if (const tLogoImage* image = asImage(value)) return {netkind::kImage, {}, writeImageRecord(*image)};
  return {netkind::kWord, {}, value->printText()};
}

}  // namespace lx
