// Compiling lists into token arrays.
#include "interp/compiled_list.h"

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "lang/name_comparison.h"
#include "values/reader.h"
#include "values/pools.h"

namespace lx {
namespace {

// The cache a list keeps: one compiled form per kind.
class CachedCode : public tCompiledCode {
 public:
  CompiledPtr byKind[3];
};

const std::string& internalUsualPrefix() {
  static const std::string prefix = std::string("\xB7param\xB7usual'");
  return prefix;
}

bool startsWithCaseless(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && namesEqual(text.substr(0, prefix.size()), prefix);
}

Tok classifyShort(std::string_view text) {
  if (text.size() == 1) {
    switch (text[0]) {
      case '(': return Tok::Open;
      case ')': return Tok::Close;
      case '*':
      case '/': return Tok::Multiplicative;
      case '+':
      case '-': return Tok::Additive;
      case '<':
      case '=':
      case '>': return Tok::Relational;
      default: return Tok::Procedure;
    }
  }
  if (text == "<=" || text == ">=" || text == "<>") return Tok::Relational;
  return Tok::Procedure;
}

void pushToken(CompiledCode& code, CodeToken token) {
  const CodeToken* previous = code.tokens.empty() ? nullptr : &code.tokens.back();
  token.followsParen =
      previous && (previous->kind == Tok::Open ||
                   (previous->followsParen && (token.kind == Tok::ObjectPrefix || token.kind == Tok::Usual)));
  code.tokens.push_back(std::move(token));
}

// A name word: object prefixes, "usual'", operators and procedure names.
void compileName(CompiledCode& code, std::string_view text) {
  if (text.size() <= 2) {
    const Tok kind = classifyShort(text);
    pushToken(code, {kind, false, kind == Tok::Open || kind == Tok::Close ? 0 : codeOf(text), nullptr, {}});
    return;
  }
  for (;;) {
    for (const std::string& usual : {usualPrefix(), internalUsualPrefix()}) {
      if (startsWithCaseless(text, usual)) {
        pushToken(code, {Tok::Usual, false, codeOf(text.substr(usual.size())), nullptr, {}});
        return;
      }
    }
    const size_t apostrophe = text.find('\'');
    if (apostrophe == std::string_view::npos || apostrophe + 1 == text.size()) break;
    const NameCode object =
        apostrophe == 0 ? codeOf(localEntry("class", "main")) : codeOf(text.substr(0, apostrophe));
    pushToken(code, {Tok::ObjectPrefix, false, object, nullptr, {}});
    text.remove_prefix(apostrophe + 1);
  }
  pushToken(code, {Tok::Procedure, false, codeOf(text), nullptr, {}});
}

void compileElement(CompiledCode& code, const Value& element) {
  if (!element->isWord() || element->isNumber()) {
    pushToken(code, {Tok::Constant, false, 0, element, {}});
    return;
  }
  const std::string text = element->wordText();
  if (text.empty()) return;
  if (text[0] == '"') {
    pushToken(code, {Tok::Constant, false, 0, makeWord(text.substr(1)), {}});
  } else if (text[0] == ':') {
    pushToken(code, {Tok::Variable, false, codeOf(text.substr(1)), nullptr, {}});
  } else {
    compileName(code, text);
  }
}

}  // namespace

CompiledPtr compileElements(const tLogoList& list, CompileKind kind) {
  auto code = std::make_shared<CompiledCode>();
  code->kind = kind;
  for (const Value& element : list) {
    if (kind == kLines && element->isList()) {
      for (const Value& inner : *asList(*element)) compileElement(*code, inner);
    } else {
      compileElement(*code, element);
    }
  }
  code->tokens.push_back({Tok::End, false, 0, nullptr, {}});
  return code;
}

CompiledPtr compiled(const tlogoobject& value, CompileKind kind) {
  if (const tLogoList* list = asList(value)) {
    // Only this file fills the cache of a list, always with a CachedCode.
    auto* cache = static_cast<CachedCode*>(list->compiledCache());
    if (!cache) {
      auto fresh = std::make_unique<CachedCode>();
      cache = fresh.get();
      list->setCompiledCache(std::move(fresh), kind);
    }
    CompiledPtr& slot = cache->byKind[kind];
    if (!slot) slot = compileElements(*list, kind);
    return slot;
  }
  if (value.isWord()) {
    const Ref<tLogoList> read = readList(value.wordText());
    return compileElements(*read, kind);
  }
  throw eLogoException(erExpectList, selfValue(value));
}

NameCode unaryMinusCode() { return codeOf("<unary ->"); }
NameCode unaryPlusCode() { return codeOf("<unary +>"); }

}  // namespace lx
