// The file kinds: the words that name them in English and in a language with
// its own words, their extensions, and their default directories with the
// dictionary's sub-folder names or, without them, the keys.
#include "app/file_kind.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/path_resolver.h"
#include "app/search_paths.h"
#include "lang/coded_stream.h"
#include "lang/dictionary.h"
#include "path_test_folder.h"

namespace lx {
namespace {

using Entries = std::vector<std::string>;

TEST(FileKind, EnglishWordsNameTheKinds) {
  const std::vector<std::pair<const char*, FileKind>> words = {
      {"project", fkProject}, {"screen", fkProject}, {"demo", fkDemo},    {"help", fkHelp},
      {"image", fkImage},     {"media", fkMedia},    {"wave", fkMedia},   {"sound", fkMedia},
      {"text", fkText},       {"web", fkWeb},        {"button", fkButton}};
  for (const auto& [word, kind] : words) EXPECT_EQ(kindOfName(word), kind) << word;
  EXPECT_EQ(kindOfName("IMAGE"), fkImage);
  EXPECT_EQ(kindOfName("Sound"), fkMedia);
  for (const char* other : {"", "images", "picture", "%", "project "})
    EXPECT_EQ(kindOfName(other), fkAny) << other;
}

TEST(FileKind, DefaultDirectoriesUseTheEnglishSubfolderNames) {
  EXPECT_EQ(defaultDirectories(fkAny), (Entries{"%"}));
  EXPECT_EQ(defaultDirectories(fkImage), (Entries{"$images\\", "%images\\", "$", "%"}));
  EXPECT_EQ(defaultDirectories(fkWeb),
            (Entries{"$web\\", "%projects\\web\\", "%web\\", "$", "%projects\\", "%"}));
  EXPECT_EQ(defaultDirectories(fkButton), (Entries{"$images\\buttons\\", "$buttons\\", "%images\\buttons\\",
                                                   "%buttons\\", "$images\\", "%images\\", "$", "%"}));
}

// A language with its own words for some kinds and no sub-folder names.
class LocalizedFileKind : public PathTestFolder {
 protected:
  void SetUp() override {
    PathTestFolder::SetUp();
    std::ofstream(root_ / "program" / "kinds.ldx", std::ios::binary)
        << encodeCoded("[pathnames]\nimage=obrazok obr\nsound=zvuk\n[other]\nclipboard=schranka\n", 3);
    ASSERT_TRUE(selectLanguage("kinds"));
  }
  void TearDown() override {
    ASSERT_TRUE(selectLanguage("english"));
    PathTestFolder::TearDown();
  }
};

TEST_F(LocalizedFileKind, TheLanguagesWordsAndSynonymsNameKinds) {
  EXPECT_EQ(kindOfName("obrazok"), fkImage);
  EXPECT_EQ(kindOfName("OBR"), fkImage);
  EXPECT_EQ(kindOfName("zvuk"), fkMedia);
  // A kind whose entry the language has is named by its words only.
  EXPECT_EQ(kindOfName("image"), fkAny);
  // A key the language lacks serves as its own word.
  EXPECT_EQ(kindOfName("wave"), fkMedia);
  EXPECT_EQ(kindOfName("button"), fkButton);
}

TEST_F(LocalizedFileKind, WithoutSubfolderNamesTheKeysServe) {
  EXPECT_EQ(defaultDirectories(fkImage), (Entries{"$image\\", "%image\\", "$", "%"}));
  // Stored defaults follow the dictionary that is current when they are read.
  EXPECT_EQ(directoriesOf(fkWeb), (Entries{"$web\\", "%project\\web\\", "%web\\", "$", "%project\\", "%"}));
  ASSERT_TRUE(selectLanguage("english"));
  EXPECT_EQ(directoriesOf(fkWeb)[1], "%projects\\web\\");
}

TEST_F(LocalizedFileKind, TheLanguagesClipboardWordAndTheInternalOneNameTheClipboard) {
  for (const char* name : {"schranka", "SCHRANKA", "clipboard", "ClipBoard"}) {
    const ResolvedPath resolved = resolvePath(fkText, name, rfMustExist);
    EXPECT_TRUE(resolved.isClipboard) << name;
    EXPECT_EQ(resolved.text(), name);
  }
  EXPECT_FALSE(isClipboardName("clipboard.txt"));
}

}  // namespace
}  // namespace lx
