// Every controls test runs as a Logo process would: English dictionaries
// selected, pools filled, the test thread counted as a process thread.
#include <gtest/gtest.h>

#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "values/pools.h"

namespace lx {
namespace {

class ControlsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(selectLanguage("english"));
    ASSERT_TRUE(selectInterfaceLanguage("english"));
    initValuePools();
    setLogoProcessThread(true);
  }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ControlsEnvironment);

}  // namespace
}  // namespace lx
