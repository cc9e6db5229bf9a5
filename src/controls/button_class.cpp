// The button classes and their properties.
#include "controls/button_class.h"

#include "controls/control_commands.h"
#include "core/logo_exception.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/pools.h"

namespace lx {

std::unique_ptr<tControlGraphic> tlogoswitch::makeGraphic(tgrScreen& surface) {
  return std::make_unique<tLogoButtons>(surface, *this, tLogoButtons::Kind::Button);
}

std::unique_ptr<tControlGraphic> tlogotoolbut::makeGraphic(tgrScreen& surface) {
  return std::make_unique<tLogoButtons>(surface, *this, tLogoButtons::Kind::Tool);
}

tSwitchButtonPrototype::tSwitchButtonPrototype() {
  setInstanceFactory([] { return ObjectRef(new tlogoswitch); });
}

tToolButtonPrototype::tToolButtonPrototype() {
  setInstanceFactory([] { return ObjectRef(new tlogotoolbut); });
}

tLogoButtons& buttonOf(tmultiobject& self) {
  return controlOf<tLogoButtons>(self, dynamic_cast<tlogotoolbut*>(&self) ? erInitToolButton : erInitGraphic);
}

namespace {

// `flat` takes a number as well: true when it is not 0.
bool truthOf(const Value& value) {
  return value->isNumber() ? value->asReal() != 0 : value->asBool();
}

Value captionOf(tmultiobject& self, int) {
  return makeWord(buttonOf(self).caption());
}
void setCaption(tmultiobject& self, int, const Value& value) {
  buttonOf(self).setCaption(value->isWord() ? value->wordText() : value->printText(0));
}
Value pictureOf(tmultiobject& self, int) {
  const Value& picture = buttonOf(self).pictureValue();
  return picture ? picture : Value(tLogoList::empty());
}
void setPicture(tmultiobject& self, int, const Value& value) {
  buttonOf(self).setPicture(value);
}
Value downOf(tmultiobject& self, int) {
  return makeBool(buttonOf(self).down());
}
void setDown(tmultiobject& self, int, const Value& value) {
  buttonOf(self).setDown(value->asBool());
}
Value styleOf(tmultiobject& self, int) {
  return makeInt(buttonOf(self).style);
}
void setStyle(tmultiobject& self, int, const Value& value) {
  tLogoButtons& button = buttonOf(self);
  button.style = value->asIntegerIn(0, 3);
  button.repaint();
}
Value groupOf(tmultiobject& self, int) {
  return makeInt(buttonOf(self).group);
}
void setGroup(tmultiobject& self, int, const Value& value) {
  buttonOf(self).group = value->asInteger();
}

// The flags, each read and written the same way.
template <bool tLogoButtons::*Flag>
Value flagOf(tmultiobject& self, int) {
  return makeBool(buttonOf(self).*Flag);
}
template <bool tLogoButtons::*Flag>
void setFlag(tmultiobject& self, int, const Value& value) {
  tLogoButtons& button = buttonOf(self);
  button.*Flag = truthOf(value);
  button.repaint();
}

constexpr PropertyEntry kSharedProperties[] = {
    {prop::kCaption, captionOf, setCaption},
    {prop::kOneShot, flagOf<&tLogoButtons::oneShot>, setFlag<&tLogoButtons::oneShot>},
    {prop::kStyle, styleOf, setStyle},
    {prop::kDown, downOf, setDown, SetBy::Command, RunsIn::InterfaceThread, kAlwaysSaved},
    {prop::kFlat, flagOf<&tLogoButtons::flat>, setFlag<&tLogoButtons::flat>},
    {prop::kPicture, pictureOf, setPicture},
    {prop::kFullPicture, flagOf<&tLogoButtons::fullPicture>, setFlag<&tLogoButtons::fullPicture>},
};

// What only buttons have.
constexpr PropertyEntry kButtonProperties[] = {
    {prop::kAllUp, flagOf<&tLogoButtons::allUp>, setFlag<&tLogoButtons::allUp>},
    {prop::kGroup, groupOf, setGroup},
    {prop::kUserCanStop, flagOf<&tLogoButtons::userCanStop>, setFlag<&tLogoButtons::userCanStop>},
    {prop::kSwitch, flagOf<&tLogoButtons::isSwitch>, setFlag<&tLogoButtons::isSwitch>},
    {prop::kUseWho, flagOf<&tLogoButtons::useWho>, setFlag<&tLogoButtons::useWho>},
};

}  // namespace

void tSwitchButtonPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareDrawnControlProperties(*this);
  declareProperties(*this, kSharedProperties, DeclaredOn::Prototype);
  declareProperties(*this, kButtonProperties, DeclaredOn::Prototype);
  declareOrderCommands(*this);
}

void tToolButtonPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareDrawnControlProperties(*this);
  declareProperties(*this, kSharedProperties, DeclaredOn::Prototype);
  declareOrderCommands(*this);
}

}  // namespace lx
