// tLogoNet: a network object. It keeps what Logo code set (role, host,
// port, nick, run permission) and what it last received, and owns the
// socket side (NetLink) and the queues between the two (NetParams).
//
// Everything here is touched under the interpreter lock; the socket work
// is posted to the I/O thread and never waited for, except where a
// command's error must be known at once (a server that cannot listen).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/net_link.h"
#include "net/net_params.h"
#include "objects/container_object.h"

namespace lx {

enum class NetRole : uint8_t { None, Client, Server };

inline constexpr uint16_t kDefaultNetPort = 51;

class tLogoNet : public tControlObject {
 public:
  tLogoNet();
  ~tLogoNet() override;
  const char* className() const override { return "tLogoNet"; }
  void beforeFree() override;

  // Starts the role: a client connects (error 74 without a host, 75 for a
  // host that cannot be one), a server listens (error 72 when another
  // object is the server, 73 when listening fails). A refused or
  // unreachable connection is known only later: it becomes a status.
  void start();
  // Closes the connection or stops listening and forgets what was
  // received and queued; `now`: before returning.
  void stop(bool now);
  // Client: connected and granted a nick; server: listening.
  bool active() const;
  // start() was called and no stop since: a port or role change restarts.
  bool started() const { return started_; }
  // The granted nick, else the wanted one, else the role's word.
  std::string effectiveNick() const;
  // The wanted nick, else the role's word: what we ask the server for.
  std::string requestedNick() const;
  void clearReceived();

  NetRole role = NetRole::None;
  uint16_t port = kDefaultNetPort;
  std::string host;
  std::string wantedNick;
  bool runEnabled = false;

  // The last received value and its sender; none: nothing received.
  Value message;
  Value sender;
  std::string objectBytes;  // the last received object's description
  std::string statusText;   // the status shown by the last onStatusChanged

  std::shared_ptr<NetParams> params;
  std::shared_ptr<NetLink> link;

 private:
  bool started_ = false;  // start() was called since the last stop
};

// The network object of a value, or nullptr.
tLogoNet* asNet(tmultiobject& object);

}  // namespace lx
