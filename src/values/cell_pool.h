// The cell pool: memory blocks for list cells, kept for reuse so that loops
// over list data do not go to the allocator for every cell.
//
// Like the value pools, only Logo process threads take blocks from it; a
// freed cell's block goes back while the pool holds fewer than 10,000. Only
// the holder of the interpreter lock makes or frees cells, so the pool has
// no lock of its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lx {

// A block for one cell of `size` bytes.
void* takeCellBlock(size_t size);
void giveBackCellBlock(void* block, size_t size);

// Fills the pool with 10,000 blocks (start-up). Safe to call again.
void initCellPool();

struct CellPoolStats {
  size_t idle;           // blocks waiting in the pool
  uint64_t allocations;  // cells made so far
  uint64_t frees;        // cells freed so far
};
CellPoolStats cellPoolStats();

}  // namespace lx
