// The choosers: colours, pen patterns, fill patterns and pen widths (each
// answers the value the pen and fill commands take), files of a kind, and
// web addresses. Every one answers the empty list when cancelled.
#include <algorithm>
#include <cstdio>

#include "controls/dialog_primitives.h"
#include "controls/dialog_runner.h"
#include "controls/dialog_sources.h"
#include "controls/dialog_values.h"
#include "core/logo_exception.h"
#include "graphics/colour_value.h"
#include "graphics/pen_pattern.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/name_comparison.h"
#include "values/list.h"
#include "values/pools.h"
#include "values/reader.h"

namespace lx {
namespace {

constexpr int kWidthsOffered = 10;  // the widths offered; a queued answer may give any up to 255

// A queued answer or an item: read as Logo reads it; one value stands for
// itself, several for the list of them.
Value answerValue(const std::string& answer) {
  const Ref<tLogoList> read = readList(answer);
  if (read->isEmpty() || read->count() > 1) return read;
  return *read->begin();
}

std::string rgbText(Rgb colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%u %u %u", (colour >> 16) & 255, (colour >> 8) & 255, colour & 255);
  return text;
}

// `colourchooser` colour: the colour chosen among the palette (the given
// one first when the palette lacks it), as the colour getters give it.
Value colourchooser(const Value& colour) {
  const Rgb given = colourOf(colour);
  DialogRequest request = dialogRequest(DialogKind::Choice, "ColourChooser");
  request.samples = DialogRequest::Samples::Colours;
  for (int i = 0; i < kPaletteSize; ++i) request.colours.push_back(paletteColour(i));
  if (std::find(request.colours.begin(), request.colours.end(), given) == request.colours.end())
    request.colours.insert(request.colours.begin(), given);
  for (Rgb entry : request.colours) {
    const std::string name = colourName(entry);
    request.items.push_back(name.empty() ? rgbText(entry) : name);
  }
  request.selected = static_cast<int>(std::find(request.colours.begin(), request.colours.end(), given) -
                                      request.colours.begin());
  const DialogAnswer answer = askDialog(request);
  if (!answer || answer->empty()) return cancelled();
  return colourValue(colourOf(answerValue(*answer)));
}

// A chooser of numbered samples: the number of the item chosen (a queued
// answer may give the item's text or its number, `first` to `last`).
Value numberChooser(DialogRequest request, const Value& given, int first, int last) {
  request.kind = DialogKind::Choice;
  if (given->isNumber())
    request.selected = std::clamp(given->asIntegerIn(INT32_MIN, INT32_MAX), first, last) - first;
  const DialogAnswer answer = askDialog(request);
  if (!answer || answer->empty()) return cancelled();
  for (int i = 0; i < static_cast<int>(request.items.size()); ++i)
    if (namesEqual(request.items[i], *answer)) return makeInt(first + i);
  return makeInt(answerValue(*answer)->asIntegerIn(first, last));
}

DialogRequest namedSamples(const char* form, DialogRequest::Samples samples,
                           const std::vector<const char*>& names) {
  DialogRequest request = dialogRequest(DialogKind::Choice, form);
  request.samples = samples;
  for (size_t i = 0; i < names.size(); ++i)
    request.items.push_back(formText(form, std::to_string(i), names[i]));
  return request;
}

// `linepatternchooser` pattern: a pen pattern number, as `setpenpattern` takes it.
Value linepatternchooser(const Value& pattern) {
  return numberChooser(
      namedSamples("LinePatternChooser", DialogRequest::Samples::PenPatterns,
                   {"Solid inside", "Dashes", "Dots", "Dash dot", "Dash dot dot", "Solid", "None"}),
      pattern, 0, kPenPatternCount - 1);
}

// `fillpatternchooser` pattern: a fill pattern number, as `setfillpattern` takes it.
Value fillpatternchooser(const Value& pattern) {
  return numberChooser(namedSamples("FillPatternChooser", DialogRequest::Samples::FillPatterns,
                                    {"Solid", "Diagonal down", "Cross", "Diagonal cross", "Diagonal up",
                                     "Horizontal", "Vertical", "None"}),
                       pattern, 0, kFillPatternCount - 1);
}

// `linewidthchooser` width: a pen width in pixels, as `setpensize` takes it.
Value linewidthchooser(const Value& width) {
  DialogRequest request = dialogRequest(DialogKind::Choice, "LineWidthChooser");
  request.samples = DialogRequest::Samples::PenWidths;
  for (int i = 1; i <= kWidthsOffered; ++i) request.items.push_back(std::to_string(i));
  return numberChooser(request, width, 1, 255);
}

// A chooser of a file name among the files of a kind, or typed.
Value fileChooser(DialogRequest request, const std::string& kind, const std::vector<std::string>& extensions,
                  const Value& name) {
  request.kind = DialogKind::File;
  request.items = dialogFiles(kind, extensions);
  if (name && !name->isList()) request.text = dialogText(name);
  const DialogAnswer answer = askDialog(request);
  return answer && !answer->empty() ? Value(makeWord(*answer)) : cancelled();
}

const std::vector<std::string> kPictureExtensions = {".bmp", ".png", ".jpg", ".jpeg",
                                                     ".gif", ".ico", ".lgf", ".lgw"};

Value loadimagechooser(const Value& name) {
  return fileChooser(dialogRequest(DialogKind::File, "LoadImageChooser"), "image", kPictureExtensions, name);
}

Value loadpicturechooser(const Value& name) {
  return fileChooser(dialogRequest(DialogKind::File, "LoadPictureChooser"), "image", kPictureExtensions,
                     name);
}

Value loadpicturechooser1(const Value& name) {
  return fileChooser(dialogRequest(DialogKind::File, "LoadPictureChooser"), "image", kPictureExtensions,
                     name);
}

Value wavechooser(const Value& name) {
  return fileChooser(dialogRequest(DialogKind::File, "WaveChooser"), "media", {".wav"}, name);
}

Value playChooser(const Value& name) {
  return fileChooser(dialogRequest(DialogKind::File, "PlayChooser"), "media", {}, name);
}

// The kinds input of `openchooser` and `savehtmlchooser`: a file kind's
// word ("image"), or a list of extensions ([txt lgo]); [] for `fallback`.
std::pair<std::string, std::vector<std::string>> kindsOf(const Value& kinds, const std::string& fallback) {
  if (!kinds->isList()) return {dialogText(kinds), {}};
  std::vector<std::string> extensions;
  for (const std::string& text : itemTexts(kinds))
    extensions.push_back(text.empty() || text[0] == '.' ? text : "." + text);
  return {extensions.empty() ? fallback : "any", extensions};
}

// `openchooser` caption kinds name: a file to open.
Value openchooser(const Value& caption, const Value& kinds, const Value& name) {
  const auto [kind, extensions] = kindsOf(kinds, "any");
  return fileChooser(dialogRequest(DialogKind::File, "OpenChooser", dialogText(caption)), kind, extensions,
                     name);
}

// `savehtmlchooser` caption kinds name: the name for a web page.
Value savehtmlchooser(const Value& caption, const Value& kinds, const Value& name) {
  auto [kind, extensions] = kindsOf(kinds, "web");
  if (kinds->isList() && kinds->isEmpty()) extensions = {".htm", ".html"};
  return fileChooser(dialogRequest(DialogKind::File, "SaveHtmlChooser", dialogText(caption)), kind,
                     extensions, name);
}

// `URLchooser` address: a web address typed, starting from the one given.
Value URLchooser(const Value& address) {
  DialogRequest request = dialogRequest(DialogKind::Text, "URLChooser");
  request.prompt = formText(request.form, "Prompt", "Address:");
  if (!address->isList()) request.text = dialogText(address);
  const DialogAnswer answer = askDialog(request);
  return answer && !answer->empty() ? Value(makeWord(*answer)) : cancelled();
}

}  // namespace

void registerChooserPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc1p>(table, "colourchooser", false, colourchooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "linepatternchooser", false, linepatternchooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "fillpatternchooser", false, fillpatternchooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "linewidthchooser", false, linewidthchooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadimagechooser", false, loadimagechooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadpicturechooser", false, loadpicturechooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "loadpicturechooser1", false, loadpicturechooser1);
  registerPrimitive<tMainPasProcDesc1p>(table, "wavechooser", false, wavechooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "playChooser", false, playChooser);
  registerPrimitive<tMainPasProcDesc3p>(table, "openchooser", false, openchooser);
  registerPrimitive<tMainPasProcDesc3p>(table, "savehtmlchooser", false, savehtmlchooser);
  registerPrimitive<tMainPasProcDesc1p>(table, "URLchooser", false, URLchooser);
}

}  // namespace lx
