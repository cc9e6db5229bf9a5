// The lookup epoch: a counter that moves whenever what a name can resolve to
// may have changed — a descriptor added to or erased from any table, an
// object's lookup chains rebuilt, an object destroyed, another resolver or
// another set of global tables installed. The evaluator remembers in each
// procedure token what the name resolved to and for which current object,
// and trusts that memory only while the epoch has not moved, so a procedure
// defined or redefined while a list is cached is still found at its next
// call.
#pragma once

#include <atomic>
#include <cstdint>

namespace lx {

// Tables change only under the interpreter lock; the counter is atomic so
// that a reader on another thread never sees a torn value.
extern std::atomic<uint64_t> lookupEpochCounter;

inline uint64_t lookupEpoch() { return lookupEpochCounter.load(std::memory_order_relaxed); }
inline void invalidateLookups() { lookupEpochCounter.fetch_add(1, std::memory_order_relaxed); }

}  // namespace lx
