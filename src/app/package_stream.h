// `tExe2MemStream`: a read-only stream over one package entry (or a whole
// mapped file), reading straight from the mapping it keeps alive. It is an
// input stream only, so nothing can write to the package through it.
#pragma once

#include <istream>
#include <memory>
#include <span>
#include <streambuf>

#include "platform/mapped_file.h"

namespace lx {

class tExe2MemStream : public std::istream {
 public:
  // A stream over `bytes`, which lie inside `mapping`.
  tExe2MemStream(std::shared_ptr<const MappedFile> mapping, std::span<const uint8_t> bytes);

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(std::span<const uint8_t> bytes);

   protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction,
                     std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;
  };

  std::shared_ptr<const MappedFile> mapping_;
  Buffer buffer_;
};

}  // namespace lx
