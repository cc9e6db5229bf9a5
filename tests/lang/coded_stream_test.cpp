// The running-sum coded stream: both directions agree, and damaged input
// decodes without fault.
#include "lang/coded_stream.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lx {
namespace {

std::string everyByte() {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  return all + all;
}

TEST(CodedStream, StreamWriterAndReaderRoundTripEveryByte) {
  const std::string plain = everyByte();
  std::stringstream buffer;
  {
    tcodedstream writer(buffer, tcodedstream::ForWriting);
    writer.write(plain);
  }
  EXPECT_EQ(buffer.str().size(), plain.size() + 1);
  EXPECT_NE(buffer.str().substr(1), plain);

  buffer.seekg(0);
  tcodedstream reader(buffer, tcodedstream::ForReading);
  std::string back(plain.size(), '\0');
  EXPECT_EQ(reader.read(back.data(), static_cast<long>(back.size())), static_cast<long>(plain.size()));
  EXPECT_EQ(back, plain);
  char more;
  EXPECT_EQ(reader.read(&more, 1), -1);
}

TEST(CodedStream, RunningSumFollowsTheRule) {
  // First byte 10, then "A" (65): 65 + 10 = 75, sum 85; "B" (66): 66 + 85 = 151.
  EXPECT_EQ(encodeCoded("AB", 10), std::string("\x0A\x4B\x97"));
  EXPECT_EQ(decodeCoded(std::string("\x0A\x4B\x97")), "AB");
}

TEST(CodedStream, WholeBufferHelpersMatchTheStream) {
  const std::string plain = "[dict]\r\nforward=forward fd\r\n";
  for (int first : {0, 1, 127, 255}) {
    const std::string coded = encodeCoded(plain, static_cast<uint8_t>(first));
    std::stringstream buffer(coded);
    tcodedstream reader(buffer, tcodedstream::ForReading);
    std::string viaStream(plain.size(), '\0');
    reader.read(viaStream.data(), static_cast<long>(viaStream.size()));
    EXPECT_EQ(viaStream, plain);
    std::string inPlace = coded;
    decodeCodedInPlace(inPlace);
    EXPECT_EQ(inPlace, plain);
  }
}

TEST(CodedStream, EmptyAndTruncatedInputDecodeQuietly) {
  EXPECT_EQ(decodeCoded(""), "");
  EXPECT_EQ(decodeCoded("x"), "");
  const std::string coded = encodeCoded("hello", 3);
  EXPECT_EQ(decodeCoded(coded.substr(0, 3)), "he");
}

}  // namespace
}  // namespace lx
