// The lookup epoch's counter. It starts at 1, so that a token that never
// resolved (epoch 0) never matches.
#include "interp/lookup_epoch.h"

namespace lx {

std::atomic<uint64_t> lookupEpochCounter{1};

}  // namespace lx
