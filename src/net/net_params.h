// NetParams: what the I/O thread hands to a network object's Logo side.
// Received messages and status notices wait in two capped queues; the
// user-interface thread takes them one at a time (see net_delivery.h) and
// raises the next event only after the previous one's handler has ended.
// The replies `users` and `info` wait for, the granted nick and whether
// the object is connected are kept here too.
//
// Locking: every member below the mutex is guarded by it; `delivery` and
// `owner` are set once, under the interpreter lock, before any socket runs.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/net_message.h"

namespace lx {

class tLogoNet;

// A status notice: the text's key and its two texts to fill in. `lost`:
// the connection to the server was lost, and what was received goes.
struct NetStatus {
  std::string key;
  std::string first;
  std::string second;
  bool lost = false;
};

// What is queued at most. A peer that sends faster than the handlers take
// its messages loses the newest ones, with a status text.
inline constexpr size_t kMaxQueuedMessages = 256;
inline constexpr size_t kMaxQueuedStatuses = 64;

class NetParams : public std::enable_shared_from_this<NetParams> {
 public:
  // Called (on the I/O thread) when there is something for the Logo side:
  // posts the delivery to the user-interface thread.
  std::function<void(std::shared_ptr<NetParams>)> wake;
  // The object the Logo side delivers to; cleared when it is destroyed.
  // Guarded by the interpreter lock.
  tLogoNet* owner = nullptr;

  // --- Filled by the I/O thread ---
  // Answers false when the queue is full and the message was dropped.
  bool pushMessage(NetMessage message);
  void pushStatus(NetStatus status);
  void setGranted(const std::string& nick);
  void setConnected(bool connected);
  void storeUsers(std::vector<std::string> users);
  void storeInfo(std::vector<std::string> info);
  // The connection dropped: a waiting `users` or `info` gives up.
  void connectionLost();

  // --- Read by the Logo side ---
  std::string granted() const;
  bool connected() const;
  // Takes the next message or status when none is being handled; the
  // caller calls `finished...` when its handler has ended.
  bool takeMessage(NetMessage& message);
  bool takeStatus(NetStatus& status);
  void finishedMessage();
  void finishedStatus();
  // Forgets queued messages and statuses (disconnecting).
  void clearQueues();
  // A serial number that changes with every stored reply or lost
  // connection, and the replies themselves.
  uint64_t replySerial() const;
  std::vector<std::string> users() const;
  std::vector<std::string> info() const;
  // The posted delivery has started: the next change posts another.
  // Answers whether there is anything to take now.
  bool claimWake();

 private:
  void wakeLocked(std::unique_lock<std::mutex>& lock);
  bool hasWorkLocked() const;

  mutable std::mutex mutex_;
  std::deque<NetMessage> messages_;
  std::deque<NetStatus> statuses_;
  bool messageBusy_ = false;  // a message's handler is running
  bool statusBusy_ = false;   // a status's handler is running
  bool wakePosted_ = false;   // a delivery is posted and has not run yet
  std::string granted_;
  bool connected_ = false;
  std::vector<std::string> users_;
  std::vector<std::string> info_;
  uint64_t replySerial_ = 0;
};

}  // namespace lx
