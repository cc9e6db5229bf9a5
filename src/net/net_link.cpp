// A network object's sockets: starting and stopping, and the client side.
#include "net/net_link.h"

#include <atomic>
#include <cctype>

#include <asio/connect.hpp>

#include "net/net_io.h"

namespace lx {
namespace {

std::atomic<int64_t> handshakeLimitMs{10000};

}  // namespace

char upperKind(char kind) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(kind)));
}

char lowerKind(char kind) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(kind)));
}

void NetLink::setHandshakeLimit(std::chrono::milliseconds limit) {
  handshakeLimitMs = limit.count();
}

std::chrono::milliseconds NetLink::handshakeLimit() {
  return std::chrono::milliseconds(handshakeLimitMs.load());
}

NetLink::NetLink(std::shared_ptr<NetParams> params) : params_(std::move(params)) {}

NetLink::~NetLink() = default;

void NetLink::status(const std::string& key, const std::string& first, const std::string& second) {
  params_->pushStatus({key, first, second, false});
}

void NetLink::errorStatus(const char* error) {
  params_->pushStatus({"errorconnecting", error, {}, false});
}

void NetLink::stop() {
  postToNet([self = shared_from_this()] { self->stopOnNet(true); });
}

void NetLink::stopNow() {
  runOnNet([this] { stopOnNet(); });
}

// A disconnect lets the messages sent before it leave; they get a few
// seconds, so a peer that does not read cannot keep the socket open.
void NetLink::stopOnNet(bool graceful) {
  constexpr std::chrono::milliseconds kFlushLimit{5000};
  auto end = [&](NetPeer& peer) {
    if (graceful) {
      peer.finish(kFlushLimit);
    } else {
      peer.close();
    }
  };
  ++generation_;
  if (server_) end(*server_);
  server_.reset();
  if (resolver_) resolver_->cancel();
  resolver_.reset();
  if (acceptor_) {
    asio::error_code ignored;
    acceptor_->close(ignored);
  }
  acceptor_.reset();
  for (const std::shared_ptr<NetPeer>& client : clients_) end(*client);
  clients_.clear();
  if (isServer_) releaseServerFlag();
  isServer_ = false;
  params_->connectionLost();
}

void NetLink::connect(const std::string& host, uint16_t port, const std::string& nick) {
  postToNet([self = shared_from_this(), host, port, nick] {
    self->stopOnNet();
    self->nick_ = nick;
    self->host_ = host;
    self->startResolve(self->generation_, host, port);
  });
}

void NetLink::startResolve(uint64_t generation, const std::string& host, uint16_t port) {
  resolver_ = std::make_unique<asio::ip::tcp::resolver>(netContext());
  resolver_->async_resolve(
      host, std::to_string(port),
      [weak = weak_from_this(), generation](const asio::error_code& error,
                                            asio::ip::tcp::resolver::results_type results) {
        const std::shared_ptr<NetLink> self = weak.lock();
        if (!self || generation != self->generation_) return;
        if (error || results.empty()) {
          self->errorStatus("eeconnect");
          return;
        }
        self->startConnect(generation, results);
      });
}

void NetLink::startConnect(uint64_t generation, const asio::ip::tcp::resolver::results_type& results) {
  status("trialconnection", results.begin()->endpoint().address().to_string(), host_);
  auto socket = std::make_shared<asio::ip::tcp::socket>(netContext());
  asio::async_connect(*socket, results,
                      [weak = weak_from_this(), generation, socket](const asio::error_code& error,
                                                                    const asio::ip::tcp::endpoint&) {
                        const std::shared_ptr<NetLink> self = weak.lock();
                        if (!self || generation != self->generation_) return;
                        if (error) {
                          self->errorStatus("eeconnect");
                          return;
                        }
                        self->clientConnected(generation, std::move(*socket));
                      });
}

// The connection stands: the client introduces itself with its nick and
// waits for the server to grant one.
void NetLink::clientConnected(uint64_t generation, asio::ip::tcp::socket socket) {
  std::weak_ptr<NetLink> weak = weak_from_this();
  auto onMessage = [weak, generation](NetPeer&, NetMessage message) {
    const std::shared_ptr<NetLink> self = weak.lock();
    if (self && generation == self->generation_) self->clientMessage(std::move(message));
  };
  auto onEnd = [weak, generation](NetPeer&, PeerEnd why) {
    const std::shared_ptr<NetLink> self = weak.lock();
    if (self && generation == self->generation_) self->clientEnded(why);
  };
  auto onDrop = [weak](NetPeer&) {
    if (const std::shared_ptr<NetLink> self = weak.lock()) self->errorStatus("eesend");
  };
  server_ = std::make_shared<NetPeer>(std::move(socket), onMessage, onEnd, onDrop);
  server_->start(handshakeLimit());
  server_->send(encodeFrame({netkind::kAnnounce, {nick_}, nick_}));
}

void NetLink::clientMessage(NetMessage message) {
  switch (message.kind) {
    case netkind::kAccepted:
      server_->introduced();
      nick_ = message.body;
      params_->setGranted(nick_);
      params_->setConnected(true);
      status("clientconnected");
      return;
    case netkind::kNickGranted:
      nick_ = message.body;
      params_->setGranted(nick_);
      return;
    case netkind::kUsersReply:
      params_->storeUsers(std::move(message.addresses));
      return;
    case netkind::kInfoReply:
      params_->storeInfo(std::move(message.addresses));
      return;
    default:
      deliverHere(std::move(message));
  }
}

void NetLink::clientEnded(PeerEnd) {
  server_.reset();
  params_->connectionLost();
  params_->pushStatus({"clientdisconnected", {}, {}, true});
}

void NetLink::send(NetMessage message) {
  postToNet([self = shared_from_this(), message = std::move(message)]() mutable {
    message.addresses.insert(message.addresses.begin(), self->nick_);
    if (self->isServer_) {
      self->forward(std::move(message));
    } else if (self->server_) {
      message.kind = upperKind(message.kind);
      self->server_->send(encodeFrame(message));
    }
  });
}

void NetLink::changeNick(const std::string& nick) {
  postToNet([self = shared_from_this(), nick] {
    if (self->isServer_) {
      self->nick_ = self->uniqueNick(nick, nullptr);
      self->params_->setGranted(self->nick_);
    } else if (self->server_) {
      self->server_->send(encodeFrame({upperKind(netkind::kNick), {self->nick_}, nick}));
    } else {
      self->nick_ = nick;
    }
  });
}

void NetLink::ask(char kind, const std::string& body) {
  postToNet([self = shared_from_this(), kind, body] {
    if (self->server_) self->server_->send(encodeFrame({upperKind(kind), {self->nick_}, body}));
  });
}

// Values and run requests go to the Logo side; what it cannot take in
// time is dropped with a status. Any other kind is reported as confused.
void NetLink::deliverHere(NetMessage message) {
  switch (message.kind) {
    case netkind::kWord:
    case netkind::kList:
    case netkind::kImage:
    case netkind::kObject:
    case netkind::kRun:
      if (!params_->pushMessage(std::move(message))) errorStatus("eereceive");
      return;
    default:
      status("receivedconfusedmessage", std::string(1, message.kind));
  }
}

}  // namespace lx
