// Writing the parts of project and image files: the project header with its
// language chunk, the text chunk, image records and the icon.
#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

namespace lx {

// Writes "LGF04" and a count of 0 when the language is English (empty, "*"
// or "english" in any letter case), else "LGF05", the count and a language
// chunk with the name; then begins the text chunk. Answers where the text's
// data begins. The stream must be empty.
std::streamoff beginProjectFile(std::iostream& io, std::string_view language);
// Ends the text chunk begun by beginProjectFile with what was written since:
// "TXZ1" when `compressed`, in which case what was written must be the
// compressed form (the text's length, then its zlib stream), else "TX 1".
void endTextChunk(std::iostream& io, std::streamoff dataStart, bool compressed);

// A whole text chunk: "TX 1" without a compression level, else "TXZ1"
// compressed at that zlib level.
void appendTextChunk(std::iostream& io, std::string_view text, std::optional<int> level);
// An image record as "IM 1", or compressed as "IMZ1". On an empty stream the
// header "LGF04" and a count of 0 come first, so that one image makes an
// image file.
void appendImageChunk(std::iostream& io, std::string_view record, std::optional<int> level);
// The project's icon, a BMP stream, as "IC 1" or compressed as "ICZ1".
void appendIconChunk(std::iostream& io, std::string_view bitmap, std::optional<int> level);

}  // namespace lx
