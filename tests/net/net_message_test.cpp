// The bytes of network messages and cutting frames out of a stream.
#include <gtest/gtest.h>

#include "net/net_message.h"

namespace lx {
namespace {

NetMessage hello() {
  return {'w', {"ann", "bob"}, "hello"};
}

TEST(NetMessage, FrameHasTheExactByteLayout) {
  EXPECT_EQ(encodeFrame(hello()), std::string("\x07") + "18!w2!3!ann3!bobhello");
  EXPECT_EQ(encodeFrame({'u', {}, ""}), std::string("\x07") + "3!u0!");
}

TEST(NetMessage, PayloadReadsBackWithBytesOfAnyKind) {
  const NetMessage sent{'l', {"a!b", std::string("\x07\0x", 3)}, std::string("[1 2]\0!", 7)};
  const std::string frame = encodeFrame(sent);
  FrameCutter cutter;
  ASSERT_TRUE(cutter.append(frame));
  std::string payload;
  ASSERT_EQ(cutter.next(payload), FrameCutter::Cut::Frame);
  const NetMessage got = decodePayload(payload);
  EXPECT_EQ(got.kind, 'l');
  EXPECT_EQ(got.addresses, sent.addresses);
  EXPECT_EQ(got.body, sent.body);
}

TEST(NetMessage, UnreadablePayloadsAreBlankMessages) {
  for (const std::string bad : {"", "w", "wx!", "w2!3!ann", "w1!99!a", "w-1!", "w99999999999!"}) {
    const NetMessage got = decodePayload(bad);
    EXPECT_EQ(got.kind, ' ') << bad;
    EXPECT_TRUE(got.addresses.empty()) << bad;
    EXPECT_TRUE(got.body.empty()) << bad;
  }
}

std::vector<std::string> cutAll(FrameCutter& cutter) {
  std::vector<std::string> payloads;
  std::string payload;
  while (cutter.next(payload) == FrameCutter::Cut::Frame) payloads.push_back(payload);
  return payloads;
}

TEST(NetMessage, FrameSplitAcrossReadsIsAssembled) {
  const std::string frame = encodeFrame(hello());
  FrameCutter cutter;
  for (size_t split = 0; split < frame.size(); ++split) {
    ASSERT_TRUE(cutter.append(frame.substr(0, split)));
    EXPECT_TRUE(cutAll(cutter).empty()) << split;
    ASSERT_TRUE(cutter.append(frame.substr(split)));
    EXPECT_EQ(cutAll(cutter).size(), 1u) << split;
  }
}

TEST(NetMessage, TwoFramesInOneReadComeInOrder) {
  FrameCutter cutter;
  ASSERT_TRUE(cutter.append(encodeFrame({'w', {"a"}, "one"}) + encodeFrame({'w', {"a"}, "two"})));
  const std::vector<std::string> payloads = cutAll(cutter);
  ASSERT_EQ(payloads.size(), 2u);
  EXPECT_EQ(decodePayload(payloads[0]).body, "one");
  EXPECT_EQ(decodePayload(payloads[1]).body, "two");
}

TEST(NetMessage, BytesThatBeginNoFrameAreDiscarded) {
  FrameCutter cutter;
  ASSERT_TRUE(cutter.append("garbage"));
  EXPECT_TRUE(cutAll(cutter).empty());
  EXPECT_EQ(cutter.discarded(), 7u);
  EXPECT_EQ(cutter.buffered(), 0u);
  ASSERT_TRUE(cutter.append(encodeFrame(hello())));
  EXPECT_EQ(cutAll(cutter).size(), 1u);
}

TEST(NetMessage, HugeOrEndlessLengthsBreakTheStream) {
  FrameCutter huge;
  ASSERT_TRUE(huge.append("\x07" "4000000000!w0!"));
  std::string payload;
  EXPECT_EQ(huge.next(payload), FrameCutter::Cut::Broken);
  EXPECT_FALSE(huge.append("more"));

  FrameCutter endless;
  ASSERT_TRUE(endless.append("\x07" + std::string(11, '9')));
  EXPECT_EQ(endless.next(payload), FrameCutter::Cut::Broken);

  FrameCutter notNumber;
  ASSERT_TRUE(notNumber.append("\x07" "12a!"));
  EXPECT_EQ(notNumber.next(payload), FrameCutter::Cut::Broken);
}

TEST(NetMessage, BufferHoldsOneFrameAtMost) {
  FrameCutter cutter;
  ASSERT_TRUE(cutter.append("\x07" + std::to_string(kMaxPayload) + "!"));
  const std::string chunk(1 << 16, 'x');
  std::string payload;
  FrameCutter::Cut cut = FrameCutter::Cut::NeedMore;
  while (cut == FrameCutter::Cut::NeedMore) {
    ASSERT_TRUE(cutter.append(chunk));
    cut = cutter.next(payload);
  }
  EXPECT_EQ(cut, FrameCutter::Cut::Frame);
  EXPECT_EQ(payload.size(), kMaxPayload);
  // Bytes nobody cuts are refused before they pass a frame's worth.
  size_t added = 0;
  while (cutter.append(chunk)) added += chunk.size();
  EXPECT_LE(added, kMaxPayload + (1u << 17));
  EXPECT_GE(added, kMaxPayload);
}

}  // namespace
}  // namespace lx
