// Constructing Logo errors.
#include "core/logo_exception.h"

namespace lx {
namespace {

// Set once while the program starts (by the static set-up of the layers
// that lend them), read afterwards.
struct LentParts {
  ErrorTemplateSource templateOf = nullptr;
  ErrorWordMaker makeWord = nullptr;
};

LentParts& lent() {
  static LentParts parts;
  return parts;
}

}  // namespace

void setErrorTemplateSource(ErrorTemplateSource source) { lent().templateOf = source; }

void setErrorWordMaker(ErrorWordMaker maker) { lent().makeWord = maker; }

std::string errorTemplate(errorConst code) {
  const auto templateOf = lent().templateOf;
  return templateOf ? templateOf(code) : std::string(errorName(code));
}

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
  const auto makeWord = lent().makeWord;
  if (makeWord) return eLogoException(code, makeWord(text));
  eLogoException e(code);
  e.extraText = std::string(text);
  return e;
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
