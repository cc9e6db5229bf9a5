// Dictionary files beside the program that are cut, damaged or hostile are
// refused with a reason and leave the built-in dictionary in use; a sound
// one stands in for the built-in dictionary of its language.
#include "lang/dictionary_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "lang/builtin_resources.h"
#include "lang/coded_stream.h"
#include "lang/dictionary.h"
#include "platform/codepage.h"
#include "platform/message_box.h"
#include "platform/program_directory.h"

namespace lx {
namespace {

std::string builtinText(const char* name) {
  const BuiltinResource* resource = findBuiltinResource("LDI", name);
  EXPECT_NE(resource, nullptr) << name;
  if (!resource) return "";
  return decodeCoded({reinterpret_cast<const char*>(resource->data), resource->size});
}

class DictionaryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = programDirectory();
    folder_ = std::filesystem::temp_directory_path() / ("lx-ldx-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    setProgramDirectory(folder_);
    setMessageBoxEcho(false);
    clearShownMessages();
    slovak_ = builtinText("SLOVAK");
  }
  void TearDown() override {
    selectLanguage("english");
    setMessageBoxEcho(true);
    setProgramDirectory(saved_);
    std::filesystem::remove_all(folder_);
  }
  void writeLdx(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }
  // Selects Slovak from a file, and answers the message that refused it.
  std::string refusalOf(const std::string& bytes) {
    writeLdx("slovak.ldx", bytes);
    selectLanguage("english");
    clearShownMessages();
    EXPECT_TRUE(selectLanguage("slovak"));
    // The built-in dictionary serves, whole.
    EXPECT_EQ(localName("make"), utf8ToCp1250("urob").text);
    EXPECT_EQ(localName("onErase"), utf8ToCp1250("priVymazaní").text);
    const auto shown = shownMessages();
    return shown.size() == 1 ? cp1250ToUtf8(shown[0].text) : "";
  }

  std::filesystem::path folder_, saved_;
  std::string slovak_;
};

TEST_F(DictionaryFiles, ACutOrDamagedCopyIsRefusedNamingWhatIsWrong) {
  const std::string cut = refusalOf(encodeCoded(slovak_.substr(0, slovak_.size() / 2), 3));
  EXPECT_NE(cut.find("slovak.ldx cannot be used: the entry "), std::string::npos) << cut;
  EXPECT_NE(cut.find("is missing. The built-in dictionary is used instead."), std::string::npos) << cut;

  std::string noSection = slovak_;
  noSection.replace(noSection.find("[InstrumentNames]"), 17, "[Instruments]");
  EXPECT_NE(refusalOf(encodeCoded(noSection, 4)).find("of section [instrumentnames] is missing"),
            std::string::npos);

  // Plain text that was never coded decodes to noise.
  EXPECT_NE(refusalOf(slovak_).find("it holds no dictionary text"), std::string::npos);
  EXPECT_NE(refusalOf("").find("it holds no dictionary text"), std::string::npos);
}

TEST_F(DictionaryFiles, HostileShapesAreRefusedBeforeTheyAreParsed) {
  const std::string longLine = "[dict]\nx=" + std::string(kMaxDictionaryLineBytes, 'y') + "\n";
  EXPECT_NE(refusalOf(encodeCoded(longLine, 5)).find("line 2 is longer than 16384 characters"),
            std::string::npos);

  std::string sections;
  for (size_t i = 0; i <= kMaxDictionarySections; ++i) sections += "[s" + std::to_string(i) + "]\nk=v\n";
  EXPECT_NE(refusalOf(encodeCoded(sections, 6)).find("more than 256 sections"), std::string::npos);

  // A huge file is refused by its size, without being read.
  {
    std::ofstream big(folder_ / "slovak.ldx", std::ios::binary);
    big.seekp(static_cast<std::streamoff>(kMaxDictionaryFileBytes));
    big.put('x');
  }
  selectLanguage("english");
  clearShownMessages();
  EXPECT_TRUE(selectLanguage("slovak"));
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_NE(shownMessages()[0].text.find("larger than 4 MB"), std::string::npos);
}

TEST_F(DictionaryFiles, ASoundCopyStandsInForTheBuiltInDictionary) {
  std::string changed = slovak_;
  const std::string from = utf8ToCp1250("\nmake=urob").text;
  ASSERT_NE(changed.find(from), std::string::npos);
  changed.replace(changed.find(from), from.size(), "\nmake=sprav urob");
  writeLdx("slovak.ldx", encodeCoded(changed, 9));
  EXPECT_TRUE(selectLanguage("slovak"));
  EXPECT_EQ(localName("make"), "sprav");
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(DictionaryFiles, ANewLanguageMayBringPartOfTheWords) {
  // No built-in dictionary to be measured against: any sound file serves.
  writeLdx("pirate.ldx",
           encodeCoded("[dict]\nprint=arr\nprint=yarr\n[other]\nto=learn\n[dict]\nmake=stash\n", 2));
  ASSERT_TRUE(selectLanguage("pirate"));
  // A key given again replaces the earlier value, also in a section opened again.
  EXPECT_EQ(localName("print"), "yarr");
  EXPECT_EQ(localName("make"), "stash");
  writeLdx("noisy.ldx", std::string(1000, '\x5B'));
  EXPECT_FALSE(selectLanguage("noisy"));
  EXPECT_EQ(currentLanguage(), "pirate");
}

TEST(DictionaryBytes, ManyEntriesInReverseOrderAreSortedOnce) {
  std::string text = "[dict]\n";
  for (int i = 200000; i > 0; --i) text += "k" + std::to_string(i) + "=v\n";
  const DictionaryFile file = readDictionaryBytes(encodeCoded(text, 1), nullptr);
  ASSERT_NE(file.tables, nullptr) << file.problem;
  const auto& entries = file.tables->section("dict")->entries();
  ASSERT_EQ(entries.size(), 200000u);
  EXPECT_EQ(entries.front().key, "k1");
  EXPECT_EQ(*file.tables->find("dict", "k199999"), "v");
}

}  // namespace
}  // namespace lx
