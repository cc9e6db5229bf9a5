// The world of sound tests.
#include "sound_world.h"

#include <fstream>

#include "interp/process_list.h"
#include "interp/scheduler.h"
#include "interp/value_class_tables.h"
#include "media/sound_primitives.h"
#include "media/sound_settings.h"
#include "objects/main_object.h"
#include "objects/object_primitives.h"
#include "objects/object_world.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "prims/global_primitives.h"
#include "support/logo_session.h"
#include "support/process_start.h"

namespace lx::testing {

void SoundErrorSink::showError(const std::exception& error) {
  const auto* logoError = dynamic_cast<const eLogoException*>(&error);
  std::lock_guard lock(mutex_);
  codes_.push_back(logoError ? logoError->code : erUnexpected);
}

std::vector<int> SoundErrorSink::codes() {
  std::lock_guard lock(mutex_);
  return codes_;
}

std::string writeWave(const std::string& name, int samples) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + samples);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(8000), u32(8000), u16(1), u16(8);
  out << "data";
  u32(samples);
  for (int i = 0; i < samples; ++i) out.put(static_cast<char>(i % 2 ? 0x90 : 0x70));
  return path;
}

std::string quoted(const std::string& path) {
  return "\"|" + path + "|";
}

SoundWorld::SoundWorld() {
  prepareLogoWorld();
  startPlatform(BackendRequest::Headless);
  // Every test starts from the settings a fresh program has.
  rememberSoundSettings(SoundSettings());
  InterpreterLockScope locked;
  initValueClassTables();
  startObjectModel([](tLogoTab& table) {
    registerGlobalPrimitives(table);
    registerObjectPrimitives(table);
    registerSoundPrimitives(table);
  });
}

SoundWorld::~SoundWorld() {
  allThreads().killAll();
  {
    InterpreterLockScope locked;
    stopObjectModel();
  }
  stopPlatform();
}

void SoundWorld::run(const std::string& text) {
  start("@test", text)->waitFor();
}

std::shared_ptr<tLogoprocess> SoundWorld::start(const std::string& name, const std::string& text) {
  return startTextProcess(mainObject(), name, text, sink);
}

bool SoundWorld::eventually(const std::function<bool()>& condition, int limitMs) {
  // Other threads change what the condition looks at without waking the
  // loop, so it is looked at again every few milliseconds.
  const SteadyTime until = afterMilliseconds(limitMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    uiThread().runFor(std::chrono::milliseconds(5));
  }
  return true;
}

std::string SoundWorld::global(const std::string& name) {
  InterpreterLockScope locked;
  const Value value = mainObject()->globals().valueOrNull(codeOf(name));
  return value ? value->printText(0) : std::string();
}

RecordedSound& SoundWorld::recording() {
  return static_cast<HeadlessBackend&>(platform()).recordedSound();
}

}  // namespace lx::testing
