// Image and colour primitives. `image` and its kin build images from Logo:
// an input that is an image gives its frames, a word names a picture file
// whose frames it gives, and a list gives one frame made of the cells of
// all its elements. So (image "a.bmp "b.bmp) has two frames, one for each
// direction, and image [a.bmp b.bmp] one frame that animates through both.
#include "graphics/image_primitives.h"

#include "core/logo_exception.h"
#include "graphics/colour_tint.h"
#include "graphics/colour_value.h"
#include "graphics/image_loader.h"
#include "graphics/image_methods.h"
#include "graphics/image_record.h"
#include "graphics/image_saving.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "prims/collection_items.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

const std::vector<RawChunk>& noChunks() {
  static const std::vector<RawChunk> none;
  return none;
}

ProjectImageChunks& projectChunks() {
  static ProjectImageChunks chunks = noChunks;
  return chunks;
}

// The frames an input stands for, appended to `frames`.
void addFramesOf(const Value& input, std::vector<tLogoFrame>& frames, int depth = 0);

// Every cell of the input, in order.
tLogoFrame cellsOf(const Value& input) {
  std::vector<tLogoFrame> frames;
  addFramesOf(input, frames);
  tLogoFrame cells;
  for (tLogoFrame& frame : frames) cells.insert(cells.end(), frame.begin(), frame.end());
  return cells;
}

void addFramesOf(const Value& input, std::vector<tLogoFrame>& frames, int depth) {
  if (const tLogoImage* image = asImage(input)) {
    frames.insert(frames.end(), image->frames().begin(), image->frames().end());
  } else if (const tLogoList* list = asList(*input)) {
    // A list nested in a list adds its cells to the same frame.
    if (depth > 0) throw eLogoException(erBadStructure, input);
    tLogoFrame frame;
    for (const Value& element : *list) {
      std::vector<tLogoFrame> inner;
      addFramesOf(element, inner, depth + 1);
      for (tLogoFrame& f : inner) frame.insert(frame.end(), f.begin(), f.end());
    }
    if (!frame.empty()) frames.push_back(std::move(frame));
  } else if (input->isWord() && !input->isNumber()) {
    const Value loaded = loadImageNamed(input->wordText());
    const auto& loadedFrames = asImage(loaded)->frames();
    frames.insert(frames.end(), loadedFrames.begin(), loadedFrames.end());
  } else {
    throw eLogoException(erExpectImage, input);
  }
  if (!framesAllowed(frames)) throw eLogoException(erImageFile, input);
}

// The loop flag and base angle of the first image among the inputs.
Value imageFrom(const std::vector<Value>& inputs, std::vector<tLogoFrame> frames) {
  for (const Value& input : inputs)
    if (const tLogoImage* image = asImage(input))
      return makeImage(std::move(frames), image->baseAngle(), image->loops());
  return makeImage(std::move(frames));
}

Value imageRoutine(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  std::vector<tLogoFrame> frames;
  for (const Value& input : inputs) addFramesOf(input, frames);
  return imageFrom(inputs, std::move(frames));
}

// Every cell becomes a frame of its own, for frames chosen by the heading.
Value toFrames(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  std::vector<tLogoFrame> frames;
  for (const Value& input : inputs)
    for (PictureRef& cell : cellsOf(input)) frames.push_back({std::move(cell)});
  return imageFrom(inputs, std::move(frames));
}

// Every cell of every frame becomes a cell of one frame: an animation.
Value toAnimFilm(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  tLogoFrame film;
  for (const Value& input : inputs) {
    tLogoFrame cells = cellsOf(input);
    film.insert(film.end(), cells.begin(), cells.end());
  }
  std::vector<tLogoFrame> frames;
  if (!film.empty()) frames.push_back(std::move(film));
  return imageFrom(inputs, std::move(frames));
}

std::string nameOf(const Value& value) {
  if (!value->isWord() || value->wordText().empty()) throw eLogoException(erExpectImage, value);
  return value->wordText();
}

Value loadImage(const Value& name) {
  return loadImageNamed(nameOf(name));
}
Value loadBitmap(const Value& name) {
  return loadImageNamed(nameOf(name), ImageDefault::Bitmap);
}

// Each input, a name or a list of names, adds the images they name to the
// list it outputs.
Value loadImageList(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  ListBuilder images;
  for (const Value& input : inputs) {
    if (const tLogoList* list = asList(*input)) {
      for (const Value& name : *list) images.add(loadImageNamed(nameOf(name)));
    } else {
      images.add(loadImageNamed(nameOf(input)));
    }
  }
  return images.finish();
}

// The image of the project's image list at `index`: 0 is the built-in
// turtle; the list holds the images in reverse chunk order.
Value projectImage(const Value& index) {
  const std::vector<RawChunk>& chunks = projectChunks()();
  const int n = index->asIntegerIn(0, static_cast<int32_t>(chunks.size()));
  if (n == 0) return builtinTurtleImage();
  try {
    return readImageChunk(chunks[chunks.size() - n]);
  } catch (const BadPicture&) {
    throw eLogoException(erImageFile, index);
  }
}

// The items of an image for `map` and `foreach`: its frames, each an image
// of one frame, as `item` gives them.
bool framesAsItems(const Value& value, std::vector<Value>& items) {
  const tLogoImage* image = asImage(value);
  if (!image) return false;
  for (const tLogoFrame& frame : image->frames())
    items.push_back(makeImage({frame}, image->baseAngle(), image->loops()));
  return true;
}

Value emptyImage() {
  return makeImage({});
}

Value toRgb(const Value& colour) {
  const Rgb c = colourOf(colour);
  ListBuilder parts;
  parts.add(makeInt(static_cast<int32_t>((c >> 16) & 0xFF)));
  parts.add(makeInt(static_cast<int32_t>((c >> 8) & 0xFF)));
  parts.add(makeInt(static_cast<int32_t>(c & 0xFF)));
  return parts.finish();
}

}  // namespace

void setProjectImageChunks(ProjectImageChunks chunks) {
  projectChunks() = chunks ? chunks : noChunks;
}

void registerImagePrimitives(tLogoTab& table) {
  registerImageMethods(table);
  setValueItems(framesAsItems);
  registerPrimitive<tMainPasProcDesc>(table, "image", false, 2u, imageRoutine);
  registerPrimitive<tMainPasProcDesc0p>(table, "emptyimage", false, emptyImage);
  registerPrimitive<tMainPasProcDesc>(table, "toframes", false, 1u, toFrames);
  registerPrimitive<tMainPasProcDesc>(table, "toanimfilm", false, 1u, toAnimFilm);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadimage", false, loadImage);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadbitmap", false, loadBitmap);
  registerPrimitive<tMainPasProcDesc>(table, "loadimagelist", false, 1u, loadImageList);
  registerPrimitive<tMainPasProcDesc1p>(table, ".loadimage", false, projectImage);
  registerPrimitive<tMainPasProcDesc1p>(table, "torgb", false, toRgb);
  registerColourTint(table);
  registerImageSaving(table);
}

}  // namespace lx
