// A world for sound tests: the headless platform, whose sound output is a
// recording, the main object with the global, object and sound primitives,
// and helpers to run Logo text in processes and read what they recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "interp/error_sink.h"
#include "interp/logo_process.h"
#include "platform/recorded_sound.h"

namespace lx::testing {

// Keeps the codes of the errors that processes report.
class SoundErrorSink : public tdefaultcommander {
 public:
  void showError(const std::exception& error) override;
  std::vector<int> codes();

 private:
  std::mutex mutex_;
  std::vector<int> codes_;
};

// Writes a wave file of silence into the test's folder: 8-bit mono at
// 8000 samples a second, so 8000 samples last a second. Gives its path.
std::string writeWave(const std::string& name, int samples);
// A file name as a quoted Logo word: bars keep the slashes in it.
std::string quoted(const std::string& path);

class SoundWorld : public ::testing::Test {
 protected:
  SoundWorld();
  ~SoundWorld() override;

  // Runs the text in a process of the main object and waits for its end.
  void run(const std::string& text);
  // Starts the text in a process of that name and goes on.
  std::shared_ptr<tLogoprocess> start(const std::string& name, const std::string& text);
  // Runs the user-interface loop until `condition` holds or the limit is up.
  bool eventually(const std::function<bool()>& condition, int limitMs = 10000);
  std::string global(const std::string& name);

  RecordedSound& recording();
  std::vector<int> errors() { return sink->codes(); }

  std::shared_ptr<SoundErrorSink> sink = std::make_shared<SoundErrorSink>();
};

}  // namespace lx::testing
