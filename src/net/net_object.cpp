// A network object's lifecycle: starting its role and stopping it.
#include "net/net_object.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "net/net_delivery.h"
#include "values/pools.h"

namespace lx {
namespace {

// A host as a user may name it: a dotted address or a host name. Anything
// else (blanks, control characters, an over-long name) can never connect,
// and is refused at once.
bool plausibleHost(const std::string& host) {
  if (host.empty() || host.size() > 253) return false;
  for (const unsigned char c : host)
    if (c <= ' ' || c == 0x7F) return false;
  return true;
}

const char* roleKey(NetRole role) {
  switch (role) {
    case NetRole::Client:
      return "client";
    case NetRole::Server:
      return "server";
    default:
      return "no";
  }
}

}  // namespace

tLogoNet::tLogoNet() : params(std::make_shared<NetParams>()), link(std::make_shared<NetLink>(params)) {
  params->owner = this;
  params->wake = postNetDelivery;
}

tLogoNet::~tLogoNet() {
  link->stop();
  params->owner = nullptr;
}

tLogoNet* asNet(tmultiobject& object) {
  return dynamic_cast<tLogoNet*>(&object);
}

void tLogoNet::beforeFree() {
  link->stop();
  params->owner = nullptr;
  params->clearQueues();
  clearReceived();
  tControlObject::beforeFree();
}

std::string tLogoNet::effectiveNick() const {
  std::string granted = params->granted();
  return granted.empty() ? requestedNick() : granted;
}

std::string tLogoNet::requestedNick() const {
  return wantedNick.empty() ? firstWord(localEntry("param", roleKey(role))) : wantedNick;
}

void tLogoNet::start() {
  switch (role) {
    case NetRole::None:
      return;
    case NetRole::Client:
      if (host.empty()) throw eLogoException(erServerMissing);
      if (!plausibleHost(host)) throw eLogoException(erServerConnect, makeWord(host));
      link->connect(host, port, requestedNick());
      break;
    case NetRole::Server:
      switch (link->listen(port, requestedNick())) {
        case ListenResult::ServerExists:
          throw eLogoException(erServerStart);
        case ListenResult::Failed:
          throw eLogoException(erServerSetting, makeInt(port));
        case ListenResult::Listening:
          break;
      }
  }
  started_ = true;
}

void tLogoNet::stop(bool now) {
  if (now) {
    link->stopNow();
  } else {
    link->stop();
  }
  started_ = false;
  params->clearQueues();
  clearReceived();
}

bool tLogoNet::active() const {
  if (role == NetRole::Server) return params->connected();
  return params->connected() && !params->granted().empty();
}

void tLogoNet::clearReceived() {
  message = nullptr;
  sender = nullptr;
  objectBytes.clear();
}

}  // namespace lx
