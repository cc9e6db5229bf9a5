// Splitting project text: paragraphs and lines, continuations, definitions,
// control characters and the start-up call.
#include "app/project_text_splitter.h"

#include <gtest/gtest.h>

#include "core/logo_exception.h"

namespace lx {
namespace {

std::vector<std::string> textsOf(std::string_view text) {
  std::vector<std::string> texts;
  for (const ProjectInstruction& instruction : splitProjectText(text)) texts.push_back(instruction.text);
  return texts;
}

TEST(ProjectTextSplitter, ParagraphsJoinTheirLinesAndTabsReadAsBlanks) {
  EXPECT_EQ(textsOf("\r\n\r\nnew \"c [132 a\r\n\t1 [2 3]\r\n\tx 5\r\n\r\nprint 1\r\n"),
            (std::vector<std::string>{"new \"c [132 a  1 [2 3]  x 5", "print 1"}));
  // Tabs and blanks give the same instruction.
  EXPECT_EQ(textsOf("a\n\tb\n"), textsOf("a\n b\n"));
  // Bare LF and bare CR end lines too.
  EXPECT_EQ(textsOf("a\rb\n\nc"), (std::vector<std::string>{"a b", "c"}));
}

TEST(ProjectTextSplitter, LineModeAndContinuations) {
  EXPECT_EQ(textsOf(";! lines\r\nprint 1\r\nprint 2\r\n"),
            (std::vector<std::string>{";! lines", "print 1", "print 2"}));
  // A trailing "~" joins two lines in line mode...
  EXPECT_EQ(textsOf(";!\nprint~\n 3\nprint 4"), (std::vector<std::string>{";!", "print  3", "print 4"}));
  // ...and a first line ending with "~" switches to line mode.
  EXPECT_EQ(textsOf("print~\n5\nprint 6"), (std::vector<std::string>{"print 5", "print 6"}));
  // In paragraph mode a "~" carries the paragraph over an empty line.
  EXPECT_EQ(textsOf("x\na~\n\nb\n\nc"), (std::vector<std::string>{"x a  b", "c"}));
}

TEST(ProjectTextSplitter, DefinitionsCollectLinesUpToTheirEnd) {
  const auto got = splitProjectText(
      "TO sq :n\r\n\r\n  output :n * :n\r\n END \r\nprint sq 3\r\n\r\n#2'to f\r\nprint 1\r\nend\r\n");
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].kind, ProjectInstruction::Definition);
  EXPECT_EQ(got[0].text, "to sq :n\r\n\r\n  output :n * :n\r\nend");
  EXPECT_TRUE(got[0].owner.empty());
  EXPECT_EQ(got[1].text, "print sq 3");
  EXPECT_EQ(got[2].owner, "#2");
  EXPECT_EQ(got[2].text, "to f\r\nprint 1\r\nend");
  // The dictionary words "·other·to" and "·other·end" serve as well.
  const auto referenced = splitProjectText(
      "\xB7other\xB7to g\nprint 2\n\xB7other\xB7"
      "end\n");
  ASSERT_EQ(referenced.size(), 1u);
  EXPECT_EQ(referenced[0].text, "to g\r\nprint 2\r\nend");
  // A definition without its end takes the rest of the text.
  EXPECT_EQ(textsOf("to h\nprint 3"), (std::vector<std::string>{"to h\r\nprint 3"}));
}

TEST(ProjectTextSplitter, ControlCharactersOtherThanTabAreError60) {
  for (char bad : {'\x01', '\x07', '\x1B', '\x1F'}) {
    try {
      splitProjectText(std::string("print 1") + bad + "\r\n");
      ADD_FAILURE() << "no error for byte " << int(bad);
    } catch (const eLogoException& e) {
      EXPECT_EQ(e.code, erLumaxisProject);
    }
  }
  // NUL and the end-of-file mark are dropped.
  EXPECT_EQ(textsOf(std::string("print 1\0\x1A", 9)), (std::vector<std::string>{"print 1"}));
  EXPECT_TRUE(splitProjectText("\r\n\n\r").empty());
}

TEST(ProjectTextSplitter, TheStartupCallIsRecognisedAtTheEndOnly) {
  EXPECT_TRUE(isStartupLaunch("page1'launch [startup]"));
  EXPECT_TRUE(isStartupLaunch("page1'LAUNCH [startup]."));
  EXPECT_FALSE(isStartupLaunch("page1'launch [startup] print 1"));
  EXPECT_FALSE(isStartupLaunch("launch [startup]"));
}

}  // namespace
}  // namespace lx
