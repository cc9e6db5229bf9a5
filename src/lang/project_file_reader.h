// Reading a project file: a container with images and project text, or a
// stream that is project text as a whole.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "lang/container_reader.h"

namespace lx {

struct ProjectFileContents {
  bool isContainer = false;
  // As readLanguage gives it: "*" for plain text, "" for English.
  std::string language = "*";
  // The first text chunk, uncompressed; or the whole stream.
  std::string text;
  // The image chunks as stored, in chunk order. The project's image list
  // holds them the other way round: the loader puts each in front.
  std::vector<RawChunk> images;
  // The first icon chunk ("IC 1" or "ICZ1") as stored, if there is one.
  std::optional<RawChunk> icon;
};

// Reads the images first, walking every chunk of the count, then the first
// text chunk. A container without a text chunk is error 60; a version above
// 5 is error 174 and the old format error 190 (both from the probe).
ProjectFileContents readProjectFile(std::istream& in);

}  // namespace lx
