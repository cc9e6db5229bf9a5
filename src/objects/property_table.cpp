// Filling the property table from the dictionary.
#include "objects/property_table.h"

#include <array>
#include <sstream>
#include <unordered_map>

#include "lang/dictionary.h"

namespace lx {
namespace {

// The internal name of each property code; code 29 is not assigned. Where
// two codes share a name, the second is a property of another kind of object.
// clang-format off
constexpr std::array<const char*, kLastPropertyCode + 1> kInternalNames = {
    "name", "aPos", "xCor", "yCor", "pos", "size", "width", "height", "hint", "enabled",               // 0-9
    "shown", "value", "richText", "font_text", "colour", "bgcolour_text", "editing", "transparent",     // 10-17
    "stayEditing", "activePage", "caption_window", "caption", "oneShot", "style", "down", "allUp",     // 18-25
    "flat", "group", "picture", nullptr, "min", "max", "value_slider", "vertical", "origin",          // 26-34
    "bgLineColour", "bgLineWidth", "bgPicture", "pageWho", "bgColour", "heading", "homeState",         // 35-41
    "xCor", "yCor", "fillColour", "fillPattern", "pen", "penColour", "penWidth", "penPattern",         // 42-49
    "rangeStyle", "range", "frame", "shape", "shapeScale", "shapeColour", "animation", "font",         // 50-57
    "transparentClick", "parentHandle", "fullPicture", "voiceMenu", "mainvoiceMenu", "frameItem",      // 58-63
    "autoDrag", "sensitive", "windowState", "x", "y", "z", "r", "u", "v",                              // 64-72
    "rangeX", "rangeY", "rangeZ", "rangeR", "rangeU", "rangeV",                                        // 73-78
    "deadZoneX", "deadZoneY", "deadZoneZ", "deadZoneR", "deadZoneU", "deadZoneV",                      // 79-84
    "axesCount", "buttonCount", "pov",                                                                 // 85-87
    "button1", "button2", "button3", "button4", "button5", "button6", "button7", "button8",            // 88-95
    "button9", "button10", "button11", "button12", "button13", "button14", "button15", "button16",     // 96-103
    "button17", "button18", "button19", "button20", "button21", "button22", "button23", "button24",    // 104-111
    "button25", "button26", "button27", "button28", "button29", "button30", "button31", "button32",    // 112-119
    "frameMode", "bgcolour_slider", "thumbLength", "bgLinePattern", "selection", "selectedText",       // 120-125
    "velocityXY", "velocity", "angle", "prompt", "readlistPrompt", "shownRange", ".name", "switch",     // 126-133
    "useWho", "transparent_slider", "filename", "showbuttons_mm", "address", "maximized_web",          // 134-139
    "style_web", "host", "userID", "port_email", "attachments", "body", "fromAddress", "fromName",     // 140-147
    "replyTo", "subject", "toAddress", "toBlindCarbonCopy", "toCarbonCopy", "showToolbar", "server",   // 148-154
    "delayScale", "position", "playState", "style_net", "port", "controlledObject", "align", "order",  // 155-162
    "caption_web", "showTitleBar", "caption_mm", "showtitlebar_mm", "maximized", "style_mm",           // 163-168
    "runEnabled", "nickName", "myPlace", "number", "borderColour", "acceptCommands", "acceptKeyMenu",  // 169-175
    "keyMenu", "acceptVoiceMenu", "frozen", "userCanStop", "growWithValue", "oneLine", "screenState",  // 176-182
    "mainbarShown", "paintbarShown"};                                                                  // 183-184
// clang-format on  // 183-184

std::array<PropertyRow, kPropertyRows>& rows() {
  static std::array<PropertyRow, kPropertyRows> table;
  return table;
}

// Each localized name to the first property it names.
std::unordered_map<NameCode, int>& propertyByName() {
  static std::unordered_map<NameCode, int> map;
  return map;
}

std::vector<std::string> splitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string joined(const std::vector<std::string>& words, size_t from, bool asSetNames) {
  std::string text;
  for (size_t i = from; i < words.size(); ++i) {
    if (!text.empty()) text += ' ';
    text += asSetNames ? setNameOf(words[i]) : words[i];
  }
  return text;
}

// Puts `front` before `rest`, with a blank between when both have words.
std::string prepend(const std::string& front, const std::string& rest) {
  if (front.empty()) return rest;
  return rest.empty() ? front : front + " " + rest;
}

void fillRow(PropertyRow& row, const char* internalName) {
  row = PropertyRow{};
  row.internalName = internalName;
  row.setNames = getStr("set", internalName, false);
  row.getNames = getStr("get", internalName, false);
  std::vector<std::string> names = splitWords(getStr("dict", internalName, false));
  if (names.empty()) names.push_back(internalName);
  row.synonyms = names;
  if (names.size() > 1) {
    row.getNames = prepend(joined(names, 1, false), row.getNames);
    row.setNames = prepend(joined(names, 1, true), row.setNames);
  }
  row.nameCode = codeOf(names.front());
  row.setNameCode = codeOf(setNameOf(names.front()));
}

std::vector<NameCode> codesOf(NameCode first, const std::string& more) {
  std::vector<NameCode> codes{first};
  for (const std::string& word : splitWords(more)) codes.push_back(codeOf(word));
  return codes;
}

}  // namespace

void fillPropertyTable() {
  for (PropertyRow& row : rows()) row = PropertyRow{};
  propertyByName().clear();
  for (size_t code = 0; code < kInternalNames.size(); ++code) {
    if (!kInternalNames[code]) continue;
    PropertyRow& row = rows()[code];
    fillRow(row, kInternalNames[code]);
    for (const std::string& synonym : row.synonyms)
      propertyByName().emplace(codeOf(synonym), static_cast<int>(code));
  }
}

const PropertyRow& propertyRow(int code) {
  static const PropertyRow unassigned;
  if (code < 0 || code >= kPropertyRows) return unassigned;
  return rows()[static_cast<size_t>(code)];
}

bool isPropertyCode(int code) {
  return propertyRow(code).assigned();
}

int propertyCodeNamed(NameCode name) {
  const auto found = propertyByName().find(name);
  return found == propertyByName().end() ? -1 : found->second;
}

NameCode canonicalPropertyName(NameCode name) {
  const int code = propertyCodeNamed(name);
  return code < 0 ? name : propertyRow(code).nameCode;
}

std::vector<NameCode> propertyGetterCodes(int code) {
  const PropertyRow& row = propertyRow(code);
  return row.assigned() ? codesOf(row.nameCode, row.getNames) : std::vector<NameCode>{};
}

std::vector<NameCode> propertySetterCodes(int code) {
  const PropertyRow& row = propertyRow(code);
  return row.assigned() ? codesOf(row.setNameCode, row.setNames) : std::vector<NameCode>{};
}

}  // namespace lx
