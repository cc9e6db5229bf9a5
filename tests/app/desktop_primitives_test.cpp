// The main object's desktop primitives headless: the pointer kept on the
// screen it answers, its shape, the memory diagnostic, and documents that
// cannot be opened without a desktop.
#include "app/desktop_primitives.h"

#include <gtest/gtest.h>

#include "app/search_paths.h"
#include "objects/object_world.h"
#include "platform/desktop_devices.h"
#include "platform/platform.h"
#include "prims/global_primitives.h"
#include "prims/main_output.h"
#include "support/logo_session.h"

namespace lx::testing {
namespace {

class Written : public OutputDestination {
 public:
  void write(std::string_view text) override { text_ += text; }
  std::string text_;
};

class DesktopPrimitives : public ::testing::Test {
 protected:
  void SetUp() override {
    startPlatform(BackendRequest::Headless);
    prepareLogoWorld();
    initFilePaths();
    startObjectModel([](tLogoTab& table) {
      registerGlobalPrimitives(table);
      registerDesktopPrimitives(table);
    });
    logo.emplace();
  }
  void TearDown() override {
    logo.reset();
    stopObjectModel();
    clearFilePaths();
    stopPlatform();
  }
  std::optional<LogoSession> logo;
};

TEST_F(DesktopPrimitives, TheMainObjectsPointerIsWhereItWasPut) {
  logo->run("setmousepos [30 40] print mousepos");
  EXPECT_EQ(logo->takePrinted(), std::vector<std::string>{"30 40"});
  EXPECT_EQ(pointerOnScreen().y, 40);
  EXPECT_EQ(logo->errorOf("setmousepos [1]"), erExpectedXY);
  EXPECT_EQ(logo->errorOf("setmousepos [a b]"), erExpectedXY);
  EXPECT_EQ(logo->errorOf("setmousepos \"here"), erExpectedXY);
}

TEST_F(DesktopPrimitives, ThePointerShapeIsChosenByNameOrNumber) {
  logo->run("setmousecursor \"Wait");
  EXPECT_EQ(programCursor(), CursorShape::Wait);
  logo->run("setmousecursor 3");
  EXPECT_EQ(programCursor(), CursorShape::Hand);
  EXPECT_EQ(logo->errorOf("setmousecursor \"pumpkin"), erDoesNotLike);
  EXPECT_EQ(logo->errorOf("setmousecursor 10"), erMinMax);
  EXPECT_EQ(logo->errorOf("setmousecursor [arrow]"), erDoesNotLike);
  EXPECT_EQ(programCursor(), CursorShape::Hand);
}

TEST_F(DesktopPrimitives, DocumentsAreNotOpenedHeadless) {
  EXPECT_EQ(logo->errorOf("browseDocument \"|https://example.org/|"), erOpenDoc);
  EXPECT_EQ(logo->errorOf("explore \"|/|"), erOpenDoc);
  EXPECT_EQ(logo->errorOf("explore \"|/no/such/folder|"), erOpenDoc);
}

TEST_F(DesktopPrimitives, MemIsPrintedWhereThePrintingGoes) {
  auto written = std::make_shared<Written>();
  setStandardDestination(written);
  logo->run(".mem");
  setStandardDestination(nullptr);
  ASSERT_GT(written->text_.size(), 5u);
  EXPECT_EQ(written->text_.substr(written->text_.size() - 5), " KB\r\n");
  EXPECT_GT(std::stoll(written->text_), 0);
}

}  // namespace
}  // namespace lx::testing
