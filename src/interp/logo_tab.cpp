// Direct-indexed descriptor tables and their insertion lists.
#include "interp/logo_tab.h"

#include "core/logo_exception.h"
#include "interp/lookup_epoch.h"

namespace lx {

std::mutex& tLogoTab::listLock() {
  static std::mutex lock;
  return lock;
}

tLogoTab::~tLogoTab() {
  invalidateLookups();
  std::lock_guard guard(listLock());
  head_ = tail_ = nullptr;
  for (auto& entry : entries_)
    if (entry) entry->table = nullptr;
}

void tLogoTab::failFind(NameCode code) const { throw eLogoException::withName(missingCode(), code); }

tTabDesc* tLogoTab::find(NameCode code) const {
  tTabDesc* desc = findOrNull(code);
  if (!desc) failFind(code);
  return desc;
}

// The array grows in steps of 512 codes around the codes actually used, so
// that tables of objects with a few names stay small while the main
// object's table of primitives covers one dense range.
void tLogoTab::growToCover(NameCode code) {
  constexpr NameCode kStep = 512;
  if (entries_.empty()) {
    low_ = code > 256 ? code - 256 : 1;
    high_ = low_ + kStep;
    entries_.resize(high_ - low_ + 1);
    return;
  }
  if (code >= low_ && code <= high_) return;
  NameCode newLow = low_, newHigh = high_;
  if (code < low_) newLow = low_ - code <= kStep ? (low_ > kStep ? low_ - kStep : 1) : code;
  if (code > high_) newHigh = code - high_ <= kStep ? high_ + kStep : code;
  std::vector<std::unique_ptr<tTabDesc>> grown(newHigh - newLow + 1);
  for (NameCode c = low_; c <= high_; ++c) grown[c - newLow] = std::move(entries_[c - low_]);
  entries_ = std::move(grown);
  low_ = newLow;
  high_ = newHigh;
}

tTabDesc* tLogoTab::add(std::unique_ptr<tTabDesc> desc) {
  const NameCode code = desc->name;
  if (code < 1) throw eLogoException(erInternLogoTab);
  // "#n" stands for an object of a project being loaded; its code lies far
  // above every interned name, and a table indexed up to it would need
  // gigabytes (project text may well write `make "#5 1`).
  if (isObjectNumberCode(code))
    throw eLogoException::withWord(erWrongVarName, "#" + std::to_string(objectNumberOf(code)));
  invalidateLookups();
  growToCover(code);
  std::unique_ptr<tTabDesc>& slot = entries_[code - low_];
  if (slot) {
    unlink(slot.get());
    slot.reset();
  }
  desc->table = this;
  slot = std::move(desc);
  link(slot.get());
  return slot.get();
}

void tLogoTab::eraseEntry(NameCode code) {
  tTabDesc* desc = findOrNull(code);
  if (!desc) failFind(code);
  invalidateLookups();
  unlink(desc);
  entries_[code - low_].reset();
}

void tLogoTab::renameEntry(NameCode from, NameCode to) {
  tTabDesc* desc = findOrNull(from);
  if (!desc) failFind(from);
  if (to < 1) throw eLogoException(erInternLogoTab);
  if (from == to) return;
  invalidateLookups();
  std::unique_ptr<tTabDesc> moved = std::move(entries_[from - low_]);
  growToCover(to);
  std::unique_ptr<tTabDesc>& slot = entries_[to - low_];
  if (slot) {
    unlink(slot.get());
    slot.reset();
  }
  {
    std::lock_guard guard(listLock());
    moved->name = to;
  }
  slot = std::move(moved);
}

void tLogoTab::eraseAll(NameCode except) {
  invalidateLookups();
  for (NameCode c = low_; c <= high_ && !entries_.empty(); ++c) {
    std::unique_ptr<tTabDesc>& slot = entries_[c - low_];
    if (!slot || (slot->flags & kBuiltIn) || c == except || !slot->mayErase()) continue;
    unlink(slot.get());
    slot.reset();
  }
}

void tLogoTab::forEach(const std::function<void(tTabDesc&)>& visit) const {
  // Collected under the lock, visited outside it: a visitor may change tables.
  std::vector<tTabDesc*> inOrder;
  {
    std::lock_guard guard(listLock());
    inOrder.reserve(size_);
    for (tTabDesc* d = head_; d; d = d->next) inOrder.push_back(d);
  }
  for (tTabDesc* d : inOrder) visit(*d);
}

int tLogoTab::indexOf(NameCode code) const {
  std::lock_guard guard(listLock());
  int index = 0;
  for (tTabDesc* d = head_; d; d = d->next, ++index)
    if (d->name == code) return index;
  return -1;
}

void tLogoTab::link(tTabDesc* desc) {
  std::lock_guard guard(listLock());
  desc->prev = tail_;
  desc->next = nullptr;
  if (tail_)
    tail_->next = desc;
  else
    head_ = desc;
  tail_ = desc;
  ++size_;
}

void tLogoTab::unlink(tTabDesc* desc) {
  std::lock_guard guard(listLock());
  (desc->prev ? desc->prev->next : head_) = desc->next;
  (desc->next ? desc->next->prev : tail_) = desc->prev;
  desc->next = desc->prev = nullptr;
  --size_;
}

}  // namespace lx
