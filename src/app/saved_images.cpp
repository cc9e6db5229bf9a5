// Writing images of property lists and their chunks.
#include "app/saved_images.h"

#include <iostream>

#include "graphics/image_record.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"
#include "lang/compressed_data.h"
#include "lang/container_writer.h"
#include "lang/dictionary.h"
#include "lang/project_file_writer.h"
#include "values/list.h"
#include "values/list_builder.h"

namespace lx {
namespace {

// Lists nested deeper than this are written as they are.
constexpr int kDeepestImage = 64;

struct FoundImage {
  std::vector<int> path;  // item numbers from the outermost list
  Value image;
};

// A copy of the list with every image (down to kDeepestImage) replaced by
// the empty list, noting where each was.
Value withoutImages(const tLogoList& list, std::vector<int>& path, std::vector<FoundImage>& found) {
  ListBuilder copy;
  int item = 0;
  for (const Value& element : list) {
    path.push_back(++item);
    if (asImage(element)) {
      found.push_back({path, element});
      copy.add(tLogoList::empty());
    } else if (const tLogoList* inner = asList(*element); inner && path.size() < kDeepestImage) {
      copy.add(withoutImages(*inner, path, found));
    } else {
      copy.add(element);
    }
    path.pop_back();
  }
  return copy.finish();
}

std::string pathText(const std::vector<int>& path) {
  std::string text = "[";
  for (size_t i = 0; i < path.size(); ++i) text += (i ? " " : "") + std::to_string(path[i]);
  return text + "]";
}

}  // namespace

// A load puts each chunk in front of its list: the i-th of k chunks (from
// 0) has index k - i.
int SavedImages::indexOf(const Value& image) {
  const int kept = static_cast<int>(kept_.size());
  if (keptImages_.empty() && kept > 0) {
    for (const RawChunk& chunk : kept_) {
      Value decoded;
      try {
        decoded = readImageChunk(chunk);
      } catch (const BadPicture&) {
      }
      keptImages_.push_back(decoded);
    }
  }
  for (int i = 0; i < kept; ++i)
    if (keptImages_[i] && keptImages_[i]->equals(*image)) return kept - i;
  for (size_t i = 0; i < images_.size(); ++i)
    if (images_[i].get() == image.get() || images_[i]->equals(*image)) return kept + static_cast<int>(i) + 1;
  images_.push_back(image);
  return kept + static_cast<int>(images_.size());
}

// New images first, the last index first; then the kept chunks as they were.
void SavedImages::appendChunks(std::iostream& io) const {
  for (auto it = images_.rbegin(); it != images_.rend(); ++it)
    appendImageChunk(io, writeImageRecord(*asImage(*it)), kPackedProjectCompression);
  for (const RawChunk& chunk : kept_) appendChunk(io, chunk.tag, chunk.data);
}

bool holdsImages(const Value& value) {
  if (asImage(value)) return true;
  const tLogoList* list = asList(*value);
  if (!list) return false;
  std::vector<FoundImage> found;
  std::vector<int> path;
  withoutImages(*list, path, found);
  return !found.empty();
}

std::string imageReference(int index) {
  return "( " + localEntry("class", "main") + "'" + localName(".loadimage") + " " + std::to_string(index) +
         " )";
}

std::string plistContentsText(const Value& contents, SavedImages& images) {
  if (asImage(contents)) return imageReference(images.indexOf(contents));
  const tLogoList* list = asList(*contents);
  std::vector<FoundImage> found;
  std::vector<int> path;
  const Value plain = list ? withoutImages(*list, path, found) : contents;
  std::string text = plain->showText(1);
  const std::string replace = localName("deepreplace");
  for (const FoundImage& image : found)
    text = "(" + replace + " " + pathText(image.path) + " " + text + " " +
           imageReference(images.indexOf(image.image)) + ")";
  return text;
}

}  // namespace lx
