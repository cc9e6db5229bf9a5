// Playing wave files and waiting for their end.
#include "media/wave_player.h"

#include <atomic>
#include <memory>

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/process_waits.h"
#include "interp/thread_state.h"
#include "media/media_files.h"
#include "media/media_players.h"
#include "platform/platform.h"

namespace lx {
namespace {

SoundOutput* output() {
  PlatformBackend* backend = startedPlatform();
  return backend ? &backend->sound() : nullptr;
}

// The name with the sound files' default extension when it has none.
std::string withWaveExtension(const std::string& name) {
  const size_t slash = name.find_last_of("\\/:");
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return name;
  return name + ".WAV";
}

// A file the wave player cannot play: damaged, or no sound at all.
[[noreturn]] void refuse(const std::filesystem::path& path) {
  throw eLogoException::withWord(erMCI, "can't play " + path.filename().string());
}

std::filesystem::path prepare(const std::string& name) {
  const std::filesystem::path path = mediaFilePath(withWaveExtension(name));
  stopMediaOfKind(MediaKind::Wave);
  return path;
}

}  // namespace

void playWaveToEnd(const std::string& name) {
  playWaveFileToEnd(prepare(name));
}

void playWaveFileToEnd(const std::filesystem::path& path) {
  stopMediaOfKind(MediaKind::Wave);
  SoundOutput* out = output();
  if (!out) return;
  // Shared with the callback, which may come after this wait was stopped.
  auto ended = std::make_shared<std::atomic<bool>>(false);
  if (!out->playWave(path, [ended] { changeAndNotify([&] { *ended = true; }); })) refuse(path);
  ProcessControl* self = hasThreadState() ? threadState().control : nullptr;
  if (waitReleased(self, [&] { return ended->load(); }) == WaitEnd::Stopped) {
    out->stopWave();
    throw eTerminateException(false);
  }
}

void startWave(const std::string& name) {
  const std::filesystem::path path = prepare(name);
  SoundOutput* out = output();
  if (out && !out->playWave(path, {})) refuse(path);
}

void stopWaves() {
  if (SoundOutput* out = output()) out->stopWave();
}

}  // namespace lx
