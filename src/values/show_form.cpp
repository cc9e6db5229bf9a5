// Quoting a word for the show form.
//
// Two spellings are built side by side: `out` with a backslash before every
// character the reader would treat specially, and `plain` with the
// characters as they are. When only blanks, brackets, operators or quotes
// needed protecting, "|plain|" is the shorter and friendlier result; a bar,
// a "¶" or a numeric escape inside the word rules bars out.
#include "values/show_form.h"

#include <cstring>

#include "lang/dictionary.h"

namespace lx {
namespace {

bool isOperatorChar(char c) { return c != '\0' && std::strchr("*+-/()<>=;", c) != nullptr; }

struct Quoting {
  std::string out;
  std::string plain;
  bool barsPossible = true;
  bool needsQuoting = false;

  void escaped(char c) {
    out += '\\';
    out += c;
  }
};

// The result once the walk is over: the operators that are words of their
// own read back without backslashes, and bars when they can and must be used.
std::string finish(Quoting& q) {
  if (q.out == "\\<\\>") return "<>";
  if (q.out == "\\<\\=") return "<=";
  if (q.out == "\\>\\=") return ">=";
  if (!(q.barsPossible && q.needsQuoting)) return std::move(q.out);
  if (q.plain.front() == '"') return "\"|" + q.plain.substr(1) + "|";
  return "|" + q.plain + "|";
}

}  // namespace

std::string showFormOfWord(std::string_view text) {
  if (text.empty()) return "||";
  Quoting q;
  q.out.reserve(text.size() + 2);
  const size_t n = text.size();
  const bool leadingQuote = text[0] == '"';
  for (size_t i = 0; i < n; ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    const bool rightAfterLeadingQuote = i == 1 && leadingQuote;
    if (q.barsPossible) q.plain += c;
    if (c == ' ' || c == '[' || c == ']' || c == '\\') {
      q.escaped(c);
      q.needsQuoting = true;
    } else if (c == kLineBreakMark || c == '|') {
      q.escaped(c);
      q.barsPossible = false;
    } else if (c == '"' && i >= 1 && !rightAfterLeadingQuote) {
      q.escaped(c);
      q.needsQuoting = true;
    } else if (isOperatorChar(c) && n > 1 && !rightAfterLeadingQuote) {
      q.escaped(c);
      q.needsQuoting = true;
    } else if (c == kDictionaryMark && i == 0 && n > 1) {
      // A leading mark would make the reader translate the word; escaped,
      // the word reads back as itself.
      q.escaped(c);
    } else if (c == '\n' || c == '\r') {
      q.out += kLineBreakMark;
      if (q.barsPossible) q.plain.back() = kLineBreakMark;
      if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
    } else if (byte < 32) {
      const std::string code = std::to_string(byte);
      const bool last = i + 1 == n;
      if (last && q.barsPossible && q.needsQuoting) {
        q.plain.pop_back();
        return "|" + q.plain + "|\\" + code;
      }
      q.out += '\\';
      q.out += code;
      if (!(last && q.barsPossible)) {
        q.out += '.';
        q.barsPossible = false;
      }
    } else {
      q.out += c;
    }
  }
  return finish(q);
}

}  // namespace lx
