// The media commands, one small function each.
#include "media/mci_commands.h"

#include <charconv>
#include <map>

#include "core/logo_exception.h"
#include "lang/name_comparison.h"
#include "media/mci_command.h"
#include "media/media_files.h"
#include "media/media_players.h"
#include "media/midi_device.h"
#include "media/wave_player.h"

namespace lx {
namespace {

constexpr int64_t kMsPerFrame = 40;  // frames are counted at 25 a second

[[noreturn]] void fail(const std::string& why) {
  throw eLogoException::withWord(erMCI, why);
}

MediaDevice& deviceOf(const MciCommand& command, std::shared_ptr<MediaDevice>& keep) {
  if (command.device.empty()) fail("the command names no device");
  keep = findMediaDevice(command.device);
  if (!keep) fail("no device is open as " + command.device);
  return *keep;
}

int64_t toMs(const MediaDevice& device, int64_t amount) {
  return device.framesFormat ? amount * kMsPerFrame : amount;
}

int64_t fromMs(const MediaDevice& device, int64_t ms) {
  return device.framesFormat ? ms / kMsPerFrame : ms;
}

int64_t numberIn(const std::string& text) {
  int64_t amount = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), amount);
  if (error != std::errc() || end != text.data() + text.size()) fail("not a number: " + text);
  return amount;
}

// A position as written in the command, in the device's time format.
int64_t positionIn(const MediaDevice& device, const std::string& text) {
  return toMs(device, numberIn(text));
}

// The file is looked for as media files are (inside the project too);
// a name that is found nowhere is tried as it was written.
std::filesystem::path mediaFileNamed(const std::string& name) {
  try {
    return mediaFilePath(name);
  } catch (const eLogoException&) {
    return name;
  }
}

std::string open(const MciCommand& command) {
  if (command.device.empty()) fail("the command names no file");
  const std::string alias = command.valueOf("alias").value_or(command.device);
  const std::string type = command.valueOf("type").value_or("");
  return std::to_string(openMediaDevice(mediaFileNamed(command.device), type, alias)->id);
}

// A file of the MIDI kind needs the MIDI output: the melodies end first.
// One of the wave kind ends the wave playing.
void makeRoomFor(const MediaDevice& device) {
  if (device.kind == MediaKind::Midi) stopAllMelodies();
  if (device.kind == MediaKind::Wave) stopWaves();
  stopMediaOfKind(device.kind, &device);
}

std::string play(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  if (const auto from = command.valueOf("from")) device.track->seek(positionIn(device, *from));
  const auto to = command.valueOf("to");
  makeRoomFor(device);
  device.track->play(to ? positionIn(device, *to) : -1);
  if (command.has("wait")) waitForMediaEnd(device);
  return {};
}

std::string stop(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  stopMediaDevice(deviceOf(command, keep));
  return {};
}

std::string resume(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  makeRoomFor(device);
  device.track->play(-1);
  return {};
}

std::string close(const MciCommand& command) {
  if (lowerCase(command.device) == "all") {
    closeAllMediaDevices();
    return {};
  }
  if (!closeMediaDevice(command.device)) fail("no device is open as " + command.device);
  return {};
}

std::string seek(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  const std::string where = lowerCase(command.valueOf("to").value_or(""));
  const int64_t ms = where == "start" ? 0
                     : where == "end" ? device.track->lengthMs()
                                      : positionIn(device, where);
  stopMediaDevice(device);
  device.track->seek(ms);
  return {};
}

std::string step(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  int64_t frames = 1;
  if (const auto by = command.valueOf("by")) frames = numberIn(*by);
  stopMediaDevice(device);
  device.track->seek(device.track->positionMs() + frames * kMsPerFrame);
  return {};
}

std::string status(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  const std::string what = command.words.empty() ? "" : lowerCase(command.words[0]);
  if (what == "mode") return device.track->playing() ? "playing" : "stopped";
  if (what == "position") return std::to_string(fromMs(device, device.track->positionMs()));
  if (what == "length") return std::to_string(fromMs(device, device.track->lengthMs()));
  if (what == "ready" || what == "media") return "true";
  if (what == "time") return device.framesFormat ? "frames" : "milliseconds";
  if (what == "device") return device.type;
  fail("the status " + what + " is not known");
}

std::string set(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  MediaDevice& device = deviceOf(command, keep);
  const std::string format = lowerCase(command.valueOf("format").value_or(""));
  if (format == "frames")
    device.framesFormat = true;
  else if (format == "milliseconds" || format == "ms")
    device.framesFormat = false;
  else if (command.valueOf("time"))
    fail("the time format " + format + " is not known");
  return {};
}

// The player window's picture commands: there is no picture to update.
std::string nothingToDo(const MciCommand& command) {
  std::shared_ptr<MediaDevice> keep;
  deviceOf(command, keep);
  return {};
}

using Command = std::string (*)(const MciCommand&);

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"open", open},     {"play", play},   {"stop", stop},          {"pause", stop},
      {"resume", resume}, {"close", close}, {"seek", seek},          {"step", step},
      {"status", status}, {"set", set},     {"update", nothingToDo}, {"realize", nothingToDo},
  };
  return table;
}

}  // namespace

std::string runMciCommand(std::string_view text) {
  const MciCommand command = readMciCommand(text);
  const auto found = commands().find(command.verb);
  if (found == commands().end()) fail("the command " + command.verb + " is not known");
  return found->second(command);
}

}  // namespace lx
