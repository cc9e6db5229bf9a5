// Writing containers and reading them back: project headers with and
// without a language, plain and compressed text, image records and icons
// kept as bytes, chunks whose length is filled in afterwards, and the exact
// bytes each of them leaves in the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "container_test_support.h"
#include "lang/compressed_data.h"
#include "lang/container_lookup.h"
#include "lang/container_reader.h"
#include "lang/container_writer.h"
#include "lang/project_file_reader.h"
#include "lang/project_file_writer.h"

namespace lx {
namespace {

using container_test::chunkBytes;
using container_test::containerBytes;
using container_test::int32Bytes;
using container_test::logoErrorOf;
using container_test::streamOf;

std::string projectText() {
  std::string text;
  for (int i = 0; i < 200; ++i)
    text += "to square" + std::to_string(i) + "\r\nrepeat 4 [fd 100 rt 90]\r\nend\r\n";
  return text + "\x8A\xE8\xFD\r\n";  // a few bytes of code page 1250
}

std::string binaryRecord(size_t size) {
  std::string record;
  for (size_t i = 0; i < size; ++i) record += static_cast<char>((i * 37 + i / 256) & 0xFF);
  return record;
}

// A project written the way a saved one is: header, language, streamed text.
std::string writeProject(std::string_view language, std::string_view text) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  const std::streamoff dataStart = beginProjectFile(io, language);
  io << text;
  endTextChunk(io, dataStart, false);
  return io.str();
}

TEST(ContainerRoundTrip, AnEnglishProjectHasVersionFourAndNoLanguageChunk) {
  const std::string bytes = writeProject("english", "print 1\r\n");
  EXPECT_EQ(bytes, containerBytes("04", 1, chunkBytes("TX 1", "print 1\r\n")));
  for (std::string_view english : {"", "*", "English"})
    EXPECT_EQ(writeProject(english, "x"), writeProject("english", "x"));

  auto stream = streamOf(bytes);
  EXPECT_EQ(readLanguage(stream), "");
  const ProjectFileContents contents = readProjectFile(stream);
  EXPECT_TRUE(contents.isContainer);
  EXPECT_EQ(contents.language, "");
  EXPECT_EQ(contents.text, "print 1\r\n");
}

TEST(ContainerRoundTrip, AnotherLanguageGivesVersionFiveAndALanguageChunkFirst) {
  const std::string text = projectText();
  const std::string bytes = writeProject("slovak", text);
  EXPECT_EQ(bytes, containerBytes("05", 2, chunkBytes("LA 1", "slovak") + chunkBytes("TX 1", text)));

  auto stream = streamOf(bytes);
  EXPECT_EQ(readLanguage(stream), "slovak");
  const TextChunkInfo info = findTextChunk(stream, 0);
  EXPECT_TRUE(info.found);
  EXPECT_FALSE(info.compressed);
  EXPECT_EQ(info.length, text.size());
  // The stream is left at the text's data.
  std::string start(8, '\0');
  stream.read(start.data(), 8);
  EXPECT_EQ(start, "to squar");
  EXPECT_FALSE(findTextChunk(stream, 1).found);
}

TEST(ContainerRoundTrip, CompressedTextReadsBackAsText) {
  const std::string text = projectText();
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  beginProjectFile(io, "polish");
  // Drop the text chunk begun by the header: write a whole compressed one.
  io.seekp(-8, std::ios::cur);
  appendTextChunk(io, text, kPackedProjectCompression);
  const std::string bytes = io.str();

  ASSERT_GT(bytes.size(), 9u + 14 + 12 + 2);
  const std::string chunk = bytes.substr(9 + 14);
  EXPECT_EQ(chunk.substr(0, 4), "TXZ1");
  EXPECT_EQ(chunk.substr(8, 4), int32Bytes(static_cast<int32_t>(text.size())));
  EXPECT_EQ(chunk.substr(12, 2), "\x78\x01");  // zlib level 1
  EXPECT_LT(chunk.size(), text.size() / 4);

  auto stream = streamOf(bytes);
  const TextChunkInfo info = findTextChunk(stream, 0);
  EXPECT_TRUE(info.found);
  EXPECT_TRUE(info.compressed);
  EXPECT_EQ(readTextChunk(stream, 0), text);
  EXPECT_EQ(readProjectFile(stream).text, text);
  EXPECT_EQ(readProjectFile(stream).language, "polish");
}

TEST(ContainerRoundTrip, StreamedCompressedTextIsEndedAsCompressed) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  const std::streamoff dataStart = beginProjectFile(io, "");
  io << packCompressed("fd 10\r\n", 9);
  endTextChunk(io, dataStart, true);
  auto stream = streamOf(io.str());
  EXPECT_TRUE(findTextChunk(stream, 0).compressed);
  EXPECT_EQ(readTextChunk(stream, 0), "fd 10\r\n");
}

TEST(ContainerRoundTrip, EmptyTextIsStillATextChunk) {
  for (std::optional<int> level : {std::optional<int>(), std::optional<int>(6)}) {
    std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
    writeEmptyContainer(io, 4);
    appendTextChunk(io, "", level);
    auto stream = streamOf(io.str());
    EXPECT_TRUE(findTextChunk(stream, 0).found);
    EXPECT_EQ(readProjectFile(stream).text, "");
  }
}

TEST(ContainerRoundTrip, ALengthFilledInAfterwardsCoversEverythingWrittenBetween) {
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  writeEmptyContainer(io, 4);
  const std::streamoff dataStart = beginChunk(io);
  EXPECT_EQ(dataStart, 9 + 8);
  io << "first part, ";
  io << "second part";
  endChunk(io, dataStart, ChunkTag("FM 1"));
  // The writer is back at the end: the next chunk follows.
  appendChunk(io, kTagText, "after");

  EXPECT_EQ(
      io.str(),
      containerBytes("04", 2, chunkBytes("FM 1", "first part, second part") + chunkBytes("TX 1", "after")));
}

TEST(ContainerRoundTrip, ImagesAndIconsKeepTheirBytesPlainOrCompressed) {
  const std::string small = binaryRecord(300);
  const std::string large = binaryRecord(70000);
  const std::string icon = "BM" + binaryRecord(1000);
  std::stringstream io(std::ios::in | std::ios::out | std::ios::binary);
  appendImageChunk(io, small, std::nullopt);  // on an empty stream: makes the header
  appendImageChunk(io, large, 1);
  appendIconChunk(io, icon, 9);
  appendIconChunk(io, "BM second icon", std::nullopt);
  appendImageChunk(io, "", 0);
  const std::string bytes = io.str();
  EXPECT_EQ(bytes.substr(0, 9), containerBytes("04", 5, ""));
  EXPECT_EQ(bytes.substr(9, 8 + 300), chunkBytes("IM 1", small));

  auto stream = streamOf(bytes);
  const std::vector<RawChunk> images = readImageChunks(stream, ckImageFile);
  ASSERT_EQ(images.size(), 3u);
  EXPECT_EQ(images[0], (RawChunk{kTagImage, small}));
  EXPECT_EQ(images[1].tag, kTagImageZ);
  EXPECT_EQ(images[1].data, packCompressed(large, 1));
  EXPECT_EQ(chunkPayload(images[1]), large);
  EXPECT_EQ(chunkPayload(images[2]), "");
  // The first icon counts, compressed or not.
  EXPECT_EQ(readIcon(stream), icon);
  // A container without images or icons.
  auto text = streamOf(writeProject("", "x"));
  EXPECT_TRUE(readImageChunks(text, ckProjectFile).empty());
  EXPECT_EQ(readIcon(text), std::nullopt);
}

// The packed example project: language, text, then one compressed image.
TEST(ContainerRoundTrip, AProjectWithImagesReadsImagesInChunkOrderAndSkipsOtherTags) {
  const std::string image1 = binaryRecord(124316);
  const std::string image2 = binaryRecord(50);
  const std::string chunks = chunkBytes("LA 1", "slovak") + chunkBytes("XX 9", "unknown tag") +
                             chunkBytes("TX 1", "first text") +
                             chunkBytes("IMZ1", packCompressed(image1, 1)) +
                             chunkBytes("TX 1", "second text") + chunkBytes("IM 1", image2);
  auto stream = streamOf(containerBytes("05", 6, chunks));
  EXPECT_EQ(chunkCount(stream, ckProjectFile), 6);
  const ProjectFileContents contents = readProjectFile(stream);
  EXPECT_EQ(contents.language, "slovak");
  EXPECT_EQ(contents.text, "first text");
  ASSERT_EQ(contents.images.size(), 2u);
  EXPECT_EQ(chunkPayload(contents.images[0]), image1);
  EXPECT_EQ(chunkPayload(contents.images[1]), image2);
  EXPECT_EQ(readTextChunk(stream, 1), "second text");
}

TEST(ContainerRoundTrip, AContainerWithoutTextIsNoProject) {
  auto stream = streamOf(containerBytes("04", 1, chunkBytes("IM 1", "image")));
  EXPECT_EQ(logoErrorOf([&] { readProjectFile(stream); }).code, erLumaxisProject);
  auto empty = streamOf(containerBytes("04", 0, ""));
  EXPECT_EQ(logoErrorOf([&] { readProjectFile(empty); }).code, erLumaxisProject);
}

// A file stream shares one position between reading and writing, unlike a
// string stream: the writer must work on both.
TEST(ContainerRoundTrip, ProjectFilesOnDisk) {
  const auto folder = std::filesystem::temp_directory_path() / ("lx-container-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto file = folder / "project.lxp";
  const std::string text = projectText();
  {
    std::fstream io(file, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    const std::streamoff dataStart = beginProjectFile(io, "hungarian");
    io << text;
    endTextChunk(io, dataStart, false);
    appendImageChunk(io, binaryRecord(5000), 1);
    appendIconChunk(io, "BM icon", std::nullopt);
  }
  {
    std::ifstream in(file, std::ios::binary);
    const ProjectFileContents contents = readProjectFile(in);
    EXPECT_EQ(contents.language, "hungarian");
    EXPECT_EQ(contents.text, text);
    ASSERT_EQ(contents.images.size(), 1u);
    EXPECT_EQ(chunkPayload(contents.images[0]), binaryRecord(5000));
    EXPECT_EQ(chunkCount(in, ckProjectFile), 4);
    EXPECT_EQ(readIcon(in), "BM icon");
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lx
