// The files choosers offer: those of the kind's extensions in the project's
// folder and the kind's search folders, each name once, sorted.
#include "app/dialog_files.h"

#include <gtest/gtest.h>

#include "controls/dialog_sources.h"
#include "path_test_folder.h"

namespace lx {
namespace {

using Names = std::vector<std::string>;

class DialogFiles : public PathTestFolder {};

TEST_F(DialogFiles, PicturesOfTheProjectAndTheSearchFolders) {
  useProjectFolder("project");
  makeFile("project/zebra.png");
  makeFile("project/Cat.GIF");
  makeFile("project/notes.txt");
  makeFile("program/images/apple.bmp");
  makeFile("program/images/zebra.PNG");  // the same name in another folder: shown once
  makeFolder("project/folder.png");      // a folder is no file
  EXPECT_EQ(filesOfKind("image", {".png", ".gif", ".bmp"}), (Names{"apple.bmp", "Cat.GIF", "zebra.png"}));
  EXPECT_EQ(filesOfKind("text", {".txt"}), (Names{"notes.txt"}));
  // No extensions: every file of the folders.
  EXPECT_EQ(filesOfKind("text", {}), (Names{"Cat.GIF", "notes.txt", "zebra.png"}));
}

TEST_F(DialogFiles, WithoutAProjectFolderOnlyTheSearchFoldersAndChoosersGetTheList) {
  makeFile("program/media/bell.wav");
  makeFile("program/media/song.mid");
  EXPECT_EQ(filesOfKind("media", {".wav"}), (Names{"bell.wav"}));
  EXPECT_TRUE(filesOfKind("media", {".ogg"}).empty());
  installDialogFiles();
  EXPECT_EQ(dialogFiles("media", {}), (Names{"bell.wav", "song.mid"}));
  setDialogFileLister(nullptr);
  EXPECT_TRUE(dialogFiles("media", {}).empty());
}

}  // namespace
}  // namespace lx
