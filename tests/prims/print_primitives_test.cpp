// The printing family at the main object, printto with the clipboard, and
// printtotextbox.
#include "prims/print_primitives.h"

#include "platform/clipboard.h"
#include "platform/platform.h"
#include "prims/data_primitives_session.h"

namespace lx {
namespace {

using Printing = testing::DataPrimitivesTest;

TEST_F(Printing, PrintDropsTheOuterBracketsAndShowKeepsThem) {
  EXPECT_EQ(output("print [a [b [c]] d]"), "a [b [c]] d\r\n");
  EXPECT_EQ(output("show [a [b [c]] d]"), "[a [b [c]] d]\r\n");
  EXPECT_EQ(output("(print \"a [b] [] [[]])"), "a b  []\r\n");
  EXPECT_EQ(output("(show \"a [b] [] [[]])"), "a [b] [] [[]]\r\n");
  EXPECT_EQ(output("print [] show []"), "\r\n[]\r\n");
  EXPECT_EQ(output("(print) (show)"), "\r\n\r\n");
}

TEST_F(Printing, ShowQuotesWordsSoThatTheyReadBack) {
  EXPECT_EQ(output("print \"|a b| show \"|a b| show [x |y z|]"), "a b\r\n|a b|\r\n[x |y z|]\r\n");
  EXPECT_EQ(output("show \""), "||\r\n");
}

TEST_F(Printing, PrintTakesWholeComparisonsAsInputs) {
  EXPECT_EQ(output("print 1 = 1 (print 2 < 1 3)"), "true\r\nfalse 3\r\n");
}

TEST_F(Printing, TypeWritesWithoutSeparatorsOrLineEnd) {
  EXPECT_EQ(output("(type 1 2)"), "12");
  EXPECT_EQ(output("type [a [b]] type \"c print \"d"), "a [b]cd\r\n");
  destination->writes = 0;
  run("(type)");
  EXPECT_EQ(destination->writes, 0);
}

TEST_F(Printing, PrintlineWritesALinePerWordAndPerItem) {
  EXPECT_EQ(output("(printline \"a [b [c d] e] [] 7)"), "a\r\nb\r\nc d\r\ne\r\n7\r\n");
  EXPECT_EQ(output("printline []"), "");
}

TEST_F(Printing, EachCallWritesOnce) {
  run("(print 1 2 3) (printline [a b c])");
  EXPECT_EQ(destination->writes, 2);
}

TEST_F(Printing, WithoutADestinationNothingIsWrittenAndNothingFails) {
  setStandardDestination(nullptr);
  EXPECT_EQ(errorOf("print 1 show [2] (type 3) printline [4 5]"), erUnexpected);
  EXPECT_EQ(destination->written, "");
}

TEST_F(Printing, PrinttotextboxOpensWhatTheTextBoxesProvide) {
  ASSERT_EQ(errorOf("printtotextbox \"text1"), erNoTextboxName);
  EXPECT_EQ(lastError->value->printText(), "text1");
  auto box = std::make_shared<testing::RecordingDestination>();
  setTextBoxOutputFinder([&](const Value& name) -> std::shared_ptr<OutputDestination> {
    return name->printText() == "text1" ? box : nullptr;
  });
  run("printtotextbox \"text1 print \"inside printtotextbox [] print \"outside");
  setTextBoxOutputFinder(nullptr);
  EXPECT_EQ(box->written, "inside\r\n");
  EXPECT_EQ(destination->written, "outside\r\n");
}

// printto needs the clipboard, which the platform layer provides.
class PrintingToTheClipboard : public Printing {
 protected:
  void SetUp() override {
    if (!startedPlatform()) {
      startPlatform(BackendRequest::Headless);
      started_ = true;
    }
    setClipboardText("before");
  }
  void TearDown() override {
    if (started_) stopPlatform();
  }

 private:
  bool started_ = false;
};

TEST_F(PrintingToTheClipboard, PrinttoTakesTheOutputUntilTheEmptyList) {
  run("printto \"clipboard print [a b] (type \"c \"d)");
  EXPECT_EQ(clipboardText(), "a b\r\ncd");
  EXPECT_EQ(destination->written, "");
  run("printto [] print \"after");
  EXPECT_EQ(clipboardText(), "a b\r\ncd");
  EXPECT_EQ(destination->written, "after\r\n");
}

TEST_F(PrintingToTheClipboard, OpeningLeavesTheClipboardAloneAndReopeningStartsAfresh) {
  run("printto \"CLIPBOARD");
  EXPECT_EQ(clipboardText(), "before");
  run("print 1 printto \"Clipboard print 2");
  EXPECT_EQ(clipboardText(), "2\r\n");
}

TEST_F(PrintingToTheClipboard, AFileNameIsRefusedAndTheOutputStaysWhereItWas) {
  run("printto \"clipboard");
  ASSERT_EQ(errorOf("printto \"notes.txt"), erNoSave);
  EXPECT_EQ(lastError->value->printText(), "notes.txt");
  EXPECT_EQ(errorOf("printto [clipboard]"), erNoSave);
  EXPECT_EQ(errorOf("printto \""), erNoSave);
  run("print \"still");
  EXPECT_EQ(clipboardText(), "still\r\n");
}

TEST_F(PrintingToTheClipboard, ShownTextComesBackThroughTheClipboardIntact) {
  run("printto \"clipboard show [a [b c] |d e| 1.50] printto []");
  EXPECT_EQ(output("show first parse clipboard"), "[a [b c] |d e| 1.50]\r\n");
  EXPECT_EQ(output("print clipboard"), "[a [b c] |d e| 1.50]\r\n\r\n");
}

}  // namespace
}  // namespace lx
