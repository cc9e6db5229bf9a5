// NetPeer: one TCP connection between network objects, on the I/O thread.
// It reads frames and hands each message to its owner, and writes queued
// frames one after the other. Everything a stranger can make it hold is
// capped: the inbound buffer by the largest frame, the outbound queue by
// kMaxQueuedBytes (a peer that does not read loses messages, with a
// status text, instead of growing our memory), and a connection that
// never introduces itself is closed after the handshake time.
//
// Every member is used on the I/O thread only; the peer lives as long as
// an operation or its owner holds it.
#pragma once

#include <array>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include "net/net_message.h"

namespace lx {

// Why a connection ended.
enum class PeerEnd {
  Closed,    // the other side closed it, or it broke
  Garbled,   // it sent a frame too large or a length that never ends
  Silent,    // it did not introduce itself in time
  Local,     // we closed it
};

inline constexpr size_t kMaxQueuedBytes = 32u << 20;

class NetPeer : public std::enable_shared_from_this<NetPeer> {
 public:
  using MessageHandler = std::function<void(NetPeer& peer, NetMessage message)>;
  using EndHandler = std::function<void(NetPeer& peer, PeerEnd why)>;
  using DropHandler = std::function<void(NetPeer& peer)>;

  NetPeer(asio::ip::tcp::socket socket, MessageHandler onMessage, EndHandler onEnd, DropHandler onDrop);
  ~NetPeer();

  // Starts reading; a peer that has not called `introduced` within `limit`
  // is closed as Silent.
  void start(std::chrono::milliseconds limit);
  void introduced();
  // Queues a frame; when the queue is full the frame is dropped and the
  // drop handler told.
  void send(std::string frame);
  // Closes the socket; the end handler is not called for a local close.
  void close();
  // Once the queued frames are written, ends its side of the connection
  // and closes when the peer has closed its side too (or after `limit`, for
  // a peer that does not read or never closes); nothing more is handed on
  // meanwhile.
  void finish(std::chrono::milliseconds limit);
  bool open() const { return open_; }

  // The addresses of both ends, as they were when the connection was made.
  const std::string& remoteAddress() const { return remote_; }
  const std::string& localAddress() const { return local_; }

  std::string nick;  // the nick the server granted this participant

 private:
  void readMore();
  void received(size_t count);
  void writeNext();
  void linger();
  void end(PeerEnd why);

  asio::ip::tcp::socket socket_;
  asio::steady_timer handshake_;
  MessageHandler onMessage_;
  EndHandler onEnd_;
  DropHandler onDrop_;
  FrameCutter cutter_;
  std::array<char, 1 << 16> readBuffer_{};
  std::deque<std::string> outbound_;
  size_t queuedBytes_ = 0;
  bool writing_ = false;
  bool finishing_ = false;  // ends its side when the queue is written, closes when the peer does
  bool open_ = true;
  std::string remote_;
  std::string local_;
};

}  // namespace lx
