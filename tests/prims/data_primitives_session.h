// A Logo session with the data primitives registered and the main object's
// standard destination replaced by a recording one, whose input lines the
// test supplies.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interp/evaluator.h"
#include "interp/procedure_resolver.h"
#include "prims/data_primitives.h"
#include "prims/main_output.h"
#include "support/logo_session.h"
#include "values/reader.h"

namespace lx::testing {

class RecordingDestination : public OutputDestination {
 public:
  void write(std::string_view text) override {
    written += text;
    ++writes;
  }
  bool hasInput() const override { return input.has_value(); }
  std::optional<std::string> readLine() override {
    if (atEnd()) return std::nullopt;
    return (*input)[next++];
  }
  bool atEnd() override { return !input || next >= input->size(); }

  std::string written;
  int writes = 0;
  std::optional<std::vector<std::string>> input;  // none: no input at all
  size_t next = 0;
};

class DataPrimitivesTest : public ::testing::Test, public LogoSession {
 protected:
  DataPrimitivesTest() : destination(std::make_shared<RecordingDestination>()) {
    registerDataPrimitives(globalProcedures());
    closeOutputStream();
    setStandardDestination(destination);
  }
  ~DataPrimitivesTest() override {
    closeOutputStream();
    setStandardDestination(nullptr);
  }

  // Runs `text` and answers what it wrote, clearing the record.
  std::string output(const std::string& text) {
    run(text);
    return std::exchange(destination->written, "");
  }
  // The value of a Logo expression.
  Value valueOf(const std::string& expression) { return evaluateValue(*readList(expression)); }

  std::shared_ptr<RecordingDestination> destination;
};

}  // namespace lx::testing
