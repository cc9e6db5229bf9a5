// Saving objects of kinds the system provides: properties declared on a
// prototype are saved through the property table by their flags, and the
// main window's entries are saved in its block at the end.
#include <gtest/gtest.h>

#include "app/project_loader.h"
#include "app/project_text_writer.h"
#include "interp/scheduler.h"
#include "objects/property_declaration.h"
#include "project_world.h"

namespace lx::testing {
namespace {

constexpr int kPenColour = 47, kPenWidth = 48, kPenPattern = 49;

class SystemObjects : public ProjectTest {
 protected:
  // A prototype with three properties, saved always, once set, and never;
  // and an object that stands for the main window.
  void buildSystemObjects() override {
    run("newclass [] \"gadget [] new \"main [name window]");
    tmultiobject& gadget = *object("gadget");
    declareProperty(gadget, kPenColour, nullptr, nullptr, DeclaredOn::Prototype, 0);
    declareProperty(gadget, kPenWidth, nullptr, nullptr, DeclaredOn::Prototype, kNotSavedUntilSet);
    declareProperty(gadget, kPenPattern, nullptr, nullptr, DeclaredOn::Prototype, kNotSaved);
    setMainWindowObject(object("window"));
  }

  std::string saveText() {
    ProjectSave save;
    InterpreterLockScope locked;
    return writeProjectText(save);
  }
  std::string withoutHeader(const std::string& text) { return text.substr(text.find("\r\n")); }
};

TEST_F(SystemObjects, PropertiesAreSavedByTheirDescriptorsFlags) {
  run("new \"gadget [name g1] new \"gadget [name g2] ask \"g1 [setpenwidth 3 setpenpattern [1 2]]");
  const std::string text = saveText();
  EXPECT_EQ(text.find("newclass \"main \"gadget"), std::string::npos) << text;
  EXPECT_NE(text.find("main'.new. \"gadget [132 g1\r\n\t47 []\r\n\t48 3\r\n\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("main'.new. \"gadget [132 g2\r\n\t47 []\r\n\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("\t49 "), std::string::npos) << text;
  restart();
  ProjectLoad load;
  load.text = text;
  {
    InterpreterLockScope locked;  // onLoad processes share the values
    loadProjectText(load);
  }
  EXPECT_EQ(readProperty(*object("g1"), kPenWidth)->showText(), "3");
  EXPECT_EQ(withoutHeader(saveText()), withoutHeader(text));
}

TEST_F(SystemObjects, TheMainWindowIsSavedLastByItsState) {
  run("ask \"window [haveown \"title \"|My project|] new \"gadget [name g1]");
  const std::string text = saveText();
  const size_t window = text.find("\r\n.setstate. [\r\n\ttitle |My project|\r\n\r\n");
  ASSERT_NE(window, std::string::npos) << text;
  EXPECT_LT(text.find("[132 g1"), window);
  restart();
  ProjectLoad load;
  load.text = text;
  {
    InterpreterLockScope locked;  // onLoad processes share the values
    loadProjectText(load);
  }
  run("print ask \"window [title]");
  EXPECT_EQ(take(), std::vector<std::string>{"My project"});
}

}  // namespace
}  // namespace lx::testing
