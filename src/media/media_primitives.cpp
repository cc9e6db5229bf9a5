// The media-file primitives.
#include "media/media_primitives.h"

#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary_table.h"
#include "media/mci_commands.h"
#include "media/media_files.h"
#include "media/media_players.h"
#include "media/player_windows.h"
#include "objects/multi_object.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

// Plays the file to its end under an alias of its own; the device is
// closed however the wait ends.
Value playFile(const Value& name) {
  const std::filesystem::path path = mediaFilePath(std::string(trimBlanks(name->printText(0))));
  if (deviceTypeOf(path).empty()) throw eLogoException::withWord(erMCIFileProblem, path.filename().string());
  const std::string alias = newMediaAlias();
  runMciCommand("open \"" + path.string() + "\" alias " + alias + " wait");
  struct Closer {
    std::string alias;
    ~Closer() { closeMediaDevice(alias); }
  } closer{alias};
  runMciCommand("play " + alias + " wait");
  return nullptr;
}

// A result read as Logo values: one value stands for itself.
Value resultValue(const std::string& result) {
  const Ref<tLogoList> values = readList(result);
  if (values->isEmpty() || values->count() != 1) return Value(values);
  return *values->begin();
}

// The command's text, and an object to notify that must be one.
Value mci(tLogoStack& stack, int count, bool asFunction) {
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 2) throw eLogoException(erTooManyInputs);
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count == 2 && !asObject(inputs[1])) throw eLogoException(erNoObject, inputs[1]);
  const std::string result = runMciCommand(inputs[0]->printText(0));
  return asFunction ? resultValue(result) : nullptr;
}

// A bare device with an empty style, else a player window.
Value openVideo(const Value& alias, const Value& style, const Value& file) {
  const std::string aliasText(trimBlanks(alias->printText(0)));
  const std::string fileText(trimBlanks(file->printText(0)));
  if (style->isEmpty()) return makeWord(runMciCommand("open \"" + fileText + "\" alias " + aliasText));
  return makeNumber(openPlayerWindow(aliasText, style, fileText));
}

Value closeVideo(const Value& alias) {
  const std::string aliasText(trimBlanks(alias->printText(0)));
  if (!closePlayerWindow(aliasText)) runMciCommand("close " + aliasText);
  return nullptr;
}

}  // namespace

void registerMediaFilePrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDescNp<1>>(table, "playfile", false, playFile);
  registerPrimitive<tMainPasProcDescBF>(table, "mci", false, 1u, mci);
  registerPrimitive<tMainPasProcDescNp<3>>(table, "openvideo", false, openVideo);
  registerPrimitive<tMainPasProcDescNp<1>>(table, "closevideo", false, closeVideo);
}

}  // namespace lx
