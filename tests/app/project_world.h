// The world the project tests save and load in: the English dictionaries,
// the main object with the global, object, path, project and option primitives, a
// Logo session that records what `print` prints, and a folder of its own as
// the program folder. `restart` gives a fresh world, as a new run would.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/option_primitives.h"
#include "app/path_primitives.h"
#include "app/project_primitives.h"
#include "app/search_paths.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"
#include "platform/program_directory.h"
#include "prims/global_primitives.h"
#include "support/logo_session.h"

namespace lx::testing {

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("lx-project-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    savedProgramDirectory_ = programDirectory();
    setProgramDirectory(folder_);
    initFilePaths();
    restart();
  }
  void TearDown() override {
    logo.reset();
    forgetOptionValues();
    stopObjectModel();
    clearFilePaths();
    setProgramDirectory(savedProgramDirectory_);
    std::filesystem::remove_all(folder_);
  }

  void restart() {
    logo.reset();
    prepareLogoWorld();
    startObjectModel([](tLogoTab& table) {
      registerGlobalPrimitives(table);
      registerPathPrimitives(table);
      registerObjectPrimitives(table);
      registerProjectPrimitives(table);
      registerOptionPrimitives(table);
    });
    logo.emplace();
    buildSystemObjects();
    markSystemObjectsMade();
  }

  // Objects the world makes for itself, before the project's (prototypes,
  // the main window); each test fixture may add its own.
  virtual void buildSystemObjects() {}

  void run(const std::string& text) { logo->run(text); }
  errorConst errorOf(const std::string& text) { return logo->errorOf(text); }
  std::vector<std::string> take() { return logo->takePrinted(); }
  tmultiobject* object(const std::string& name) { return mainObject()->child(codeOf(name)); }
  std::filesystem::path file(const std::string& name) const { return folder_ / name; }

  std::optional<LogoSession> logo;

 private:
  std::filesystem::path folder_;
  std::filesystem::path savedProgramDirectory_;
};

}  // namespace lx::testing
