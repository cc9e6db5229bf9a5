// The defaults of the value operations.
#include "values/value.h"

#include "interp/logo_exception.h"
#include "lang/dictionary.h"

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

std::string tlogoobject::printText(int) const { return message1("anistanceof", className()); }

std::string tlogoobject::showText(int level) const { return printText(level); }

std::string tlogoobject::wordText() const { throw eLogoException(erExpectWord, self(this)); }

NameCode tlogoobject::nameCode() const { throw eLogoException(erExpectWord, self(this)); }

}  // namespace lx
