// Word/list operations with characters as the elements.
#include "values/word_operations.h"

#include <algorithm>

#include "core/logo_exception.h"
#include "values/item_index.h"
#include "values/list.h"
#include "values/list_access.h"
#include "values/pools.h"
#include "values/random.h"
#include "values/string_word.h"

namespace lx {
namespace {

Value emptyWordAnswer(const tlogoobject& word) {
  if (strictWords()) throw eLogoException(erEmptyWord, selfValue(word));
  return makeWord("");
}

// Finds the characters equal to `x` by the word rules (so 1 matches "1"
// and, in a language without accents, "A" matches "a"). A list is never a
// character.
class CharacterMatcher {
 public:
  explicit CharacterMatcher(const tlogoobject& x) : x_(x), probe_(makeWord("")) {}
  bool matches(char c) {
    if (!x_.isWord()) return false;
    probe_->reset(std::string(1, c));
    return probe_->equals(x_);
  }

 private:
  const tlogoobject& x_;
  Ref<tLogoString> probe_;
};

// The text with the characters of a span (clamped to the text, none for a
// count below 1) replaced by `insert`.
std::string replacedSpan(const std::string& text, const ItemSpan& span, std::string_view insert) {
  const size_t from = static_cast<size_t>(span.index - 1);
  const size_t n = span.count < 1 ? 0 : std::min<size_t>(static_cast<size_t>(span.count), text.size() - from);
  std::string out = text.substr(0, from);
  out += insert;
  out += text.substr(from + n);
  return out;
}

// The characters of a word: a text word lends its own, without the copy
// that `wordText` makes (loops take `count` and `item` of one word often);
// any other word spells itself into `spare`.
const std::string& charactersOf(const tlogoobject& word, std::string& spare) {
  if (word.kind() == ValueKind::Word) return static_cast<const tLogoString&>(word).chars();
  spare = word.wordText();
  return spare;
}

}  // namespace

Value wordCount(const tlogoobject& word) {
  std::string spare;
  return makeNumber(static_cast<int64_t>(charactersOf(word, spare).size()));
}

Value wordFirst(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (text.empty()) return emptyWordAnswer(word);
  return makeWord(text.substr(0, 1));
}

Value wordButfirst(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (text.empty()) return emptyWordAnswer(word);
  return makeWord(std::string_view(text).substr(1));
}

Value wordLast(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (text.empty()) return emptyWordAnswer(word);
  return makeWord(text.substr(text.size() - 1));
}

Value wordButlast(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (text.empty()) return emptyWordAnswer(word);
  return makeWord(std::string_view(text).substr(0, text.size() - 1));
}

Value wordPick(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (text.empty()) return emptyWordAnswer(word);
  return makeWord(std::string(1, text[static_cast<size_t>(randomBelow(static_cast<int64_t>(text.size())))]));
}

Value wordItem(const tlogoobject& word, const Value& index) {
  if (const tLogoList* path = asList(*index)) {
    Value current = selfValue(word);
    for (const Value& step : *path) current = itemOf(current, step);
    return current;
  }
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  const int32_t n = index->asInteger();
  if (!indexInRange(n, text.size(), strictLists(), erEmptyWord, selfValue(word), index)) return makeWord("");
  return makeWord(text.substr(static_cast<size_t>(n - 1), 1));
}

Value wordFput(const tlogoobject& word, const tlogoobject& x) { return makeWord(x.wordText() + word.wordText()); }

Value wordLput(const tlogoobject& word, const tlogoobject& x) { return makeWord(word.wordText() + x.wordText()); }

Value wordMemberP(const tlogoobject& word, const tlogoobject& x) {
  return makeBool(wordMember(word, x)->asInteger() != 0);
}

Value wordMember(const tlogoobject& word, const tlogoobject& x) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  CharacterMatcher matcher(x);
  for (size_t i = 0; i < text.size(); ++i)
    if (matcher.matches(text[i])) return makeNumber(static_cast<int64_t>(i + 1));
  return makeInt(0);
}

Value wordButmember(const tlogoobject& word, const tlogoobject& x) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  CharacterMatcher matcher(x);
  std::string out;
  for (char c : text)
    if (!matcher.matches(c)) out += c;
  return makeWord(out);
}

Value wordFrommember(const tlogoobject& word, const tlogoobject& x) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  CharacterMatcher matcher(x);
  for (size_t i = 0; i < text.size(); ++i)
    if (matcher.matches(text[i])) return makeWord(std::string_view(text).substr(i));
  return makeWord("");
}

Value wordReverse(const tlogoobject& word) {
  std::string text = word.wordText();
  std::reverse(text.begin(), text.end());
  return makeWord(text);
}

// Each character in turn goes to a random one of the places among those
// placed before it (an inside-out shuffle: every order is equally likely).
Value wordShuffle(const tlogoobject& word) {
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  std::string out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto j = static_cast<size_t>(randomBelow(static_cast<int64_t>(i + 1)));
    out[i] = out[j];
    out[j] = text[i];
  }
  return makeWord(out);
}

Value wordButitem(const tlogoobject& word, const Value& span) {
  const ItemSpan s = readItemSpan(span);
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (!indexInRange(s.index, text.size(), strictLists(), erEmptyWord, selfValue(word), span)) return makeWord("");
  return makeWord(replacedSpan(text, s, ""));
}

Value wordReplace(const tlogoobject& word, const Value& span, const tlogoobject& value) {
  const ItemSpan s = readItemSpan(span);
  const std::string insert = value.wordText();
  std::string spare;
  const std::string& text = charactersOf(word, spare);
  if (!indexInRange(s.index, text.size(), strictLists(), erEmptyWord, selfValue(word), span)) return makeWord("");
  return makeWord(replacedSpan(text, s, insert));
}

}  // namespace lx
