// Which of the system's own procedures have run. Test runs set
// LX_PRIMITIVE_RUNS to a folder; every program then writes there, at exit,
// the names it registered and the names it ran, and scripts/check-primitive-runs
// names any registered procedure that no test ever ran. Builds made without
// LX_RECORD_PRIMITIVE_RUNS never read the variable.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

namespace lx {

// Room for every recorded name; slot 0 is shared by everything not
// recorded (Logo procedures, and all descriptors when recording is off),
// so marking a run never needs a test.
inline constexpr uint32_t kPrimitiveRunSlots = 8192;

extern std::atomic<uint8_t> primitiveRanFlags[kPrimitiveRunSlots];

// The slot of a registered name, or 0 when runs are not recorded.
uint16_t primitiveRunSlot(std::string_view name);

inline void notePrimitiveRun(uint16_t slot) { primitiveRanFlags[slot].store(1, std::memory_order_relaxed); }

}  // namespace lx
