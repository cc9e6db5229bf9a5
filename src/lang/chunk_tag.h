// Chunk tags: the four ASCII characters (blank-padded) that open every chunk
// of a container and say what its data holds.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lx {

class ChunkTag {
 public:
  constexpr ChunkTag() : chars_{' ', ' ', ' ', ' '} {}
  // From a literal of exactly four characters: ChunkTag("TX 1").
  constexpr explicit ChunkTag(const char (&text)[5]) : chars_{text[0], text[1], text[2], text[3]} {}
  // From the first four bytes of `bytes`, which must hold at least four.
  static ChunkTag fromBytes(const char* bytes) {
    ChunkTag tag;
    for (size_t i = 0; i < 4; ++i) tag.chars_[i] = bytes[i];
    return tag;
  }

  std::string_view text() const { return {chars_.data(), chars_.size()}; }
  const char* data() const { return chars_.data(); }
  constexpr bool operator==(const ChunkTag& other) const = default;

 private:
  std::array<char, 4> chars_;
};

// The tags this system knows, in the order of its tag table.
inline constexpr ChunkTag kTagPictureSet("FS 1");  // the pictures of one frame, inside image records
inline constexpr ChunkTag kTagText("TX 1");        // project text
inline constexpr ChunkTag kTagTextZ("TXZ1");       // project text, compressed
inline constexpr ChunkTag kTagImage("IM 1");       // one image record
inline constexpr ChunkTag kTagImageZ("IMZ1");      // one image record, compressed
inline constexpr ChunkTag kTagIcon("IC 1");        // the project's icon, a BMP stream
inline constexpr ChunkTag kTagIconZ("ICZ1");       // the project's icon, compressed
inline constexpr ChunkTag kTagLanguage("LA 1");    // the language of the project text

inline constexpr std::array<ChunkTag, 8> kKnownChunkTags = {
    kTagPictureSet, kTagText, kTagTextZ, kTagImage, kTagImageZ, kTagIcon, kTagIconZ, kTagLanguage};

inline bool isTextTag(ChunkTag tag) {
  return tag == kTagText || tag == kTagTextZ;
}
inline bool isImageTag(ChunkTag tag) {
  return tag == kTagImage || tag == kTagImageZ;
}
inline bool isIconTag(ChunkTag tag) {
  return tag == kTagIcon || tag == kTagIconZ;
}
// Compressed chunks hold the uncompressed length (4 bytes), then a zlib stream.
inline bool isCompressedTag(ChunkTag tag) {
  return tag == kTagTextZ || tag == kTagImageZ || tag == kTagIconZ;
}

}  // namespace lx
