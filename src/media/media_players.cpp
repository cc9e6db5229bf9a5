// The registry of open media files and the waits for their end.
#include "media/media_players.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/process_waits.h"
#include "interp/thread_state.h"
#include "lang/name_comparison.h"
#include "platform/platform.h"

namespace lx {
namespace {

struct Devices {
  std::mutex mutex;  // guards both fields; never held while a track is asked anything
  std::map<std::string, std::shared_ptr<MediaDevice>> byAlias;  // by lower-cased alias
  int counter = 0;                                              // for aliases and device numbers
};

Devices& devices() {
  static Devices kept;
  return kept;
}

std::vector<std::shared_ptr<MediaDevice>> allDevices() {
  std::lock_guard lock(devices().mutex);
  std::vector<std::shared_ptr<MediaDevice>> all;
  for (const auto& [alias, device] : devices().byAlias) all.push_back(device);
  return all;
}

MediaKind kindOfType(const std::string& type) {
  if (type == "sequencer") return MediaKind::Midi;
  if (type == "waveaudio") return MediaKind::Wave;
  return MediaKind::Other;
}

std::unique_ptr<MediaTrack> openTrack(const std::filesystem::path& file) {
  PlatformBackend* backend = startedPlatform();
  if (!backend) throw eLogoException::withWord(erMCI, "there is no sound output");
  std::string why;
  std::unique_ptr<MediaTrack> track = backend->sound().openMedia(file, why);
  if (!track) throw eLogoException::withWord(erMCI, file.filename().string() + ": " + why);
  return track;
}

void interrupt(MediaDevice& device) {
  changeAndNotify([&] { device.interrupted = true; });
}

}  // namespace

std::string deviceTypeOf(const std::filesystem::path& file) {
  const std::string extension = lowerCase(file.extension().string());
  if (extension == ".wav") return "waveaudio";
  if (extension == ".mid" || extension == ".midi" || extension == ".rmi") return "sequencer";
  for (const char* known : {".mp3", ".ogg", ".oga", ".opus", ".avi", ".mpg", ".mpeg", ".mp4", ".wmv"})
    if (extension == known) return "mpegvideo";
  return {};
}

std::shared_ptr<MediaDevice> openMediaDevice(const std::filesystem::path& file, std::string type,
                                             const std::string& alias) {
  if (type.empty()) type = deviceTypeOf(file);
  if (type.empty())
    throw eLogoException::withWord(erMCI, "no device plays files like " + file.filename().string());
  if (findMediaDevice(alias)) throw eLogoException::withWord(erMCI, "the alias " + alias + " is in use");
  auto device = std::make_shared<MediaDevice>();
  device->alias = alias;
  device->type = lowerCase(type);
  device->kind = kindOfType(device->type);
  device->file = file;
  device->track = openTrack(file);
  std::lock_guard lock(devices().mutex);
  device->id = ++devices().counter;
  // Two processes may open the same alias at once: the first one keeps it.
  if (!devices().byAlias.emplace(lowerCase(alias), device).second)
    throw eLogoException::withWord(erMCI, "the alias " + alias + " is in use");
  return device;
}

std::shared_ptr<MediaDevice> findMediaDevice(const std::string& alias) {
  std::lock_guard lock(devices().mutex);
  const auto found = devices().byAlias.find(lowerCase(alias));
  return found == devices().byAlias.end() ? nullptr : found->second;
}

bool closeMediaDevice(const std::string& alias) {
  std::shared_ptr<MediaDevice> device;
  {
    std::lock_guard lock(devices().mutex);
    const auto found = devices().byAlias.find(lowerCase(alias));
    if (found == devices().byAlias.end()) return false;
    device = std::move(found->second);
    devices().byAlias.erase(found);
  }
  stopMediaDevice(*device);
  return true;
}

void closeAllMediaDevices() {
  for (const auto& device : allDevices()) closeMediaDevice(device->alias);
}

std::string newMediaAlias() {
  std::lock_guard lock(devices().mutex);
  return "LumaxisM" + std::to_string(++devices().counter);
}

void stopMediaDevice(MediaDevice& device) {
  device.track->stop();
  interrupt(device);
}

void stopMediaOfKind(MediaKind kind, const MediaDevice* except) {
  for (const auto& device : allDevices())
    if (device->kind == kind && device.get() != except && device->track->playing()) stopMediaDevice(*device);
}

void waitForMediaEnd(MediaDevice& device) {
  ProcessControl* self = hasThreadState() ? threadState().control : nullptr;
  device.interrupted = false;
  // The track calls nobody back at its end: the wait looks again when it
  // should have got there, and at least every tenth of a second, since the
  // audio device may lag behind the clock.
  while (device.track->playing()) {
    const int64_t left = std::clamp<int64_t>(device.track->lengthMs() - device.track->positionMs(), 1, 100);
    const WaitEnd end = waitReleased(
        self, [&] { return device.interrupted.load(); }, afterMilliseconds(left));
    if (end == WaitEnd::Stopped) {
      device.track->stop();
      throw eTerminateException(false);
    }
    if (end == WaitEnd::Ready) return;
  }
}

}  // namespace lx
