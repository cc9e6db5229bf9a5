// Reading keys of init lists and applying the pairs to a new object.
#include "objects/init_list.h"

#include "core/logo_exception.h"
#include "interp/procedure_definition.h"
#include "lang/dictionary.h"
#include "objects/object_codes.h"
#include "objects/property_table.h"
#include "values/list_builder.h"
#include "values/number_text.h"

namespace lx {
namespace {

struct PrefixWord {
  const char* key;  // entry of the dictionary section `param`
  InitKeyKind kind;
};
constexpr PrefixWord kPrefixes[] = {
    {"common", InitKeyKind::Common},       {"event", InitKeyKind::Event},
    {"procedure", InitKeyKind::Procedure}, {"define", InitKeyKind::Procedure},
    {"setting", InitKeyKind::Setting},     {"var", InitKeyKind::Own},
    {"variable", InitKeyKind::Own},        {"own", InitKeyKind::Own},
};

bool prefixKind(std::string_view word, InitKeyKind& kind) {
  for (const PrefixWord& prefix : kPrefixes) {
    if (isLocalEntry("param", prefix.key, word)) {
      kind = prefix.kind;
      return true;
    }
  }
  return false;
}

// The code of the rest of a key: a number names a property by its code.
NameCode keyCode(const std::string& rest) {
  if (const auto number = parseInteger(rest); number && isPropertyCode(*number))
    return propertyRow(*number).nameCode;
  return canonicalPropertyName(codeOf(rest));
}

// The pairs of a list, a last key without a value left out.
template <class Visit>
void forEachPair(const tLogoList& list, Visit visit) {
  for (auto it = list.begin(); it != list.end(); ++it) {
    auto value = it;
    if (++value == list.end()) return;
    if (!visit(it, *value)) return;
    it = value;
  }
}

void defineFromInitList(tmultiobject& object, NameCode code, const Value& value) {
  if (const tLogoList* definition = asList(*value)) {
    if (definition->isEmpty()) throw eLogoException(erEmptyList, value);
    defineProcedure(object.procedures(), procedureFromList(code, *definition));
  } else if (value->isWord()) {
    defineProcedure(object.procedures(), procedureFromText(value->wordText()));
  } else {
    throw eLogoException(erExpectList, value);
  }
}

bool isNameKey(NameCode code) {
  const auto& keys = objectCodes().nameKeys;
  return code == keys[0] || code == keys[1];
}

void applyPair(tmultiobject& object, const InitKey& key, const Value& value) {
  switch (key.kind) {
    case InitKeyKind::Setting:
      if (isEventCode(key.code))
        object.setEventHandler(key.code, value);
      else if (!isNameKey(key.code))  // the name was used when the object was named
        object.setOwnVariable(key.code, value);
      return;
    case InitKeyKind::Common:
      object.setOwnVariableNoPropagate(key.code, value);
      return;
    case InitKeyKind::Event:
      if (!isEventCode(key.code)) throw eLogoException::withName(erUnDefEvenet, key.code);
      object.setEventHandler(key.code, value);
      return;
    case InitKeyKind::Procedure:
      defineFromInitList(object, key.code, value);
      return;
    case InitKeyKind::Own:
      object.setOwnVariable(key.code, value);
      return;
  }
}

}  // namespace

InitKey parseInitKey(const tlogoobject& key) {
  const std::string text = resolveDictionaryWord(key.wordText());
  InitKey parsed;
  std::string rest = text;
  if (const size_t apostrophe = text.find('\''); apostrophe != std::string::npos) {
    if (!prefixKind(std::string_view(text).substr(0, apostrophe), parsed.kind))
      throw eLogoException::withWord(erWrongPrefix, text);
    rest = text.substr(apostrophe + 1);
    if (rest.find('\'') != std::string::npos) throw eLogoException::withWord(erWrongPrefix, text);
  }
  if (rest.empty()) throw eLogoException::withWord(erWrongPrefix, text);
  parsed.code = parsed.kind == InitKeyKind::Procedure || parsed.kind == InitKeyKind::Event ? codeOf(rest)
                                                                                           : keyCode(rest);
  return parsed;
}

void applyInitList(tmultiobject& object, const tLogoList& list) {
  forEachPair(list, [&](tLogoList::const_iterator key, const Value& value) {
    applyPair(object, parseInitKey(**key), value);
    return true;
  });
}

Value initListValue(const tLogoList& list, NameCode code) {
  Value found;
  forEachPair(list, [&](tLogoList::const_iterator key, const Value& value) {
    if (!(*key)->isWord() || parseInitKey(**key).code != code) return true;
    found = value;
    return false;
  });
  return found;
}

Ref<tLogoList> withoutInitKey(const tLogoList& list, NameCode code) {
  ListBuilder kept;
  bool removed = false;
  forEachPair(list, [&](tLogoList::const_iterator key, const Value& value) {
    if (!removed && (*key)->isWord() && parseInitKey(**key).code == code) {
      removed = true;
    } else {
      kept.add(*key);
      kept.add(value);
    }
    return true;
  });
  return removed ? kept.finish() : selfRef(list);
}

}  // namespace lx
