// Images in a saved project. The text cannot hold an image, so a property
// list that holds images is written as `deepreplace` instructions that put
// each image back, read with `.loadimage` from the project's image list;
// the images themselves go into the container as image chunks.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/value.h"
#include "lang/container_reader.h"

namespace lx {

class SavedImages {
 public:
  // The image chunks of the project loaded last go back as they came, at
  // the indices its load gave them, so that references saved before stay
  // right; images equal to one of them share its index.
  explicit SavedImages(const std::vector<RawChunk>& kept = {}) : kept_(kept) {}

  // The image's index in the image list a load will build, from 1; equal
  // images share one index, so a project saved again after loading keeps
  // one chunk per image.
  int indexOf(const Value& image);
  bool empty() const { return images_.empty() && kept_.empty(); }
  // Appends the image chunks so that a load, which puts each image it reads
  // in front of its list, finds image n at index n.
  void appendChunks(std::iostream& io) const;

 private:
  std::vector<RawChunk> kept_;
  std::vector<Value> keptImages_;  // decoded on first need; none when unreadable
  std::vector<Value> images_;      // new ones, from index kept_.size() + 1
};

// The text of a property list's contents: their show form, or when they
// hold images, the contents with an empty list in each image's place,
// wrapped in one `deepreplace` per image that puts it back.
// An image itself is written as its reference.
std::string plistContentsText(const Value& contents, SavedImages& images);
// Whether the value is an image or a list holding one.
bool holdsImages(const Value& value);
// The expression that reads image `index` of the project's image list.
std::string imageReference(int index);

}  // namespace lx
