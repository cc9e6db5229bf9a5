// Reading and writing one connection.
#include "net/net_peer.h"

#include <asio/read.hpp>
#include <asio/write.hpp>

#include "net/net_io.h"

namespace lx {

NetPeer::NetPeer(asio::ip::tcp::socket socket, MessageHandler onMessage, EndHandler onEnd, DropHandler onDrop)
    : socket_(std::move(socket)),
      handshake_(socket_.get_executor()),
      onMessage_(std::move(onMessage)),
      onEnd_(std::move(onEnd)),
      onDrop_(std::move(onDrop)) {
  asio::error_code ignored;
  const auto remote = socket_.remote_endpoint(ignored);
  if (!ignored) remote_ = remote.address().to_string();
  const auto local = socket_.local_endpoint(ignored);
  if (!ignored) local_ = local.address().to_string();
  socket_.set_option(asio::ip::tcp::no_delay(true), ignored);
  socket_.set_option(asio::socket_base::keep_alive(true), ignored);
}

NetPeer::~NetPeer() {
  if (open_ && finishing_) lingerEnded();
}

void NetPeer::start(std::chrono::milliseconds limit) {
  handshake_.expires_after(limit);
  handshake_.async_wait([self = shared_from_this()](const asio::error_code& error) {
    if (!error && self->open_ && !self->finishing_) self->end(PeerEnd::Silent);
  });
  readMore();
}

void NetPeer::introduced() {
  if (!finishing_) handshake_.cancel();
}

void NetPeer::readMore() {
  socket_.async_read_some(asio::buffer(readBuffer_),
                          [self = shared_from_this()](const asio::error_code& error, size_t count) {
                            if (!self->open_) return;
                            if (error) {
                              self->end(PeerEnd::Closed);
                              return;
                            }
                            self->received(count);
                          });
}

// Hands every complete frame on, then reads again. A handler may close
// the peer; nothing more is read then.
void NetPeer::received(size_t count) {
  if (!cutter_.append(std::string_view(readBuffer_.data(), count))) {
    end(PeerEnd::Garbled);
    return;
  }
  std::string payload;
  for (;;) {
    const FrameCutter::Cut cut = cutter_.next(payload);
    if (cut == FrameCutter::Cut::Broken) {
      end(PeerEnd::Garbled);
      return;
    }
    if (cut == FrameCutter::Cut::NeedMore) break;
    if (!onMessage_) continue;
    onMessage_(*this, decodePayload(payload));
    if (!open_) return;
  }
  readMore();
}

void NetPeer::send(std::string frame) {
  if (!open_) return;
  if (queuedBytes_ + frame.size() > kMaxQueuedBytes) {
    if (onDrop_) onDrop_(*this);
    return;
  }
  queuedBytes_ += frame.size();
  outbound_.push_back(std::move(frame));
  if (!writing_) writeNext();
}

void NetPeer::writeNext() {
  if (outbound_.empty() || !open_) {
    writing_ = false;
    if (finishing_) linger();
    return;
  }
  writing_ = true;
  asio::async_write(socket_, asio::buffer(outbound_.front()),
                    [self = shared_from_this()](const asio::error_code& error, size_t) {
                      if (!self->open_) return;
                      self->queuedBytes_ -= self->outbound_.front().size();
                      self->outbound_.pop_front();
                      if (error) {
                        self->end(PeerEnd::Closed);
                        return;
                      }
                      self->writeNext();
                    });
}

void NetPeer::close() {
  if (!open_) return;
  open_ = false;
  if (finishing_) lingerEnded();
  handshake_.cancel();
  asio::error_code ignored;
  socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
  outbound_.clear();
  queuedBytes_ = 0;
}

void NetPeer::end(PeerEnd why) {
  if (!open_) return;
  close();
  if (onEnd_) onEnd_(*this, why);
}

void NetPeer::finish(std::chrono::milliseconds limit) {
  if (!open_) return;
  onMessage_ = nullptr;
  onEnd_ = nullptr;
  onDrop_ = nullptr;
  finishing_ = true;
  lingerBegan();
  handshake_.expires_after(limit);
  handshake_.async_wait([self = shared_from_this()](const asio::error_code& error) {
    if (!error) self->close();
  });
  if (!writing_) linger();
}

// Everything is written: the peer is told no more comes, and what it still
// sends is read and dropped until it closes too (or the time is up). Closing
// at once, with its data unread here, would reset the connection, and the
// peer could lose the last messages it had not read yet.
void NetPeer::linger() {
  asio::error_code ignored;
  socket_.shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
}

}  // namespace lx
