// The layout of the chunked container that holds projects, image and shape
// files and the packed project: a five-byte signature with the version, a
// chunk count, then tagged, length-prefixed chunks back to back.
//
//   offset 0  "LGF"
//   offset 3  the version as two ASCII digits: "04" without a language
//             chunk, "05" with one
//   offset 5  the number of chunks (32-bit little-endian, signed)
//   offset 9  the chunks: tag (4 bytes), length n (4 bytes), n bytes of data
//
// A container always starts at position 0 of its stream.
#pragma once

#include <cstdint>
#include <ios>
#include <string_view>

namespace lx {

inline constexpr std::string_view kContainerSignature = "LGF";
// Projects of an older format, which are recognised but not read.
inline constexpr std::string_view kOldFormatSignature = "IIP";

inline constexpr int kVersionWithoutLanguage = 4;
inline constexpr int kVersionWithLanguage = 5;

inline constexpr std::streamoff kSignatureSize = 5;
inline constexpr std::streamoff kCountOffset = 5;
inline constexpr std::streamoff kFirstChunkOffset = 9;
inline constexpr std::streamoff kChunkHeaderSize = 8;

// What the caller is opening, which decides how an unreadable file fails.
enum ContainerKind : uint8_t {
  ckProbeOnly = 0,    // only asks; never fails
  ckImageFile = 1,    // an image or shape file (".LGF"): must be a container
  ckProjectFile = 2,  // a project (".LXP"): may also be plain project text
};

}  // namespace lx
