// The defaults of the value operations.
#include "core/value.h"

#include "core/logo_exception.h"

namespace lx {

void tlogoobject::dispose() { delete this; }

namespace {

// The value itself, as the offending value of an error. Every value reaches
// its operations through a counted holder, so the extra reference is safe.
Value self(const tlogoobject* value) { return Value(const_cast<tlogoobject*>(value)); }

}  // namespace

int32_t tlogoobject::asIntegerIn(int32_t lo, int32_t hi) const { throw eLogoException(erMinMax, lo, hi, self(this)); }

int32_t tlogoobject::asInteger() const { throw eLogoException(erExpectNumber, self(this)); }

long double tlogoobject::asReal() const { throw eLogoException(erExpectNumber, self(this)); }

bool tlogoobject::asBool() const { throw eLogoException(erNotBool, self(this)); }

namespace {

InstanceDescription& instanceDescription() {
  static InstanceDescription describe = nullptr;
  return describe;
}

}  // namespace

void setInstanceDescription(InstanceDescription describe) { instanceDescription() = describe; }

std::string tlogoobject::printText(int) const {
  const InstanceDescription describe = instanceDescription();
  return describe ? describe(className()) : std::string("an instance of ") + className();
}

std::string tlogoobject::showText(int level) const { return printText(level); }

std::string tlogoobject::wordText() const { throw eLogoException(erExpectWord, self(this)); }

NameCode tlogoobject::nameCode() const { throw eLogoException(erExpectWord, self(this)); }

}  // namespace lx
