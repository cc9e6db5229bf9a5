// The word forms of the word/list operations: the characters of a word's
// text are its elements, and the answers are words. Every function takes a
// word (a text word, number or boolean); numbers work on their printed form.
// `char` is charOf in arithmetic.h.
#pragma once

#include "core/value.h"

namespace lx {

Value wordCount(const tlogoobject& word);
// first, butfirst, last, butlast, pick of the empty word: the empty word,
// or error 5 when the strict option is 2.
Value wordFirst(const tlogoobject& word);
Value wordButfirst(const tlogoobject& word);
Value wordLast(const tlogoobject& word);
Value wordButlast(const tlogoobject& word);
Value wordPick(const tlogoobject& word);
// The n-th character; a list of numbers indexes step by step. Error 5 on
// the empty word and error 26 out of range when strict; otherwise the empty
// word for an index out of range.
Value wordItem(const tlogoobject& word, const Value& index);

// `x`'s text before (fput) or after (lput) the word's; x must be a word.
Value wordFput(const tlogoobject& word, const tlogoobject& x);
Value wordLput(const tlogoobject& word, const tlogoobject& x);

// Membership: a character is equal to x by the word rules.
Value wordMemberP(const tlogoobject& word, const tlogoobject& x);
Value wordMember(const tlogoobject& word, const tlogoobject& x);
Value wordButmember(const tlogoobject& word, const tlogoobject& x);
Value wordFrommember(const tlogoobject& word, const tlogoobject& x);

Value wordReverse(const tlogoobject& word);
Value wordShuffle(const tlogoobject& word);

// Without the characters of n or [n count], checked as for item.
Value wordButitem(const tlogoobject& word, const Value& span);
// The characters of n or [n count] replaced by the text of `value` (a word).
Value wordReplace(const tlogoobject& word, const Value& span, const tlogoobject& value);

}  // namespace lx
