// The pool of list-cell blocks and its counters.
#include "values/cell_pool.h"

#include <sanitizer/asan_interface.h>

#include <cassert>
#include <new>
#include <vector>

#include "values/list.h"
#include "values/pools.h"

namespace lx {
namespace {

constexpr size_t kCellsPerBlock = 10000;
constexpr size_t kBlockSize = sizeof(tLogoList);

// Idle blocks wait in a vector of their addresses. Under the address
// sanitizer an idle block is poisoned, so that a cell used after it died is
// still caught although its memory stays in the pool.
struct CellPool {
  std::vector<void*> idle;
  uint64_t allocations = 0;
  uint64_t frees = 0;

  CellPool() { idle.reserve(kCellsPerBlock); }
  void push(void* block) {
    ASAN_POISON_MEMORY_REGION(block, kBlockSize);
    idle.push_back(block);
  }
  void* pop() {
    void* block = idle.back();
    idle.pop_back();
    ASAN_UNPOISON_MEMORY_REGION(block, kBlockSize);
    return block;
  }
};

// Never destroyed: cells held by static values may die after every other
// static object, and their blocks still need somewhere to go.
CellPool& pool() {
  static CellPool* p = new CellPool;
  return *p;
}

}  // namespace

void* takeCellBlock(size_t size) {
  assert(size == kBlockSize);
  CellPool& p = pool();
  ++p.allocations;
  if (size == kBlockSize && !p.idle.empty() && isLogoProcessThread()) return p.pop();
  return ::operator new(size);
}

void giveBackCellBlock(void* block, size_t size) {
  CellPool& p = pool();
  ++p.frees;
  if (size == kBlockSize && p.idle.size() < kCellsPerBlock) {
    p.push(block);
    return;
  }
  ::operator delete(block);
}

void initCellPool() {
  CellPool& p = pool();
  while (p.idle.size() < kCellsPerBlock) p.push(::operator new(kBlockSize));
}

CellPoolStats cellPoolStats() {
  const CellPool& p = pool();
  return {p.idle.size(), p.allocations, p.frees};
}

}  // namespace lx
