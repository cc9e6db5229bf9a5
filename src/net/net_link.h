// NetLink: the socket side of one network object, on the I/O thread. As a
// server it listens, keeps its clients with their nicks and forwards every
// message to the participants its address list names (itself included);
// as a client it keeps one connection to the server. What arrives for the
// Logo side goes into the object's NetParams.
//
// The public functions may be called from any thread: they post their
// work to the I/O thread (`listen` and `stopNow` wait for it). Every other
// member is touched on the I/O thread only. A generation number, raised by
// every start and stop, makes the handlers of an earlier connection
// ignore what still arrives for it.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <asio/ip/tcp.hpp>

#include "net/net_message.h"
#include "net/net_params.h"
#include "net/net_peer.h"

namespace lx {

enum class ListenResult { Listening, ServerExists, Failed };

class NetLink : public std::enable_shared_from_this<NetLink> {
 public:
  explicit NetLink(std::shared_ptr<NetParams> params);
  ~NetLink();

  // Starts the server on `port`, with `nick` as the server's own nick;
  // waits for the answer.
  ListenResult listen(uint16_t port, const std::string& nick);
  // Starts connecting to `host`; the outcome arrives as a status.
  void connect(const std::string& host, uint16_t port, const std::string& nick);
  // Closes the connection or stops listening: posted, or done before
  // returning (`stopNow`).
  void stop();
  void stopNow();
  // Sends a message from this participant: its address list holds the
  // recipients only (the sender is filled in here).
  void send(NetMessage message);
  // A new wanted nick while connected.
  void changeNick(const std::string& nick);
  // Client: asks the server for the users or for information about a
  // nick; the reply arrives in the params.
  void ask(char kind, const std::string& body);
  // Server: the users list and the information strings, at once.
  std::vector<std::string> serverUsers();
  std::vector<std::string> serverInfo(const std::string& nick);

  // How long a new connection may stay silent before it introduces itself
  // (the client with its nick, the server with the granted nick).
  static void setHandshakeLimit(std::chrono::milliseconds limit);
  static std::chrono::milliseconds handshakeLimit();

 private:
  // Client (net_link.cpp).
  void startResolve(uint64_t generation, const std::string& host, uint16_t port);
  void startConnect(uint64_t generation, const asio::ip::tcp::resolver::results_type& results);
  void clientConnected(uint64_t generation, asio::ip::tcp::socket socket);
  void clientMessage(NetMessage message);
  void clientEnded(PeerEnd why);
  // Stops; `graceful`: what is queued is still written first.
  void stopOnNet(bool graceful = false);
  void status(const std::string& key, const std::string& first = {}, const std::string& second = {});
  void errorStatus(const char* error);

  // Server (net_link_server.cpp).
  void acceptNext(uint64_t generation);
  void serverMessage(NetPeer& from, NetMessage message);
  void serverEnded(NetPeer& peer, PeerEnd why);
  void forward(NetMessage message);
  bool wants(const NetMessage& message, const std::string& nick) const;
  std::string uniqueNick(const std::string& wanted, const NetPeer* asking) const;
  std::vector<std::string> usersList() const;
  std::vector<std::string> infoOf(const std::string& nick, const NetPeer* asking) const;
  void reply(NetPeer& to, char kind, std::vector<std::string> addresses, const std::string& body);
  void deliverHere(NetMessage message);
  void releaseServerFlag();

  std::shared_ptr<NetParams> params_;
  uint64_t generation_ = 0;
  std::string nick_;  // our own nick (server: granted; client: wanted, then granted)
  std::string host_;  // the host we connect to as the user named it
  // Client.
  std::shared_ptr<NetPeer> server_;
  std::unique_ptr<asio::ip::tcp::resolver> resolver_;
  // Server.
  std::unique_ptr<asio::ip::tcp::acceptor> acceptor_;
  std::vector<std::shared_ptr<NetPeer>> clients_;
  bool isServer_ = false;
};

// The role words and status keys are the Logo side's business; these are
// the message kinds on the wire.
namespace netkind {
inline constexpr char kAnnounce = 'a', kAccepted = 'b', kNick = 'x', kNickGranted = 'y', kUsers = 'u',
                      kUsersReply = 'v', kInfo = 'f', kInfoReply = 'g', kWord = 'w', kList = 'l',
                      kImage = 'i', kObject = 'o', kRun = 'r';
}

char upperKind(char kind);
char lowerKind(char kind);

}  // namespace lx
