// The clipboard's text between internal text with "\r\n" lines and the
// window system's UTF-8 with "\n".
#include "platform/clipboard_text.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(ClipboardText, LinesAndCharactersConvertBothWays) {
  EXPECT_EQ(clipboardFromInternal("one\r\n\x8A\x9A\r\nthree"), "one\n\xC5\xA0\xC5\xA1\nthree");
  EXPECT_EQ(internalFromClipboard("one\n\xC5\xA0\xC5\xA1\nthree"), "one\r\n\x8A\x9A\r\nthree");
  // Whatever ends a line there ends it in "\r\n" here.
  EXPECT_EQ(internalFromClipboard("a\r\nb\rc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(internalFromClipboard("\xCE\xB1"), "?");  // no such letter in the code page
  EXPECT_EQ(clipboardFromInternal(""), "");
  const std::string internal = "x\r\ny \xE8\r\n";
  EXPECT_EQ(internalFromClipboard(clipboardFromInternal(internal)), internal);
}

}  // namespace
}  // namespace lx
