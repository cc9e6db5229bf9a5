// A plain socket speaking to a network object: the stranger of the
// hostile-peer tests, which may send anything at all. Reads wait ten
// seconds at most, so a test that expects an answer never hangs.
#pragma once

#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>

#include <string>
#include <string_view>

#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>

#include "net/net_message.h"

namespace lx::testing {

class RawPeer {
 public:
  explicit RawPeer(int port) : socket_(context_) {
    socket_.connect({asio::ip::address_v4::loopback(), static_cast<unsigned short>(port)});
    const timeval limit{10, 0};
    ::setsockopt(socket_.native_handle(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  }

  // Sends bytes; answers false when the other side has closed.
  bool write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t sent = ::send(socket_.native_handle(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent <= 0) return false;
      bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return true;
  }
  bool send(const NetMessage& message) { return write(encodeFrame(message)); }

  // Introduces itself as `nick` and answers the nick the server granted
  // ("" when it granted none).
  std::string announce(const std::string& nick) {
    send({'a', {nick}, nick});
    const NetMessage granted = receive();
    return granted.kind == 'b' ? granted.body : std::string();
  }

  // The next message; kind '\0' when the connection ended or ten seconds
  // passed first.
  NetMessage receive() {
    std::string payload;
    while (cutter_.next(payload) != FrameCutter::Cut::Frame) {
      char buffer[4096];
      const ssize_t count = ::recv(socket_.native_handle(), buffer, sizeof buffer, 0);
      if (count <= 0 || !cutter_.append(std::string_view(buffer, static_cast<size_t>(count)))) return {'\0', {}, {}};
    }
    return decodePayload(payload);
  }

  // Stops reading: what the other side sends piles up unread.
  void setReceiveBuffer(int bytes) {
    ::setsockopt(socket_.native_handle(), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
  }

  // Reads until the other side closes: true when it did, false when ten
  // seconds passed first.
  bool closedByOtherSide() {
    char buffer[65536];
    for (;;) {
      const ssize_t count = ::recv(socket_.native_handle(), buffer, sizeof buffer, 0);
      if (count == 0 || (count < 0 && errno == ECONNRESET)) return true;
      if (count < 0) return false;
    }
  }

 private:
  asio::io_context context_;
  asio::ip::tcp::socket socket_;
  FrameCutter cutter_;
};

}  // namespace lx::testing
