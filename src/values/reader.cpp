// Building values from tokens.
//
// Values are pushed on a private stack as they are read; a "[" remembers
// the stack height, and its "]" gathers everything above that height into a
// list. Open lists are kept as heights on a second stack rather than as
// recursive calls, so nesting of any depth reads without recursion.
#include "values/reader.h"

#include <vector>

#include "core/logo_exception.h"
#include "lang/dictionary.h"
#include "values/list_builder.h"
#include "values/number_text.h"
#include "values/pools.h"
#include "values/scanner.h"

namespace lx {
namespace {

Value wordValue(const tScanner& scanner) {
  const std::string& read = scanner.tokenText();
  const std::string text = scanner.tokenIsDictionaryReference() ? resolveDictionaryWord(read) : read;
  if (isOneOfWords(trueWords(), text)) return Value(new tLogoBool(true, text));
  if (isOneOfWords(falseWords(), text)) return Value(new tLogoBool(false, text));
  return makeWord(text);
}

// A number keeps the spelling it was read with; a number token that is no
// number after all (an exponent too large) is a word.
Value numberValue(const std::string& text) {
  if (const auto integer = parseInteger(text)) return Value(new tLogoInt(*integer, text));
  if (const auto real = parseReal(text)) return Value(new tLogoReal(text, *real));
  return makeWord(text);
}

// The private stacks of one read, kept from line to line in lines mode.
struct ReadStacks {
  explicit ReadStacks(OpenBrackets open) : open(open) { values.reserve(100); }
  OpenBrackets open;
  std::vector<Value> values;
  std::vector<size_t> openLists;  // stack heights at each open "["

  // Gathers the values of the innermost open list into a list.
  void closeList() {
    Ref<tLogoList> list = fromStack(values, values.size() - openLists.back());
    openLists.pop_back();
    values.push_back(std::move(list));
  }
};

// Reads one sequence of values: the whole text, or one line of it. On an
// error the stacks are left to their owner, which discards them.
Ref<tLogoList> readSequence(std::string_view text, ReadStacks& stacks) {
  tScanner scanner(text);
  for (;;) {
    switch (scanner.next()) {
      case TokenKind::End:
        if (!stacks.openLists.empty() && stacks.open == OpenBrackets::Error)
          throw eLogoException(erMissingRBracket);
        while (!stacks.openLists.empty()) stacks.closeList();
        return fromStack(stacks.values, stacks.values.size());
      case TokenKind::Close:
        if (stacks.openLists.empty()) throw eLogoException(erExtraRBracket);
        stacks.closeList();
        break;
      case TokenKind::Open:
        stacks.openLists.push_back(stacks.values.size());
        break;
      case TokenKind::LineBreak:
        break;  // the scanner counts lines
      case TokenKind::Word:
        stacks.values.push_back(wordValue(scanner));
        break;
      case TokenKind::Number:
        stacks.values.push_back(numberValue(scanner.tokenText()));
        break;
    }
  }
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One sub-list per line of the trimmed text. Lines end at CR LF, and also
// at a CR or a line feed on its own.
Ref<tLogoList> readLines(std::string_view text, OpenBrackets open) {
  text = trimmed(text);
  ReadStacks stacks(open);
  ListBuilder lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.add(readSequence(text.substr(start, end - start), stacks));
    if (end == text.size()) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines.finish();
}

}  // namespace

Ref<tLogoList> readList(std::string_view text, ReadMode mode, OpenBrackets open) {
  if (mode == ReadMode::Lines) return readLines(text, open);
  ReadStacks stacks(open);
  return readSequence(text, stacks);
}

int lineOfToken(std::string_view text, int n) {
  tScanner scanner(text);
  for (TokenKind kind = scanner.next(); kind != TokenKind::End; kind = scanner.next())
    if ((kind == TokenKind::Word || kind == TokenKind::Number) && scanner.tokenCount() == n) return scanner.line();
  return -1;
}

}  // namespace lx
