// Error messages: placeholders, captions, line breaks, annotation, and what
// the sinks show.
#include "interp/error_messages.h"

#include <gtest/gtest.h>

#include "core/control_exceptions.h"
#include "interp/error_sink.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "values/pools.h"

namespace lx {
namespace {

// Stands in for an object that owns procedures.
class Owner : public tLogoString {
 public:
  explicit Owner(std::string name) : tLogoString(std::move(name)) {}
};

class ErrorMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    setOwnerNamer([this](const tlogoobject* owner) { return owner == main_.get() ? "" : owner->printText(); });
    clearShownMessages();
  }
  void TearDown() override { setOwnerNamer(nullptr); }
  Value main_ = Value(new Owner("main"));
};

TEST_F(ErrorMessages, PlaceholdersFillFromTheFields) {
  eLogoException e(erMinMax, 1, 5, makeWord("seven"));
  e.primName = "setpensize";
  e.extraText = "extra";
  e.line = 12;
  EXPECT_EQ(expandMessage(e, "#p: #H #h #c #a..#b #F line #L"), "setpensize: seven seven seven 1..5 extra line 12");
  EXPECT_EQ(expandMessage(e, "50#% and #"), "50#% and #");
  e.value = nullptr;
  EXPECT_EQ(expandMessage(e, "[#H]"), "[<nil>]");
  e.nameCode = codeOf("square");
  EXPECT_EQ(expandMessage(e, "[#H]"), "[square]");
}

TEST_F(ErrorMessages, ProcedurePlaceNamesItsOwnerUnlessMain) {
  Value turtle(new Owner("t1"));
  eLogoException inTurtle(erBadValue);
  annotate(inTurtle, codeOf("square"), turtle.get(), 3, ipProc);
  EXPECT_EQ(expandMessage(inTurtle, "#P"), "t1'square");
  eLogoException inMain(erBadValue);
  annotate(inMain, codeOf("square"), main_.get(), 3, ipProc);
  EXPECT_EQ(expandMessage(inMain, "#P"), "square");
}

TEST_F(ErrorMessages, InnermostAnnotationWins) {
  eLogoException e(erDiv0);
  annotate(e, codeOf("inner"), nullptr, 2, ipProc);
  annotate(e, codeOf("outer"), nullptr, 9, ipProc);
  EXPECT_EQ(e.procName, "inner");
  EXPECT_EQ(e.line, 2);
  annotatePrim(e, codeOf("first"));
  annotatePrim(e, codeOf("second"));
  EXPECT_EQ(e.primName, "first");
}

TEST_F(ErrorMessages, ExpansionHappensOnce) {
  eLogoException e(erBadValue, makeWord("x"));
  e.message = "bad #H";
  expandOnce(e);
  e.value = makeWord("y");
  expandOnce(e);
  EXPECT_EQ(e.message, "bad x");
}

TEST_F(ErrorMessages, OnlyTheFirstLineBreakSeparatesHeadlineAndDetails) {
  eLogoException e(erBadValue);
  e.message = "one line";
  EXPECT_EQ(breakFirstLine(e, "\r\n\r\n"), "one line");
  e.message = "head\r\ndetail\r\nmore";
  EXPECT_EQ(breakFirstLine(e, ", "), "head, detail\r\nmore");
}

TEST_F(ErrorMessages, CaptionsFollowTheProcessKind) {
  eLogoException e(erBadValue);
  EXPECT_EQ(captionFor(e, "plain #p"), "plain ");
  annotate(e, codeOf("square"), nullptr, -1, ipProc);
  EXPECT_EQ(captionFor(e, "x"), expandMessage(e, interfaceLookup("ErrorCaptions", "errorinproc")));
  eLogoException every(erBadValue);
  annotate(every, codeOf("@tick"), nullptr, 0, ipEvery);
  EXPECT_EQ(captionFor(every, "x"), expandMessage(every, interfaceLookup("ErrorCaptions", "ipEvery")));
  EXPECT_FALSE(captionFor(every, "x").empty());
}

TEST_F(ErrorMessages, DefaultSinkShowsAFilledMessageBox) {
  eLogoException e(erExpectNumber, makeWord("abc"));
  e.primName = "forward";
  tdefaultcommander sink;
  sink.showError(e);
  const auto shown = shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].text.find("abc"), std::string::npos);
  EXPECT_NE(shown[0].text.find("forward"), std::string::npos);
  EXPECT_EQ(shown[0].text.find('#'), std::string::npos);
  EXPECT_EQ(shown[0].caption, interfaceLookup("ErrorCaptions", "Error"));
  sink.showError(std::runtime_error("disk on fire"));
  EXPECT_EQ(shownMessages().back().text, "disk on fire");
  EXPECT_THROW(sink.readLine(""), eLogoException);
}

TEST_F(ErrorMessages, RemoteRunsGetAReplyText) {
  tsendruncommander sink;
  sink.showError(eLogoException(erWhatToDo, makeWord("42")));
  EXPECT_EQ(sink.reply(), "OK: 42");
  eLogoException e(erDiv0);
  e.message = "Division by zero\r\nhint";
  sink.showError(e);
  EXPECT_EQ(sink.reply(), "Division by zero, hint");
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(ErrorMessages, ThrowCarriesItsTagAsErrorForty) {
  ethrow t("done");
  EXPECT_EQ(t.code, erNoCatch);
  EXPECT_EQ(t.tag, "done");
  EXPECT_EQ(t.value->printText(), "done");
}

}  // namespace
}  // namespace lx
