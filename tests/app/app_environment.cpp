// Every app test runs with the English dictionaries selected, as a started
// program has them.
#include <gtest/gtest.h>

#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"

namespace lx {
namespace {

class AppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(selectLanguage("english"));
    ASSERT_TRUE(selectInterfaceLanguage("english"));
  }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace
}  // namespace lx
