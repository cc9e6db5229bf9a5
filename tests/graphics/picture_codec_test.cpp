// Reading picture files: bitmaps of every depth in both row orders, PNG
// with transparency, JPEG, animated GIF, icons and the native image record,
// all made by the tests; and damaged or hostile files, which must fail as
// bad pictures without allocating what their headers claim.
#include <gtest/gtest.h>

#include "graphics/bmp_codec.h"
#include "graphics/icon_reader.h"
#include "graphics/image_loader.h"
#include "graphics/image_record.h"
#include "graphics/library_codecs.h"
#include "graphics/logo_image.h"
#include "graphics/picture_bytes.h"
#include "picture_files.h"
#include "values/pools.h"

namespace lx {
namespace {

using testing::bmpFile;
using testing::putU32;

constexpr Rgb kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00, kBlack = 0;

// A 5 x 3 picture: red, a blue upper-left corner, a green lower-right one.
Rgb sample(int x, int y) {
  if (x == 0 && y == 0) return kBlue;
  if (x == 4 && y == 2) return kGreen;
  return kRed;
}

void expectSample(const tLogoPicture& picture) {
  ASSERT_EQ(picture.width(), 5);
  ASSERT_EQ(picture.height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(picture.pixel(x, y), sample(x, y)) << x << "," << y;
  EXPECT_EQ(picture.hotSpot, (PixelPoint{2, 1}));
  EXPECT_FALSE(picture.hasMask());
}

class PictureCodecs : public ::testing::Test {
 protected:
  PictureCodecs() { setLogoProcessThread(true); }
};

TEST_F(PictureCodecs, BitmapsOfEveryDepthAndRowOrderReadAlike) {
  const std::vector<Rgb> palette = {kRed, kBlue, kGreen, kBlack};
  for (int bits : {4, 8, 16, 24, 32})
    for (int height : {3, -3}) {
      SCOPED_TRACE("bits " + std::to_string(bits) + " height " + std::to_string(height));
      expectSample(*readBmp(bmpFile(5, height, bits, sample, bits <= 8 ? palette : std::vector<Rgb>{})));
    }
  const auto twoColours = [](int x, int y) { return (x + y) % 2 ? kBlack : 0xFFFFFF; };
  const auto mono = readBmp(bmpFile(9, 2, 1, twoColours, {kBlack, 0xFFFFFF}));
  EXPECT_EQ(mono->pixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(mono->pixel(8, 1), kBlack);
}

TEST_F(PictureCodecs, WrittenBitmapsAndMasksReadBack) {
  auto picture = readBmp(bmpFile(5, 3, 24, sample));
  picture->setMasked(1, 1, true);
  expectSample(*readBmp(writeBmp(*picture)));
  const auto mask = readBmp(writeMaskBmp(*picture));
  EXPECT_EQ(mask->pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(mask->pixel(0, 0), kBlack);
}

TEST_F(PictureCodecs, DamagedAndHostileBitmapsAreBadPictures) {
  const std::string good = bmpFile(5, 3, 24, sample);
  EXPECT_THROW(readBmp(good.substr(0, good.size() - 1)), BadPicture);
  EXPECT_THROW(readBmp(good.substr(0, 20)), BadPicture);
  EXPECT_THROW(readBmp("XX" + good.substr(2)), BadPicture);
  std::string huge = good;
  putU32(huge, 18, 60000), putU32(huge, 22, 60000);  // 3.6 gigapixels
  EXPECT_THROW(readBmp(huge), BadPicture);
  std::string offset = good;
  putU32(offset, 10, 0xFFFFFFF0);
  EXPECT_THROW(readBmp(offset), BadPicture);
  std::string depth = good;
  depth[28] = 7;
  EXPECT_THROW(readBmp(depth), BadPicture);
  std::string runLength = bmpFile(5, 3, 8, sample, {kRed, kBlue, kGreen});
  putU32(runLength, 30, 1);
  EXPECT_THROW(readBmp(runLength), BadPicture);
  // A palette shorter than the indices used reads black, not past the palette.
  const auto shortPalette =
      readBmp(bmpFile(5, 3, 8, sample, {kRed, kBlue, kGreen}).replace(46, 4, "\1\0\0\0", 4));
  EXPECT_EQ(shortPalette->pixel(0, 0), kBlack);
}

TEST_F(PictureCodecs, PngKeepsTransparencyAsTheMask) {
  const auto picture = readPng(testing::pngFile(5, 3, sample, [](int x, int y) { return x == 2 && y == 1; }));
  EXPECT_EQ(picture->pixel(0, 0), kBlue);
  EXPECT_TRUE(picture->masked(2, 1));
  EXPECT_FALSE(picture->masked(3, 1));
  std::string png = testing::pngFile(5, 3, sample, [](int, int) { return false; });
  EXPECT_THROW(readPng(png.substr(0, png.size() / 2)), BadPicture);
  // The header's width, patched to 100000 (its checksum no longer fits either).
  png[16] = 0, png[17] = 1, png[18] = static_cast<char>(0x86), png[19] = static_cast<char>(0xA0);
  EXPECT_THROW(readPng(png), BadPicture);
}

TEST_F(PictureCodecs, JpegDecodesNearTheColoursItWasMadeOf) {
  const auto picture = readJpeg(testing::jpegFile(16, 8, [](int x, int) { return x < 8 ? kRed : kBlue; }));
  ASSERT_EQ(picture->width(), 16);
  const Rgb left = picture->pixel(2, 4), right = picture->pixel(13, 4);
  EXPECT_GT((left >> 16) & 0xFF, 200u);
  EXPECT_LT(left & 0xFF, 60u);
  EXPECT_GT(right & 0xFF, 200u);
  std::string jpeg = testing::jpegFile(16, 8, sample);
  EXPECT_THROW(readJpeg(jpeg.substr(0, 40)), BadPicture);
  EXPECT_THROW(readJpeg("not a jpeg at all"), BadPicture);
  // The frame header's height and width, patched to 65000 x 65000.
  const size_t frame = jpeg.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  jpeg[frame + 5] = jpeg[frame + 7] = static_cast<char>(0xFD);
  jpeg[frame + 6] = jpeg[frame + 8] = static_cast<char>(0xE8);
  EXPECT_THROW(readJpeg(jpeg), BadPicture);
}

// Three 2 x 2 images: red, then blue at the right column only (the left
// stays red from before), then green with a transparent pixel, each with
// its own delay.
std::string threeImageGif(bool looping) {
  using testing::GifImage;
  return testing::gifFile(2, 2, {kRed, kBlue, kGreen, kBlack},
                          {GifImage{0, 0, 2, 2, {0, 0, 0, 0}, 10}, GifImage{1, 0, 1, 2, {1, 1}, 20},
                           GifImage{0, 0, 2, 2, {2, 3, 3, 2}, 0, 3}},
                          looping);
}

TEST_F(PictureCodecs, GifImagesBecomeCellsWithDelaysMasksAndTheLoopFlag) {
  const GifFrames gif = readGif(threeImageGif(true));
  ASSERT_EQ(gif.cells.size(), 3u);
  EXPECT_TRUE(gif.loops);
  EXPECT_EQ(gif.cells[0]->delay, 100);
  EXPECT_EQ(gif.cells[1]->delay, 200);
  EXPECT_EQ(gif.cells[2]->delay, 0);
  EXPECT_EQ(gif.cells[1]->pixel(0, 0), kRed);
  EXPECT_EQ(gif.cells[1]->pixel(1, 0), kBlue);
  // The transparent index leaves what was there before.
  EXPECT_EQ(gif.cells[2]->pixel(0, 0), kGreen);
  EXPECT_EQ(gif.cells[2]->pixel(1, 0), kBlue);
  EXPECT_FALSE(readGif(threeImageGif(false)).loops);
}

TEST_F(PictureCodecs, BrokenGifsFailOrKeepTheCellsTheyHad) {
  EXPECT_THROW(readGif("GIF89a"), BadPicture);
  try {
    readGif("PNG not a gif");
    FAIL();
  } catch (const BadPicture& bad) {
    EXPECT_STREQ(bad.what(), "InvalidGIFformat");
  }
  const std::string gif = threeImageGif(false);
  // Cut inside the last image: the two before it stay.
  const GifFrames cut = readGif(gif.substr(0, gif.size() - 8));
  EXPECT_EQ(cut.cells.size(), 2u);
  std::string huge = gif;
  testing::putU16(huge, 6, 65000), testing::putU16(huge, 8, 65000);
  EXPECT_THROW(readGif(huge), BadPicture);
}

TEST_F(PictureCodecs, IconsKeepTheirAndMask) {
  const auto icon = readIcon(testing::iconFile(
      4, 4, [](int, int) { return kGreen; }, [](int x, int y) { return x == 3 && y == 0; }));
  ASSERT_EQ(icon->width(), 4);
  ASSERT_EQ(icon->height(), 4);
  EXPECT_EQ(icon->pixel(0, 0), kGreen);
  EXPECT_TRUE(icon->masked(3, 0));
  EXPECT_FALSE(icon->masked(0, 3));
  EXPECT_THROW(readIcon("\0\0\1\0\1\0"), BadPicture);
}

TEST_F(PictureCodecs, ImageRecordsReadBackWhatWasWritten) {
  auto first = readBmp(bmpFile(5, 3, 24, sample));
  first->setMasked(4, 0, true);
  first->hotSpot = {-3, 7};
  first->delay = 250;
  auto second = std::make_unique<tLogoPicture>(2, 9);
  const PictureRef a = sharePicture(std::move(first)), b = sharePicture(std::move(second));
  const Value image = makeImage({{a, b}, {b}}, 22.5L, false);
  const std::string record = writeImageRecord(*asImage(image));
  const Value back = readImageRecord(record);
  EXPECT_TRUE(back->equals(*image));
  EXPECT_EQ(writeImageRecord(*asImage(back)), record);
  EXPECT_EQ(asImage(back)->cell(0, 0)->hotSpot, (PixelPoint{-3, 7}));
  EXPECT_FALSE(asImage(back)->loops());
  // Every cut of the record fails cleanly.
  for (size_t cut = 0; cut < record.size(); cut += 7)
    EXPECT_THROW(readImageRecord(record.substr(0, cut)), BadPicture);
  // An angle of many turns is brought into one, and reads back the same.
  std::string turns = record;
  putU32(turns, 8, 0x7FFFFFFF);
  const Value turned = readImageRecord(turns);
  EXPECT_GE(asImage(turned)->baseAngle(), 0);
  EXPECT_LT(asImage(turned)->baseAngle(), 360);
  EXPECT_TRUE(readImageRecord(writeImageRecord(*asImage(turned)))->equals(*turned));
  std::string manyFrames = record;
  putU32(manyFrames, 4, 0x7FFFFFFF);
  EXPECT_THROW(readImageRecord(manyFrames), BadPicture);
}

TEST_F(PictureCodecs, FrameSuffixesAndDrivesAreToldApart) {
  const PictureName framed = splitPictureName("walk:2.gif");
  EXPECT_EQ(framed.file, "walk.gif");
  EXPECT_EQ(framed.frame, 2);
  EXPECT_EQ(splitPictureName("pics\\run:12").file, "pics\\run");
  EXPECT_EQ(splitPictureName("pics\\run:12").frame, 12);
  EXPECT_FALSE(splitPictureName("C:5.bmp").frame);
  EXPECT_EQ(splitPictureName("D:\\pics\\a.bmp").file, "D:\\pics\\a.bmp");
  EXPECT_FALSE(splitPictureName("pics:old\\a.bmp").frame);
  EXPECT_FALSE(splitPictureName("walk:x.gif").frame);
  EXPECT_EQ(pictureExtension("a.b\\c"), "");
  EXPECT_EQ(pictureExtension("photo.Jpeg"), ".JPEG");
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

void putI32(std::string& out, int32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

// One record of an older native file: header, image, and a mask unless it
// is empty.
std::string lgwRecord(const std::string& image, const std::string& mask, PixelPoint hot) {
  std::string record;
  putI32(record, static_cast<int32_t>(20 + image.size() + mask.size()));
  putI32(record, hot.x);
  putI32(record, hot.y);
  putI32(record, static_cast<int32_t>(image.size()));
  putI32(record, static_cast<int32_t>(mask.size()));
  return record + image + mask;
}

std::string lgwFile(int16_t count, const std::vector<std::string>& records) {
  std::string file{static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF)};
  for (const std::string& record : records) file += record;
  return file;
}

TEST_F(PictureCodecs, OlderNativeFilesGiveAFrameARecordWithHotSpotsAndMasks) {
  const std::string red = bmpFile(5, 3, 24, sample);
  const std::string mask = bmpFile(5, 3, 1, [](int x, int) { return x < 2 ? 0xFFFFFFu : 0u; }, {0, 0xFFFFFF});
  const Value image =
      decodePicture(lgwFile(2, {lgwRecord(red, "", {1, 2}), lgwRecord(red, mask, {4, 0})}), ".LGW");
  const tLogoImage& read = *asImage(image);
  ASSERT_EQ(read.frames().size(), 2u);
  ASSERT_EQ(read.cellCount(0), 1u);
  ASSERT_EQ(read.cellCount(1), 1u);
  EXPECT_EQ(read.cell(0, 0)->hotSpot, (PixelPoint{1, 2}));
  EXPECT_FALSE(read.cell(0, 0)->hasMask());
  EXPECT_EQ(read.cell(0, 0)->pixel(0, 0), kBlue);
  const tLogoPicture& masked = *read.cell(1, 0);
  EXPECT_EQ(masked.hotSpot, (PixelPoint{4, 0}));
  EXPECT_TRUE(masked.masked(0, 1));
  EXPECT_TRUE(masked.masked(1, 2));
  EXPECT_FALSE(masked.masked(2, 0));
  EXPECT_TRUE(asImage(decodePicture(lgwFile(0, {}), ".LGW"))->frames().empty());
}

TEST_F(PictureCodecs, DamagedOlderNativeFilesAndMetafilesAreBadPictures) {
  const std::string red = bmpFile(5, 3, 24, sample);
  const std::string good = lgwRecord(red, "", {0, 0});
  EXPECT_THROW(decodePicture(lgwFile(2, {good}), ".LGW"), BadPicture);   // a record missing
  EXPECT_THROW(decodePicture(lgwFile(-1, {good}), ".LGW"), BadPicture);  // a negative count
  EXPECT_THROW(decodePicture(lgwFile(1, {good.substr(0, good.size() - 1)}), ".LGW"), BadPicture);
  std::string tooLong = good;
  putU32(tooLong, 0, 0x7FFFFFF0);  // a record that claims more than the file holds
  EXPECT_THROW(decodePicture(lgwFile(1, {tooLong}), ".LGW"), BadPicture);
  std::string imageTooLong = good;
  putU32(imageTooLong, 12, static_cast<uint32_t>(red.size() + 1));  // an image past its record
  EXPECT_THROW(decodePicture(lgwFile(1, {imageTooLong}), ".LGW"), BadPicture);
  std::string farHotSpot = good;
  putU32(farHotSpot, 4, 0x40000000);
  EXPECT_THROW(decodePicture(lgwFile(1, {farHotSpot}), ".LGW"), BadPicture);
  EXPECT_THROW(decodePicture(lgwFile(1, {}), ".LGW"), BadPicture);
  EXPECT_THROW(decodePicture(red, ".WMF"), BadPicture);
  EXPECT_THROW(decodePicture(red, ".EMF"), BadPicture);
}

}  // namespace
}  // namespace lx
