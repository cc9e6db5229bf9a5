// The strict option's three levels on every list and word operation it
// changes, as one table: at 0 the operations answer an empty list or word
// where they would fail; at 1 the list operations raise errors 4 and 26 and
// the word operations that take an index raise 5 and 26; at 2 the word
// operations that take no index raise 5 too.
#include <string>

#include "core/global_options.h"
#include "prims/data_primitives_session.h"

namespace lx {
namespace {

// What an expression answers at one level: the show form of its value, or
// "error N".
struct StrictRow {
  const char* expression;
  const char* level[3];
};

constexpr const char* kE4 = "error 4";
constexpr const char* kE5 = "error 5";
constexpr const char* kE26 = "error 26";

constexpr StrictRow kRows[] = {
    // Lists.
    {"first []", {"[]", kE4, kE4}},
    {"butfirst []", {"[]", kE4, kE4}},
    {"last []", {"[]", kE4, kE4}},
    {"butlast []", {"[]", kE4, kE4}},
    {"pick []", {"[]", kE4, kE4}},
    {"item 1 []", {"[]", kE4, kE4}},
    {"item 0 [a b]", {"[]", kE26, kE26}},
    {"item 3 [a b]", {"[]", kE26, kE26}},
    {"item [1 5] [[a]]", {"[]", kE26, kE26}},
    {"deepitem [1 5] [[a]]", {"[]", kE26, kE26}},
    {"deepitem [1 1] [[]]", {"[]", kE4, kE4}},
    {"deepreplace [1 5] [[a]] \"x", {"[]", kE26, kE26}},
    {"butitem 1 []", {"[]", kE4, kE4}},
    {"butitem 3 [a b]", {"[]", kE26, kE26}},
    {"replace 1 [] \"x", {"[]", kE4, kE4}},
    {"replace 3 [a b] \"x", {"[]", kE26, kE26}},
    // In range every level answers alike.
    {"item 2 [a b]", {"b", "b", "b"}},
    {"butfirst [a]", {"[]", "[]", "[]"}},
    // Words.
    {"first \"", {"||", "||", kE5}},
    {"butfirst \"", {"||", "||", kE5}},
    {"last \"", {"||", "||", kE5}},
    {"butlast \"", {"||", "||", kE5}},
    {"pick \"", {"||", "||", kE5}},
    {"item 1 \"", {"||", kE5, kE5}},
    {"item 0 \"ab", {"||", kE26, kE26}},
    {"item 3 \"ab", {"||", kE26, kE26}},
    {"butitem 1 \"", {"||", kE5, kE5}},
    {"butitem 3 \"ab", {"||", kE26, kE26}},
    {"replace 1 \" \"x", {"||", kE5, kE5}},
    {"replace 3 \"ab \"x", {"||", kE26, kE26}},
    {"item 2 \"ab", {"b", "b", "b"}},
    {"butfirst \"a", {"||", "||", "||"}},
};

class StrictOptionTable : public testing::DataPrimitivesTest {
 protected:
  ~StrictOptionTable() override { globalOptions().strict = 0; }

  std::string answer(const std::string& expression) {
    const errorConst code = errorOf("show " + expression);
    if (code != erUnexpected) return "error " + std::to_string(static_cast<int>(code));
    std::string shown = std::exchange(destination->written, "");
    return shown.substr(0, shown.find('\r'));
  }
};

TEST_F(StrictOptionTable, EveryOperationAtEveryLevel) {
  for (int level = 0; level < 3; ++level) {
    globalOptions().strict = level;
    for (const StrictRow& row : kRows)
      EXPECT_EQ(answer(row.expression), row.level[level]) << row.expression << " at strict " << level;
  }
}

TEST_F(StrictOptionTable, TheErrorsNameTheListOrWordAndTheRange) {
  globalOptions().strict = 1;
  ASSERT_EQ(errorOf("show item 5 [a b c]"), erMinMax);
  EXPECT_EQ(lastError->numberA, 1);
  EXPECT_EQ(lastError->numberB, 3);
  ASSERT_EQ(errorOf("show first []"), erEmptyList);
  EXPECT_EQ(lastError->value->showText(), "[]");
}

}  // namespace
}  // namespace lx
