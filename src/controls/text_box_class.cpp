// The text box class: properties, commands and printed output.
#include "controls/text_box_class.h"

#include <cairo.h>

#include "controls/control_commands.h"
#include "core/logo_exception.h"
#include "graphics/background_canvas.h"
#include "graphics/colour_value.h"
#include "graphics/logo_image.h"
#include "graphics/logo_picture.h"
#include "objects/object_accessors.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "objects/protected_call.h"
#include "prims/print_primitives.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {

std::unique_ptr<tControlGraphic> ttext::makeGraphic(tgrScreen& surface) {
  return std::make_unique<tlogotext>(surface, *this);
}

tTextPrototype::tTextPrototype() {
  setInstanceFactory([] { return ObjectRef(new ttext); });
}

tlogotext& textBoxOf(tmultiobject& self) {
  return controlOf<tlogotext>(self, erInitText);
}

namespace {

// Text given to a text box: a word as it is, a list in its print form.
std::string textOf(const Value& value) {
  return value->isWord() ? value->wordText() : value->printText(0);
}

Value valueOf(tmultiobject& self, int) {
  return makeWord(textBoxOf(self).editing().textWithCrLf());
}
void setValue(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setValue(textOf(value));
}

// The marked-up text is the list [text font colour], followed by the runs
// of styled characters when there are any: a list of [start length flips],
// where start and length count characters as `selection` does and flips
// are the font's styles shown the other way round (1 bold, 2 italic,
// 4 underline, added).
Value styleRuns(const TextEditing& edit) {
  const std::vector<uint8_t>& flips = edit.flips();
  ListBuilder runs;
  size_t i = 0;
  while (i < flips.size()) {
    const size_t start = i;
    while (i < flips.size() && flips[i] == flips[start]) ++i;
    if (flips[start] == 0) continue;
    ListBuilder run;
    run.add(makeInt(static_cast<int32_t>(start)));
    run.add(makeInt(static_cast<int32_t>(i - start)));
    run.add(makeInt(flips[start]));
    runs.add(run.finish());
  }
  return runs.finish();
}

std::vector<uint8_t> flipsOf(const Value& runs) {
  const tLogoList* list = asList(*runs);
  if (!list) throw eLogoException(erExpectList, runs);
  std::vector<uint8_t> flips;
  for (const Value& item : *list) {
    const tLogoList* run = asList(*item);
    if (!run || run->count() != 3) throw eLogoException(erBadStructure, item);
    const auto start = static_cast<size_t>(run->element()->asIntegerIn(0, INT32_MAX));
    const auto length = static_cast<size_t>(run->rest()->element()->asIntegerIn(0, INT32_MAX));
    const auto bits = static_cast<uint8_t>(run->rest()->rest()->element()->asIntegerIn(0, 7));
    if (flips.size() < start + length) flips.resize(start + length, 0);
    std::fill_n(flips.begin() + static_cast<std::ptrdiff_t>(start), length, bits);
  }
  return flips;
}

Value richTextOf(tmultiobject& self, int code) {
  tlogotext& box = textBoxOf(self);
  ListBuilder list;
  list.add(valueOf(self, code));
  list.add(fontValue(box.font()));
  list.add(colourValue(box.colour()));
  Value runs = styleRuns(box.editing());
  if (!runs->isEmpty()) list.add(std::move(runs));
  return list.finish();
}
// Everything is checked before the box changes, so a wrong list leaves it whole.
void setRichText(tmultiobject& self, int, const Value& value) {
  tlogotext& box = textBoxOf(self);
  const tLogoList* list = asList(*value);
  if (!list) {
    box.setValue(textOf(value));
    return;
  }
  if (list->count() != 3 && list->count() != 4) throw eLogoException(erBadStructure, value);
  const TurtleFont font = fontFromValue(list->rest()->element());
  const Rgb colour = colourOf(list->rest()->rest()->element());
  std::vector<uint8_t> flips;
  if (list->count() == 4) flips = flipsOf(list->rest()->rest()->rest()->element());
  box.setFont(font);
  box.setColour(colour);
  box.setValue(textOf(list->element()));
  box.setStyleFlips(std::move(flips));
}

Value fontOf(tmultiobject& self, int) {
  return fontValue(textBoxOf(self).font());
}
void setFont(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setFont(fontFromValue(value));
}
Value colourOfBox(tmultiobject& self, int) {
  return colourValue(textBoxOf(self).colour());
}
void setColourOfBox(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setColour(colourOf(value));
}
Value backgroundOf(tmultiobject& self, int) {
  return colourValue(textBoxOf(self).background());
}
void setBackgroundOf(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setBackground(colourOf(value));
}

// The selection as [start length], counting a line break as one character.
Value selectionOf(tmultiobject& self, int) {
  const TextEditing& edit = textBoxOf(self).editing();
  ListBuilder list;
  list.add(makeInt(static_cast<int32_t>(edit.selectionStart())));
  list.add(makeInt(static_cast<int32_t>(edit.selectionEnd() - edit.selectionStart())));
  return list.finish();
}
void setSelection(tmultiobject& self, int, const Value& value) {
  const tLogoList* list = asList(*value);
  if (!list || list->count() != 2) throw eLogoException(erExpectList2, value);
  const int32_t start = list->element()->asIntegerIn(0, INT32_MAX);
  const int32_t length = list->rest()->element()->asIntegerIn(0, INT32_MAX);
  textBoxOf(self).select(static_cast<size_t>(start), static_cast<size_t>(length));
}

Value selectedTextOf(tmultiobject& self, int) {
  TextEditing lines;
  lines.setText(textBoxOf(self).editing().selectedText());
  return makeWord(lines.textWithCrLf());
}
void setSelectedText(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).replaceSelection(textOf(value));
}

Value editingOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).isEditing());
}
void setEditing(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setEditing(value->asBool());
}
Value transparentOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).transparent());
}
void setTransparent(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setTransparent(value->asBool());
}
Value stayEditingOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).stayEditing);
}
void setStayEditing(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).stayEditing = value->asBool();
}
Value showToolbarOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).showToolbar());
}
void setShowToolbar(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setShowToolbar(value->asBool());
}
Value growOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).growWithValue());
}
void setGrow(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setGrowWithValue(value->asBool());
}
Value oneLineOf(tmultiobject& self, int) {
  return makeBool(textBoxOf(self).oneLine());
}
void setOneLine(tmultiobject& self, int, const Value& value) {
  textBoxOf(self).setOneLine(value->asBool());
}

// Flags and the look are saved whether or not they were set; the text
// first of its kind, so that a reloaded box takes its size after it. The
// marked-up text is saved too, after the plain one: it brings back the
// styles of the characters, and a project read by a program without them
// still finds its text in `value`.
constexpr PropertyEntry kTextProperties[] = {
    {prop::kValue, valueOf, setValue, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kRichText, richTextOf, setRichText, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kFontText, fontOf, setFont, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kColour, colourOfBox, setColourOfBox, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kBgcolourText, backgroundOf, setBackgroundOf, SetBy::Command, RunsIn::InterfaceThread,
     kAlwaysSaved},
    {prop::kEditing, editingOf, setEditing, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kTransparent, transparentOf, setTransparent, SetBy::Command, RunsIn::InterfaceThread,
     kAlwaysSaved},
    {prop::kStayEditing, stayEditingOf, setStayEditing, SetBy::Command, RunsIn::InterfaceThread,
     kAlwaysSaved},
    {prop::kSelection, selectionOf, setSelection, SetBy::Command, RunsIn::InterfaceThread, kNotSaved},
    {prop::kSelectedText, selectedTextOf, setSelectedText, SetBy::Command, RunsIn::InterfaceThread,
     kNotSaved},
    {prop::kShowToolbar, showToolbarOf, setShowToolbar},
    {prop::kGrowWithValue, growOf, setGrow, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kOneLine, oneLineOf, setOneLine, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
};

// --- Commands ---

Value printMe(tmultiobject&, tLogoStack&, int) {
  throw eLogoException(erNoPrint);
}

// The text as it shows when not edited, drawn into the page's drawing.
Value stampText(tmultiobject& self, tLogoStack&, int) {
  tlogotext& box = textBoxOf(self);
  tgrScreen* surface = box.surface();
  if (!surface) throw eLogoException(erInitText);
  const PixelBuffer picture = box.rendered();
  const PixelRect rect = box.graphicRect();
  {
    BackgroundCanvas canvas(*surface);
    PixelBuffer& pixels = canvas.pixels();
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const Rgb colour = picture.pixel(x, y);
        if (!box.transparent() || colour != box.background()) pixels.setPixel(rect.x + x, rect.y + y, colour);
      }
    canvas.pixelsChanged();
  }
  surface->invalidateExact(rect);
  return nullptr;
}

// A transparent box gives a picture whose background pixels are masked.
Value pictureText(tmultiobject& self, tLogoStack&, int) {
  tlogotext& box = textBoxOf(self);
  const PixelBuffer rendered = box.rendered();
  auto picture = std::make_unique<tLogoPicture>(rendered.width(), rendered.height());
  for (int y = 0; y < rendered.height(); ++y)
    for (int x = 0; x < rendered.width(); ++x) {
      const Rgb colour = rendered.pixel(x, y);
      picture->setPixel(x, y, colour);
      if (box.transparent() && colour == box.background()) picture->setMasked(x, y, true);
    }
  return imageOfPicture(sharePicture(std::move(picture)));
}

// `value` as a command: with one input (true: the text of the box's lines,
// which is the same text here); more inputs are error 38.
Value valueCommand(tmultiobject& self, tLogoStack& stack, int count) {
  if (count > 1) throw eLogoException(erTooManyInputs);
  if (count == 1) stack.take();
  return makeWord(textBoxOf(self).editing().textWithCrLf());
}

Value setWholeFont(tmultiobject& self, tLogoStack& stack, int) {
  const Value font = stack.take();
  textBoxOf(self).setFont(fontFromValue(font));
  return nullptr;
}

// Printed text goes into the box while `printtotextbox` names it.
class TextBoxOutput : public OutputDestination {
 public:
  explicit TextBoxOutput(tmultiobject& box) : box_(&box) {}
  void write(std::string_view text) override {
    if (!box_->alive()) return;
    runProtected([&] { textBoxOf(*box_).append(text); });
  }

 private:
  ObjectRef box_;
};

std::shared_ptr<OutputDestination> textBoxOutput(const Value& name) {
  if (!name->isWord()) return nullptr;
  ObjectRef found;
  try {
    found = currentObject().resolveObjectName(codeOf(name->wordText()));
  } catch (const eLogoException&) {
    return nullptr;
  }
  auto* box = dynamic_cast<ttext*>(found.get());
  if (!box || !box->isInstance()) return nullptr;
  return std::make_shared<TextBoxOutput>(*box);
}

}  // namespace

void tTextPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareDrawnControlProperties(*this);
  declareProperties(*this, kTextProperties, DeclaredOn::Prototype);
  declareOrderCommands(*this);
  declareCommand<tProtectedObjProcDesc>(*this, "printme_text", 0, printMe);
  declareCommand<tProtectedObjProcDesc>(*this, "stamp_text", 0, stampText);
  declareCommand<tProtectedObjProcDesc>(*this, "picture_text", 0, pictureText);
  declareCommand<tProtectedObjProcDesc>(*this, "setWholeFont", 1, setWholeFont);
  declareCommand<tProtectedObjProcDesc>(*this, "value", 0, valueCommand, true);
}

void installTextBoxOutput() {
  setTextBoxOutputFinder(textBoxOutput);
}

}  // namespace lx
