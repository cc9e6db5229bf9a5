// How localized words are compared: the one comparison used for names,
// for word equality and order, and for recognising dictionary words.
//
// A language whose dictionary sets "ansi" in its "system" section folds both
// texts byte by byte (a-z to capitals, every letter with a diacritic to its
// plain capital) and compares the bytes; any other language upper-cases both
// texts and compares them with a collation in which a letter with a
// diacritic sorts right after its plain letter but is not equal to it.
#pragma once

#include <string>
#include <string_view>

namespace lx {

enum class NameComparisonMode { Locale, Fold };

NameComparisonMode nameComparisonMode();
void setNameComparisonMode(NameComparisonMode mode);

// Negative, zero or positive, as the two words order under the current mode.
int compareNames(std::string_view a, std::string_view b);
bool namesEqual(std::string_view a, std::string_view b);

// A text that is equal for exactly the words `namesEqual` finds equal;
// tables use it as their key.
std::string nameKey(std::string_view word);

// Case-sensitive order with the locale collation (for exact equality of words).
int compareExact(std::string_view a, std::string_view b);

// The fold table: letters to plain capitals.
unsigned char foldByte(unsigned char c);
// Letters with diacritics to their plain letters of the same case (used to
// print without accents when that option is on).
std::string removeAccents(std::string_view text);
// Upper- and lower-casing of code page 1250 text.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

}  // namespace lx
