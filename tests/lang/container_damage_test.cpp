// Damaged containers: cut at every length, with lengths and counts that lie,
// with broken compressed data and with bytes changed anywhere. Every reader
// must fail with the stream read error or a Logo error, never read past the
// end or believe a size the file cannot hold.
#include <gtest/gtest.h>

#include <functional>

#include "container_test_support.h"
#include "lang/compressed_data.h"
#include "lang/container_lookup.h"
#include "lang/container_reader.h"
#include "lang/container_stream.h"
#include "lang/container_writer.h"
#include "lang/project_file_reader.h"

namespace lx {
namespace {

using container_test::chunkBytes;
using container_test::containerBytes;
using container_test::int32Bytes;
using container_test::logoErrorOf;
using container_test::streamOf;

// A project with every kind of chunk, the text after the images.
std::string fullProject() {
  std::string image;
  for (int i = 0; i < 3000; ++i) image += static_cast<char>(i % 7);
  const std::string chunks = chunkBytes("LA 1", "slovak") + chunkBytes("IM 1", "raw image record") +
                             chunkBytes("IMZ1", packCompressed(image, 1)) + chunkBytes("ZZ 1", "other") +
                             chunkBytes("TXZ1", packCompressed("print \"hello\r\n", 6)) +
                             chunkBytes("ICZ1", packCompressed("BM icon", 1));
  return containerBytes("05", 6, chunks);
}

enum class Outcome { Read, ReadError, LogoError, OtherFailure };

Outcome outcomeOf(const std::function<void()>& action) {
  try {
    action();
    return Outcome::Read;
  } catch (const eStreamReadError&) {
    return Outcome::ReadError;
  } catch (const eLogoException&) {
    return Outcome::LogoError;
  } catch (...) {
    return Outcome::OtherFailure;
  }
}

// Runs every reader over the bytes; none may fail in another way.
void expectEveryReaderFailsCleanly(const std::string& bytes, const std::string& context) {
  const std::vector<std::function<void(std::istream&)>> readers = {
      [](std::istream& in) { readProjectFile(in); },
      [](std::istream& in) { readLanguage(in); },
      [](std::istream& in) { readIcon(in); },
      [](std::istream& in) { readTextChunk(in, 1); },
      [](std::istream& in) {
        for (const RawChunk& image : readImageChunks(in, ckImageFile)) chunkPayload(image);
      },
  };
  for (size_t i = 0; i < readers.size(); ++i) {
    auto stream = streamOf(bytes);
    EXPECT_NE(outcomeOf([&] { readers[i](stream); }), Outcome::OtherFailure) << context << ", reader " << i;
  }
}

TEST(ContainerDamage, EveryCutOfAProjectFailsWithTheReadError) {
  const std::string full = fullProject();
  for (size_t length = 0; length < full.size(); ++length) {
    const std::string cut = full.substr(0, length);
    auto stream = streamOf(cut);
    if (length < 5) {
      // Too short to be a container: the bytes are plain project text.
      EXPECT_EQ(readProjectFile(stream).text, cut);
      continue;
    }
    // The images are read first and every chunk is walked, so every cut is seen.
    EXPECT_EQ(outcomeOf([&] { readProjectFile(stream); }), Outcome::ReadError) << "cut at " << length;
    expectEveryReaderFailsCleanly(cut, "cut at " + std::to_string(length));
  }
  auto whole = streamOf(full);
  EXPECT_EQ(readProjectFile(whole).text, "print \"hello\r\n");
}

TEST(ContainerDamage, CutsAfterTheWantedChunkDoNotMatter) {
  const std::string bytes = containerBytes(
      "05", 3, chunkBytes("LA 1", "polish") + chunkBytes("TX 1", "text") + chunkBytes("IM 1", "image"));
  for (size_t length = 9 + 14 + 12; length < bytes.size(); ++length) {
    auto stream = streamOf(bytes.substr(0, length));
    EXPECT_EQ(readLanguage(stream), "polish");
    EXPECT_EQ(readTextChunk(stream, 0), "text");
    EXPECT_EQ(outcomeOf([&] { readImageChunks(stream, ckImageFile); }), Outcome::ReadError);
  }
}

TEST(ContainerDamage, LengthsBeyondTheFileAreNeverBelieved) {
  for (int32_t length : {INT32_MAX, 1 << 30, 100, -1, INT32_MIN}) {
    const std::string bytes = containerBytes("04", 1, "TX 1" + int32Bytes(length) + "short text");
    auto stream = streamOf(bytes);
    EXPECT_EQ(outcomeOf([&] { readTextChunk(stream, 0); }), Outcome::ReadError) << length;
    EXPECT_EQ(outcomeOf([&] { readProjectFile(stream); }), Outcome::ReadError) << length;
  }
  // The stream's own checked read refuses a size beyond its end before allocating it.
  auto stream = streamOf("four");
  EXPECT_THROW(readExact(stream, std::streamoff(1) << 40), eStreamReadError);
}

TEST(ContainerDamage, CountsThatLie) {
  const std::string text = chunkBytes("TX 1", "text");
  // More chunks announced than the file holds.
  auto more = streamOf(containerBytes("04", 2, text));
  EXPECT_EQ(outcomeOf([&] { readProjectFile(more); }), Outcome::ReadError);
  // A negative count or zero announces no chunks at all.
  for (int32_t count : {0, -1, INT32_MIN}) {
    auto none = streamOf(containerBytes("04", count, text));
    EXPECT_EQ(logoErrorOf([&] { readProjectFile(none); }).code, erLumaxisProject);
  }
  // A header without its count.
  for (std::string_view header : {"LGF04", "LGF04\x01", "LGF05\x01\x00\x00"}) {
    auto cut = streamOf(header);
    EXPECT_EQ(outcomeOf([&] { chunkCount(cut, ckProbeOnly); }), Outcome::ReadError);
  }
}

TEST(ContainerDamage, BrokenCompressedData) {
  const std::string text = "repeat 36 [fd 10 rt 10]\r\n";
  const std::string packed = packCompressed(text, 9);
  auto unpack = [](std::string data) { return outcomeOf([&] { unpackCompressed(data); }); };
  EXPECT_EQ(unpack(packed), Outcome::Read);
  EXPECT_EQ(unpack(""), Outcome::ReadError);
  EXPECT_EQ(unpack("\x05\x00\x00"), Outcome::ReadError);
  // The announced length is one more, one less, absurd or negative.
  for (int32_t length :
       {static_cast<int32_t>(text.size()) + 1, static_cast<int32_t>(text.size()) - 1, 0, INT32_MAX, -5}) {
    EXPECT_EQ(unpack(int32Bytes(length) + packed.substr(4)), Outcome::ReadError) << length;
  }
  // The zlib stream cut short, changed, or not zlib at all.
  for (size_t cut = 4; cut < packed.size(); ++cut)
    EXPECT_EQ(unpack(packed.substr(0, cut)), Outcome::ReadError);
  std::string changed = packed;
  changed[6] = static_cast<char>(changed[6] ^ 0x55);
  EXPECT_EQ(unpack(changed), Outcome::ReadError);
  EXPECT_EQ(unpack(int32Bytes(4) + "text"), Outcome::ReadError);
  // Inside a container, as the readers meet it.
  auto stream = streamOf(containerBytes("04", 1, chunkBytes("TXZ1", int32Bytes(1 << 30) + packed.substr(4))));
  EXPECT_EQ(outcomeOf([&] { readProjectFile(stream); }), Outcome::ReadError);
}

TEST(ContainerDamage, AnyChangedByteFailsCleanly) {
  const std::string full = fullProject();
  for (size_t at = 0; at < full.size(); ++at) {
    for (unsigned char change : {0x01, 0x80, 0xFF}) {
      std::string bytes = full;
      bytes[at] = static_cast<char>(bytes[at] ^ change);
      expectEveryReaderFailsCleanly(bytes, "byte " + std::to_string(at) + " ^ " + std::to_string(change));
    }
  }
}

TEST(ContainerDamage, WritingIntoWhatIsNoContainerFails) {
  // Appending needs the count at offset 5.
  std::stringstream empty(std::ios::in | std::ios::out | std::ios::binary);
  EXPECT_THROW(appendChunk(empty, kTagText, "text"), eStreamWriteError);
  // A stream that refuses writes.
  std::stringstream readOnly(containerBytes("04", 0, ""), std::ios::in | std::ios::binary);
  EXPECT_THROW(appendChunk(readOnly, kTagText, "text"), eStreamWriteError);
}

}  // namespace
}  // namespace lx
