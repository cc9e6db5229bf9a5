// The English interface dictionary as the rest of the system relies on it:
// a message for every error code, captions for every kind of process, and
// the short strings, all with well-formed placeholders and line breaks.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>

#include "lang/interface_dictionary.h"
#include "lang/test_error_names.h"

namespace lx {
namespace {

// The kinds of process in order; each is a key of the error captions.
constexpr std::array<const char*, 21> kProcessKinds = {
    "ipNone",       "ipProc",        "ipEvent",      "ipMenu",    "ipMCINotify", "ipVoiceMenu",  "ipKeyMenu",
    "ipNetworkRun", "ipInitialLoad", "ipINILoad",    "ipLaunch",  "ipForever",   "ipTreeAction", "ipEvery",
    "ipAfter",      "ipAutoDrag",    "ipClearClick", "ipStartup", "ipCleaning",  "ipCode",       "ipLoadFile",
};

constexpr std::string_view kPlaceholderLetters = "FHchLPabp";

class EnglishInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(selectInterfaceLanguage("english"));
    // The English block itself, not the fallback for unknown languages.
    ASSERT_EQ(interfaceLanguage(), "english");
  }

  static const TDTable& section(std::string_view name) {
    static const TDTable kEmpty("");
    const TDTable* table = currentInterfaceDictionary()->section(name);
    if (table) return *table;
    ADD_FAILURE() << "missing section " << name;
    return kEmpty;
  }
};

// Describes the first "#" that does not start a placeholder, or "".
std::string badPlaceholder(std::string_view text) {
  for (size_t at = text.find('#'); at != std::string_view::npos; at = text.find('#', at + 2)) {
    if (at + 1 == text.size() || kPlaceholderLetters.find(text[at + 1]) == std::string_view::npos)
      return "'#' at " + std::to_string(at) + " in: " + std::string(text);
  }
  return "";
}

TEST_F(EnglishInterface, EveryErrorCodeHasAMessageWithAHeadline) {
  int named = 0;
  for (size_t code = 0; code < kErrorNames.size(); ++code) {
    if (!kErrorNames[code]) continue;
    ++named;
    SCOPED_TRACE(std::string(kErrorNames[code]) + " (" + std::to_string(code) + ")");
    const std::string message = interfaceLookup("errors", kErrorNames[code]);
    ASSERT_GE(message.size(), 2u);
    // The first line is the headline of the message box; the hint follows it.
    const std::string headline = message.substr(0, message.find("\r\n"));
    EXPECT_GE(headline.size(), 2u);
    EXPECT_NE(message.front(), ' ');
    EXPECT_NE(message.substr(message.size() - 2), "\r\n");
  }
  EXPECT_EQ(named, 197);
}

TEST_F(EnglishInterface, ErrorSectionHoldsOnlyErrorNames) {
  // A misspelt key would leave its code without a message and sit unused.
  std::set<std::string> known;
  for (const char* name : kErrorNames)
    if (name) known.insert(asciiLower(name));
  for (const TDEntry& entry : section("errors").entries())
    EXPECT_TRUE(known.count(entry.key)) << "unknown error key " << entry.key;
  EXPECT_EQ(section("errors").entries().size(), known.size());
}

TEST_F(EnglishInterface, PlaceholdersAreWellFormed) {
  for (std::string_view name : {"errors", "ErrorCaptions"}) {
    for (const TDEntry& entry : section(name).entries()) {
      SCOPED_TRACE(std::string(name) + "/" + entry.key);
      EXPECT_EQ(badPlaceholder(entry.value), "");
      // Some codes format their template with arguments; a stray "%" would
      // break that and shows as it stands everywhere else.
      EXPECT_EQ(entry.value.find('%'), std::string::npos);
    }
  }
}

// Each message names what the raiser of its code hands over: leaving a
// placeholder out loses the name of the offending thing, and a placeholder
// whose field is never filled shows "<nil>" or nothing.
TEST_F(EnglishInterface, MessagesShowWhatTheirErrorsCarry) {
  struct Expectation {
    const char* name;
    std::string_view has;
    std::string_view hasNot;
  };
  const Expectation expectations[] = {
      {"erDoNotKnowHowTo", "#H", ""},  // the unknown name's code
      {"erNoVal", "#H", "#p"},         // a variable read outside any call
      {"erNoObject", "#H", ""},
      {"erUnDefEvenet", "#H", ""},
      {"erPageNotExist", "#H", ""},
      {"erWhatToDo", "#H", "#p"},      // a bare value at statement level
      {"erMinMax", "#H#a#b", ""},      // the value and its allowed range
      {"erDidNotReport", "#H#p", ""},  // who gave nothing, and to whom
      {"erWrongPlace", "#p", ""},      // output or stop
      {"erNoCatch", "#h", ""},         // the tag
      {"erDiv0", "#p", "#H"},
      {"erReal", "#p", "#H"},
      {"erNotEnoughInputs", "#p", ""},
      {"erTooManyInputs", "#p", ""},
      {"erExpectNumber", "#p#H", ""},
      {"erExpectList", "#p#H", ""},
      {"erExpectWord", "#p#H", ""},
      {"erNotBool", "#p#H", ""},
      {"erExpectColors", "#p#H", ""},
      {"erColorWrongName", "#H", ""},
      {"erDrawingComm", "#H", ""},  // the drawing word at fault
      {"erFileProblem", "#h", ""},  // file names as print shows them
      {"erNoEmbeddedFileEXE", "#h", ""},
      {"erNoEmbeddedFilePlugin", "#h", ""},
      {"erUnsupportedLanguage", "#h", ""},
      {"erMissingRpar", "", "#"},  // raised while reading, nothing to name
      {"erWrongSequence", "", "#"},
      {"erExtraRBracket", "", "#"},
      {"erMissingRBracket", "", "#"},
      {"erStackOverflow", "", "#"},
      {"erLumaxisProject", "", "#"},
      {"erLinkLoop", "", "#"},
  };
  for (const Expectation& e : expectations) {
    SCOPED_TRACE(e.name);
    const std::string message = interfaceLookup("errors", e.name);
    for (size_t i = 0; i + 1 < e.has.size(); i += 2)
      EXPECT_NE(message.find(e.has.substr(i, 2)), std::string::npos) << e.has.substr(i, 2);
    if (!e.hasNot.empty()) {
      EXPECT_EQ(message.find(e.hasNot), std::string::npos) << e.hasNot;
    }
  }
}

TEST_F(EnglishInterface, ParagraphMarkBecomesLineBreakInLookups) {
  int withHint = 0;
  for (std::string_view name : {"errors", "ErrorCaptions", "strings"}) {
    for (const TDEntry& entry : section(name).entries()) {
      SCOPED_TRACE(std::string(name) + "/" + entry.key);
      // The build converts the sources to code page 1250: "¶" is one byte.
      EXPECT_EQ(entry.value.find("\xC2\xB6"), std::string::npos);
      std::string expected;
      for (char c : entry.value) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "control character in the source";
        expected += c == '\xB6' ? std::string("\r\n") : std::string(1, c);
      }
      if (expected != entry.value) ++withHint;
      EXPECT_EQ(interfaceLookup(name, entry.key), expected);
    }
  }
  EXPECT_GT(withHint, 100);
  EXPECT_EQ(interfaceLookup("errors", "erDiv0").find('\xB6'), std::string::npos);
  EXPECT_NE(interfaceLookup("errors", "erDiv0").find("\r\n"), std::string::npos);
}

TEST_F(EnglishInterface, CaptionsCoverEveryProcessKind) {
  for (const char* kind : kProcessKinds) {
    SCOPED_TRACE(kind);
    const std::string caption = interfaceLookup("ErrorCaptions", kind);
    EXPECT_FALSE(caption.empty());
    EXPECT_EQ(caption.find("\r\n"), std::string::npos) << "a caption is one line";
  }
  EXPECT_EQ(section("ErrorCaptions").entries().size(), kProcessKinds.size() + 2);
}

TEST_F(EnglishInterface, CaptionsFitHowTheyAreShown) {
  // "Error" captions faults that are not Logo errors, without expansion; the
  // network caption is sent back to the asking project as it stands.
  const std::string plain = interfaceLookup("ErrorCaptions", "Error");
  EXPECT_FALSE(plain.empty());
  EXPECT_EQ(plain.find('#'), std::string::npos);
  EXPECT_EQ(interfaceLookup("ErrorCaptions", "ipNetworkRun").find('#'), std::string::npos);
  // A procedure's caption names it; the line is known only for ipProc.
  const std::string inProc = interfaceLookup("ErrorCaptions", "errorinproc");
  EXPECT_NE(inProc.find("#P"), std::string::npos);
  EXPECT_EQ(inProc.find("#L"), std::string::npos);
  const std::string withLine = interfaceLookup("ErrorCaptions", "ipProc");
  EXPECT_NE(withLine.find("#P"), std::string::npos);
  EXPECT_NE(withLine.find("#L"), std::string::npos);
  // A process's own list has no line of its own (it is always 0).
  for (const char* kind : kProcessKinds) {
    if (std::string_view(kind) == "ipProc") continue;
    EXPECT_EQ(interfaceLookup("ErrorCaptions", kind).find("#L"), std::string::npos) << kind;
  }
}

TEST_F(EnglishInterface, ObjectNamesFromTheFormatAreValidNames) {
  for (const char* counter : {"0", "17"}) {
    const std::string name = interfaceString("Object", counter);
    EXPECT_NE(name.find(counter), std::string::npos) << name;
    EXPECT_NE(name, counter) << "a name must not be a number";
    for (char c : name) EXPECT_GT(static_cast<unsigned char>(c), 0x20) << name;
    EXPECT_NE(name.front(), '"');
    EXPECT_NE(name.front(), ':');
  }
  EXPECT_NE(interfaceString("Object", "1"), interfaceString("Object", "2"));
}

TEST_F(EnglishInterface, StringsAndPictureKindsArePresent) {
  EXPECT_EQ(interfaceLookup("strings", "is"), "is");
  EXPECT_FALSE(interfaceLookup("strings", "print").empty());
  for (const char* address : {"HomePage", "pluginpage"})
    EXPECT_EQ(interfaceLookup("strings", address).rfind("http", 0), 0u) << address;
  for (const char* label :
       {"commandsLabel", "variablesLabel", "GlobalsLabel", "ObjectsLabel", "PagesLabel", "EventsLabel"})
    EXPECT_FALSE(interfaceLookup("strings", label).empty()) << label;
  for (const char* extension : {"bmp", "ico", "jpg", "jpe", "jpeg", "wmf", "emf", "gif", "lgw", "lgf"})
    EXPECT_FALSE(interfaceLookup("GraphicFileFormats", extension).empty()) << extension;
}

}  // namespace
}  // namespace lx
