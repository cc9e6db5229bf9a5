// The show form reads back as an equal value: checked for every byte, every
// pair of the characters the reader treats specially, and many generated
// words, numbers, booleans and nested lists.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "list_test_support.h"
#include "values/boolean.h"
#include "values/list_builder.h"
#include "values/number.h"

namespace lx {
namespace {

using namespace lx::testing;

// Line feeds are left out: a word's line breaks show as "¶" and read back as
// a CR, which is the one change of text the show form makes on purpose.
const std::string kSpecial = [] {
  std::string s = "\\|\"[]()*+-/;<=> \r\xB6\xB7.eE0159\x01\x1F\x7F\xFF" "a";
  return s + '\0';
}();

// Reads the show form of `word` and checks it gives the same text back.
void expectWordRoundTrip(const std::string& text) {
  const Value word = makeWord(text);
  const std::string show = word->showText(1);
  Ref<tLogoList> back;
  try {
    back = read(show);
  } catch (const eLogoException& e) {
    ADD_FAILURE() << "show form of a word fails to read: " << ::testing::PrintToString(show);
    return;
  }
  ASSERT_EQ(back->count(), 1u) << ::testing::PrintToString(text) << " shows as " << ::testing::PrintToString(show);
  EXPECT_EQ(back->element()->wordText(), text) << "shows as " << ::testing::PrintToString(show);
  EXPECT_TRUE(back->element()->equals(*word));
}

TEST(ShowFormRoundTrip, EveryByteAlone) {
  for (int b = 0; b < 256; ++b)
    if (b != '\n') expectWordRoundTrip(std::string(1, static_cast<char>(b)));
}

TEST(ShowFormRoundTrip, EveryPairAndTripleOfSpecialCharacters) {
  for (char a : kSpecial)
    for (char b : kSpecial) {
      expectWordRoundTrip({a, b});
      for (char c : kSpecial) expectWordRoundTrip({a, b, c});
    }
}

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::string word() {
    std::string text;
    const int length = below(10);
    for (int k = 0; k < length; ++k) {
      char c = below(3) == 0 ? static_cast<char>(below(256)) : kSpecial[static_cast<size_t>(below(kSpecial.size()))];
      text += c == '\n' ? 'n' : c;
    }
    return text;
  }

  Value atom() {
    switch (below(6)) {
      case 0: return makeInt(static_cast<int32_t>(random_()));
      case 1: return makeReal(static_cast<long double>(below(40000) - 20000) / 4);  // six digits at most
      case 2: {
        const std::string text = std::to_string(below(1000)) + "." + std::to_string(below(100)) + "e" +
                                 std::to_string(below(60) - 30);
        return read1(text);
      }
      case 3: return makeBool(below(2) == 1);
      default: return makeWord(word());
    }
  }

  Ref<tLogoList> list(int depth) {
    ListBuilder builder;
    const int length = below(6);
    for (int k = 0; k < length; ++k) builder.add(depth > 0 && below(3) == 0 ? Value(list(depth - 1)) : atom());
    return builder.finish();
  }

 private:
  int below(size_t n) { return static_cast<int>(random_() % n); }
  std::mt19937 random_;
};

TEST(ShowFormRoundTrip, GeneratedWords) {
  Generator generate(1);
  for (int k = 0; k < 20000; ++k) expectWordRoundTrip(generate.word());
}

TEST(ShowFormRoundTrip, GeneratedListsReadBackEqualAndShowTheSame) {
  Generator generate(2);
  for (int k = 0; k < 3000; ++k) {
    const Ref<tLogoList> list = generate.list(4);
    const std::string show = list->showText(0);
    const Ref<tLogoList> back = read(show);
    ASSERT_TRUE(back->equals(*list)) << ::testing::PrintToString(show);
    ASSERT_EQ(back->showText(0), show);
    ASSERT_EQ(read(list->showText(1))->element()->showText(1), list->showText(1));
  }
}

}  // namespace
}  // namespace lx
