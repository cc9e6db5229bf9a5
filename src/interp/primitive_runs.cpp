#include "interp/primitive_runs.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace lx {

std::atomic<uint8_t> primitiveRanFlags[kPrimitiveRunSlots];

namespace {

#ifdef LX_RECORD_PRIMITIVE_RUNS

// The registered names and where the record goes; written once at exit.
class RunRecord {
 public:
  RunRecord() {
    const char* folder = std::getenv("LX_PRIMITIVE_RUNS");
    if (folder && *folder) folder_ = folder;
  }
  ~RunRecord() { write(); }

  uint16_t slotOf(std::string_view name) {
    if (folder_.empty()) return 0;
    std::lock_guard lock(mutex_);
    auto [it, added] = slots_.try_emplace(std::string(name), 0);
    if (added) {
      if (names_.size() + 1 >= kPrimitiveRunSlots) {
        slots_.erase(it);
        overflowed_ = true;
        return 0;
      }
      names_.push_back(it->first);
      it->second = static_cast<uint16_t>(names_.size());
    }
    return it->second;
  }

 private:
  // One file per program: "registered NAME" and "ran NAME" lines.
  void write() {
    if (folder_.empty() || names_.empty()) return;
    std::ofstream out(folder_ + "/runs-" + std::to_string(getpid()) + ".txt", std::ios::app);
    if (overflowed_) out << "overflow\n";
    for (size_t i = 0; i < names_.size(); ++i) {
      out << "registered " << names_[i] << '\n';
      if (primitiveRanFlags[i + 1].load(std::memory_order_relaxed)) out << "ran " << names_[i] << '\n';
    }
  }

  std::string folder_;
  std::mutex mutex_;
  std::unordered_map<std::string, uint16_t> slots_;
  std::vector<std::string> names_;  // slot i + 1 holds names_[i]
  bool overflowed_ = false;
};

RunRecord& runRecord() {
  static RunRecord record;
  return record;
}

#endif

}  // namespace

uint16_t primitiveRunSlot([[maybe_unused]] std::string_view name) {
#ifdef LX_RECORD_PRIMITIVE_RUNS
  return runRecord().slotOf(name);
#else
  return 0;
#endif
}

}  // namespace lx
