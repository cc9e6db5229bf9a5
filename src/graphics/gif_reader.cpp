// GIF pictures through giflib, record by record rather than all at once, so
// that every image's size is checked before its pixels are read and the
// number of cells stays within the limits. Each image is composed on the
// file's screen and the screen after it becomes one cell.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/library_codecs.h"
#include "graphics/picture_bytes.h"

namespace lx {
namespace {

struct GifInput {
  std::string_view bytes;
  size_t at = 0;
};

int readInput(GifFileType* gif, GifByteType* into, int count) {
  auto* input = static_cast<GifInput*>(gif->UserData);
  const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), input->bytes.size() - input->at);
  std::memcpy(into, input->bytes.data() + input->at, n);
  input->at += n;
  return static_cast<int>(n);
}

// The screen the images are painted on: colours, and which pixels an image
// has painted (the others stay transparent).
struct Screen {
  int width = 0;
  int height = 0;
  std::vector<Rgb> colours;
  std::vector<uint8_t> painted;
  void resize(int w, int h) {
    width = w, height = h;
    colours.assign(static_cast<size_t>(w) * h, 0);
    painted.assign(static_cast<size_t>(w) * h, 0);
  }
};

class GifDecoder {
 public:
  explicit GifDecoder(GifFileType* gif) : gif_(gif) {}
  GifFrames run();

 private:
  bool readImage();
  bool readExtension();
  void paint(const std::vector<GifPixelType>& indices, const GifImageDesc& desc, const ColorMapObject& map);
  void addCell();
  void dispose(const GifImageDesc& desc, const Screen& before);

  GifFileType* gif_;
  Screen screen_;
  GraphicsControlBlock control_{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  GifFrames result_;
  int64_t pixels_ = 0;
};

GifFrames GifDecoder::run() {
  int w = gif_->SWidth, h = gif_->SHeight;
  if (!pictureSizeAllowed(w, h)) throw BadPicture("GIF screen size");
  screen_.resize(w, h);
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif_, &type) == GIF_ERROR) break;
    if (type == TERMINATE_RECORD_TYPE) break;
    const bool more = type == IMAGE_DESC_RECORD_TYPE  ? readImage()
                      : type == EXTENSION_RECORD_TYPE ? readExtension()
                                                      : false;
    if (!more) break;
  }
  // A file cut short keeps the cells it had; one without any is no picture.
  if (result_.cells.empty()) throw BadPicture("InvalidGIFformat");
  return std::move(result_);
}

bool GifDecoder::readImage() {
  if (DGifGetImageDesc(gif_) == GIF_ERROR) return false;
  const GifImageDesc desc = gif_->Image;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif_->SColorMap;
  if (!map || !pictureSizeAllowed(desc.Width, desc.Height)) return false;
  if (result_.cells.size() >= static_cast<size_t>(kMostImageCells) ||
      pixels_ + int64_t{screen_.width} * screen_.height > kMostImagePixels)
    return false;
  std::vector<GifPixelType> indices(static_cast<size_t>(desc.Width) * desc.Height);
  // Interlaced images come in four passes over every 8th, 8th, 4th and 2nd row.
  static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  const int passes = desc.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass)
    for (int y = desc.Interlace ? kStart[pass] : 0; y < desc.Height; y += desc.Interlace ? kStep[pass] : 1)
      if (DGifGetLine(gif_, &indices[static_cast<size_t>(y) * desc.Width], desc.Width) == GIF_ERROR)
        return false;
  const Screen before = control_.DisposalMode == DISPOSE_PREVIOUS ? screen_ : Screen{};
  paint(indices, desc, *map);
  addCell();
  dispose(desc, before);
  control_ = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  return true;
}

void GifDecoder::paint(const std::vector<GifPixelType>& indices, const GifImageDesc& desc,
                       const ColorMapObject& map) {
  for (int y = 0; y < desc.Height; ++y) {
    const int sy = desc.Top + y;
    if (sy < 0 || sy >= screen_.height) continue;
    for (int x = 0; x < desc.Width; ++x) {
      const int sx = desc.Left + x;
      const int index = indices[static_cast<size_t>(y) * desc.Width + x];
      if (sx < 0 || sx >= screen_.width || index == control_.TransparentColor) continue;
      // An index past the colour table paints black rather than reading past it.
      const GifColorType c = index < map.ColorCount ? map.Colors[index] : GifColorType{0, 0, 0};
      const size_t at = static_cast<size_t>(sy) * screen_.width + sx;
      screen_.colours[at] = rgb(c.Red, c.Green, c.Blue);
      screen_.painted[at] = 1;
    }
  }
}

void GifDecoder::addCell() {
  auto cell = std::make_unique<tLogoPicture>(screen_.width, screen_.height);
  for (int y = 0; y < screen_.height; ++y)
    for (int x = 0; x < screen_.width; ++x) {
      const size_t at = static_cast<size_t>(y) * screen_.width + x;
      cell->setPixel(x, y, screen_.colours[at]);
      if (!screen_.painted[at]) cell->setMasked(x, y, true);
    }
  cell->hotSpot = {screen_.width / 2, screen_.height / 2};
  cell->delay = control_.DelayTime * 10;
  pixels_ += int64_t{screen_.width} * screen_.height;
  result_.cells.push_back(sharePicture(std::move(cell)));
}

// What the image leaves for the next one: the background (transparent)
// where it was, the screen as it was before it, or itself.
void GifDecoder::dispose(const GifImageDesc& desc, const Screen& before) {
  if (control_.DisposalMode == DISPOSE_PREVIOUS && !before.colours.empty()) {
    screen_ = before;
  } else if (control_.DisposalMode == DISPOSE_BACKGROUND) {
    for (int y = std::max(desc.Top, 0); y < std::min(desc.Top + desc.Height, screen_.height); ++y)
      for (int x = std::max(desc.Left, 0); x < std::min(desc.Left + desc.Width, screen_.width); ++x)
        screen_.painted[static_cast<size_t>(y) * screen_.width + x] = 0;
  }
}

bool GifDecoder::readExtension() {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif_, &code, &block) == GIF_ERROR) return false;
  if (block && code == GRAPHICS_EXT_FUNC_CODE) DGifExtensionToGCB(block[0], block + 1, &control_);
  if (block && code == APPLICATION_EXT_FUNC_CODE && block[0] == 11) {
    const std::string_view name(reinterpret_cast<const char*>(block + 1), 11);
    if (name == "NETSCAPE2.0" || name == "ANIMEXTS1.0") result_.loops = true;
  }
  while (block) {
    if (DGifGetExtensionNext(gif_, &block) == GIF_ERROR) return false;
  }
  return true;
}

}  // namespace

GifFrames readGif(std::string_view bytes) {
  GifInput input{bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, readInput, &error);
  if (!gif) throw BadPicture("InvalidGIFformat");
  try {
    GifFrames frames = GifDecoder(gif).run();
    DGifCloseFile(gif, &error);
    return frames;
  } catch (...) {
    DGifCloseFile(gif, &error);
    throw;
  }
}

}  // namespace lx
