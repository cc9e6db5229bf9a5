// Every global procedure a project can call is registered, with the inputs
// it takes: the world the program builds is walked against the list of
// registered names in registered_names.txt beside this file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/logo_world.h"
#include "interp/proc_desc.h"
#include "interp/registry.h"
#include "interp/scheduler.h"
#include "objects/main_object.h"
#include "objects/object_world.h"
#include "platform/platform.h"

namespace lx::testing {
namespace {

// One line of the list: a name and what its registration must say.
struct ExpectedName {
  std::string name;
  std::string section;
  int inputs = -1;  // -1: only looked for (the exits `output` and `stop`)
  bool variable = false;
  bool comparisons = false;
  bool literal = false;
};

// "|<unary ->| 1 literal" and "print 1* R" alike.
ExpectedName parseLine(const std::string& line, const std::string& section) {
  ExpectedName e;
  e.section = section;
  std::string rest;
  if (line.front() == '|') {
    const size_t end = line.find('|', 1);
    e.name = line.substr(1, end - 1);
    rest = line.substr(end + 1);
  } else {
    const size_t end = line.find(' ');
    e.name = line.substr(0, end);
    rest = end == std::string::npos ? "" : line.substr(end);
  }
  std::istringstream fields(rest);
  std::string count, flag;
  fields >> count;
  if (count != "-") {
    e.inputs = std::stoi(count);
    e.variable = count.back() == '*';
  }
  while (fields >> flag) {
    if (flag == "R") e.comparisons = true;
    if (flag == "literal") e.literal = true;
  }
  return e;
}

std::vector<ExpectedName> readList() {
  std::ifstream in(LX_REGISTERED_NAMES);
  std::vector<ExpectedName> names;
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    names.push_back(parseLine(line, section));
  }
  return names;
}

// What is wrong with the registration of `e`, or "" when nothing is.
std::string faultOf(const ExpectedName& e) {
  const NameCode code = e.literal ? codeOf(e.name) : localizedCodes(e.name).front();
  auto* desc = dynamic_cast<tProcDesc*>(mainObject()->procedures().findOrNull(code));
  if (!desc) return "missing";
  std::ostringstream fault;
  if (e.inputs >= 0 && desc->defaultInputs != static_cast<uint32_t>(e.inputs))
    fault << " takes " << desc->defaultInputs << " inputs, not " << e.inputs << ";";
  if (e.inputs >= 0 && desc->variableInputs != e.variable)
    fault << (e.variable ? " takes no other number of inputs;" : " takes any number of inputs;");
  if (e.inputs >= 0 && desc->inputsTakeComparisons != e.comparisons)
    fault << (e.comparisons ? " parses no comparisons;" : " parses comparisons;");
  return fault.str();
}

class RegistryCompleteness : public ::testing::Test {
 protected:
  void SetUp() override {
    startPlatform(BackendRequest::Headless);
    ASSERT_TRUE(buildLogoWorld("english"));
    names_ = readList();
  }
  void TearDown() override {
    takeDownLogoWorld();
    stopPlatform();
  }
  std::vector<ExpectedName> names_;
};

TEST_F(RegistryCompleteness, EveryNameIsRegisteredWithItsInputs) {
  ASSERT_GT(names_.size(), 300u);
  InterpreterLockScope locked;
  std::string faults;
  for (const ExpectedName& e : names_) {
    if (e.section == "awaited") continue;
    const std::string fault = faultOf(e);
    if (!fault.empty()) faults += e.name + " (" + e.section + "): " + fault + "\n";
  }
  EXPECT_EQ(faults, "");
}

// A name still awaited that is registered already belongs in its own list,
// where its inputs are checked.
TEST_F(RegistryCompleteness, AwaitedNamesAreNotYetRegistered) {
  InterpreterLockScope locked;
  std::string registered;
  for (const ExpectedName& e : names_) {
    if (e.section == "awaited" && faultOf(e) != "missing") registered += e.name + " ";
  }
  EXPECT_EQ(registered, "") << "registered already: move them up into their lists";
}

}  // namespace
}  // namespace lx::testing
