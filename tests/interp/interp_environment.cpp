// Interpreter tests run with the English dictionaries, on a thread counted
// as a Logo process thread.
#include <gtest/gtest.h>

#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "platform/message_box.h"
#include "values/pools.h"

namespace lx {
namespace {

class InterpEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(selectLanguage("english"));
    ASSERT_TRUE(selectInterfaceLanguage("english"));
    initValuePools();
    setLogoProcessThread(true);
    setMessageBoxEcho(false);
  }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new InterpEnvironment);

}  // namespace
}  // namespace lx
