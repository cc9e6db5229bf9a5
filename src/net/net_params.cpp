// The queues between the I/O thread and a network object's Logo side.
#include "net/net_params.h"

#include "interp/process_waits.h"

namespace lx {

// Posts one delivery at a time: a flood of messages costs the
// user-interface thread one queued task, not one per message.
void NetParams::wakeLocked(std::unique_lock<std::mutex>& lock) {
  if (!hasWorkLocked() || wakePosted_ || !wake) return;
  wakePosted_ = true;
  lock.unlock();
  wake(shared_from_this());
}

bool NetParams::claimWake() {
  std::lock_guard lock(mutex_);
  wakePosted_ = false;
  return hasWorkLocked();
}

bool NetParams::hasWorkLocked() const {
  return (!messageBusy_ && !messages_.empty()) || (!statusBusy_ && !statuses_.empty());
}

bool NetParams::pushMessage(NetMessage message) {
  std::unique_lock lock(mutex_);
  if (messages_.size() >= kMaxQueuedMessages) return false;
  messages_.push_back(std::move(message));
  wakeLocked(lock);
  return true;
}

void NetParams::pushStatus(NetStatus status) {
  std::unique_lock lock(mutex_);
  if (statuses_.size() >= kMaxQueuedStatuses) return;
  statuses_.push_back(std::move(status));
  wakeLocked(lock);
}

bool NetParams::takeMessage(NetMessage& message) {
  std::lock_guard lock(mutex_);
  if (messageBusy_ || messages_.empty()) return false;
  message = std::move(messages_.front());
  messages_.pop_front();
  messageBusy_ = true;
  return true;
}

bool NetParams::takeStatus(NetStatus& status) {
  std::lock_guard lock(mutex_);
  if (statusBusy_ || statuses_.empty()) return false;
  status = std::move(statuses_.front());
  statuses_.pop_front();
  statusBusy_ = true;
  return true;
}

void NetParams::finishedMessage() {
  std::unique_lock lock(mutex_);
  messageBusy_ = false;
  wakeLocked(lock);
}

void NetParams::finishedStatus() {
  std::unique_lock lock(mutex_);
  statusBusy_ = false;
  wakeLocked(lock);
}

void NetParams::clearQueues() {
  std::lock_guard lock(mutex_);
  messages_.clear();
  statuses_.clear();
}

void NetParams::setGranted(const std::string& nick) {
  std::lock_guard lock(mutex_);
  granted_ = nick;
}

std::string NetParams::granted() const {
  std::lock_guard lock(mutex_);
  return granted_;
}

void NetParams::setConnected(bool connected) {
  std::lock_guard lock(mutex_);
  connected_ = connected;
  if (!connected) granted_.clear();
}

bool NetParams::connected() const {
  std::lock_guard lock(mutex_);
  return connected_;
}

// Replies change under the wait mutex too, so that a process waiting for
// one wakes (process_waits.h).
void NetParams::storeUsers(std::vector<std::string> users) {
  changeAndNotify([&] {
    std::lock_guard lock(mutex_);
    users_ = std::move(users);
    ++replySerial_;
  });
}

void NetParams::storeInfo(std::vector<std::string> info) {
  changeAndNotify([&] {
    std::lock_guard lock(mutex_);
    info_ = std::move(info);
    ++replySerial_;
  });
}

void NetParams::connectionLost() {
  changeAndNotify([&] {
    std::lock_guard lock(mutex_);
    connected_ = false;
    granted_.clear();
    ++replySerial_;
  });
}

uint64_t NetParams::replySerial() const {
  std::lock_guard lock(mutex_);
  return replySerial_;
}

std::vector<std::string> NetParams::users() const {
  std::lock_guard lock(mutex_);
  return users_;
}

std::vector<std::string> NetParams::info() const {
  std::lock_guard lock(mutex_);
  return info_;
}

}  // namespace lx
