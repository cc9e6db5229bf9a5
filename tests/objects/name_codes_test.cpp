// Name codes: interning, object numbers, dictionary references, set-names.
#include "core/name_codes.h"

#include <gtest/gtest.h>

#include "lang/dictionary.h"
#include "lang/localized_codes.h"
#include "platform/message_box.h"

namespace lx {
namespace {

class NameCodes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(selectLanguage("english"));
    initNameCodes();
    setMessageBoxEcho(false);
    clearShownMessages();
  }
  void TearDown() override { setMessageBoxEcho(true); }
};

TEST_F(NameCodes, FirstNameGetsOneAndRepeatsKeepTheirCode) {
  EXPECT_EQ(codeOf("square"), 1u);
  EXPECT_EQ(codeOf("circle"), 2u);
  EXPECT_EQ(codeOf("SQUARE"), 1u);
  EXPECT_EQ(nameOf(1), "square");
  EXPECT_EQ(nameCodeCount(), 2u);
}

TEST_F(NameCodes, ObjectNumbersAreNeverStored) {
  EXPECT_EQ(codeOf("#5"), 2147483652u);
  EXPECT_TRUE(isObjectNumberCode(codeOf("#5")));
  EXPECT_EQ(objectNumberOf(codeOf("#5")), 5u);
  EXPECT_EQ(nameCodeCount(), 0u);
  EXPECT_FALSE(isObjectNumberCode(codeOf("#5x")));
  EXPECT_FALSE(isObjectNumberCode(codeOf("#")));
  EXPECT_FALSE(isObjectNumberCode(codeOf("#99999999999")));
  EXPECT_EQ(nameCodeCount(), 3u);
}

TEST_F(NameCodes, UnknownCodesHaveAPrintableName) {
  EXPECT_EQ(nameOf(0), "<Unknown name>");
  EXPECT_EQ(nameOf(12345), "<Unknown name>");
  EXPECT_EQ(nameOf(codeOf("#5")), "<Unknown name>");
}

TEST_F(NameCodes, InternalNamesAndReferencesShareTheLocalizedCode) {
  const NameCode print = codeOfInternal("print");
  EXPECT_EQ(nameOf(print), localName("print"));
  EXPECT_EQ(codeOf("\xB7" "print"), print);
  EXPECT_EQ(codeOf("\xB7" "other" "\xB7" "true"), codeOfEntry("other", "true"));
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(NameCodes, UnresolvedReferencesAreReportedAndInterned) {
  const NameCode code = codeOf("\xB7" "nosuchword");
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_EQ(shownMessages()[0].text, "???\xB7" "nosuchword");
  EXPECT_EQ(nameOf(code), "\xB7" "nosuchword");
}

TEST_F(NameCodes, SetNamesFollowThePattern) {
  EXPECT_EQ(nameOf(setNameCodeOf("colour")), "setcolour");
  EXPECT_EQ(codeOfInternal("set*nosuch"), codeOf("set@nosuch@"));
}

}  // namespace
}  // namespace lx
