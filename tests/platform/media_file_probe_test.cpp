// The lengths read from media files' headers, and the files refused.
#include "platform/media_file_probe.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace lx {
namespace {

std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
  const std::filesystem::path path =
      std::filesystem::path(::testing::TempDir()) / ("lx-probe-" + std::to_string(getpid()) + "-" + name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string oggPage(uint64_t granule, const std::string& packet) {
  std::string page("OggS\0\x02", 6);
  for (int i = 0; i < 8; ++i) page += static_cast<char>((granule >> (8 * i)) & 0xFF);
  page += std::string(12, '\0');  // serial number, sequence, checksum
  page += static_cast<char>(1);
  page += static_cast<char>(packet.size());
  return page + packet;
}

TEST(MediaFileProbe, OggAndMp3LengthsComeFromTheirHeaders) {
  const std::string vorbis = std::string("\x01vorbis\0\0\0\0\x01\x44\xAC\0\0", 16) + std::string(14, '\0');
  const auto ogg = writeFile("two.ogg", oggPage(0, vorbis) + oggPage(88200, "end"));
  EXPECT_EQ(probeMediaFile(ogg).format, MediaFormat::Ogg);
  EXPECT_EQ(probeMediaFile(ogg).lengthMs, 2000);
  // An ID3 tag, then frames of 128 kbit/s: 16000 bytes last a second.
  const auto mp3 =
      writeFile("one.mp3", std::string("ID3\x04\0\0\0\0\0\0\xFF\xFB\x90\0", 14) + std::string(15996, '\0'));
  EXPECT_EQ(probeMediaFile(mp3).format, MediaFormat::Mp3);
  EXPECT_EQ(probeMediaFile(mp3).lengthMs, 1000);
  EXPECT_TRUE(probeMediaFile(mp3).error.empty());
  std::filesystem::remove(ogg);
  std::filesystem::remove(mp3);
}

TEST(MediaFileProbe, FilesThatHoldNoSoundAreRefusedWithAReason) {
  const auto text = writeFile("text.mp3", "hello, this is text");
  const auto cutOgg = writeFile("cut.ogg", oggPage(0, "\x01vorb"));
  const auto tagOnly = writeFile("tag.mp3", std::string("ID3\x04\0\0\0\0\x7F\x7F", 10));
  for (const auto& file : {text, cutOgg, tagOnly, std::filesystem::path("/nowhere/at/all.wav")}) {
    EXPECT_FALSE(probeMediaFile(file).error.empty()) << file;
    std::filesystem::remove(file);
  }
}

}  // namespace
}  // namespace lx
