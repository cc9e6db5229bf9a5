// The dictionary text format: trimming, letter case of sections and keys,
// comments, line ends and sorted lookup.
#include "lang/dictionary_table.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(DictionaryText, EntriesAreTrimmedAndKeysLowerCased) {
  TDTables tables;
  tables.parse("  [Dict]  \r\n   Forward  =   forward   fd  \r\nbare line\n;comment=no\n");
  ASSERT_NE(tables.section("dict"), nullptr);
  const std::string* value = tables.find("DICT", "FORWARD");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(*value, "forward   fd");
  EXPECT_EQ(tables.section("dict")->entries().front().key, "forward");
  EXPECT_EQ(tables.find("dict", "bare line"), nullptr);
  EXPECT_EQ(tables.find("dict", ";comment"), nullptr);
}

TEST(DictionaryText, LinesBeforeTheFirstSectionAreIgnored) {
  TDTables tables;
  tables.parse("orphan=1\n[a]\nkey=2");
  EXPECT_EQ(tables.find("a", "orphan"), nullptr);
  EXPECT_EQ(*tables.find("a", "key"), "2");
}

TEST(DictionaryText, HeadersDifferingInCaseNameOneSection) {
  TDTables tables;
  tables.parse("[Text]\none=1\n[other]\nx=y\n[TEXT]\ntwo=2\n");
  EXPECT_EQ(tables.sections().size(), 2u);
  EXPECT_EQ(*tables.find("text", "one"), "1");
  EXPECT_EQ(*tables.find("text", "two"), "2");
  EXPECT_EQ(tables.firstParsedSection()->name(), "text");
}

TEST(DictionaryText, NulAndCrEndLinesAndValueKeepsLaterEquals) {
  TDTables tables;
  tables.parse(std::string("[s]\0a=1=2\rb=\0c", 14));
  EXPECT_EQ(*tables.find("s", "a"), "1=2");
  EXPECT_EQ(*tables.find("s", "b"), "");
  EXPECT_EQ(tables.find("s", "c"), nullptr);
}

TEST(DictionaryText, ManyEntriesStaySortedForLookup) {
  TDTables tables;
  std::string text = "[big]\n";
  for (int i = 999; i >= 0; --i) text += "k" + std::to_string(i) + "=v" + std::to_string(i) + "\n";
  tables.parse(text);
  const auto& entries = tables.section("big")->entries();
  ASSERT_EQ(entries.size(), 1000u);
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                             [](const TDEntry& a, const TDEntry& b) { return a.key < b.key; }));
  EXPECT_EQ(*tables.find("big", "K517"), "v517");
}

TEST(DictionaryText, MalformedHeadersAndGarbageDoNotCrash) {
  TDTables tables;
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  tables.parse("[\n]\n[]\n=\n" + garbage);
  SUCCEED();
}

}  // namespace
}  // namespace lx
