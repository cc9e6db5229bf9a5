// Constructing Logo errors.
#include "interp/logo_exception.h"

#include "lang/interface_dictionary.h"
#include "values/pools.h"

namespace lx {

std::string errorTemplate(errorConst code) { return interfaceLookup("errors", errorName(code)); }

eLogoException::eLogoException(errorConst code) : eLogoBase(errorTemplate(code)), code(code) {}

eLogoException::eLogoException(errorConst code, Value value)
    : eLogoBase(errorTemplate(code)), value(std::move(value)), code(code) {}

eLogoException::eLogoException(errorConst code, int32_t a, int32_t b, Value value)
    : eLogoBase(errorTemplate(code)), value(std::move(value)), numberA(a), numberB(b), code(code) {}

eLogoException eLogoException::withMessage(std::string text, Value value) {
  eLogoException e(erUser, std::move(value));
  e.message = std::move(text);
  return e;
}

eLogoException eLogoException::withWord(errorConst code, std::string_view text) {
  return eLogoException(code, makeWord(text));
}

eLogoException eLogoException::withName(errorConst code, NameCode name) {
  eLogoException e(code);
  e.nameCode = name;
  return e;
}

eLogoException eLogoException::withPrim(errorConst code, NameCode prim) {
  return withPrim(code, nameOf(prim));
}

eLogoException eLogoException::withPrim(errorConst code, std::string prim) {
  eLogoException e(code);
  e.primName = std::move(prim);
  return e;
}

}  // namespace lx
