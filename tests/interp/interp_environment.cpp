// Every interpreter test runs in the Logo world a process would have.
#include <gtest/gtest.h>

#include "support/logo_session.h"

namespace lx {
namespace {

class InterpEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { testing::prepareLogoWorld(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new InterpEnvironment);

}  // namespace
}  // namespace lx
