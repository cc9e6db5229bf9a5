// The server side of a network object: accepting clients, granting nicks,
// answering requests and forwarding messages to their recipients.
#include "net/net_link.h"

#include <mutex>

#include <asio/ip/host_name.hpp>

#include "lang/name_comparison.h"
#include "net/net_io.h"

namespace lx {
namespace {

// Only one object of the program may be the server.
std::mutex serverMutex;
const NetLink* serverOwner = nullptr;

// The most clients one server keeps; more are turned away at once.
constexpr size_t kMaxClients = 256;
// The longest nick the server grants; longer wishes are cut.
constexpr size_t kMaxNick = 64;
// A nick for a client that asked for none.
constexpr const char* kNickless = "guest";

std::string hostName() {
  asio::error_code error;
  std::string name = asio::ip::host_name(error);
  return error ? std::string("localhost") : name;
}

// A nick as a stem and the number its trailing digits make (0 without
// digits; at most nine digits count, so the number cannot overflow).
std::pair<std::string, uint64_t> splitNick(const std::string& nick) {
  size_t digits = nick.size();
  while (digits > 0 && nick.size() - digits < 9 && std::isdigit(static_cast<unsigned char>(nick[digits - 1])))
    --digits;
  const std::string tail = nick.substr(digits);
  return {nick.substr(0, digits), tail.empty() ? 0 : std::stoull(tail)};
}

}  // namespace

ListenResult NetLink::listen(uint16_t port, const std::string& nick) {
  ListenResult result = ListenResult::Failed;
  runOnNet([&] {
    {
      std::lock_guard lock(serverMutex);
      if (serverOwner && serverOwner != this) {
        result = ListenResult::ServerExists;
        return;
      }
      serverOwner = this;
    }
    stopOnNet();
    isServer_ = true;
    acceptor_ = std::make_unique<asio::ip::tcp::acceptor>(netContext());
    asio::error_code error;
    const asio::ip::tcp::endpoint endpoint(asio::ip::tcp::v4(), port);
    acceptor_->open(endpoint.protocol(), error);
    if (!error) acceptor_->set_option(asio::socket_base::reuse_address(true), error);
    if (!error) acceptor_->bind(endpoint, error);
    if (!error) acceptor_->listen(asio::socket_base::max_listen_connections, error);
    if (error) {
      stopOnNet();
      return;
    }
    nick_ = nick;
    params_->setConnected(true);
    params_->setGranted(nick_);
    acceptNext(generation_);
    result = ListenResult::Listening;
  });
  return result;
}

void NetLink::releaseServerFlag() {
  std::lock_guard lock(serverMutex);
  if (serverOwner == this) serverOwner = nullptr;
}

void NetLink::acceptNext(uint64_t generation) {
  acceptor_->async_accept([weak = weak_from_this(), generation](const asio::error_code& error,
                                                                asio::ip::tcp::socket socket) {
    const std::shared_ptr<NetLink> self = weak.lock();
    if (!self || generation != self->generation_ || !self->acceptor_) return;
    if (error) {
      self->errorStatus("eeaccept");
    } else if (self->clients_.size() >= kMaxClients) {
      asio::error_code ignored;
      socket.close(ignored);
    } else {
      std::weak_ptr<NetLink> link = self;
      auto onMessage = [link, generation](NetPeer& peer, NetMessage message) {
        const std::shared_ptr<NetLink> owner = link.lock();
        if (owner && generation == owner->generation_) owner->serverMessage(peer, std::move(message));
      };
      auto onEnd = [link, generation](NetPeer& peer, PeerEnd why) {
        const std::shared_ptr<NetLink> owner = link.lock();
        if (owner && generation == owner->generation_) owner->serverEnded(peer, why);
      };
      auto onDrop = [link](NetPeer&) {
        if (const std::shared_ptr<NetLink> owner = link.lock()) owner->errorStatus("eesend");
      };
      auto peer = std::make_shared<NetPeer>(std::move(socket), onMessage, onEnd, onDrop);
      self->clients_.push_back(peer);
      peer->start(handshakeLimit());
    }
    self->acceptNext(generation);
  });
}

// A client's message. Until it has announced its nick nothing else it
// sends counts. Kinds the server answers itself are handled here; other
// upper-case kinds go on in lower case with the client's nick as sender;
// lower-case kinds are the server's own to send and are ignored.
void NetLink::serverMessage(NetPeer& from, NetMessage message) {
  const char kind = message.kind;
  if (from.nick.empty() && kind != netkind::kAnnounce) return;
  std::string wanted = message.body.substr(0, kMaxNick);
  if (wanted.empty()) wanted = kNickless;
  if (kind == netkind::kAnnounce) {
    from.introduced();
    from.nick = uniqueNick(wanted, &from);
    reply(from, netkind::kAccepted, {nick_}, from.nick);
    status("clientconnected2", from.remoteAddress(), from.remoteAddress());
  } else if (kind == upperKind(netkind::kNick)) {
    from.nick = uniqueNick(wanted, &from);
    reply(from, netkind::kNickGranted, {nick_}, from.nick);
  } else if (kind == upperKind(netkind::kUsers)) {
    reply(from, netkind::kUsersReply, usersList(), "");
  } else if (kind == upperKind(netkind::kInfo)) {
    reply(from, netkind::kInfoReply, infoOf(message.body.empty() ? from.nick : message.body, &from),
          message.body);
  } else if (kind != lowerKind(kind)) {
    message.kind = lowerKind(kind);
    if (message.addresses.empty()) message.addresses.emplace_back();
    message.addresses[0] = from.nick;
    forward(std::move(message));
  }
}

void NetLink::reply(NetPeer& to, char kind, std::vector<std::string> addresses, const std::string& body) {
  to.send(encodeFrame({kind, std::move(addresses), body}));
}

// Only a participant that was announced is said to have left: a port
// scan or a stranger that never introduced itself makes no status.
void NetLink::serverEnded(NetPeer& peer, PeerEnd) {
  const std::string address = peer.remoteAddress();
  const bool announced = !peer.nick.empty();
  std::erase_if(clients_, [&](const std::shared_ptr<NetPeer>& client) { return client.get() == &peer; });
  if (announced) status("disconnected", address, address);
}

// With recipients, a participant gets the message when its nick is one of
// them; without, when it is not the sender.
bool NetLink::wants(const NetMessage& message, const std::string& nick) const {
  if (message.addresses.size() <= 1) return message.addresses.empty() || !namesEqual(nick, message.addresses[0]);
  for (size_t i = 1; i < message.addresses.size(); ++i)
    if (namesEqual(nick, message.addresses[i])) return true;
  return false;
}

void NetLink::forward(NetMessage message) {
  const std::string frame = encodeFrame(message);
  for (const std::shared_ptr<NetPeer>& client : clients_)
    if (!client->nick.empty() && wants(message, client->nick)) client->send(frame);
  if (wants(message, nick_)) deliverHere(std::move(message));
}

std::string NetLink::uniqueNick(const std::string& wanted, const NetPeer* asking) const {
  std::vector<std::string> taken;
  if (asking) taken.push_back(nick_);
  for (const std::shared_ptr<NetPeer>& client : clients_)
    if (client.get() != asking && !client->nick.empty()) taken.push_back(client->nick);
  auto used = [&](const std::string& nick) {
    for (const std::string& other : taken)
      if (namesEqual(nick, other)) return true;
    return false;
  };
  if (!used(wanted)) return wanted;
  const auto [stem, number] = splitNick(wanted);
  for (uint64_t next = number + 1;; ++next) {
    std::string candidate = stem + std::to_string(next);
    if (!used(candidate)) return candidate;
  }
}

std::vector<std::string> NetLink::usersList() const {
  std::vector<std::string> users{nick_};
  for (const std::shared_ptr<NetPeer>& client : clients_)
    if (!client->nick.empty()) users.push_back(client->nick);
  return users;
}

// The information strings: for the server itself its address and host
// name; for a client the client's address and host, then the server's
// end of that connection (address and host). Host names are not looked up
// (that would hold up every connection): a client's host is its address.
std::vector<std::string> NetLink::infoOf(const std::string& nick, const NetPeer*) const {
  if (namesEqual(nick, nick_)) {
    asio::error_code error;
    const auto local = acceptor_ ? acceptor_->local_endpoint(error) : asio::ip::tcp::endpoint();
    return {error ? std::string() : local.address().to_string(), hostName()};
  }
  for (const std::shared_ptr<NetPeer>& client : clients_)
    if (!client->nick.empty() && namesEqual(nick, client->nick))
      return {client->remoteAddress(), client->remoteAddress(), client->localAddress(), hostName()};
  return {};
}

std::vector<std::string> NetLink::serverUsers() {
  std::vector<std::string> users;
  runOnNet([&] { users = isServer_ ? usersList() : std::vector<std::string>{}; });
  return users;
}

std::vector<std::string> NetLink::serverInfo(const std::string& nick) {
  std::vector<std::string> info;
  runOnNet([&] { info = isServer_ ? infoOf(nick.empty() ? nick_ : nick, nullptr) : std::vector<std::string>{}; });
  return info;
}

}  // namespace lx
