// The settings behind `setoption` and `option`. Keys are matched against
// the "option" section of the dictionary, so each language names them in
// its own words.
#include "app/option_primitives.h"

#include <algorithm>

#include "app/program_version.h"
#include "app/project_primitives.h"
#include "core/global_options.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "prims/named_timers.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

enum class Key {
  Error, Picker, ColourCursor, Ansi, Sound, Fkeys, ThresholdY2k, EllapseUnit, TimeUnit, Strict, Octaves,
  HomePage, PluginPage, HtmlCharset, HtmlBottomLine, State, Version, Build, Params, Unknown
};

struct KeyEntry {
  const char* name;  // the key of the "option" section
  Key key;
};

constexpr KeyEntry kKeys[] = {
    {"error", Key::Error},           {"picker", Key::Picker},         {"colourcursor", Key::ColourCursor},
    {"ansi", Key::Ansi},             {"sound", Key::Sound},           {"fkeys", Key::Fkeys},
    {"thresholdy2k", Key::ThresholdY2k}, {"ellapseunit", Key::EllapseUnit}, {"timeunit", Key::TimeUnit},
    {"strict", Key::Strict},         {"octaves", Key::Octaves},       {"homepage", Key::HomePage},
    {"pluginpage", Key::PluginPage}, {"htmlcharset", Key::HtmlCharset}, {"htmlbottomline", Key::HtmlBottomLine},
    {"state", Key::State},           {"version", Key::Version},       {"build", Key::Build},
    {"params", Key::Params},
};

struct OptionValues {
  Value picker;  // the colour picker's colours; none: the empty list
  std::vector<std::string> parameters;
};

OptionValues& values() {
  static OptionValues held;
  return held;
}

Key keyOf(const Value& word) {
  if (word->isList()) return Key::Unknown;
  const std::string text = word->printText(0);
  for (const KeyEntry& entry : kKeys)
    if (isLocalEntry("option", entry.name, text)) return entry.key;
  return Key::Unknown;
}

// 1000, 100 or 10 per second: the unit codes 0, 1 and 2.
int unitOf(const Value& value) {
  switch (value->asIntegerIn(10, 1000)) {
    case 1000: return kMillisecondUnit;
    case 100: return kHundredthUnit;
    case 10: return kTenthUnit;
    default: throw eLogoException(erBadValue, value);
  }
}

// Sets one option; everything is checked before anything changes, so a
// bad value keeps the old one.
void setOption(const Value& keyWord, const Value& value) {
  GlobalOptions& options = globalOptions();
  switch (keyOf(keyWord)) {
    case Key::Error: value->asIntegerIn(0, 1); break;
    case Key::Picker:
      if (!value->isList()) throw eLogoException(erExpectList, value);
      values().picker = value;
      break;
    case Key::ColourCursor: options.colourCursor = value->asIntegerIn(0, 1) == 1; break;
    case Key::Ansi: options.ansi = value->asIntegerIn(0, 1) == 1; break;
    case Key::Sound: options.sound = value->asIntegerIn(0, 1) == 1; break;
    case Key::Fkeys: {
      int mode = value->asIntegerIn(0, 12);
      if (mode >= 2 && mode <= 11) mode = 1;
      options.fkeys = mode == 0 ? 1 : mode == 1 ? 0 : 2;
      break;
    }
    case Key::ThresholdY2k: options.thresholdY2k = value->asIntegerIn(0, 99); break;
    case Key::EllapseUnit: options.waitUnit = unitOf(value); break;
    case Key::TimeUnit: options.timeUnit = unitOf(value); break;
    case Key::Strict: options.strict = value->asIntegerIn(0, 2); break;
    case Key::Octaves: options.octaves = value->asIntegerIn(1, 4); break;
    case Key::HomePage: options.homePage = value->wordText(); break;
    case Key::PluginPage: options.pluginPage = value->wordText(); break;
    case Key::HtmlCharset: options.htmlCharset = value->wordText(); break;
    case Key::HtmlBottomLine: options.htmlBottomLine = value->wordText(); break;
    default: throw eLogoException(erBadValue, keyWord);
  }
}

// [key1 value1 key2 value2 ...]
Value setoption(const Value& pairs) {
  const tLogoList* list = asList(*pairs);
  if (!list) throw eLogoException(erExpectList, pairs);
  const std::vector<Value> items(list->begin(), list->end());
  if (items.size() % 2 != 0) throw eLogoException(erBadStructure, pairs);
  for (size_t i = 0; i < items.size(); i += 2) setOption(items[i], items[i + 1]);
  return nullptr;
}

// The last dot-separated part of the program's version, as a number.
int buildNumber() {
  const std::string version = kProgramVersion;
  const std::string last = version.substr(version.rfind('.') + 1);
  return std::atoi(last.c_str());
}

int stateFlags() {
  int state = 386;
  if (startupPhase()) state += 8;
  if (startupRunRequested()) state += 16;
  return state;
}

Value parameterList() {
  ListBuilder list;
  const std::vector<std::string>& all = values().parameters;
  for (size_t i = 2; i < all.size(); ++i) list.add(makeWord(all[i]));
  return list.finish();
}

Value option(const Value& keyWord) {
  const GlobalOptions& options = globalOptions();
  switch (keyOf(keyWord)) {
    case Key::Error: return makeInt(0);
    case Key::Picker: return values().picker ? values().picker : Value(tLogoList::empty());
    case Key::ColourCursor: return makeInt(options.colourCursor);
    case Key::Ansi: return makeInt(options.ansi);
    case Key::Sound: return makeInt(options.sound);
    case Key::Fkeys: return makeInt(12);
    case Key::ThresholdY2k: return makeInt(options.thresholdY2k);
    case Key::Strict: return makeInt(options.strict);
    case Key::Octaves: return makeInt(options.octaves);
    case Key::EllapseUnit: return makeInt(options.waitUnit);
    case Key::TimeUnit: return makeInt(options.timeUnit);
    case Key::State: return makeInt(stateFlags());
    case Key::Version: return makeWord(lowerCase(currentLanguage()));
    case Key::Build: return makeInt(buildNumber());
    case Key::HtmlCharset: return makeWord(options.htmlCharset);
    case Key::HtmlBottomLine: return makeWord(options.htmlBottomLine);
    case Key::HomePage: return makeWord(options.homePage);
    case Key::PluginPage: return makeWord(options.pluginPage);
    case Key::Params: return parameterList();
    default: throw eLogoException(erBadValue, keyWord);
  }
}

}  // namespace

void registerOptionPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc1p>(table, "setoption", false, setoption);
  registerPrimitive<tMainPasProcDesc1p>(table, "option", false, option);
}

void setProgramParameters(std::vector<std::string> parameters) {
  values().parameters = std::move(parameters);
}

void resetOptionsForProject() {
  globalOptions().resetForProject();
  values().picker = nullptr;
  resetAllTimers();
}

void forgetOptionValues() {
  values().picker = nullptr;
}

}  // namespace lx
