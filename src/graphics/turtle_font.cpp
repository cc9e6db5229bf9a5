// Font records as Logo values.
#include "graphics/turtle_font.h"

#include <sstream>

#include "core/logo_exception.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

Value faceAsWords(const std::string& face) {
  ListBuilder words;
  std::istringstream in(face);
  for (std::string word; in >> word;) words.add(makeWord(word));
  return words.finish();
}

std::string faceFrom(const tlogoobject& face) {
  const tLogoList* words = asList(face);
  if (!words) return face.printText(0);
  std::string text;
  for (const Value& word : *words) {
    if (!text.empty()) text += ' ';
    text += word->printText(0);
  }
  return text;
}

int wholeNumber(const Value& value, const Value& whole) {
  if (!value->isNumber()) throw eLogoException(erBadStructure, whole);
  return value->asIntegerIn(-100000, 100000);
}

}  // namespace

Value fontValue(const TurtleFont& font) {
  ListBuilder sizes;
  sizes.add(makeInt(font.size));
  sizes.add(makeInt(font.bold() ? 700 : 400));
  sizes.add(makeInt((font.italic() ? 1 : 0) + (font.underline() ? 2 : 0) + (font.strikeOut() ? 4 : 0)));
  sizes.add(makeInt(font.flags & 1));
  sizes.add(makeInt((font.flags >> 1) & 1));
  sizes.add(makeInt(font.characterSet));
  ListBuilder record;
  record.add(faceAsWords(font.face));
  record.add(sizes.finish());
  return record.finish();
}

TurtleFont fontFromValue(const Value& value) {
  const tLogoList* record = asList(*value);
  if (!record) throw eLogoException(erExpectList, value);
  if (record->count() != 2) throw eLogoException(erBadStructure, value);
  const tLogoList* sizes = asList(*record->rest()->element());
  if (!sizes || sizes->isEmpty() || sizes->count() > 6) throw eLogoException(erBadStructure, value);
  TurtleFont font;
  font.face = faceFrom(*record->element());
  if (font.face.empty()) throw eLogoException(erBadStructure, value);
  int field[6] = {10, 400, 0, 0, 0, 1};
  int i = 0;
  for (const Value& number : *sizes) field[i++] = wholeNumber(number, value);
  if (field[0] < 1 || field[0] > 1000) throw eLogoException(erBadStructure, value);
  font.size = field[0];
  font.style = (field[1] >= 600 ? TurtleFont::Bold : 0) | ((field[2] & 1) ? TurtleFont::Italic : 0) |
               ((field[2] & 2) ? TurtleFont::Underline : 0) | ((field[2] & 4) ? TurtleFont::StrikeOut : 0);
  font.flags = static_cast<uint8_t>((field[3] & 1) | ((field[4] & 1) << 1));
  font.characterSet = static_cast<uint8_t>(field[5] & 0xFF);
  return font;
}

}  // namespace lx
